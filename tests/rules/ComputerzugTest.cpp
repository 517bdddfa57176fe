#include <gtest/gtest.h>

#include "Stellung.h"
#include "rules/Computerzug.h"
#include "rules/Zugregeln.h"

using namespace pelu;
using pelutest::Stellung;
using pelutest::TaktikFuellen;

namespace {

// A table that prefers safe targets and leaving dangerous fields.
void Taktik(Stellung& s) {
    TaktikFuellen(s.daten, [](int ziel, int jetzt) { return 10 + 4 * ziel - jetzt; });
}

int16_t Zug(Stellung& s, int16_t spieler, int16_t wurf, int16_t wurfzahl = 1) {
    EXPECT_TRUE(ZuegeErmitteln(s.Figur, spieler, wurf).Moeglich);
    return ComputerZug(s.Figur, s.daten, spieler, wurf, wurfzahl);
}

} // namespace

TEST(ComputerZug, FiveBringsOutTheColourWithMostFiguresAtHome) {
    Stellung s({5, 6, 5, 8}); // player 5 holds colours 1 and 3
    Taktik(s);
    s.Setze(10, {1, 2, 3}).Setze(45, {9});
    EXPECT_EQ(Zug(s, 5, 5), 10);
    EXPECT_EQ(s[1].ImHaus, 1);
    EXPECT_EQ(s[9].ImHaus, 3);
    EXPECT_EQ(s[10].Prioritaet, 0); // returned before any rating
}

TEST(ComputerZug, FiveWithEqualHomesTakesTheLowerColour) {
    Stellung s({5, 6, 5, 8});
    Taktik(s);
    s.Setze(10, {1, 2}).Setze(45, {9, 10});
    EXPECT_EQ(Zug(s, 5, 5), 3);
}

TEST(ComputerZug, FiveScansOnPastAColourWhoseExitIsFull) {
    Stellung s({5, 6, 5, 8});
    Taktik(s);
    s.Setze(5, {5, 6, 7, 8, 13, 14, 15, 16}).Setze(10, {1}).Setze(45, {9, 10, 11});
    EXPECT_EQ(Zug(s, 5, 5), 12);
    EXPECT_EQ(s[12].Prioritaet, 0);
}

TEST(ComputerZug, FiveWithNobodyAtHomeIsRated) {
    Stellung s({5, 6, 7, 8});
    Taktik(s);
    s.Setze(10, {1}).Setze(20, {2}).Setze(105, {3, 4});
    EXPECT_EQ(Zug(s, 5, 5), 2); // equal ratings: the one further on
    EXPECT_EQ(s[1].Prioritaet, 10);
    EXPECT_EQ(s[2].Prioritaet, 10);
}

TEST(ComputerZug, SecondTwelveSavesTheLowestFigureLeavingTheTrack) {
    Stellung s({5, 6, 7, 8});
    Taktik(s);
    s.Setze(30, {1}).Setze(60, {2}).Setze(64, {3});
    EXPECT_EQ(Zug(s, 5, 6, 2), 2);
    EXPECT_EQ(s[2].Prioritaet, 0);
    EXPECT_EQ(Zug(s, 5, 6, 1), 3);
    EXPECT_EQ(Zug(s, 5, 6, 3), 3);
}

struct Verfolger {
    int16_t feld;        // colour 3 figure behind figure 1 (on 17, moving to 18)
    bool heimFigur;      // colour 3 still has a figure at home
    int16_t gefahrJetzt; // danger on 17
    int16_t gefahrZiel;  // danger on 18
};

class Gefaehrdung : public ::testing::TestWithParam<Verfolger> {};

TEST_P(Gefaehrdung, RatesBothFieldsWithTheDistanceBeforeTheMove) {
    const Verfolger v = GetParam();
    Stellung s({5, 6, 7, 8});
    Taktik(s);
    s.Setze(17, {1}).Setze(105, {2, 3, 4}).Setze(v.feld, {9}).Setze(107, {10, 11});
    if (!v.heimFigur) s.Setze(107, {12});
    EXPECT_EQ(Zug(s, 5, 1), 1);
    EXPECT_EQ(s[1].GefahrJetzt, v.gefahrJetzt);
    EXPECT_EQ(s[1].GefahrZiel, v.gefahrZiel);
}

