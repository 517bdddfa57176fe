#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Spieltisch.h"

namespace {

using namespace pelu;
using pelutest::Spieltisch;

TEST(Spielbefehle, KnoepfeDurchStartStoppUndSpielende) {
    Spieltisch t({5, 0, 0, 0});
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Ruhe);
    EXPECT_FALSE(t.form.Uhr.ProgrammLaeuft());
    EXPECT_FALSE(t.form.Uhr.FahrenLaeuft());
    t.spiel.BefehlStopp(); // nothing to stop
    EXPECT_FALSE(t.z().Stopp);
    t.spiel.BefehlFigurenwahl();
    EXPECT_TRUE(t.form.SpielerwahlOffen);
    t.spiel.BefehlStart();
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Spiel);
    EXPECT_FALSE(t.form.SpielerwahlOffen);
    EXPECT_TRUE(t.form.Uhr.ProgrammLaeuft());
    EXPECT_EQ(t.form.Uhr.Programmintervall(), 200);
    t.Wuerfel({5});
    ASSERT_TRUE(t.BisPhase(Phase::Ziehen));
    // Assignment and a second start are refused while the game runs.
    t.spiel.BefehlFigurenwahl();
    EXPECT_FALSE(t.form.SpielerwahlOffen);
    EXPECT_EQ(t.z().Figur[1].Zielfeld, 5);
    t.spiel.BefehlStart();
    EXPECT_EQ(t.Phase(), Phase::Ziehen);
    t.spiel.BefehlStopp();
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Auslauf);
    EXPECT_TRUE(t.z().Stopp);
    t.spiel.BefehlFigurenwahl(); // never under a running turn
    EXPECT_FALSE(t.form.SpielerwahlOffen);
    EXPECT_EQ(t.z().Figur[1].Zielfeld, 5);
    EXPECT_TRUE(t.BisRuhe());
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Ruhe);
    EXPECT_EQ(t.Zeilen().back(), "ende 1 0 0 0");
    t.spiel.BefehlFigurenwahl();
    EXPECT_TRUE(t.form.SpielerwahlOffen);
    for (int f = 1; f <= 16; ++f)
        EXPECT_EQ(t.z().Figur[f].Feld, 0);
}

TEST(Spielbefehle, StartImAuslaufBrichtDieFahrtAbUndBeginntNeu) {
    Spieltisch t({5, 6, 7, 8});
    t.Wuerfel({5});
    t.spiel.BefehlStart();
    ASSERT_TRUE(t.BisPhase(Phase::Ziehen));
    for (int i = 0; i < 6; ++i)
        t.Takt();
    ASSERT_EQ(t.z().Folgephase, Folge::WartenEndepos);
    ASSERT_FALSE(t.z().FahrenEnde);
    ASSERT_GT(t.spiel.Fahrtzustand().Schrittnummer, 0);
    t.spiel.BefehlStopp();
    t.spiel.BefehlStart();
    EXPECT_FALSE(t.form.Uhr.FahrenLaeuft());
    EXPECT_TRUE(t.z().FahrenEnde);
    EXPECT_FALSE(t.z().Stopp);
    EXPECT_EQ(t.Phase(), Phase::Start);
    EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Spiel);
    t.protokoll.Text.clear();
    t.Wuerfel({5});
    ASSERT_TRUE(t.BisPhase(Phase::WuerfelAnzeigezeit));
    // Nothing of the cut-off move was written: figure 1 is home again.
    EXPECT_EQ(t.Zeilen(), std::vector<std::string>{"wurf 1 5"});
    EXPECT_EQ(t.z().Figur[1].Feld, 101);
    EXPECT_EQ(t.z().Figur[1].Platz, 1);
    EXPECT_FLOAT_EQ(t.form.Figuren[1].Links, 103.0f);
    EXPECT_FLOAT_EQ(t.form.Figuren[1].Oben, 393.0f);
    EXPECT_EQ(t.z().Zugzahl[1], 1);
}

TEST(Spielbefehle, VorschlagBlinktZweiTakteAnUndEinenAus) {
    Spieltisch t({1, 0, 0, 0});
    t.spiel.BefehlHilfe(); // no proposal yet
    EXPECT_FALSE(t.z().Blinken);
    t.Wuerfel({5});
    t.spiel.BefehlStart();
    ASSERT_TRUE(t.BisPhase(Phase::WartenFigurwahl));
    ASSERT_EQ(t.z().Hilfsfigur, 1);
    t.spiel.BefehlHilfe();
    t.spiel.BefehlHilfe();
    EXPECT_TRUE(t.z().Blinken);
    std::string sichtbar;
    for (int i = 0; i < 7; ++i) {
        t.Programmtakt();
        sichtbar += t.form.Figuren[1].Sichtbar ? '1' : '0';
        EXPECT_GE(t.z().Wartezaehler, 0);
        EXPECT_LT(t.z().Wartezaehler, 3);
    }
    EXPECT_EQ(sichtbar, "1101101");
    // A figure that cannot move does not stop the blinking.
    EXPECT_FALSE(t.spiel.MausUeberFigur(5));
    EXPECT_TRUE(t.z().Blinken);
    t.Programmtakt();
    t.Programmtakt();
    ASSERT_FALSE(t.form.Figuren[1].Sichtbar);
    EXPECT_TRUE(t.spiel.MausUeberFigur(3));
    EXPECT_FALSE(t.z().Blinken);
    EXPECT_TRUE(t.form.Figuren[1].Sichtbar);
    for (int i = 0; i < 3; ++i) {
        t.Programmtakt();
        EXPECT_TRUE(t.form.Figuren[1].Sichtbar);
    }
}

TEST(Spielbefehle, KlickOhneMausbewegungLaesstVorschlagNichtVersteckt) {
    Spieltisch t({1, 0, 0, 0});
    t.Wuerfel({5});
    t.spiel.BefehlStart();
    ASSERT_TRUE(t.BisPhase(Phase::WartenFigurwahl));
    t.spiel.BefehlHilfe();
    for (int i = 0; i < 3; ++i)
        t.Programmtakt();
    ASSERT_FALSE(t.form.Figuren[1].Sichtbar);
    t.spiel.KlickFigur(2);
    t.Programmtakt();
    EXPECT_TRUE(t.form.Figuren[1].Sichtbar);
}

TEST(Spielbefehle, KlickNimmtNurBeweglicheFigurenUndDerLetzteZaehlt) {
    Spieltisch t({1, 5, 0, 0});
    t.Wuerfel({5});
    t.spiel.BefehlStart();
    ASSERT_TRUE(t.BisPhase(Phase::WartenFigurwahl));
    for (int falsch : {0, -3, 17, 1000, 5, 9}) {
        t.spiel.KlickFigur(falsch);
        EXPECT_EQ(t.z().Gewaehlt, 0) << falsch;
        EXPECT_FALSE(t.spiel.MausUeberFigur(falsch)) << falsch;
    }
    t.Programmtakt();
    EXPECT_EQ(t.Phase(), Phase::WartenFigurwahl);
    t.spiel.KlickFigur(3);
    t.spiel.KlickFigur(4);
    t.Programmtakt();
    EXPECT_EQ(t.Phase(), Phase::Ziehen);
    EXPECT_EQ(t.z().AktFigur, 4);
    t.Programmtakt();
    ASSERT_TRUE(t.BisPhase(Phase::Putzen));
    EXPECT_EQ(t.Zeilen(), (std::vector<std::string>{"wurf 1 5", "zug 4 101.4 5.2"}));
}

} // namespace
