#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Spieltisch.h"
#include "rules/Stellungsaufbau.h"

namespace {

using namespace pelu;
using pelutest::Spieltisch;
using Zeilen = std::vector<std::string>;

void Hinstellen(Spieltisch& t, int16_t feld, std::vector<int16_t> figuren) {
    FigurenHinstellen(t.z().Figur, t.daten, feld, figuren);
}

class FarbeNichtImSpiel : public ::testing::TestWithParam<int> {};

TEST_P(FarbeNichtImSpiel, EinUeberspringtaktJeFehlendeFarbe) {
    const int erste = GetParam();
    std::array<int16_t, 4> spieler{0, 0, 0, 0};
    spieler[erste - 1] = 5;
    Spieltisch t(spieler);
    t.Wuerfel({5});
    t.spiel.BefehlStart();
    t.Programmtakt();
    int uebersprungen = 0;
    while (t.Phase() == Phase::NaechsterSpielzug) {
        t.Programmtakt();
        ++uebersprungen;
    }
    EXPECT_EQ(t.Phase(), Phase::Wuerfelleer);
    EXPECT_EQ(uebersprungen, erste - 1);
    EXPECT_EQ(t.z().AktFarbe, erste);
    EXPECT_EQ(t.z().AktSpieler, 5);
    ASSERT_TRUE(t.BisPhase(Phase::WuerfelAnzeigezeit));
    EXPECT_EQ(t.Zeilen().front(), "wurf " + std::to_string(erste) + " 5");
    for (int f = 1; f <= 16; ++f) {
        EXPECT_EQ(t.form.Figuren[f].Sichtbar, FarbeVonFigur(f) == erste) << f;
        EXPECT_EQ(t.z().Figur[f].Zustand, FarbeVonFigur(f) == erste ? 1 : 0) << f;
    }
}

INSTANTIATE_TEST_SUITE_P(Spielablauf, FarbeNichtImSpiel, ::testing::Values(2, 3, 4));

TEST(Spielablauf, OhneFarbeImSpielEndetDasSpielSofort) {
    Spieltisch t({0, 0, 0, 0});
    t.spiel.BefehlStart();
    t.Programmtakt();
    EXPECT_EQ(t.Phase(), Phase::NaechsterSpielzug);
    t.Programmtakt();
    EXPECT_EQ(t.Phase(), Phase::Spielende);
    EXPECT_EQ(t.spiel.Ablauf().Spielstand, 3);
    EXPECT_EQ(t.spiel.Ablauf().Rangzaehler, 0);
    t.Programmtakt();
    EXPECT_EQ(t.form.Uhr.Jetzt(), 600);
    EXPECT_FALSE(t.form.Uhr.ProgrammLaeuft());
    EXPECT_EQ(t.form.Info, "Ende");
    EXPECT_EQ(t.form.Infofarbe, 0);
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Ruhe);
    EXPECT_EQ(t.Zeilen(), Zeilen{"ende 0 0 0 0"});
    EXPECT_EQ(t.Takt(), VirtuelleUhr::Takt::Keiner);
    for (int f = 1; f <= 16; ++f)
        EXPECT_FALSE(t.form.Figuren[f].Sichtbar);
}

TEST(Spielablauf, SechsOhneZugGibtNeuenWurfOhneZugzahl) {
    Spieltisch t({5, 0, 0, 0});
    t.Wuerfel({6, 6, 6, 5}); // four at home: three tries per roll
    t.spiel.BefehlStart();
    ASSERT_TRUE(t.BisPhase(Phase::NaechsterSpielzug));
    EXPECT_EQ(t.z().Zugzahl[1], 0);
    EXPECT_EQ(t.z().Wurfzahl, 1);
    t.Programmtakt();
    EXPECT_EQ(t.Phase(), Phase::Wuerfelleer);
    EXPECT_EQ(t.z().AktFarbe, 1);
    EXPECT_EQ(t.form.Zuganzeige[1].Text, "0");
    ASSERT_TRUE(t.BisPhase(Phase::NaechsterSpielzug));
    EXPECT_EQ(t.z().Wurfzahl, 2);
    EXPECT_EQ(t.z().Zugzahl[1], 1);
    EXPECT_EQ(t.form.Zuganzeige[1].Text, "0"); // refreshed only when the roll ends
    t.Programmtakt();
    EXPECT_EQ(t.form.Zuganzeige[1].Text, "1");
    EXPECT_EQ(t.Zeilen(), (Zeilen{"wurf 1 6", "wurf 1 5", "zug 1 101.1 5.2"}));
}

TEST(Spielablauf, WurfzahlZaehltJeZugNichtJeFarbe) {
    Spieltisch t({5, 0, 0, 0});
    // Turn 1: one roll (three tries, no 5). Turn 2: two 6s, then a 5.
    t.Wuerfel({1, 1, 1, 6, 6, 6, 6, 6, 6, 5});
    t.spiel.BefehlStart();
    ASSERT_TRUE(t.BisPhase(Phase::WuerfelAnzeigezeit));
    EXPECT_EQ(t.z().Wurfzahl, 3);
    EXPECT_EQ(t.Zeilen(), (Zeilen{"wurf 1 1", "wurf 1 6", "wurf 1 6", "wurf 1 5"}));
}

