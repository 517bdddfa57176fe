#include <gtest/gtest.h>

#include "harness/Spieltisch.h"
#include "support/Testtabellen.h"

namespace pelu::test {

namespace {

struct Partie {
    std::array<int16_t, 4> spieler;
    std::vector<std::pair<int16_t, std::vector<int16_t>>> stellung; // set after the start step
    std::vector<int> wuerfel;
    int64_t wuerfeln; // virtual time when the phase Würfeln is first reached; 0: never
    std::string protokoll;
    bool stopp = false; // stop when a human must choose (the click comes a tick later)
};

// Every player value on every colour, alone in the game, rolling a 5: 0
// never plays; a human (1..4) is asked to choose and waits for the click, a
// computer (5..8) moves at once. One skip tick per colour not in play before.
std::vector<Partie> JederSpielerwertAufJederFarbe() {
    const int ausgang[] = {5, 22, 39, 56};
    const int helleFarbe[] = {9, 10, 5, 12};
    std::vector<Partie> partien;
    for (int farbe = 1; farbe <= 4; ++farbe) {
        for (int16_t wert = 0; wert <= 8; ++wert) {
            Partie p{{0, 0, 0, 0}, {}, {5}, 0, "ende 0 0 0 0\n"};
            p.spieler[farbe - 1] = wert;
            if (wert > 0) {
                const std::string figur = std::to_string(4 * farbe - 3);
                p.wuerfeln = 600 + 200 * (farbe - 1);
                p.protokoll = "wurf " + std::to_string(farbe) + " 5\n";
                if (wert <= 4)
                    p.protokoll += "info Wählen " + std::to_string(helleFarbe[farbe - 1]) +
                                   "\nwahl " + figur + "\n";
                p.protokoll += "zug " + figur + " " + std::to_string(100 + farbe) + ".1 " +
                               std::to_string(ausgang[farbe - 1]) + ".2\n";
            }
            partien.push_back(p);
        }
    }
    return partien;
}

// Games with scripted dice, played until they end or the dice run out. The
// trace also shows the info label's texts (with their colour) and the
// humans' choices: a human takes the proposal after waiting three ticks. A
// stop lets the turn run to its end.
TEST(Spielablauf, GeskriptetePartien) {
    // clang-format off
    std::vector<Partie> partien = {
        // The turn passes colour by colour, skipping those not in play, from
        // 4 back to 1. Four at home: three tries per roll.
        {{5, 0, 6, 7}, {}, std::vector<int>(12, 1), 600, "wurf 1 1\nwurf 3 1\nwurf 4 1\nwurf 1 1\n"},
        {{0, 5, 6, 0}, {}, std::vector<int>(9, 1), 800, "wurf 2 1\nwurf 3 1\nwurf 2 1\n"},
        // A 6 without a move. Four at home: three tries per roll; a 6 without
        // a move gives another roll; the roll count starts again in every turn.
        {{5, 6, 0, 0}, {}, {6, 6, 6, 5, 6, 6, 6, 6, 6, 6, 5}, 600,
         "wurf 1 6\nwurf 1 5\nzug 1 101.1 5.2\nwurf 2 6\nwurf 2 6\nwurf 2 5\nzug 5 102.1 22.2\n"},
        // A third 6 without a move.
        {{5, 6, 0, 0}, {}, {6, 6, 6, 6, 6, 6, 6, 6, 6, 5}, 600,
         "wurf 1 6\nwurf 1 6\nwurf 1 6\n3mal12 1\ninfo  3 mal 12 9\nwurf 2 5\nzug 5 102.1 22.2\n"},
        // A third 6 with a move.
        {{5, 0, 0, 0}, {{8, {1}}}, {6, 6, 6, 6, 6, 6}, 600,
         "wurf 1 6\nzug 1 8.2 20.2\nwurf 1 6\nzug 1 20.2 32.2\nwurf 1 6\nzug 1 32.2 44.2\n"
         "3mal12 1\ninfo  3 mal 12 9\nheim 1 44.2 101.1\n"},
        // Several sent home, in figure order. Slots on 40: 2, 3, 4, 1, 5, 6;
        // the block on 45 holds colour 1 back.
        {{5, 6, 7, 8}, {{40, {1, 2, 5, 13, 6, 14}}, {45, {9, 10}}}, {6, 6, 6}, 600,
         "wurf 1 6\nwurf 1 6\nwurf 1 6\n3mal12 1\ninfo  3 mal 12 9\nheim 1 40.2 101.2\n"
         "nachruecken 14 40.6 40.2\nheim 2 40.3 101.1\nnachruecken 6 40.5 40.3\n"},
        // Every figure of the colour on a bench (12, 46) or a track field (30)
        // goes home, the fourth too; the one in its lane stays. Blocks of
        // colours not in play stop every move.
        {{5, 0, 0, 0}, {{70, {1}}, {12, {2}}, {30, {3}}, {46, {4}}, {13, {5, 6}}, {31, {9, 10}},
                        {47, {13, 14}}}, {6, 6, 6}, 600,
         "wurf 1 6\nwurf 1 6\nwurf 1 6\n3mal12 1\ninfo  3 mal 12 9\nheim 2 12.2 101.2\n"
         "heim 3 30.2 101.3\nheim 4 46.2 101.4\n"},
        // Player 5 owns colours 1 and 3: ranked once both are done.
        {{5, 6, 5, 0},
         {{105, {1, 2, 3}}, {74, {4}}, {106, {5, 6, 7}}, {81, {8}}, {107, {9, 10, 11}}, {88, {12}}},
         {2, 2, 2}, 600, "wurf 1 2\nzug 4 74.2 105.1\nwurf 2 2\nzug 8 81.2 106.1\nrang 2 1\n"
         "wurf 3 2\nzug 12 88.2 107.1\nrang 1 2\nrang 3 2\nende 1 1 1 0\n"},
        // Colour 1's turn, all its figures home and dry: its player moves one
        // of colour 3, and the move counts for colour 1.
        {{5, 0, 5, 0}, {{105, {1, 2, 3, 4}}, {107, {9, 10, 11}}, {88, {12}}}, {2}, 600,
         "wurf 1 2\nzug 12 88.2 107.1\nrang 1 1\nrang 3 1\nende 1 0 0 0\n"},
        // Teams of three humans and of four computers: on each colour's turn
        // the least travelled figure of the team moves into its goal first
        // (the lowest of equals), and all colours share one place.
        {{3, 3, 3, 0},
         {{105, {1, 2, 3}}, {74, {4}}, {106, {5, 6, 7}}, {81, {8}}, {107, {9, 10, 11}}, {88, {12}}},
         {2, 2, 2}, 600, "wurf 1 2\ninfo Wählen 9\nwahl 4\nzug 4 74.2 105.1\n"
         "wurf 2 2\ninfo Wählen 10\nwahl 8\nzug 8 81.2 106.1\n"
         "wurf 3 2\ninfo Wählen 5\nwahl 12\nzug 12 88.2 107.1\nrang 1 1\nrang 2 1\nrang 3 1\n"
         "ende 1 1 1 0\n"},
        {{6, 6, 6, 6},
         {{105, {1, 2, 3}}, {74, {4}}, {106, {5, 6, 7}}, {81, {8}}, {107, {9, 10, 11}}, {88, {12}},
          {108, {13, 14, 15}}, {95, {16}}},
         {2, 2, 2, 2}, 600, "wurf 1 2\nzug 4 74.2 105.1\nwurf 2 2\nzug 8 81.2 106.1\n"
         "wurf 3 2\nzug 12 88.2 107.1\nwurf 4 2\nzug 16 95.2 108.1\nrang 1 1\nrang 2 1\n"
         "rang 3 1\nrang 4 1\nende 1 1 1 1\n"},
        // A stop while a human must choose. Three at home: two tries per
        // roll; the 6 earns another roll.
        {{1, 0, 0, 0}, {{8, {1}}}, {6, 6, 1, 1}, 600,
         "wurf 1 6\ninfo Wählen 9\nwahl 1\nzug 1 8.2 20.2\nwurf 1 1\ninfo Wählen 9\nwahl 1\n"
         "zug 1 20.2 21.2\nende 2 0 0 0\n", true},
    };
    // clang-format on
    for (const Partie& p : JederSpielerwertAufJederFarbe())
        partien.push_back(p);
    for (const Partie& p : partien) {
        SCOPED_TRACE(testing::Message()
                     << p.spieler[0] << p.spieler[1] << p.spieler[2] << p.spieler[3] << "\n"
                     << p.protokoll);
        Spieltisch t(Testtabellen(), p.spieler);
        t.spiel.BefehlStart();
        t.Programmtakt();
        // Set up: every die hidden; figure k of colour c on slot k of its
        // home, at (100 c + 10 k, 400).
        for (int c = 1; c <= 4; ++c)
            EXPECT_FALSE(t.form.Wuerfel[c].Sichtbar) << c;
        for (int f = 1; f <= FigurAnzahl; ++f) {
            if (p.spieler[FarbeVonFigur(f) - 1] == 0) continue;
            EXPECT_EQ(t.form.Figuren[f].Links, 100 * FarbeVonFigur(f) + 10 * ((f - 1) % 4 + 1) - 7)
                << f;
            EXPECT_EQ(t.form.Figuren[f].Oben, 393) << f;
        }
        for (const auto& [feld, figuren] : p.stellung)
            t.spiel.FigurenHinstellen(feld, figuren);
        t.wuerfel.Augen(p.wuerfel);
        int64_t wuerfeln = 0;
        if (t.BisPhase(Phase::Wuerfeln)) wuerfeln = t.form.Uhr.Jetzt();
        EXPECT_EQ(wuerfeln, p.wuerfeln);
        std::string info;
        int gewartet = 0;
        for (int i = 0; i < 100000; ++i) {
            // The roll that found the dice used up is no part of the game.
            if (t.Takt() == VirtuelleUhr::Takt::Keiner || t.wuerfel.Erschoepft()) break;
            if (t.form.Info != info) {
                info = t.form.Info;
                if (!info.empty() && info != "Start" && info != "Ende")
                    t.protokoll.Text +=
                        "info " + info + " " + std::to_string(t.form.Infofarbe) + "\n";
            }
            if (t.Phase() != Phase::WartenFigurwahl || t.z().Gewaehlt != 0) continue;
            if (p.stopp && !t.z().Stopp) {
                t.spiel.BefehlStopp();
            } else if (++gewartet % 3 == 0 && t.VorschlagNehmen()) {
                t.protokoll.Text += "wahl " + std::to_string(t.z().Gewaehlt) + "\n";
            }
        }
        EXPECT_EQ(t.protokoll.Text, p.protokoll);
        for (int f = 1; f <= FigurAnzahl; ++f) // only colours in play are shown
            EXPECT_EQ(t.form.Figuren[f].Sichtbar, p.spieler[FarbeVonFigur(f) - 1] > 0) << f;
    }
}

// Buttons through a game: stop and the assignment are ignored when they do
// not fit; a start during the stopped game's last turn cuts the move off and
// begins anew.
TEST(Spielbefehle, KnoepfeUndNeustartImAuslauf) {
    Spieltisch t(Testtabellen(), {5, 0, 0, 0});
    t.spiel.BefehlStopp();
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Ruhe);
    t.wuerfel.Augen({5, 5});
    t.spiel.BefehlStart();
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Spiel);
    ASSERT_TRUE(t.BisPhase(Phase::Ziehen));
    for (int i = 0; i < 6; ++i)
        t.Takt();
    ASSERT_GT(t.spiel.Fahrtzustand().Schrittnummer, 0);
    // While a game runs the assignment leaves the table and the bars alone.
    t.spiel.BefehlFigurenwahl();
    t.spiel.BefehlStopp();
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Auslauf);
    t.spiel.BefehlFigurenwahl();
    EXPECT_FALSE(t.form.SpielerwahlOffen);
    EXPECT_EQ(t.z().Figur[16].Feld, 104);
    EXPECT_EQ(t.z().Figur[1].Spieler, 5);
    t.spiel.BefehlStart();
    EXPECT_TRUE(t.Phase() == Phase::Start && !t.z().Stopp && !t.form.Uhr.FahrenLaeuft());
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Spiel);
    ASSERT_TRUE(t.BisPhase(Phase::WuerfelAnzeigezeit));
    // Nothing of the cut-off move was written: figure 1 is home again.
    EXPECT_EQ(t.protokoll.Text, "wurf 1 5\nwurf 1 5\n");
    EXPECT_EQ(t.z().Figur[1].Feld * 10 + t.z().Figur[1].Platz, 1011);
    EXPECT_TRUE(t.form.Figuren[1].Links == 103.0f && t.form.Figuren[1].Oben == 393.0f);
    t.spiel.BefehlStopp();
    EXPECT_TRUE(t.BisPhase(Phase::Keine));
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Ruhe);
    EXPECT_EQ(t.protokoll.Text, "wurf 1 5\nwurf 1 5\nzug 1 101.1 5.2\nende 1 0 0 0\n");
    // Idle again: the assignment opens and clears the table.
    t.spiel.BefehlFigurenwahl();
    EXPECT_TRUE(t.form.SpielerwahlOffen);
    EXPECT_EQ(t.z().Figur[1].Feld, 0);
    EXPECT_EQ(t.z().Figur[1].Spieler, 0);
}

