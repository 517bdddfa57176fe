#include <gtest/gtest.h>

#include "Stellung.h"
#include "rules/Stellungsaufbau.h"

using namespace pelu;
using pelutest::Stellung;

TEST(WegAufFeld, CountsFromTheTurningFieldAlongTheRing) {
    EXPECT_EQ(WegAufFeld(1, 5), 5);
    EXPECT_EQ(WegAufFeld(1, 68), 68);
    EXPECT_EQ(WegAufFeld(1, 4), 4);
    EXPECT_EQ(WegAufFeld(2, 66), 49);
    EXPECT_EQ(WegAufFeld(2, 17), 68);
    EXPECT_EQ(WegAufFeld(2, 1), 52);
    EXPECT_EQ(WegAufFeld(3, 32), 66);
    EXPECT_EQ(WegAufFeld(4, 56), 5);
}

TEST(WegAufFeld, LaneGoalAndHomeOfTheOwnColourOnly) {
    EXPECT_EQ(WegAufFeld(3, 83), 69);
    EXPECT_EQ(WegAufFeld(3, 89), 75);
    EXPECT_EQ(WegAufFeld(3, 107), 76);
    EXPECT_EQ(WegAufFeld(3, 103), 0);
    EXPECT_EQ(WegAufFeld(3, 82), -1);
    EXPECT_EQ(WegAufFeld(3, 106), -1);
    EXPECT_EQ(WegAufFeld(3, 101), -1);
    EXPECT_EQ(WegAufFeld(3, 97), -1);
    EXPECT_EQ(WegAufFeld(3, 0), -1);
}

TEST(Grundstellung, ColoursOutOfPlayStayAtHomeWithStateZero) {
    const Figurentabelle t = Grundstellung({0, 5, 0, 2});
    for (int f = 1; f <= 16; ++f) {
        const int farbe = FarbeVonFigur(f);
        const int k = f - ErsteFigur(farbe) + 1;
        EXPECT_EQ(t[f].Feld, 100 + farbe);
        EXPECT_EQ(t[f].Platz, k);
        EXPECT_EQ(t[f].Stapel, k);
        EXPECT_EQ(t[f].Farbstapel, k);
        EXPECT_EQ(t[f].Zustand, farbe == 2 || farbe == 4 ? 1 : 0);
    }
    EXPECT_EQ(t[5].Wendefeld, 17);
    EXPECT_EQ(t[5].Einlauf, 76);
    EXPECT_EQ(t[16].Spieler, 2);
}

TEST(FigurenHinstellen, HomeOrdersStayGapFreeInFigureOrder) {
    Stellung s;
    s.Setze(5, {2}).Setze(105, {3});
    EXPECT_EQ(s[1].Stapel, 1);
    EXPECT_EQ(s[4].Stapel, 2);
    EXPECT_EQ(s[4].Farbstapel, 2);
    EXPECT_EQ(s[4].Platz, 4);
    EXPECT_EQ(s[3].Weg, 76);
    EXPECT_EQ(s[3].Zustand, ZustandZiel);
}

TEST(FigurenHinstellen, SkipsFieldsTheColourCannotStandOn) {
    Stellung s;
    s.Setze(76, {1}).Setze(106, {2}).Setze(0, {3}).Setze(20, {17, 0});
    for (int f = 1; f <= 3; ++f)
        EXPECT_EQ(s[f].Feld, 101) << "figure " << f;
}
