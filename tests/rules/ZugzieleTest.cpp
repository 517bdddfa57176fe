#include <gtest/gtest.h>

#include "Stellung.h"
#include "rules/Zugregeln.h"

using namespace pelu;
using pelutest::Stellung;

namespace {

// Players 5..8 own colours 1..4 unless a test says otherwise.
Stellung Vier() {
    return Stellung({5, 6, 7, 8});
}

} // namespace

TEST(Ziele, SixCountsTwelveOtherValuesTheirFace) {
    Stellung s = Vier();
    s.Setze(10, {1});
    EXPECT_EQ(ZuegeErmitteln(s.Figur, 5, 6).Schritte, 12);
    EXPECT_EQ(s[1].Zielfeld, 22);
    EXPECT_EQ(s[1].Abschnittende, 0);
    EXPECT_EQ(ZuegeErmitteln(s.Figur, 5, 3).Schritte, 3);
    EXPECT_EQ(s[1].Zielfeld, 13);
}

TEST(Ziele, ValueThatNoDieShowsMovesNobody) {
    Stellung s = Vier();
    s.Setze(10, {1});
    EXPECT_FALSE(ZuegeErmitteln(s.Figur, 5, 0).Moeglich);
    EXPECT_FALSE(ZuegeErmitteln(s.Figur, 5, 7).Moeglich);
    EXPECT_EQ(s[1].Zielfeld, 0);
}

TEST(Ziele, OnlyFiguresOfThePlayerMoveAndStaleTargetsAreCleared) {
    Stellung s = Vier();
    s.Setze(10, {1}).Setze(30, {5});
    s[5].Zielfeld = 40;
    s[5].Abschnittende = 68;
    const Zugmoeglichkeit z = ZuegeErmitteln(s.Figur, 5, 2);
    EXPECT_TRUE(z.Moeglich);
    EXPECT_EQ(s.MitZiel(), std::vector<int>{1});
    EXPECT_EQ(s[5].Abschnittende, 0);
}

TEST(Ziele, PathWrapsFrom68To1) {
    Stellung s = Vier();
    s.Setze(66, {5});
    ASSERT_EQ(s[5].Weg, 49);
    ZuegeErmitteln(s.Figur, 6, 4);
    EXPECT_EQ(s[5].Zielfeld, 2);
    EXPECT_EQ(s[5].Abschnittende, 68);
    EXPECT_EQ(s[5].Abschnittanfang, 1);
}

TEST(Ziele, WrappedPassageIs67And68And1) {
    for (int16_t sperre : {67, 68, 1}) {
        Stellung s = Vier();
        s.Setze(66, {5}).Setze(sperre, {9, 10});
        ZuegeErmitteln(s.Figur, 6, 4);
        EXPECT_EQ(s[5].Zielfeld, 0) << "block on " << sperre;
    }
    for (int16_t frei : {2, 3, 65}) {
        Stellung s = Vier();
        s.Setze(66, {5}).Setze(frei, {9, 10});
        ZuegeErmitteln(s.Figur, 6, 4);
        EXPECT_EQ(s[5].Zielfeld, 2) << "block on " << frei;
    }
}

TEST(Ziele, PathTurnsIntoTheLane) {
    Stellung s = Vier();
    s.Setze(32, {9});
    ASSERT_EQ(s[9].Weg, 66);
    ZuegeErmitteln(s.Figur, 7, 4);
    EXPECT_EQ(s[9].Zielfeld, 84);
    EXPECT_EQ(s[9].Abschnittende, 34);
    EXPECT_EQ(s[9].Abschnittanfang, 83);
}

TEST(Ziele, TurningPassageIs33And34And83) {
    for (int16_t sperre : {33, 34}) {
        Stellung s = Vier();
        s.Setze(32, {9}).Setze(sperre, {1, 2});
        ZuegeErmitteln(s.Figur, 7, 4);
        EXPECT_EQ(s[9].Zielfeld, 0) << "block on " << sperre;
    }
    Stellung s = Vier();
    s.Setze(32, {9}).Setze(83, {10, 11});
    ZuegeErmitteln(s.Figur, 7, 4);
    EXPECT_EQ(s[9].Zielfeld, 0);
    s.Setze(84, {10, 11}); // a block on the target itself does not stop it
    ZuegeErmitteln(s.Figur, 7, 4);
    EXPECT_EQ(s[9].Zielfeld, 84);
    s.Setze(35, {1, 2}); // beyond the turn: not on the path
    ZuegeErmitteln(s.Figur, 7, 4);
    EXPECT_EQ(s[9].Zielfeld, 84);
}

TEST(Ziele, GoalStraightFromDistance64WithATwelve) {
    Stellung s = Vier();
    s.Setze(64, {1});
    ZuegeErmitteln(s.Figur, 5, 6);
    EXPECT_EQ(s[1].Zielfeld, 105);
    EXPECT_EQ(s[1].Abschnittende, 68);
    EXPECT_EQ(s[1].Abschnittanfang, 69);
}

