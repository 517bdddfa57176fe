#include <gtest/gtest.h>

#include <string>

#include "Spieltisch.h"

namespace {

using namespace pelu;
using pelutest::Spieltisch;

// Start and stop through a game: a start during the stopped game's last
// turn cuts the move off and begins anew.
TEST(Spielbefehle, KnoepfeUndNeustartImAuslauf) {
    Spieltisch t({5, 0, 0, 0});
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Ruhe);
    EXPECT_FALSE(t.form.Uhr.ProgrammLaeuft() || t.form.Uhr.FahrenLaeuft());
    t.spiel.BefehlStopp(); // nothing to stop
    EXPECT_FALSE(t.z().Stopp);
    t.spiel.BefehlFigurenwahl();
    EXPECT_TRUE(t.form.SpielerwahlOffen);
    t.spiel.BefehlStart();
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Spiel);
    EXPECT_FALSE(t.form.SpielerwahlOffen);
    t.wuerfel.Werte = {5};
    ASSERT_TRUE(t.BisPhase(Phase::Ziehen));
    for (int i = 0; i < 6; ++i)
        t.Takt();
    ASSERT_GT(t.spiel.Fahrtzustand().Schrittnummer, 0);
    t.spiel.BefehlFigurenwahl(); // refused while the game runs
    t.spiel.BefehlStart();
    EXPECT_EQ(t.Phase(), Phase::Ziehen);
    t.spiel.BefehlStopp();
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Auslauf);
    t.spiel.BefehlFigurenwahl(); // and while its last turn runs
    EXPECT_FALSE(t.form.SpielerwahlOffen);
    EXPECT_EQ(t.z().Figur[1].Zielfeld, 5);
    t.spiel.BefehlStart();
    EXPECT_FALSE(t.form.Uhr.FahrenLaeuft());
    EXPECT_TRUE(t.z().FahrenEnde);
    EXPECT_FALSE(t.z().Stopp);
    EXPECT_EQ(t.Phase(), Phase::Start);
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Spiel);
    t.wuerfel.Werte = {5};
    ASSERT_TRUE(t.BisPhase(Phase::WuerfelAnzeigezeit));
    // Nothing of the cut-off move was written: figure 1 is home again.
    EXPECT_EQ(t.protokoll.Text, "wurf 1 5\nwurf 1 5\n");
    EXPECT_EQ(t.z().Figur[1].Feld * 10 + t.z().Figur[1].Platz, 1011);
    EXPECT_FLOAT_EQ(t.form.Figuren[1].Links, 103.0f);
    EXPECT_FLOAT_EQ(t.form.Figuren[1].Oben, 393.0f);
    EXPECT_EQ(t.z().Zugzahl[1], 1);
    t.spiel.BefehlStopp();
    EXPECT_TRUE(t.BisRuhe());
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Ruhe);
    EXPECT_EQ(t.protokoll.Text, "wurf 1 5\nwurf 1 5\nzug 1 101.1 5.2\nende 1 0 0 0\n");
    t.spiel.BefehlFigurenwahl();
    EXPECT_TRUE(t.form.SpielerwahlOffen);
    EXPECT_EQ(t.z().Figur[16].Feld, 0); // the assignment clears the figure table
}

// The proposal blinks two ticks on, one off, until a figure is chosen;
// only movable figures are taken and the last click counts.
TEST(Spielbefehle, VorschlagBlinktBisZurWahl) {
    Spieltisch t({1, 5, 0, 0});
    t.spiel.BefehlHilfe(); // no proposal yet
    EXPECT_FALSE(t.z().Blinken);
    t.wuerfel.Werte = {5};
    t.spiel.BefehlStart();
    ASSERT_TRUE(t.BisPhase(Phase::WartenFigurwahl));
    ASSERT_EQ(t.z().Hilfsfigur, 1);
    t.spiel.BefehlHilfe();
    t.spiel.BefehlHilfe();
    std::string sichtbar;
    for (int i = 0; i < 9; ++i) {
        t.Programmtakt();
        sichtbar += t.form.Figuren[1].Sichtbar ? '1' : '0';
    }
    EXPECT_EQ(sichtbar, "110110110");
    for (int falsch : {0, -3, 17, 1000, 5, 9}) {
        t.spiel.KlickFigur(falsch);
        EXPECT_FALSE(t.spiel.MausUeberFigur(falsch)) << falsch;
        EXPECT_EQ(t.z().Gewaehlt, 0) << falsch;
    }
    EXPECT_TRUE(t.z().Blinken);
    t.spiel.KlickFigur(3);
    t.spiel.KlickFigur(4);
    t.Programmtakt();
    EXPECT_TRUE(t.form.Figuren[1].Sichtbar); // shown again, though hidden at the click
    EXPECT_EQ(t.Phase(), Phase::Ziehen);
    ASSERT_TRUE(t.BisPhase(Phase::Putzen));
    EXPECT_EQ(t.protokoll.Text, "wurf 1 5\nzug 4 101.4 5.2\n");
}

} // namespace