// A form that was never told otherwise gives the default assignment:
// colour 1 human player 1, colours 2, 3, 4 computer players 1, 2, 3.
TEST(Spielbefehle, VorgabeZuteilungOhneEinstellung) {
    const Tabellen daten = Testtabellen();
    KopflosesFormular form;
    Skriptwuerfel wuerfel;
    Spiel spiel(daten, form, wuerfel);
    spiel.BefehlStart();
    spiel.ProgrammTakt();
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe)
        EXPECT_EQ(spiel.Zustand().Figur[LetzteFigur(farbe)].Spieler, farbe == 1 ? 1 : 3 + farbe)
            << farbe;
}

// The proposal blinks two ticks on, one off, until a figure is chosen. A
// mouse move over a movable figure stops it and shows the proposal, one over
// a figure that cannot move does not; only a movable figure is taken.
TEST(Spielbefehle, VorschlagBlinktBisZurWahl) {
    Spieltisch t(Testtabellen(), {1, 5, 0, 0});
    t.wuerfel.Augen({5});
    t.spiel.BefehlStart();
    ASSERT_TRUE(t.BisPhase(Phase::WartenFigurwahl));
    ASSERT_EQ(t.z().Hilfsfigur, 1);
    const auto blinken = [&t](int takte) {
        std::string sichtbar;
        for (int i = 0; i < takte; ++i) {
            t.Programmtakt();
            sichtbar += t.form.Figuren[1].Sichtbar ? '1' : '0';
        }
        return sichtbar;
    };
    EXPECT_EQ(blinken(3), "111");
    t.spiel.BefehlHilfe();
    t.spiel.BefehlHilfe();
    EXPECT_EQ(blinken(9), "110110110");
    EXPECT_FALSE(t.spiel.MausUeberFigur(7));
    EXPECT_EQ(blinken(3), "110");
    EXPECT_TRUE(t.spiel.MausUeberFigur(4));
    EXPECT_TRUE(t.form.Figuren[1].Sichtbar);
    EXPECT_EQ(blinken(3), "111");
    t.spiel.BefehlHilfe();
    EXPECT_EQ(blinken(3), "110");
    for (int falsch : {0, -3, 17, 5})
        t.spiel.KlickFigur(falsch);
    EXPECT_EQ(t.z().Gewaehlt, 0);
    t.spiel.KlickFigur(4);
    EXPECT_EQ(t.z().Gewaehlt, 4);
    t.Programmtakt();
    EXPECT_TRUE(t.form.Figuren[1].Sichtbar); // shown again, though hidden at the click
}

} // namespace

} // namespace pelu::test
