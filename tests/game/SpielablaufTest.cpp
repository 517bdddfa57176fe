#include <gtest/gtest.h>

#include "Spieltisch.h"

namespace {

using namespace pelu;

struct Partie {
    const char* name;
    std::array<int16_t, 4> spieler;
    std::vector<std::pair<int16_t, std::vector<int16_t>>> stellung; // set after the start step
    std::deque<int> wuerfel;
    int64_t wuerfeln; // virtual time when the phase Würfeln is first reached; 0: never
    const char* protokoll;
    bool stopp = false; // stop when a human must choose (the click comes a tick later)
};

// Games with scripted dice, played until they end or the dice run out;
// humans click the proposal. A stop lets the turn run to its end.
TEST(Spielablauf, GeskriptetePartien) {
    // clang-format off
    const Partie partien[] = {
        {"no colour in play", {0, 0, 0, 0}, {}, {}, 0, "ende 0 0 0 0\n"},
        // One program tick more for a colour not in play before the first.
        {"colour 1 not in play", {0, 5, 0, 0}, {}, {5}, 800, "wurf 2 5\nzug 5 102.1 22.2\n"},
        // Four at home: three tries per roll. A 6 without a move gives another
        // roll; the roll count starts again in every turn.
        {"a 6 without a move", {5, 6, 0, 0}, {}, {6, 6, 6, 5, 6, 6, 6, 6, 6, 6, 5}, 600,
         "wurf 1 6\nwurf 1 5\nzug 1 101.1 5.2\nwurf 2 6\nwurf 2 6\nwurf 2 5\nzug 5 102.1 22.2\n"},
        {"a third 6 without a move", {5, 6, 0, 0}, {}, {6, 6, 6, 6, 6, 6, 6, 6, 6, 5}, 600,
         "wurf 1 6\nwurf 1 6\nwurf 1 6\n3mal12 1\nwurf 2 5\nzug 5 102.1 22.2\n"},
        {"a third 6 with a move", {5, 0, 0, 0}, {{8, {1}}}, {6, 6, 6, 6, 6, 6}, 600,
         "wurf 1 6\nzug 1 8.2 20.2\nwurf 1 6\nzug 1 20.2 32.2\nwurf 1 6\nzug 1 32.2 44.2\n"
         "3mal12 1\nheim 1 44.2 101.1\n"},
        // Slots on 40: 2, 3, 4, 1, 5, 6; the block on 45 holds colour 1 back.
        {"several sent home", {5, 6, 7, 8}, {{40, {1, 2, 5, 13, 6, 14}}, {45, {9, 10}}}, {6, 6, 6}, 600,
         "wurf 1 6\nwurf 1 6\nwurf 1 6\n3mal12 1\nheim 1 40.2 101.2\nnachruecken 14 40.6 40.2\n"
         "heim 2 40.3 101.1\nnachruecken 6 40.5 40.3\n"},
        // Player 5 owns colours 1 and 3: ranked once both are done.
        {"a player with two colours", {5, 6, 5, 0},
         {{105, {1, 2, 3}}, {74, {4}}, {106, {5, 6, 7}}, {81, {8}}, {107, {9, 10, 11}}, {88, {12}}},
         {2, 2, 2}, 600, "wurf 1 2\nzug 4 74.2 105.1\nwurf 2 2\nzug 8 81.2 106.1\nrang 2 1\nwurf 3 2\n"
         "zug 12 88.2 107.1\nrang 1 2\nrang 3 2\nende 1 1 1 0\n"},
        // Three at home: two tries per roll; the 6 earns another roll.
        {"a stop while a human must choose", {1, 0, 0, 0}, {{8, {1}}}, {6, 6, 1, 1}, 600,
         "wurf 1 6\nzug 1 8.2 20.2\nwurf 1 1\nzug 1 20.2 21.2\nende 2 0 0 0\n", true},
    };
    // clang-format on
    for (const Partie& p : partien) {
        SCOPED_TRACE(p.name);
        pelutest::Spieltisch t(p.spieler);
        t.spiel.BefehlStart();
        t.Programmtakt();
        for (const auto& [feld, figuren] : p.stellung)
            FigurenHinstellen(t.z().Figur, t.daten, feld, figuren);
        t.wuerfel.Werte = p.wuerfel;
        EXPECT_EQ(t.BisPhase(Phase::Wuerfeln) ? t.form.Uhr.Jetzt() : 0, p.wuerfeln);
        try {
            for (int i = 0; i < 100000 && t.Takt() != VirtuelleUhr::Takt::Keiner; ++i) {
                if (t.Phase() != Phase::WartenFigurwahl || t.z().Gewaehlt != 0) continue;
                p.stopp && !t.z().Stopp ? t.spiel.BefehlStopp()
                                        : t.spiel.KlickFigur(t.z().Hilfsfigur);
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
                EXPECT_EQ(t.form.Figuren[f].Sichtbar, p.spieler[c - 1] > 0) << f;
                EXPECT_EQ(t.z().Figur[f].Zustand == 0, p.spieler[c - 1] == 0) << f;
            }
        }
        if (t.form.Uhr.ProgrammLaeuft()) continue;
        EXPECT_EQ(t.form.Info, "Ende");
        // The next start clears the ranks and shows every count afresh.
        t.spiel.BefehlStart();
        t.Programmtakt();
        for (int c = 1; c <= 4; ++c)
            EXPECT_TRUE(t.form.Rang[c].empty() && t.form.Zuganzeige[c].Text == "0") << c;
    }
}

} // namespace
