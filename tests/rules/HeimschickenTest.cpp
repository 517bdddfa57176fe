#include <gtest/gtest.h>

#include "Stellung.h"
#include "rules/Zugregeln.h"

using namespace pelu;
using pelutest::Stellung;

namespace {

// Targets for the roll, then the marks of `figur`'s move.
std::vector<int> Opfer(Stellung& s, int16_t spieler, int16_t wurf, int16_t figur) {
    ZuegeErmitteln(s.Figur, spieler, wurf);
    HeimschickenMarkieren(s.Figur, spieler, figur);
    return s.Markiert();
}

} // namespace

TEST(Heimschicken, PassingOverOpponentsOnTrackFieldsSendsThemHome) {
    Stellung s({5, 6, 7, 8});
    s.Setze(10, {1}).Setze(12, {5, 13}).Setze(15, {9});
    EXPECT_EQ(Opfer(s, 5, 6, 1), (std::vector<int>{5, 9, 13}));
}

TEST(Heimschicken, LandingOnAnOpponentSendsNobodyHome) {
    Stellung s({5, 6, 7, 8});
    s.Setze(10, {1}).Setze(14, {5});
    EXPECT_TRUE(Opfer(s, 5, 4, 1).empty());
    EXPECT_EQ(Opfer(s, 5, 6, 1), std::vector<int>{5});
}

TEST(Heimschicken, OpponentOnABenchIsSafe) {
    Stellung s({5, 6, 7, 8});
    s.Baenke({12}).Setze(10, {1}).Setze(12, {5});
    EXPECT_TRUE(Opfer(s, 5, 3, 1).empty());
}

TEST(Heimschicken, WrappedPassageCountsBothStretches) {
    Stellung s({5, 6, 7, 8});
    s.Setze(66, {5}).Setze(67, {1}).Setze(1, {9}).Setze(2, {13});
    EXPECT_EQ(Opfer(s, 6, 4, 5), (std::vector<int>{1, 9}));
}

TEST(Heimschicken, TurningIntoTheLanePassesTheRestOfTheTrack) {
    Stellung s({5, 6, 7, 8});
    s.Setze(32, {9}).Setze(33, {13}).Setze(35, {1});
    EXPECT_EQ(Opfer(s, 7, 4, 9), std::vector<int>{13});
}

TEST(Heimschicken, GoalFromDistance64PassesTheTrackUpToTheTurningField) {
    Stellung s({5, 6, 7, 8});
    s.Setze(64, {1}).Setze(66, {5}).Setze(68, {9}).Setze(3, {13});
    EXPECT_EQ(Opfer(s, 5, 6, 1), (std::vector<int>{5, 9}));
}

TEST(Heimschicken, SamePlayersOtherColourAndOwnColourStay) {
    Stellung s({5, 6, 5, 8});
    s.Setze(10, {1}).Setze(11, {2}).Setze(12, {9}).Setze(13, {13});
    EXPECT_EQ(Opfer(s, 5, 4, 1), std::vector<int>{13});
}

TEST(Heimschicken, LeavingHomeSendsNobodyHome) {
    Stellung s({5, 6, 7, 8});
    s.Setze(3, {5});
    EXPECT_TRUE(Opfer(s, 5, 5, 1).empty());
}

TEST(Heimschicken, OldMarksAreClearedAndAFigureWithoutTargetMarksNobody) {
    Stellung s({5, 6, 7, 8});
    s.Setze(10, {1}).Setze(12, {5});
    s[7].Heimschicken = 1;
    EXPECT_EQ(Opfer(s, 5, 3, 1), std::vector<int>{5});
    // Figure 2 is at home and cannot move with a 3.
    HeimschickenMarkieren(s.Figur, 5, 2);
    EXPECT_TRUE(s.Markiert().empty());
}
