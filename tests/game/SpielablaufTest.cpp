#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Spieltisch.h"

namespace {

using namespace pelu;
using pelutest::Spieltisch;

struct Partie {
    const char* name;
    const char* spieler;  // player values of colours 1..4, one digit each
    const char* stellung; // "FELD:F1,F2 ...", set after the start step
    const char* wuerfel;  // one digit per draw
    int64_t wuerfeln;     // virtual time when the phase Würfeln is first reached; 0: never
    const char* protokoll;
    bool stopp = false; // stop when a human must choose (the click comes a tick later)
};

// Games with scripted dice, played until they end or the dice run out;
// humans click the proposal. A stop lets the turn run to its end.
TEST(Spielablauf, GeskriptetePartien) {
    const Partie partien[] = {
        {"no colour in play", "0000", "", "", 0, "ende 0 0 0 0\n"},
        // One program tick more for every colour not in play before the first.
        {"colour 1 not in play", "0500", "", "5", 800, "wurf 2 5\nzug 5 102.1 22.2\n"},
        {"colours 1, 2 not in play", "0050", "", "5", 1000, "wurf 3 5\nzug 9 103.1 39.2\n"},
        {"only colour 4", "0005", "", "5", 1200, "wurf 4 5\nzug 13 104.1 56.2\n"},
        // Four at home: three tries per roll. A 6 without a move gives another
        // roll; the roll count starts again in every turn (else colour 2's
        // first 6 would be a third).
        {"a 6 without a move", "5600", "", "666 5 666 666 5", 600,
         "wurf 1 6\nwurf 1 5\nzug 1 101.1 5.2\nwurf 2 6\nwurf 2 6\nwurf 2 5\nzug 5 102.1 22.2\n"},
        {"a third 6 without a move", "5600", "", "666 666 666 5", 600,
         "wurf 1 6\nwurf 1 6\nwurf 1 6\n3mal12 1\nwurf 2 5\nzug 5 102.1 22.2\n"},
        {"a third 6 with a move", "5000", "8:1", "66 66 66", 600,
         "wurf 1 6\nzug 1 8.2 20.2\nwurf 1 6\nzug 1 20.2 32.2\nwurf 1 6\nzug 1 32.2 44.2\n"
         "3mal12 1\nheim 1 44.2 101.1\n"},
        // Slots on 40: 2, 3, 4, 1, 5, 6; the block on 45 holds colour 1 back.
        {"several sent home", "5678", "40:1,2,5,13,6,14 45:9,10", "666", 600,
         "wurf 1 6\nwurf 1 6\nwurf 1 6\n3mal12 1\nheim 1 40.2 101.2\nnachruecken 14 40.6 40.2\n"
         "heim 2 40.3 101.1\nnachruecken 6 40.5 40.3\n"},
        // Human 1 owns colours 1 and 3; the proposal brings out the fuller colour.
        {"a player with two colours", "1010", "20:1", "5", 600, "wurf 1 5\nzug 9 103.1 39.2\n"},
        // Player 5 owns colours 1 and 3: ranked once both are done.
        {"ranking", "5650", "105:1,2,3 74:4 106:5,6,7 81:8 107:9,10,11 88:12", "222", 600,
         "wurf 1 2\nzug 4 74.2 105.1\nwurf 2 2\nzug 8 81.2 106.1\nrang 2 1\nwurf 3 2\n"
         "zug 12 88.2 107.1\nrang 1 2\nrang 3 2\nende 1 1 1 0\n"},
        // Three at home: two tries per roll; the 6 earns another roll.
        {"a stop while a human must choose", "1000", "8:1", "66 11", 600,
         "wurf 1 6\nzug 1 8.2 20.2\nwurf 1 1\nzug 1 20.2 21.2\nende 2 0 0 0\n", true},
    };
    for (const Partie& p : partien) {
        SCOPED_TRACE(p.name);
        std::array<int16_t, 4> spieler;
        for (int c = 0; c < 4; ++c)
            spieler[c] = static_cast<int16_t>(p.spieler[c] - '0');
        Spieltisch t(spieler);
        t.spiel.BefehlStart();
        t.Programmtakt();
        std::istringstream stellung(p.stellung);
        for (std::string feld; stellung >> feld;) {
            std::vector<int16_t> figuren;
            std::istringstream liste(feld.substr(feld.find(':') + 1));
            for (std::string f; std::getline(liste, f, ',');)
                figuren.push_back(static_cast<int16_t>(std::stoi(f)));
            t.Hinstellen(static_cast<int16_t>(std::stoi(feld)), figuren);
        }
        for (const char* w = p.wuerfel; *w; ++w) {
            if (*w != ' ') t.wuerfel.Werte.push_back(*w - '0');
        }
        EXPECT_EQ(t.BisPhase(Phase::Wuerfeln) ? t.form.Uhr.Jetzt() : 0, p.wuerfeln);
        try {
            for (int i = 0; i < 100000 && t.Takt() != VirtuelleUhr::Takt::Keiner; ++i) {
                if (t.Phase() != Phase::WartenFigurwahl || t.z().Gewaehlt != 0) continue;
                if (p.stopp && !t.z().Stopp)
                    t.spiel.BefehlStopp();
                else
                    t.spiel.KlickFigur(t.z().Hilfsfigur);
            }
        } catch (const std::out_of_range&) {
        }
        EXPECT_EQ(t.protokoll.Text, p.protokoll);
        for (int c = 1; c <= 4; ++c) {
            // Counts shown at the end of every roll, ranks as traced.
            EXPECT_EQ(t.form.Zuganzeige[c].Text, std::to_string(t.z().Zugzahl[c])) << c;
            const auto rang = t.protokoll.Text.find("rang " + std::to_string(c) + " ");
            EXPECT_EQ(t.form.Rang[c],
                      rang == std::string::npos ? "" : t.protokoll.Text.substr(rang + 7, 1) + ".");
            for (int f = ErsteFigur(c); f <= LetzteFigur(c); ++f) {
                EXPECT_EQ(t.form.Figuren[f].Sichtbar, spieler[c - 1] > 0) << f;
                EXPECT_EQ(t.z().Figur[f].Zustand == 0, spieler[c - 1] == 0) << f;
            }
        }
        if (t.form.Uhr.ProgrammLaeuft()) continue;
        EXPECT_EQ(t.form.Info, "Ende");
        // A finished game: the next start clears the ranks and shows every count afresh.
        t.spiel.BefehlStart();
        t.Programmtakt();
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(t.form.Rang[c], "");
            EXPECT_EQ(t.form.Zuganzeige[c].Text, "0");
            EXPECT_EQ(t.form.Zuganzeige[c].Hintergrund, t.z().Farbe[10 + c]);
            EXPECT_EQ(t.form.Zuganzeige[c].Textfarbe, 15);
        }
    }
}

TEST(Spielablauf, DreimalZwoelfZeigtInfoUndSchicktDoppeltSoSchnellHeim) {
    Spieltisch t({5, 0, 0, 0});
    t.spiel.BefehlStart();
    t.Programmtakt();
    t.Hinstellen(8, {1});
    t.wuerfel.Werte = {6, 6, 6, 6, 6, 6};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(t.BisPhase(Phase::NaechsterSpielzug));
        t.Programmtakt();
    }
    EXPECT_EQ(t.form.Info, " 3 mal 12");
    EXPECT_EQ(t.form.Infofarbe, 9);
    ASSERT_TRUE(t.BisPhase(Phase::Ziehen));
    t.Programmtakt();
    EXPECT_FLOAT_EQ(t.z().Tempo, 16.0f);
}

} // namespace
