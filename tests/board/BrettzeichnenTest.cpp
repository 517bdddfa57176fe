#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "Aufnahmeleinwand.h"
#include "board/Brettzeichnen.h"
#include "game/Spielzustand.h"

namespace pelu {
namespace {

using test::Aufnahmeleinwand;
using Aufruf = Aufnahmeleinwand::Aufruf;

Ecken Viereck(std::array<std::pair<int, int>, 4> p) {
    Ecken e;
    for (int k = 0; k <= 4; ++k) {
        e.x[k] = static_cast<int16_t>(p[k % 4].first);
        e.y[k] = static_cast<int16_t>(p[k % 4].second);
    }
    return e;
}

Farbtabelle Startfarben() {
    Spielzustand z;
    StartwerteSetzen(z, 299, 274, 7);
    return z.Farbe;
}

TEST(ViereckFuellen, FuelltJedeZeileAusserDerUntersten) {
    const struct {
        std::array<std::pair<int, int>, 4> ecken;
        std::function<bool(int, int)> innen;
    } faelle[] = {
        {{{{10, 20}, {30, 20}, {30, 40}, {10, 40}}},
         [](int x, int y) { return y >= 20 && y < 40 && x >= 10 && x <= 30; }},
        // A triangle with two equal corners; Int(i * 0.5 + 0.5) on row i.
        {{{{20, 10}, {20, 10}, {30, 30}, {10, 30}}},
         [](int x, int y) { return y >= 10 && y < 30 && std::abs(x - 20) <= (y - 9) / 2; }},
        // 700 rows: taller than any fixed table of rows would hold.
        {{{{0, 0}, {10, 0}, {710, 700}, {700, 700}}},
         [](int x, int y) { return y >= 0 && y < 700 && x >= y && x <= y + 10; }},
        {{{{5, 9}, {50, 9}, {70, 9}, {1, 9}}}, [](int, int) { return false; }}};
    for (const auto& fall : faelle) {
        Aufnahmeleinwand a;
        ViereckFuellen(a, Viereck(fall.ecken), 12);
        std::map<std::pair<int, int>, uint32_t> erwartet;
        for (int y = -1; y <= 710; ++y)
            for (int x = -1; x <= 720; ++x)
                if (fall.innen(x, y)) erwartet[{x, y}] = QBColor(12);
        EXPECT_EQ(a.Zeilenpixel(), erwartet) << fall.ecken[0].first << "," << fall.ecken[0].second;
        EXPECT_EQ(a.aufrufe.size(),
                  erwartet.empty() ? 0 : fall.ecken[2].second - fall.ecken[0].second)
            << "one line per row";
    }
}

TEST(FeldZeichnen, UmrissNachDerFuellungInSchwarz) {
    Aufnahmeleinwand a;
    FeldZeichnen(a, Viereck({{{10, 20}, {30, 20}, {30, 40}, {10, 40}}}), 14);
    ASSERT_EQ(a.aufrufe.size(), 24u);
    const int umriss[4][4] = {
        {10, 20, 30, 20}, {30, 20, 30, 40}, {30, 40, 10, 40}, {10, 40, 10, 20}};
    for (int k = 0; k < 4; ++k) {
        const Aufruf& l = a.aufrufe[20 + k];
        EXPECT_EQ((std::array{l.a, l.b, l.c, l.d}), std::to_array(umriss[k]));
        EXPECT_EQ(l.farbe, Umrissfarbe);
    }
}

// Field n as a 10 x 10 square at (20n, 20) with the given kind.
void SetzeFeld(Tabellen& t, int n, int16_t art) {
    const int16_t x = int16_t(20 * n), y = 20;
    const int16_t ecken[8] = {x, y, int16_t(x + 10), y, int16_t(x + 10), 30, x, 30};
    std::copy(ecken, ecken + 8, &t.Bilddaten[n][2]);
    t.Bilddaten[n][10] = art;
}

TEST(BrettZeichnen, FeldartenWaehlenDieFarbe) {
    Tabellen t;
    const int16_t arten[] = {0, 5, 9, 1, 2, 3, 4, 6, -3, 7};
    for (int n = 1; n <= 10; ++n)
        SetzeFeld(t, n, arten[n - 1]);
    for (int n : {97, 100, 105, 130}) // never drawn
        SetzeFeld(t, n, 5);
    Aufnahmeleinwand a;
    const Farbtabelle farbe = Startfarben();
    BrettZeichnen(a, t, farbe);
    ASSERT_EQ(a.aufrufe.front().art, Aufruf::Loeschen);
    // Black before any field; kinds outside 1..6 keep the previous colour.
    const int index[] = {0,         farbe[3],  farbe[3], farbe[11], farbe[12],
                         farbe[13], farbe[14], farbe[4], farbe[4],  farbe[4]};
    const auto pixel = a.Zeilenpixel();
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(pixel.at({20 * n + 5, 25}), QBColor(index[n - 1])) << "field " << n;
    EXPECT_EQ(pixel.at({60, 20}), Umrissfarbe);
    for (int n = 11; n <= 130; ++n) // empty rows draw at (0, 0) only
        EXPECT_FALSE(pixel.count({20 * n + 5, 25})) << n;
}

TEST(BrettZeichnen, HeimplatzAusDreiKreisen) {
    Tabellen t;
    const int16_t zeile[10] = {0, 12, 100, 110, 130, 110, 100, 140, 130, 140};
    std::copy(zeile, zeile + 10, t.Bilddaten[102]);
    Aufnahmeleinwand a;
    const Farbtabelle farbe = Startfarben();
    BrettZeichnen(a, t, farbe);
    std::vector<Aufruf> kreise;
    for (const Aufruf& k : a.aufrufe)
        if (k.art == Aufruf::Kreis && k.c >= 11) kreise.push_back(k);
    ASSERT_EQ(kreise.size(), 12u);
    const uint32_t hell = QBColor(farbe[12]), schwarz = QBColor(farbe[1]);
    for (int j = 0; j < 12; ++j) {
        const Aufruf& k = kreise[j];
        const int r[] = {12, 11, 13};
        EXPECT_EQ((std::array{k.a, k.b, k.c}),
                  (std::array{int(zeile[2 + 2 * (j / 3)]), int(zeile[3 + 2 * (j / 3)]), r[j % 3]}));
        EXPECT_EQ(k.farbe, j % 3 == 1 ? hell : schwarz);
        EXPECT_EQ(k.fuellung, hell);
    }
}

} // namespace
} // namespace pelu
