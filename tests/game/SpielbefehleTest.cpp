#include <gtest/gtest.h>

#include "Spieltisch.h"

namespace {

using namespace pelu;

// Buttons through a game: a start during the stopped game's last turn cuts
// the move off and begins anew.
TEST(Spielbefehle, KnoepfeUndNeustartImAuslauf) {
    pelutest::Spieltisch t({5, 0, 0, 0});
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Ruhe);
    t.wuerfel.Werte = {5, 5};
    t.spiel.BefehlStart();
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Spiel);
    ASSERT_TRUE(t.BisPhase(Phase::Ziehen));
    for (int i = 0; i < 6; ++i)
        t.Takt();
    ASSERT_GT(t.spiel.Fahrtzustand().Schrittnummer, 0);
    t.spiel.BefehlStart(); // ignored while the game runs
    EXPECT_EQ(t.Phase(), Phase::Ziehen);
    t.spiel.BefehlStopp();
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Auslauf);
    t.spiel.BefehlFigurenwahl(); // refused while the last turn runs
    EXPECT_FALSE(t.form.SpielerwahlOffen);
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
    t.spiel.BefehlFigurenwahl();
    EXPECT_TRUE(t.form.SpielerwahlOffen);
}

// The proposal blinks two ticks on, one off, until a figure is chosen;
// only movable figures are taken and the last click counts.
TEST(Spielbefehle, VorschlagBlinktBisZurWahl) {
    pelutest::Spieltisch t({1, 5, 0, 0});
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
    for (int falsch : {0, -3, 17, 5}) {
        t.spiel.KlickFigur(falsch);
        EXPECT_FALSE(t.spiel.MausUeberFigur(falsch)) << falsch;
    }
    EXPECT_EQ(t.z().Gewaehlt, 0);
    t.spiel.KlickFigur(3);
    t.spiel.KlickFigur(4);
    t.Programmtakt();
    EXPECT_TRUE(t.form.Figuren[1].Sichtbar); // shown again, though hidden at the click
    ASSERT_TRUE(t.BisPhase(Phase::Putzen));
    EXPECT_EQ(t.protokoll.Text, "wurf 1 5\nzug 4 101.4 5.2\n");
}

} // namespace
