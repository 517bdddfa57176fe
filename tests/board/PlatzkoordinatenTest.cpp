#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "board/Platzkoordinaten.h"

namespace pelu {
namespace {

using Ort = std::pair<int, int>;

Ort Platz(const Tabellen& t, int feld, int platz) {
    const Punkt p = PlatzKoordinaten(t, int16_t(feld), int16_t(platz));
    return {p.x, p.y};
}

TEST(PlatzKoordinaten, AchtelDesWegesVonAZuBGerundet) {
    const struct {
        int feld;
        Ort a, b;  // middles of the edges P0-P1 and P2-P3
        int platz; // of the first expected place
        std::vector<Ort> orte;
    } faelle[] = {
        {7, {100, 50}, {70, 50}, 1, {{96, 50}, {88, 50}, {80, 50}, {72, 50}}}, // sx = R(7.5) = 8
        {8, {100, 50}, {80, 50}, 1, {{98, 50}, {92, 50}, {88, 50}, {82, 50}}}, // sx 5: halves
        {9, {100, 50}, {90, 50}, 1, {{99, 50}, {97, 50}, {95, 50}, {93, 50}}}, // sx = R(2.5) = 2
        {40, {200, 133}, {200, 67}, 1, {{200, 125}, {200, 109}, {200, 93}, {200, 77}}},
        {0, {100, 50}, {70, 50}, 1, {{96, 50}}}, // row 0 is read like any row
        // Overflow: half a step beyond A, then a step more each.
        {30, {100, 50}, {70, 50}, 5, {{104, 50}, {112, 50}, {120, 50}, {128, 50}, {136, 50}}},
        // Turning fields: a second row 18 pixels aside, its fifth beyond B.
        {17, {100, 50}, {70, 50}, 5, {{96, 68}, {88, 68}, {80, 68}, {72, 68}, {64, 68}}},
        {34, {100, 50}, {70, 50}, 5, {{114, 50}, {106, 50}, {98, 50}, {90, 50}}},
        {51, {100, 50}, {70, 50}, 5, {{96, 32}, {88, 32}, {80, 32}, {72, 32}}},
        {68, {100, 50}, {70, 50}, 5, {{78, 50}, {70, 50}, {62, 50}, {54, 50}}},
        // Along y the second row's half step points the other way: sy = R(7.5) = 8.
        {17, {100, 50}, {100, 20}, 5, {{100, 56}}}, // R(50 + 18 - 8 - 4)
        {51, {100, 50}, {100, 20}, 5, {{100, 20}}}, // R(50 - 18 - 8 - 4)
        {12, {30000, -30000}, {-30000, 30000}, 32767, {{32767, -32768}}}};
    for (const auto& fall : faelle) {
        Tabellen t;
        const auto [a, b] = std::pair(fall.a, fall.b);
        const int16_t z[8] = {
            int16_t(a.first), int16_t(a.second - 10), int16_t(a.first), int16_t(a.second + 10),
            int16_t(b.first), int16_t(b.second + 10), int16_t(b.first), int16_t(b.second - 10)};
        std::copy(z, z + 8, &t.Bilddaten[fall.feld][2]);
        for (size_t i = 0; i < fall.orte.size(); ++i)
            EXPECT_EQ(Platz(t, fall.feld, fall.platz + int(i)), fall.orte[i])
                << fall.feld << "/" << fall.platz + int(i);
    }
}

TEST(PlatzKoordinaten, HeimUndZielBleibenInIhrerZeile) {
    Tabellen t;
    for (int feld : {101, 108}) {
        for (int j = 2; j <= 9; ++j)
            t.Bilddaten[feld][j] = int16_t(10 * feld + j);
        // Neighbouring cells that a slot beyond 4 must never reach.
        t.Bilddaten[feld][10] = t.Bilddaten[feld][11] = 999;
        t.Bilddaten[feld + 1][0] = t.Bilddaten[feld + 1][1] = 999;
    }
    // Slots beyond the four stored places take them in turn.
    const int gespeichert[][2] = {{1, 1}, {4, 4}, {5, 1}, {6, 2}, {7, 3},
                                  {8, 4}, {9, 1}, {0, 4}, {-1, 3}};
    for (int feld : {101, 108})
        for (const auto& [platz, p] : gespeichert)
            EXPECT_EQ(Platz(t, feld, platz), Ort(10 * feld + 2 * p, 10 * feld + 2 * p + 1))
                << feld << "/" << platz;
    for (int zeile : {0, 130}) // rows an invalid field must not fall back to
        std::fill(&t.Bilddaten[zeile][2], &t.Bilddaten[zeile][10], int16_t(77));
    for (int feld : {-1, 131, 32767, -32768})
        EXPECT_EQ(Platz(t, feld, 1), Ort(0, 0)) << feld;
}

} // namespace
} // namespace pelu