// Distance 17: danger = N(N(34 * 5 * S / 17) / 5) = 2 S.
INSTANTIATE_TEST_SUITE_P(Abstaende, Gefaehrdung,
                         ::testing::Values(Verfolger{17, false, 0, 60}, // one behind: 30
                                           Verfolger{17, true, 0, 48},  // 24 with one at home
                                           Verfolger{6, false, 12, 2},  // twelve behind: 1
                                           Verfolger{5, false, 2, 10}   // thirteen: 5
                                           ));

TEST(ComputerZug, OpponentTurningIntoItsLaneThreatensOnlyUpToItsTurningField) {
    Stellung s({5, 6, 7, 8});
    Taktik(s);
    s.Setze(17, {1}).Setze(105, {2, 3, 4}).Setze(16, {5}).Setze(106, {6, 7, 8});
    EXPECT_EQ(Zug(s, 5, 3), 1);
    EXPECT_EQ(s[1].GefahrJetzt, 60);
    EXPECT_EQ(s[1].GefahrZiel, 0);
}

TEST(ComputerZug, FiguresTheMoveSendsHomeDoNotThreatenTheTarget) {
    Stellung s({5, 6, 7, 8});
    Taktik(s);
    s.Setze(10, {1}).Setze(105, {2, 3, 4}).Setze(21, {9}).Setze(15, {10}).Setze(8, {11});
    EXPECT_EQ(Zug(s, 5, 6), 1);
    EXPECT_EQ(s[1].GefahrJetzt, 29); // figure 11 two behind, colour 3 has one at home: 18
    EXPECT_EQ(s[1].GefahrZiel, 6);   // figure 11, now fourteen behind: 4
    EXPECT_EQ(s[9].Heimschicken, 1); // the marks of the last rated move stay
    EXPECT_EQ(s[10].Heimschicken, 1);
}

TEST(ComputerZug, BenchAndLaneFieldsRateAsCategoryZero) {
    Stellung s({5, 6, 7, 8});
    s.Baenke({12, 15});
    TaktikFuellen(s.daten, [](int ziel, int jetzt) { return ziel == 0 && jetzt == 0 ? 3 : 30; });
    s.Setze(12, {1}).Setze(66, {2}).Setze(105, {3, 4}).Setze(11, {9}).Setze(65, {10});
    EXPECT_EQ(Zug(s, 5, 3), 1); // 66 -> 69 leaves a threatened field, but rates 30
    EXPECT_EQ(s[1].GefahrJetzt, 0);
    EXPECT_EQ(s[1].GefahrZiel, 0);
    EXPECT_EQ(s[1].Prioritaet, 3);
    EXPECT_GT(s[2].GefahrJetzt, 0);
    EXPECT_EQ(s[2].GefahrZiel, 0);
}

TEST(ComputerZug, ClearsWorkValuesOfTheLastRoll) {
    Stellung s({5, 6, 7, 8});
    Taktik(s);
    s.Setze(10, {1}).Setze(105, {2, 3, 4});
    for (int f = 1; f <= 16; ++f) {
        s[f].GefahrJetzt = s[f].GefahrZiel = s[f].Prioritaet = s[f].ImHaus = 99;
        s[f].Heimschicken = 1;
    }
    EXPECT_EQ(Zug(s, 5, 2), 1);
    for (int f = 2; f <= 16; ++f) {
        EXPECT_EQ(s[f].Prioritaet, 0) << "figure " << f;
        EXPECT_EQ(s[f].GefahrZiel, 0) << "figure " << f;
        EXPECT_EQ(s[f].ImHaus, 0) << "figure " << f;
        EXPECT_EQ(s[f].Heimschicken, 0) << "figure " << f;
    }
}
