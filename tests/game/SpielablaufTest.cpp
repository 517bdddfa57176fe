#include <gtest/gtest.h>

#include "Spieltisch.h"

namespace {

using namespace pelu;

struct Partie {
  std::array<int16_t, 4> spieler;
  std::vector<std::pair<int16_t, std::vector<int16_t>>>
      stellung; // set after the start step
  std::vector<int> wuerfel;
  int64_t wuerfeln; // virtual time when the phase Würfeln is first reached; 0:
                    // never
  const char *protokoll;
  bool stopp =
      false; // stop when a human must choose (the click comes a tick later)
};

// Games with scripted dice, played until they end or the dice run out;
// humans click the proposal. A stop lets the turn run to its end.
TEST(Spielablauf, GeskriptetePartien) {
  // clang-format off
    const Partie partien[] = {
        // No colour in play.
        {{0, 0, 0, 0}, {}, {}, 0, "ende 0 0 0 0\n"},
        // Colour 1 not in play: one program tick more before the first roll.
        {{0, 5, 0, 0}, {}, {5}, 800, "wurf 2 5\nzug 5 102.1 22.2\n"},
        // A 6 without a move. Four at home: three tries per roll; a 6 without
        // a move gives another roll; the roll count starts again in every turn.
        {{5, 6, 0, 0}, {}, {6, 6, 6, 5, 6, 6, 6, 6, 6, 6, 5}, 600,
         "wurf 1 6\nwurf 1 5\nzug 1 101.1 5.2\nwurf 2 6\nwurf 2 6\nwurf 2 5\nzug 5 102.1 22.2\n"},
        // A third 6 without a move.
        {{5, 6, 0, 0}, {}, {6, 6, 6, 6, 6, 6, 6, 6, 6, 5}, 600,
         "wurf 1 6\nwurf 1 6\nwurf 1 6\n3mal12 1\nwurf 2 5\nzug 5 102.1 22.2\n"},
        // A third 6 with a move.
        {{5, 0, 0, 0}, {{8, {1}}}, {6, 6, 6, 6, 6, 6}, 600,
         "wurf 1 6\nzug 1 8.2 20.2\nwurf 1 6\nzug 1 20.2 32.2\nwurf 1 6\nzug 1 32.2 44.2\n"
         "3mal12 1\nheim 1 44.2 101.1\n"},
        // Several sent home, in figure order. Slots on 40: 2, 3, 4, 1, 5, 6;
        // the block on 45 holds colour 1 back.
        {{5, 6, 7, 8}, {{40, {1, 2, 5, 13, 6, 14}}, {45, {9, 10}}}, {6, 6, 6}, 600,
         "wurf 1 6\nwurf 1 6\nwurf 1 6\n3mal12 1\nheim 1 40.2 101.2\nnachruecken 14 40.6 40.2\n"
         "heim 2 40.3 101.1\nnachruecken 6 40.5 40.3\n"},
        // Player 5 owns colours 1 and 3: ranked once both are done.
        {{5, 6, 5, 0},
         {{105, {1, 2, 3}}, {74, {4}}, {106, {5, 6, 7}}, {81, {8}}, {107, {9, 10, 11}}, {88, {12}}},
         {2, 2, 2}, 600, "wurf 1 2\nzug 4 74.2 105.1\nwurf 2 2\nzug 8 81.2 106.1\nrang 2 1\n"
         "wurf 3 2\nzug 12 88.2 107.1\nrang 1 2\nrang 3 2\nende 1 1 1 0\n"},
        // A stop while a human must choose. Three at home: two tries per
        // roll; the 6 earns another roll.
        {{1, 0, 0, 0}, {{8, {1}}}, {6, 6, 1, 1}, 600,
         "wurf 1 6\nzug 1 8.2 20.2\nwurf 1 1\nzug 1 20.2 21.2\nende 2 0 0 0\n", true},
    };
  // clang-format on
  for (const Partie &p : partien) {
    SCOPED_TRACE(p.protokoll);
    pelutest::Spieltisch t(p.spieler);
    t.spiel.BefehlStart();
    t.Programmtakt();
    for (const auto &[feld, figuren] : p.stellung)
      t.spiel.FigurenHinstellen(feld, figuren);
    t.wuerfel.Augen(p.wuerfel);
    EXPECT_EQ(t.BisPhase(Phase::Wuerfeln) ? t.form.Uhr.Jetzt() : 0, p.wuerfeln);
    for (int i = 0; i < 100000; ++i) {
      // The roll that found the dice used up is no part of the game.
      if (t.Takt() == VirtuelleUhr::Takt::Keiner || t.wuerfel.Erschoepft())
        break;
      if (t.Phase() != Phase::WartenFigurwahl || t.z().Gewaehlt != 0)
        continue;
      if (p.stopp && !t.z().Stopp)
        t.spiel.BefehlStopp();
      else
        t.spiel.KlickFigur(t.z().Hilfsfigur);
    }
    EXPECT_EQ(t.protokoll.Text, p.protokoll);
    for (int f = 1; f <= FigurAnzahl; ++f) // only colours in play are shown
      EXPECT_EQ(t.form.Figuren[f].Sichtbar, p.spieler[FarbeVonFigur(f) - 1] > 0)
          << f;
  }
}

// Buttons through a game: a start during the stopped game's last turn cuts
// the move off and begins anew.
TEST(Spielbefehle, KnoepfeUndNeustartImAuslauf) {
  pelutest::Spieltisch t({5, 0, 0, 0});
  EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Ruhe);
  t.wuerfel.Augen({5, 5});
  t.spiel.BefehlStart();
  EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Spiel);
  ASSERT_TRUE(t.BisPhase(Phase::Ziehen));
  for (int i = 0; i < 6; ++i)
    t.Takt();
  ASSERT_GT(t.spiel.Fahrtzustand().Schrittnummer, 0);
  t.spiel.BefehlStopp();
  EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Auslauf);
  t.spiel.BefehlStart();
  EXPECT_TRUE(t.Phase() == Phase::Start && !t.z().Stopp &&
              !t.form.Uhr.FahrenLaeuft());
  EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Spiel);
  ASSERT_TRUE(t.BisPhase(Phase::WuerfelAnzeigezeit));
  // Nothing of the cut-off move was written: figure 1 is home again.
  EXPECT_EQ(t.protokoll.Text, "wurf 1 5\nwurf 1 5\n");
  EXPECT_EQ(t.z().Figur[1].Feld * 10 + t.z().Figur[1].Platz, 1011);
  EXPECT_TRUE(t.form.Figuren[1].Links == 103.0f &&
              t.form.Figuren[1].Oben == 393.0f);
  t.spiel.BefehlStopp();
  EXPECT_TRUE(t.BisPhase(Phase::Keine));
  EXPECT_EQ(t.form.Knoepfe, Knopfzustand::Ruhe);
  EXPECT_EQ(t.protokoll.Text,
            "wurf 1 5\nwurf 1 5\nzug 1 101.1 5.2\nende 1 0 0 0\n");
}

// The proposal blinks two ticks on, one off, until a figure is chosen;
// only a movable figure is taken.
TEST(Spielbefehle, VorschlagBlinktBisZurWahl) {
  pelutest::Spieltisch t({1, 5, 0, 0});
  t.wuerfel.Augen({5});
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
  for (int falsch : {0, -3, 17, 5})
    t.spiel.KlickFigur(falsch);
  EXPECT_EQ(t.z().Gewaehlt, 0);
  t.spiel.KlickFigur(4);
  EXPECT_EQ(t.z().Gewaehlt, 4);
  t.Programmtakt();
  EXPECT_TRUE(
      t.form.Figuren[1].Sichtbar); // shown again, though hidden at the click
}

} // namespace
