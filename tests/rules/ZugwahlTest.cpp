#include <gtest/gtest.h>

#include "Stellung.h"
#include "rules/Computerzug.h"
#include "rules/Zugregeln.h"
#include "rules/Zugwahl.h"

using namespace pelu;
using pelutest::Stellung;
using pelutest::TaktikFuellen;

namespace {

// Danger values that fall into categories 0..5.
constexpr int16_t InKategorie[] = {0, 5, 20, 30, 50, 100};

// Priority by the target's category alone: prio[katZiel].
void NachZiel(Stellung& s, std::array<int, 6> prio) {
    TaktikFuellen(s.daten, [&](int ziel, int) { return prio[ziel]; });
}

// Player 5 (colour 1) on 10, 20 and 30, figure 4 in the goal; an opponent
// on 32, which only figure 3's move with a 3 passes.
Stellung DreiKandidaten() {
    Stellung s({5, 6, 7, 8});
    s.Setze(10, {1}).Setze(20, {2}).Setze(30, {3}).Setze(105, {4}).Setze(32, {5});
    ZuegeErmitteln(s.Figur, 5, 3);
    return s;
}

} // namespace

TEST(ZugWaehlen, NearlyAsGoodMoveThatSendsHomeWins) {
    Stellung s = DreiKandidaten();
    NachZiel(s, {5, 8, 9, 30, 30, 30});
    s[3].GefahrZiel = InKategorie[1]; // priority 8
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 3);
    EXPECT_EQ(s[1].Prioritaet, 5);
    EXPECT_EQ(s[3].Prioritaet, 8);
}

TEST(ZugWaehlen, FourBehindTheBestIsTooFarToSendHome) {
    Stellung s = DreiKandidaten();
    NachZiel(s, {5, 8, 9, 30, 30, 30});
    s[3].GefahrZiel = InKategorie[2]; // priority 9
    // Of the two with priority 5, the one that has travelled further.
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 2);
}

TEST(ZugWaehlen, MostFiguresSentHomeWinsThenTheLowestFigure) {
    Stellung s({5, 6, 7, 8});
    s.Setze(10, {1}).Setze(20, {2}).Setze(30, {3}).Setze(105, {4});
    s.Setze(12, {5}).Setze(22, {9}).Setze(23, {13}).Setze(32, {6});
    ZuegeErmitteln(s.Figur, 5, 4);
    NachZiel(s, {10, 10, 10, 10, 10, 10});
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 2); // sends two home
    s.Setze(25, {9});
    ZuegeErmitteln(s.Figur, 5, 4);
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 1); // one each now
}

TEST(ZugWaehlen, ThresholdSeventeenSwitchesToTheLeastTravelled) {
    Stellung s = DreiKandidaten();
    s.Setze(33, {5}); // nobody is sent home any more
    ZuegeErmitteln(s.Figur, 5, 3);
    NachZiel(s, {16, 16, 16, 16, 16, 16});
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 3);
    NachZiel(s, {17, 17, 17, 17, 17, 17});
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 1);
    NachZiel(s, {37, 37, 37, 37, 37, 37});
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 1);
}

TEST(ZugWaehlen, PriorityZeroEndsTheChoiceAtOnce) {
    Stellung s = DreiKandidaten();
    NachZiel(s, {0, 1, 1, 1, 1, 1});
    s[1].GefahrZiel = s[3].GefahrZiel = InKategorie[1];
    // Figure 3 would send a figure home with priority 1, but figure 2 has 0.
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 2);
}

TEST(ZugWaehlen, UnmatchedPairGivesZeroAndTheLastMatchingRowWins) {
    Stellung s = DreiKandidaten();
    NachZiel(s, {9, 9, 9, 9, 9, 9});
    // Row 36 held the pair (5, 5); it becomes a second row for (0, 0).
    s.daten.Taktikdaten[36][0] = 0;
    s.daten.Taktikdaten[36][1] = 0;
    s.daten.Taktikdaten[36][2] = 12;
    s[1].GefahrZiel = s[1].GefahrJetzt = InKategorie[5];
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 1);
    EXPECT_EQ(s[2].Prioritaet, 12);
    EXPECT_EQ(s[1].Prioritaet, 0);
    EXPECT_EQ(s[3].Prioritaet, 12);
}

