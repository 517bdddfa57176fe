#include <gtest/gtest.h>

#include <utility>

#include "board/Platzkoordinaten.h"

namespace pelu {
namespace {

using Ort = std::pair<int, int>;

// A field whose edge P0-P1 has its middle at A and P2-P3 at B.
void SetzeFeld(Tabellen& t, int n, Ort a, Ort b) {
    const int16_t z[8] = {int16_t(a.first),       int16_t(a.second - 10), int16_t(a.first),
                          int16_t(a.second + 10), int16_t(b.first),       int16_t(b.second + 10),
                          int16_t(b.first),       int16_t(b.second - 10)};
    for (int j = 0; j < 8; ++j)
        t.Bilddaten[n][2 + j] = z[j];
}

Ort Platz(const Tabellen& t, int feld, int platz) {
    const Punkt p = PlatzKoordinaten(t, int16_t(feld), int16_t(platz));
    return {p.x, p.y};
}

TEST(PlatzKoordinaten, AchtelDesWegesGerundet) {
    Tabellen t;
    SetzeFeld(t, 7, {100, 50}, {70, 50}); // step R(7.5) = 8
    SetzeFeld(t, 8, {100, 50}, {80, 50}); // step 5: exact halves
    SetzeFeld(t, 9, {100, 50}, {90, 50}); // step R(2.5) = 2
    const int erwartet7[] = {96, 88, 80, 72};
    const int erwartet8[] = {98, 92, 88, 82};
    const int erwartet9[] = {99, 97, 95, 93};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(Platz(t, 7, k), Ort(erwartet7[k - 1], 50)) << k;
        EXPECT_EQ(Platz(t, 8, k), Ort(erwartet8[k - 1], 50)) << k;
        EXPECT_EQ(Platz(t, 9, k), Ort(erwartet9[k - 1], 50)) << k;
    }
}

TEST(PlatzKoordinaten, SenkrechteReiheTeiltDasXVonA) {
    Tabellen t;
    SetzeFeld(t, 40, {200, 133}, {200, 67}); // A.y - B.y = 66, step R(16.5) = 16
    const int y[] = {125, 109, 93, 77};
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(Platz(t, 40, k), Ort(200, y[k - 1])) << k;
}

TEST(PlatzKoordinaten, UeberlaufHinterA) {
    Tabellen t;
    SetzeFeld(t, 30, {100, 50}, {70, 50});
    // Slot 5 lies half a step beyond A, outside the field; each further slot a step more.
    EXPECT_EQ(Platz(t, 30, 5), Ort(104, 50));
    EXPECT_EQ(Platz(t, 30, 6), Ort(112, 50));
    EXPECT_EQ(Platz(t, 30, 9), Ort(136, 50));
}

TEST(PlatzKoordinaten, WendefelderHabenEineZweiteReihe) {
    Tabellen t;
    for (int feld : {17, 34, 51, 68})
        SetzeFeld(t, feld, {100, 50}, {70, 50});
    for (int j = 1; j <= 4; ++j) {
        const Ort erste = Platz(t, 17, j);
        EXPECT_EQ(Platz(t, 17, 4 + j), Ort(erste.first, erste.second + 18)) << j;
        EXPECT_EQ(Platz(t, 34, 4 + j), Ort(erste.first + 18, erste.second)) << j;
        EXPECT_EQ(Platz(t, 51, 4 + j), Ort(erste.first, erste.second - 18)) << j;
        EXPECT_EQ(Platz(t, 68, 4 + j), Ort(erste.first - 18, erste.second)) << j;
    }
    // The fifth of the second row stands half a step beyond B.
    EXPECT_EQ(Platz(t, 17, 9), Ort(64, 68));

    // Along y the second row's half step points the other way on 17 and 51.
    SetzeFeld(t, 17, {100, 50}, {100, 20}); // sy = R(7.5) = 8
    SetzeFeld(t, 51, {100, 50}, {100, 20});
    EXPECT_EQ(Platz(t, 17, 5), Ort(100, 56)); // R(50 + 18 - 8 - 4)
    EXPECT_EQ(Platz(t, 51, 5), Ort(100, 20)); // R(50 - 18 - 8 - 4)
}

TEST(PlatzKoordinaten, HeimUndZielBleibenInIhrerZeile) {
    Tabellen t;
    for (int feld : {101, 108}) {
        for (int j = 2; j <= 9; ++j)
            t.Bilddaten[feld][j] = int16_t(10 * feld + j);
        // Neighbouring cells that a slot beyond 4 must never reach.
        t.Bilddaten[feld][10] = 999;
        t.Bilddaten[feld][11] = 999;
        t.Bilddaten[feld + 1][0] = 999;
        t.Bilddaten[feld + 1][1] = 999;
    }
    // Slots beyond the four stored places take them in turn.
    const int gespeichert[][2] = {{1, 1}, {4, 4}, {5, 1}, {6, 2}, {7, 3},
                                  {8, 4}, {9, 1}, {0, 4}, {-1, 3}};
    for (int feld : {101, 108})
        for (const auto& [platz, p] : gespeichert)
            EXPECT_EQ(Platz(t, feld, platz), Ort(10 * feld + 2 * p, 10 * feld + 2 * p + 1))
                << feld << "/" << platz;
}

TEST(PlatzKoordinaten, FelderAusserhalbGebenNull) {
    Tabellen t;
    SetzeFeld(t, 0, {100, 50}, {70, 50});
    for (int16_t feld : {int16_t(-1), int16_t(131), int16_t(32767), int16_t(-32768)})
        EXPECT_EQ(Platz(t, feld, 1), Ort(0, 0)) << feld;
    EXPECT_EQ(Platz(t, 0, 1), Ort(96, 50)) << "row 0 is read like any row";
}

TEST(PlatzKoordinaten, RiesigeWerteBleibenIm16BitBereich) {
    Tabellen t;
    SetzeFeld(t, 12, {30000, -30000}, {-30000, 30000});
    const Ort weit = Platz(t, 12, 32767);
    EXPECT_EQ(weit, Ort(32767, -32768));
}

} // namespace
} // namespace pelu
