#include <gtest/gtest.h>

#include "Stellung.h"
#include "rules/Bedrohung.h"

using namespace pelu;
using pelutest::Stellung;

namespace {

// Danger of `feld` for figure `figur` (player 5 owns colour 1).
int16_t GefahrAuf(Stellung& s, int16_t figur, int16_t feld) {
    Bedrohungen(s.Figur, 5, feld, false);
    return Gefahr(s.Figur, s.daten, figur, feld);
}

int16_t Ring(int feld) {
    return static_cast<int16_t>(feld > 68 ? feld - 68 : feld);
}

} // namespace

TEST(Gefahr, WorkedExamples) {
    { // distance 34, one opponent one field behind: S = 30
        Stellung s({5, 6, 7, 8});
        s.Setze(34, {1}).Setze(33, {5}).Setze(106, {6, 7, 8});
        EXPECT_EQ(GefahrAuf(s, 1, 34), 90);
    }
    { // distance 5, one opponent five behind: S = 6
        Stellung s({5, 6, 7, 8});
        s.Setze(5, {1}).Setze(68, {5});
        EXPECT_EQ(GefahrAuf(s, 1, 5), 8);
    }
    { // distance 20, one opponent four behind: S = 12
        Stellung s({5, 6, 7, 8});
        s.Setze(20, {1}).Setze(16, {9}).Setze(107, {10, 11, 12});
        EXPECT_EQ(GefahrAuf(s, 1, 20), 26);
    }
    { // distance 68, three opponents one behind: S = 90, capped at 75
        Stellung s({5, 6, 7, 8});
        s.Setze(68, {1}).Setze(67, {5, 9, 13});
        s.Setze(106, {6, 7, 8}).Setze(107, {10, 11, 12}).Setze(108, {14, 15, 16});
        EXPECT_EQ(GefahrAuf(s, 1, 68), 375);
    }
}

struct Abstand {
    int k;
    int ohneHeim; // S when the opponent's player has nobody at home
    int mitHeim;  // S when he has a figure at home
};

class GefahrAbstand : public ::testing::TestWithParam<Abstand> {};

// Figure 1 waits at home (distance 0), so its danger equals S.
TEST_P(GefahrAbstand, AddsItsWeightToTheSum) {
    const Abstand a = GetParam();
    const int16_t feld = Ring(39 + a.k);
    Stellung s({5, 6, 7, 8});
    s.Setze(39, {9}).Setze(107, {10, 11, 12});
    EXPECT_EQ(GefahrAuf(s, 1, feld), a.ohneHeim);
    s.Setze(103, {12});
    EXPECT_EQ(GefahrAuf(s, 1, feld), a.mitHeim);
}

INSTANTIATE_TEST_SUITE_P(Tabelle, GefahrAbstand,
                         ::testing::Values(Abstand{1, 30, 24}, Abstand{2, 24, 18},
                                           Abstand{3, 18, 12}, Abstand{4, 12, 6}, Abstand{5, 6, 6},
                                           Abstand{11, 6, 6}, Abstand{12, 1, 1}, Abstand{13, 5, 5},
                                           Abstand{14, 4, 4}, Abstand{17, 1, 1}, Abstand{18, 1, 1},
                                           Abstand{36, 1, 1}, Abstand{37, 0, 0},
                                           Abstand{63, 0, 0}));

TEST(Gefahr, HomeOfAnotherColourOfTheSamePlayerCounts) {
    Stellung s({5, 6, 6, 8}); // colours 2 and 3 are one player
    s.Setze(39, {9}).Setze(107, {10, 11, 12}).Setze(106, {5, 6, 7, 8});
    EXPECT_EQ(GefahrAuf(s, 1, 40), 30);
    s.Setze(102, {8});
    EXPECT_EQ(GefahrAuf(s, 1, 40), 24);
}

TEST(Gefahr, BenchesLanesAndGoalsAreSafe) {
    Stellung s({5, 6, 7, 8});
    s.Baenke({40}).Setze(39, {9}).Setze(30, {1});
    EXPECT_EQ(GefahrAuf(s, 1, 40), 0);
    EXPECT_EQ(GefahrAuf(s, 1, 41), 50); // two behind, colour 3 has figures at home
    EXPECT_EQ(GefahrAuf(s, 1, 69), 0);
    EXPECT_EQ(GefahrAuf(s, 1, 105), 0);
}

TEST(Bedrohungen, OnlyTheNearestFigureOfEachColourCounts) {
    Stellung s({5, 6, 7, 8});
    s.Setze(30, {5}).Setze(36, {6}).Setze(41, {7}).Setze(20, {13});
    Bedrohungen(s.Figur, 5, 40, false);
    EXPECT_EQ(s[6].Bedrohung, 4);
    EXPECT_EQ(s[5].Bedrohung, 0);
    EXPECT_EQ(s[7].Bedrohung, 0); // a whole round away: it turns off first
    EXPECT_EQ(s[13].Bedrohung, 20);
}

TEST(Bedrohungen, EqualStepsGoToTheLowestFigure) {
    Stellung s({5, 6, 7, 8});
    s.Setze(36, {7, 6});
    Bedrohungen(s.Figur, 5, 40, false);
    EXPECT_EQ(s[6].Bedrohung, 4);
    EXPECT_EQ(s[7].Bedrohung, 0);
}

TEST(Bedrohungen, NobodyOnTheFieldItselfOrOfThePlayerThreatens) {
    Stellung s({5, 6, 5, 8});
    s.Setze(40, {5}).Setze(38, {9, 2});
    Bedrohungen(s.Figur, 5, 40, false);
    for (int f = 1; f <= 16; ++f)
        EXPECT_EQ(s[f].Bedrohung, 0) << "figure " << f;
}

TEST(Bedrohungen, FigureTurningIntoItsLaneFirstIsNoThreat) {
    Stellung s({5, 6, 7, 8});
    s.Setze(16, {5}).Setze(16, {9}); // colour 2 at distance 67, colour 3 at 50
    Bedrohungen(s.Figur, 5, 20, false);
    EXPECT_EQ(s[5].Bedrohung, 0);
    EXPECT_EQ(s[9].Bedrohung, 4);
    Bedrohungen(s.Figur, 5, 17, false); // its own turning field is still reached
    EXPECT_EQ(s[5].Bedrohung, 1);
}

TEST(Bedrohungen, MarkedFiguresAreLeftOutWithExceptions) {
    Stellung s({5, 6, 7, 8});
    s.Setze(38, {5}).Setze(30, {6});
    s[5].Heimschicken = 1;
    Bedrohungen(s.Figur, 5, 40, true);
    EXPECT_EQ(s[5].Bedrohung, 0);
    EXPECT_EQ(s[6].Bedrohung, 10);
    Bedrohungen(s.Figur, 5, 40, false);
    EXPECT_EQ(s[5].Bedrohung, 2);
    EXPECT_EQ(s[6].Bedrohung, 0);
}

TEST(GefahrKategorie, BoundariesOfTheSixCategories) {
    const int16_t grenzen[][2] = {{-3, 0}, {0, 0},  {1, 1},  {10, 1}, {11, 2}, {25, 2},
                                  {26, 3}, {45, 3}, {46, 4}, {80, 4}, {81, 5}, {375, 5}};
    for (const auto& g : grenzen)
        EXPECT_EQ(GefahrKategorie(g[0]), g[1]) << "value " << g[0];
}