TEST(ZugWaehlen, CategoriesOfBothFieldsSelectTheRow) {
    Stellung s = DreiKandidaten();
    s.Setze(33, {5});
    ZuegeErmitteln(s.Figur, 5, 3);
    TaktikFuellen(s.daten, [](int ziel, int jetzt) { return 1 + ziel + 6 * jetzt; });
    s[1].GefahrZiel = InKategorie[4];
    s[1].GefahrJetzt = InKategorie[2];
    s[2].GefahrJetzt = InKategorie[5];
    s[3].GefahrZiel = 81;
    s[3].GefahrJetzt = 10;
    ZugWaehlen(s.Figur, s.daten, 5);
    EXPECT_EQ(s[1].Prioritaet, 1 + 4 + 12);
    EXPECT_EQ(s[2].Prioritaet, 1 + 0 + 30);
    EXPECT_EQ(s[3].Prioritaet, 1 + 5 + 6);
}

TEST(ZugWaehlen, LaneMovesTakeTheLeastTravelledAndPreferTheGoal) {
    Stellung s({5, 6, 7, 8});
    s.Setze(70, {1}).Setze(72, {2}).Setze(71, {3}).Setze(105, {4});
    NachZiel(s, {1, 1, 1, 1, 1, 1});
    ZuegeErmitteln(s.Figur, 5, 1);
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 1);
    EXPECT_EQ(s[2].Prioritaet, 21);
    s.Setze(74, {3});
    ZuegeErmitteln(s.Figur, 5, 2);
    for (int f = 1; f <= 4; ++f)
        s[f].Prioritaet = 0;
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 3);
    EXPECT_EQ(s[3].Prioritaet, 20);
}

TEST(ZugWaehlen, GoalFromTheTrackKeepsTheTablePriority) {
    // Distance 64 with a twelve reaches the goal, but the figure is not in
    // its lane yet: the fixed priorities do not apply.
    Stellung s({5, 6, 7, 8});
    s.Setze(64, {1}).Setze(30, {2}).Setze(105, {3, 4});
    ZuegeErmitteln(s.Figur, 5, 6);
    ASSERT_EQ(s[1].Zielfeld, 105);
    NachZiel(s, {25, 24, 24, 24, 24, 24});
    s[2].GefahrZiel = InKategorie[1];
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 2);
    EXPECT_EQ(s[1].Prioritaet, 25);
    EXPECT_EQ(s[2].Prioritaet, 24);
}

TEST(ZugWaehlen, NoFigureWhenEveryPriorityIsAbove37AndNobodyIsSentHome) {
    Stellung s = DreiKandidaten();
    s.Setze(33, {5});
    ZuegeErmitteln(s.Figur, 5, 3);
    NachZiel(s, {38, 38, 38, 38, 38, 38});
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 0);
}

TEST(ComputerZug, FallsBackToTheFirstMovableFigureAbove37) {
    Stellung s = DreiKandidaten();
    s.Setze(33, {5});
    ZuegeErmitteln(s.Figur, 5, 3);
    NachZiel(s, {45, 45, 45, 45, 45, 45});
    EXPECT_EQ(ComputerZug(s.Figur, s.daten, 5, 3, 1), 1);
    s.Setze(12, {6, 7}); // a block now stops figure 1
    ZuegeErmitteln(s.Figur, 5, 3);
    EXPECT_EQ(ComputerZug(s.Figur, s.daten, 5, 3, 1), 2);
}

TEST(ComputerZug, Above37AMoveThatSendsHomeIsStillChosen) {
    Stellung s = DreiKandidaten();
    NachZiel(s, {40, 40, 40, 40, 40, 40});
    EXPECT_EQ(ComputerZug(s.Figur, s.daten, 5, 3, 1), 3);
    NachZiel(s, {41, 41, 41, 41, 41, 41});
    EXPECT_EQ(ComputerZug(s.Figur, s.daten, 5, 3, 1), 1);
}