TEST(Ziele, GoalFromDistance64BlockedAnywhereOn65To75) {
    for (int16_t sperre = 65; sperre <= 75; ++sperre) {
        Stellung s = Vier();
        s.Setze(64, {1});
        // Only colour 1 can stand in its own lane.
        if (sperre <= 68) {
            s.Setze(sperre, {5, 6});
        } else {
            s.Setze(sperre, {2, 3});
        }
        ZuegeErmitteln(s.Figur, 5, 6);
        EXPECT_EQ(s[1].Zielfeld, 0) << "block on " << sperre;
    }
}

TEST(Ziele, TwelveFrom65To68OvershootsTheGoal) {
    for (int16_t feld = 65; feld <= 68; ++feld) {
        Stellung s = Vier();
        s.Setze(feld, {1});
        EXPECT_FALSE(ZuegeErmitteln(s.Figur, 5, 6).Moeglich) << "field " << feld;
    }
}

TEST(Ziele, LaneNeedsTheExactRollForTheGoal) {
    Stellung s = Vier();
    s.Setze(74, {1}).Setze(105, {2, 3, 4}); // nobody at home: a 5 is no exit
    ZuegeErmitteln(s.Figur, 5, 2);
    EXPECT_EQ(s[1].Zielfeld, 105);
    EXPECT_EQ(s[1].Abschnittende, 0);
    ZuegeErmitteln(s.Figur, 5, 1);
    EXPECT_EQ(s[1].Zielfeld, 75);
    for (int16_t wurf = 3; wurf <= 6; ++wurf) {
        EXPECT_FALSE(ZuegeErmitteln(s.Figur, 5, wurf).Moeglich) << "die " << wurf;
    }
}

TEST(Ziele, GoalFromTheLaneBlockedByTheOwnBlockAhead) {
    Stellung s = Vier();
    s.Setze(71, {1}).Setze(73, {2, 3}).Setze(105, {4});
    ZuegeErmitteln(s.Figur, 5, 5);
    EXPECT_EQ(s[1].Zielfeld, 0);
    ZuegeErmitteln(s.Figur, 5, 4);
    EXPECT_EQ(s[1].Zielfeld, 0);
    ZuegeErmitteln(s.Figur, 5, 2); // lands on the block
    EXPECT_EQ(s[1].Zielfeld, 73);
}

TEST(Sperren, EveryColourBlocksIncludingTheOwn) {
    for (int farbe = 1; farbe <= 4; ++farbe) {
        Stellung s = Vier();
        const int16_t erste = static_cast<int16_t>(ErsteFigur(farbe));
        s.Setze(30, {4}).Setze(32,
                               {static_cast<int16_t>(erste + 1), static_cast<int16_t>(erste + 2)});
        ZuegeErmitteln(s.Figur, 5, 4);
        EXPECT_EQ(s[4].Zielfeld, 0) << "colour " << farbe;
    }
}

TEST(Sperren, TwoFiguresOfDifferentColoursDoNotBlock) {
    Stellung s = Vier();
    s.Setze(30, {1}).Setze(32, {5, 9, 13});
    ZuegeErmitteln(s.Figur, 5, 4);
    EXPECT_EQ(s[1].Zielfeld, 34);
}

TEST(Sperren, BenchDoesNotStopABlock) {
    Stellung s = Vier();
    s.Baenke({32}).Setze(30, {1}).Setze(32, {5, 6});
    ZuegeErmitteln(s.Figur, 5, 4);
    EXPECT_EQ(s[1].Zielfeld, 0);
}

TEST(Sperren, LandingOnABlockThenHeldThere) {
    Stellung s = Vier();
    s.Setze(40, {9, 10}).Setze(38, {1});
    ZuegeErmitteln(s.Figur, 5, 3);
    EXPECT_EQ(s[1].Zielfeld, 0);
    ZuegeErmitteln(s.Figur, 5, 2);
    EXPECT_EQ(s[1].Zielfeld, 40);
    s.Setze(40, {1});
    EXPECT_FALSE(ZuegeErmitteln(s.Figur, 5, 2).Moeglich);
    // The blocking pair itself may leave.
    ZuegeErmitteln(s.Figur, 7, 2);
    EXPECT_EQ(s.MitZiel(), (std::vector<int>{9, 10}));
}

TEST(Sperren, FigureThatArrivedBeforeTheBlockIsFree) {
    Stellung s = Vier();
    s.Setze(40, {1, 9, 10});
    ZuegeErmitteln(s.Figur, 5, 2);
    EXPECT_EQ(s[1].Zielfeld, 42);
}

TEST(Sperren, ThirdFigureOutOfHomeIsHeldOnTheExitField) {
    Stellung s = Vier();
    s.Setze(5, {1, 2, 3});
    ZuegeErmitteln(s.Figur, 5, 2);
    EXPECT_EQ(s.MitZiel(), (std::vector<int>{1, 2}));
}