TEST(Spielablauf, DritteSechsOhneZugWendetDieRegelSofortAn) {
    Spieltisch t({5, 0, 0, 0});
    t.Wuerfel({6, 6, 6, 6, 6, 6, 6, 6, 6, 5});
    t.spiel.BefehlStart();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(t.BisPhase(Phase::NaechsterSpielzug));
        t.Programmtakt();
    }
    // The third roll's end: the rule marks nothing, all four are at home.
    EXPECT_EQ(t.Phase(), Phase::Putzen);
    EXPECT_EQ(t.form.Info, " 3 mal 12");
    EXPECT_EQ(t.form.Infofarbe, 9);
    EXPECT_EQ(t.z().Wurfzahl, 0);
    EXPECT_EQ(t.spiel.Ablauf().Wurf, 0);
    for (int f = 1; f <= 16; ++f)
        EXPECT_EQ(t.z().Figur[f].Heimschicken, 0);
    t.Programmtakt();
    EXPECT_EQ(t.Phase(), Phase::NaechsterSpielzug);
    ASSERT_TRUE(t.BisPhase(Phase::WuerfelAnzeigezeit));
    EXPECT_EQ(t.z().Wurfzahl, 1); // a new turn of the same colour
    EXPECT_EQ(t.Zeilen(), (Zeilen{"wurf 1 6", "wurf 1 6", "wurf 1 6", "3mal12 1", "wurf 1 5"}));
}

TEST(Spielablauf, DritteSechsMitZugZiehtErstUndSchicktDannHeim) {
    Spieltisch t({5, 0, 0, 0});
    t.spiel.BefehlStart();
    t.Programmtakt();
    Hinstellen(t, 8, {1});
    t.Wuerfel({6, 6, 6, 6, 6, 6}); // three at home: two tries per roll
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(t.BisPhase(Phase::NaechsterSpielzug));
        t.Programmtakt();
    }
    EXPECT_EQ(t.Phase(), Phase::Putzen);
    t.Programmtakt();
    ASSERT_EQ(t.Phase(), Phase::Ziehen);
    t.Programmtakt();
    EXPECT_FLOAT_EQ(t.z().Tempo, 16.0f); // home at double speed
    ASSERT_TRUE(t.BisPhase(Phase::NaechsterSpielzug));
    t.Programmtakt();
    EXPECT_EQ(t.Zeilen(), (Zeilen{"wurf 1 6", "zug 1 8.2 20.2", "wurf 1 6", "zug 1 20.2 32.2",
                                  "wurf 1 6", "zug 1 32.2 44.2", "3mal12 1", "heim 1 44.2 101.1"}));
    const FigurDaten& f1 = t.z().Figur[1];
    EXPECT_EQ(f1.Feld, 101);
    EXPECT_EQ(f1.Weg, 0);
    EXPECT_EQ(f1.Zustand, 1);
    EXPECT_EQ(t.z().Zugzahl[1], 3);
}

TEST(Spielablauf, MehrereHeimkehrerNachFigurnummerJederMitNachruecken) {
    Spieltisch t({5, 6, 7, 8});
    t.spiel.BefehlStart();
    t.Programmtakt();
    Hinstellen(t, 40, {1, 2, 5, 13, 6, 14}); // slots 2, 3, 4, 1, 5, 6
    Hinstellen(t, 45, {9, 10});              // a block: colour 1 cannot pass
    t.Wuerfel({6, 6, 6});
    ASSERT_TRUE(t.BisPhase(Phase::Putzen));
    ASSERT_TRUE(t.BisPhase(Phase::NaechsterSpielzug));
    t.Programmtakt();
    EXPECT_EQ(t.z().AktFarbe, 2);
    EXPECT_EQ(t.Zeilen(),
              (Zeilen{"wurf 1 6", "wurf 1 6", "wurf 1 6", "3mal12 1", "heim 1 40.2 101.2",
                      "nachruecken 14 40.6 40.2", "heim 2 40.3 101.1", "nachruecken 6 40.5 40.3"}));
    EXPECT_EQ(t.z().Figur[14].Platz, 2);
    EXPECT_EQ(t.z().Figur[6].Platz, 3);
    EXPECT_EQ(t.z().Figur[1].Platz, 2);
    EXPECT_EQ(t.z().Figur[2].Platz, 1);
}

