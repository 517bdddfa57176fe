#include <gtest/gtest.h>

#include "Stellung.h"
#include "rules/Zugausfuehrung.h"
#include "rules/Zugregeln.h"

using namespace pelu;
using pelutest::Stellung;

namespace {

// Writes the move of `figur` to `ziel` as the game does: slot choice, then commit.
int16_t Ziehe(Stellung& s, int16_t figur, int16_t ziel, int16_t schritte) {
    s[figur].Zielfeld = ziel;
    const int16_t platz = PlatzSuchen(s.Figur, figur);
    FigurSetzen(s.Figur, s.daten, figur, ziel, platz, schritte);
    return platz;
}

} // namespace

TEST(PlatzSuchen, FillsMainSlotsTwoThreeFourOneThenOverflow) {
    Stellung s({5, 6, 7, 8});
    s.Setze(30, {1, 5, 9, 13, 2, 6, 10, 14, 3});
    const int erwartet[] = {2, 3, 4, 1, 5, 6, 7, 8, 9};
    const int figuren[] = {1, 5, 9, 13, 2, 6, 10, 14, 3};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(s[figuren[i]].Platz, erwartet[i]) << "figure " << figuren[i];
    // With all nine slots taken, slot 9 is shared.
    s[4].Zielfeld = 30;
    EXPECT_EQ(PlatzSuchen(s.Figur, 4), 9);
}

TEST(PlatzSuchen, TakesTheFirstFreeSlotOfThePreferenceOrder) {
    Stellung s({5, 6, 7, 8});
    s.Setze(30, {1, 5, 9}); // slots 2, 3, 4
    s.Setze(31, {5});       // slot 3 on field 30 is free again
    s[13].Zielfeld = 30;
    EXPECT_EQ(PlatzSuchen(s.Figur, 13), 3);
}

TEST(FigurSetzen, ClosesTheGapOnTheLeftFieldAndArrivesLast) {
    Stellung s({5, 6, 7, 8});
    s.Setze(30, {1, 5, 9}).Setze(34, {13});
    Ziehe(s, 5, 34, 4);
    EXPECT_EQ(s[1].Stapel, 1);
    EXPECT_EQ(s[9].Stapel, 2);
    EXPECT_EQ(s[5].Stapel, 2);
    EXPECT_EQ(s[5].Farbstapel, 1);
    EXPECT_EQ(s[5].Feld, 34);
    EXPECT_EQ(s[5].Weg, 13 + 4); // colour 2 on 30 had distance 13
}

TEST(FigurSetzen, ColourOrderDropsSoTheBlockDissolves) {
    Stellung s({5, 6, 7, 8});
    s.Setze(30, {5, 6});
    ASSERT_EQ(s[6].Farbstapel, 2);
    Ziehe(s, 5, 33, 3);
    EXPECT_EQ(s[6].Farbstapel, 1);
    EXPECT_EQ(s[5].Farbstapel, 1);
    // Figure 1 can now pass field 30.
    s.Setze(28, {1});
    ZuegeErmitteln(s.Figur, 5, 4);
    EXPECT_EQ(s[1].Zielfeld, 32);
}

TEST(FigurSetzen, ColourOrderCountsOnlyTheOwnColour) {
    Stellung s({5, 6, 7, 8});
    s.Setze(40, {9, 1, 13});
    Ziehe(s, 2, 40, 5);
    EXPECT_EQ(s[2].Stapel, 4);
    EXPECT_EQ(s[2].Farbstapel, 2);
}

TEST(FigurSetzen, StateFollowsTheTargetField) {
    Stellung s({5, 6, 7, 8});
    s.Baenke({12, 29, 70}); // 70 is a lane field listed as a bench
    s.Setze(20, {1});
    EXPECT_EQ(s[1].Zustand, ZustandStrecke);
    Ziehe(s, 1, 29, 9);
    EXPECT_EQ(s[1].Zustand, ZustandBank);
    s.Setze(68, {2});
    EXPECT_EQ(s[2].Zustand, ZustandStrecke);
    Ziehe(s, 2, 70, 2);
    EXPECT_EQ(s[2].Zustand, ZustandEinlauf);
    EXPECT_EQ(s[2].Weg, 70);
    Ziehe(s, 2, 105, 6);
    EXPECT_EQ(s[2].Zustand, ZustandZiel);
    EXPECT_EQ(s[2].Weg, 76);
}

TEST(FigurSetzen, FigureSentHomeGetsDistanceZeroAndAFreeHomeSlot) {
    Stellung s({5, 6, 7, 8});
    s.Setze(10, {1}).Setze(11, {2}); // home keeps figures 3 and 4 in slots 3 and 4
    ASSERT_EQ(s[1].Platz, 2);
    EXPECT_EQ(Ziehe(s, 1, 101, 6), 2);
    EXPECT_EQ(s[1].Weg, 0);
    EXPECT_EQ(s[1].Zustand, ZustandHeim);
    EXPECT_EQ(s[1].Stapel, 3);
    EXPECT_EQ(s[1].Farbstapel, 3);
    EXPECT_EQ(Ziehe(s, 2, 101, 6), 1);
}

TEST(PlatzNachruecken, HighestOverflowSlotMovesDownIntoAFreedMainSlot) {
    Stellung s({5, 6, 7, 8});
    s.Setze(30, {1, 5, 9, 13, 2, 6, 10});            // 2..7 in slots 2,3,4,1,5,6,7
    EXPECT_EQ(PlatzNachruecken(s.Figur, 30, 3), 10); // slot 7
    EXPECT_EQ(PlatzNachruecken(s.Figur, 30, 6), 0);
    EXPECT_EQ(PlatzNachruecken(s.Figur, 31, 3), 0);
}

TEST(PlatzNachruecken, EqualSlotsGoToTheLowestFigure) {
    Stellung s({5, 6, 7, 8});
    s.Setze(30, {1, 5, 9, 13, 2, 6, 10, 14, 3});
    s.Setze(30, {4}); // shares slot 9 with figure 3
    EXPECT_EQ(s[4].Platz, 9);
    EXPECT_EQ(PlatzNachruecken(s.Figur, 30, 2), 3);
}

TEST(NaechsterHeimkehrer, HandsOutMarkedFiguresInNumberOrder) {
    Stellung s;
    s[7].Heimschicken = 1;
    s[3].Heimschicken = 1;
    EXPECT_EQ(NaechsterHeimkehrer(s.Figur), 3);
    EXPECT_EQ(s[3].Heimschicken, 0);
    EXPECT_EQ(NaechsterHeimkehrer(s.Figur), 7);
    EXPECT_EQ(NaechsterHeimkehrer(s.Figur), 0);
}