TEST(Sperren, ExitFieldFigureIgnoresOtherColoursBlock) {
    Stellung s = Vier();
    s.Setze(5, {5, 6, 1}); // colour 2's pair arrived first, at distance 56
    ZuegeErmitteln(s.Figur, 5, 2);
    EXPECT_EQ(s[1].Zielfeld, 7);
    // Further on, the same arrival order holds the figure.
    Stellung t = Vier();
    t.Setze(9, {5, 6, 1});
    ZuegeErmitteln(t.Figur, 5, 2);
    EXPECT_EQ(t[1].Zielfeld, 0);
}

TEST(Ausgang, FiveBringsOnlyFiguresFromHome) {
    Stellung s = Vier();
    s.Setze(10, {1});
    const Zugmoeglichkeit z = ZuegeErmitteln(s.Figur, 5, 5);
    EXPECT_TRUE(z.Moeglich);
    EXPECT_EQ(s.MitZiel(), (std::vector<int>{2, 3, 4}));
    for (int f = 2; f <= 4; ++f) {
        EXPECT_EQ(s[f].Zielfeld, 5);
        EXPECT_EQ(s[f].Abschnittende, 0);
    }
}

TEST(Ausgang, EveryColourHasItsOwnExitField) {
    Stellung s({5, 5, 5, 5});
    ZuegeErmitteln(s.Figur, 5, 5);
    const int16_t ausgang[] = {5, 22, 39, 56};
    for (int f = 1; f <= 16; ++f)
        EXPECT_EQ(s[f].Zielfeld, ausgang[FarbeVonFigur(f) - 1]);
}

TEST(Ausgang, FiveWithNobodyAtHomeIsAnOrdinaryMove) {
    Stellung s = Vier();
    s.Setze(10, {1}).Setze(20, {2}).Setze(30, {3}).Setze(105, {4});
    ZuegeErmitteln(s.Figur, 5, 5);
    EXPECT_EQ(s.MitZiel(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(s[3].Zielfeld, 35);
}

TEST(Ausgang, ExitOntoABlockIsAllowed) {
    Stellung s = Vier();
    s.Setze(5, {5, 6});
    ZuegeErmitteln(s.Figur, 5, 5);
    EXPECT_EQ(s[1].Zielfeld, 5);
}

TEST(Ausgang, ExitOntoAFullFieldMeansNoMoveAtAll) {
    Stellung s = Vier();
    s.Setze(5, {5, 6, 7, 8, 9, 10, 11, 12}).Setze(30, {1});
    const Zugmoeglichkeit z = ZuegeErmitteln(s.Figur, 5, 5);
    EXPECT_FALSE(z.Moeglich);
    EXPECT_EQ(s[1].Zielfeld, 0);
}

TEST(Volles, NobodyTargetsAFieldWithEightFigures) {
    Stellung s = Vier();
    s.Setze(30, {5, 6, 7, 8, 9, 10, 11, 13}).Setze(26, {1});
    ZuegeErmitteln(s.Figur, 5, 4);
    EXPECT_EQ(s[1].Zielfeld, 0);
    ZuegeErmitteln(s.Figur, 5, 3);
    EXPECT_EQ(s[1].Zielfeld, 29);
}

TEST(Volles, OfTwoFullFieldsOnlyTheOneOfTheHighestEighthArrivalCounts) {
    Stellung s = Vier();
    s.Setze(35, {1, 5, 9, 13, 2, 6, 10, 3});    // eighth: figure 3
    s.Setze(30, {4, 7, 11, 14, 15, 8, 12, 16}); // eighth: figure 16
    ZuegeErmitteln(s.Figur, 5, 5);
    EXPECT_EQ(s[4].Zielfeld, 35);
    EXPECT_EQ(s[1].Zielfeld, 40);
    EXPECT_EQ(s[2].Zielfeld, 40);
    EXPECT_EQ(s[3].Zielfeld, 0); // arrived after colour 2's pair on 35
}

TEST(ZweiFarben, PlayerMovesEitherColourOnEachTurn) {
    Stellung s({5, 6, 5, 8});
    s.Setze(10, {1}).Setze(45, {9});
    ZuegeErmitteln(s.Figur, 5, 3);
    EXPECT_EQ(s.MitZiel(), (std::vector<int>{1, 9}));
    EXPECT_EQ(s[9].Zielfeld, 48);
}

TEST(ZweiFarben, FiveBringsOutFiguresOfBothColours) {
    Stellung s({5, 6, 5, 8});
    s.Setze(10, {1, 2, 3}).Setze(45, {9});
    ZuegeErmitteln(s.Figur, 5, 5);
    EXPECT_EQ(s.MitZiel(), (std::vector<int>{4, 10, 11, 12}));
}