TEST(Spielablauf, StoppWaehrendDerMenschWaehltBeendetErstNachDemZug) {
    Spieltisch t({1, 0, 0, 0});
    t.spiel.BefehlStart();
    t.Programmtakt();
    Hinstellen(t, 8, {1});
    t.Wuerfel({6, 6});
    ASSERT_TRUE(t.BisPhase(Phase::WartenFigurwahl));
    EXPECT_EQ(t.form.Info, "Wählen");
    EXPECT_EQ(t.form.Infofarbe, 9);
    t.spiel.BefehlStopp();
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Auslauf);
    for (int i = 0; i < 30; ++i)
        t.Programmtakt();
    EXPECT_EQ(t.Phase(), Phase::WartenFigurwahl);
    t.spiel.KlickFigur(1);
    // The 6 earns another roll even though the game is stopping.
    t.Wuerfel({1, 1});
    t.Programmtakt();
    ASSERT_TRUE(t.BisPhase(Phase::WartenFigurwahl));
    EXPECT_EQ(t.z().Wurfzahl, 2);
    t.spiel.KlickFigur(1);
    EXPECT_TRUE(t.BisRuhe());
    EXPECT_EQ(t.Zeilen(), (Zeilen{"wurf 1 6", "zug 1 8.2 20.2", "wurf 1 1", "zug 1 20.2 21.2",
                                  "ende 2 0 0 0"}));
    EXPECT_EQ(t.Phase(), Phase::Spielende);
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Ruhe);
    EXPECT_EQ(t.form.Info, "Ende");
}

TEST(Spielablauf, SpielerMitZweiFarbenZiehtEineFigurDerAnderenFarbe) {
    Spieltisch t({1, 0, 1, 0});
    t.Wuerfel({5});
    t.spiel.BefehlStart();
    ASSERT_TRUE(t.BisPhase(Phase::WartenFigurwahl));
    EXPECT_EQ(t.z().Figur[9].Zielfeld, 39);
    t.spiel.KlickFigur(9);
    ASSERT_TRUE(t.BisPhase(Phase::Putzen));
    EXPECT_EQ(t.z().AktFarbe, 1);
    EXPECT_EQ(t.z().AktFigur, 9);
    EXPECT_EQ(t.Zeilen(), (Zeilen{"wurf 1 5", "zug 9 103.1 39.2"}));
}

TEST(Spielablauf, SpielerMitZweiFarbenWirdEinmalAufBeidenAnzeigenPlatziert) {
    Spieltisch t({5, 0, 5, 0});
    t.spiel.BefehlStart();
    t.Programmtakt();
    Hinstellen(t, 105, {1, 2, 3});
    Hinstellen(t, 74, {4});
    Hinstellen(t, 107, {9, 10, 11});
    Hinstellen(t, 88, {12});
    t.Wuerfel({2, 2});
    ASSERT_TRUE(t.BisPhase(Phase::Putzen));
    ASSERT_TRUE(t.BisPhase(Phase::Wuerfelleer));
    // Colour 1 is done, colour 3 of the same player is not: nobody is ranked.
    EXPECT_EQ(t.z().AktFarbe, 3);
    EXPECT_EQ(t.form.Rang[1], "");
    EXPECT_TRUE(t.BisRuhe());
    EXPECT_EQ(t.Zeilen(), (Zeilen{"wurf 1 2", "zug 4 74.2 105.1", "wurf 3 2", "zug 12 88.2 107.1",
                                  "rang 1 1", "rang 3 1", "ende 1 0 1 0"}));
    EXPECT_EQ(t.form.Rang[1], "1.");
    EXPECT_EQ(t.form.Rang[3], "1.");
    EXPECT_EQ(t.form.Rang[2], "");
    EXPECT_EQ(t.spiel.Ablauf().Rangzaehler, 1);
    for (int f = 1; f <= 16; ++f)
        EXPECT_EQ(t.z().Figur[f].Spieler, 0);
}

TEST(Spielablauf, RangfolgeZaehltSpielerNacheinander) {
    Spieltisch t({5, 6, 0, 0});
    t.spiel.BefehlStart();
    t.Programmtakt();
    Hinstellen(t, 105, {1, 2, 3});
    Hinstellen(t, 74, {4});
    Hinstellen(t, 106, {5, 6, 7});
    Hinstellen(t, 81, {8});
    t.Wuerfel({2, 2});
    EXPECT_TRUE(t.BisRuhe());
    EXPECT_EQ(t.Zeilen(), (Zeilen{"wurf 1 2", "zug 4 74.2 105.1", "rang 1 1", "wurf 2 2",
                                  "zug 8 81.2 106.1", "rang 2 2", "ende 1 1 0 0"}));
    EXPECT_EQ(t.form.Rang[1], "1.");
    EXPECT_EQ(t.form.Rang[2], "2.");
    EXPECT_EQ(t.form.Zuganzeige[1].Text, "1");
    // The next start clears the rankings and shows every count afresh.
    t.spiel.BefehlStart();
    t.Programmtakt();
    const int16_t hell[] = {0, 9, 10, 5, 12};
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(t.form.Rang[c], "");
        EXPECT_EQ(t.form.Zuganzeige[c].Text, "0");
        EXPECT_EQ(t.form.Zuganzeige[c].Hintergrund, hell[c]);
        EXPECT_EQ(t.form.Zuganzeige[c].Textfarbe, 15);
    }
    EXPECT_EQ(t.form.Info, "Start");
    EXPECT_EQ(t.form.Infofarbe, 0);
}

} // namespace
