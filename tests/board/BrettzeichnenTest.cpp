#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "Aufnahmeleinwand.h"
#include "Pixelleinwand.h"
#include "board/Brettzeichnen.h"
#include "game/Spielzustand.h"

namespace pelu {
namespace {

using test::Aufnahmeleinwand;
using test::Pixelleinwand;

Ecken Viereck(std::array<std::pair<int, int>, 4> p) {
    Ecken e;
    for (int k = 0; k <= 4; ++k) {
        e.x[k] = static_cast<int16_t>(p[k % 4].first);
        e.y[k] = static_cast<int16_t>(p[k % 4].second);
    }
    return e;
}

// Filled pixels per row, drawn with palette colour 12 on a blank buffer.
std::set<std::pair<int, int>> Gefuellt(const Ecken& e, int breite, int hoehe) {
    Pixelleinwand p(breite, hoehe);
    ViereckFuellen(p, e, 12);
    std::set<std::pair<int, int>> pixel;
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            if (p.Farbe(x, y) == QBColor(12)) pixel.insert({x, y});
    return pixel;
}

Farbtabelle Startfarben() {
    Spielzustand z;
    StartwerteSetzen(z, 299, 274, 7);
    return z.Farbe;
}

TEST(ViereckFuellen, RechteckFuelltJedeZeileAusserDerUntersten) {
    Aufnahmeleinwand a;
    ViereckFuellen(a, Viereck({{{10, 20}, {30, 20}, {30, 40}, {10, 40}}}), 14);
    ASSERT_EQ(a.aufrufe.size(), 20u);
    for (int r = 0; r < 20; ++r) {
        const auto& l = a.aufrufe[r];
        EXPECT_EQ(l.art, Aufnahmeleinwand::Aufruf::Linie);
        // The right edge (edge 2) comes before the left one (edge 4).
        EXPECT_EQ(l.a, 30);
        EXPECT_EQ(l.c, 10);
        EXPECT_EQ(l.b, 20 + r);
        EXPECT_EQ(l.d, 20 + r);
        EXPECT_EQ(l.farbe, QBColor(14));
    }
}

TEST(ViereckFuellen, DreieckMitDoppelterEcke) {
    const auto pixel = Gefuellt(Viereck({{{20, 10}, {20, 10}, {30, 30}, {10, 30}}}), 40, 40);
    std::set<std::pair<int, int>> erwartet;
    for (int i = 0; i < 20; ++i) {
        const int halb = (i + 1) / 2; // Int(i * 0.5 + 0.5)
        for (int x = 20 - halb; x <= 20 + halb; ++x)
            erwartet.insert({x, 10 + i});
    }
    EXPECT_EQ(pixel, erwartet);
}

TEST(ViereckFuellen, HoheSchraegeFelderWerdenGanzGefuellt) {
    // 700 rows: taller than any fixed table of rows would hold.
    const auto pixel = Gefuellt(Viereck({{{0, 0}, {10, 0}, {710, 700}, {700, 700}}}), 720, 710);
    std::set<std::pair<int, int>> erwartet;
    for (int y = 0; y < 700; ++y)
        for (int x = y; x <= y + 10; ++x)
            erwartet.insert({x, y});
    EXPECT_EQ(pixel, erwartet);
}

TEST(ViereckFuellen, FlachesViereckZeichnetNichts) {
    Aufnahmeleinwand a;
    ViereckFuellen(a, Viereck({{{5, 9}, {50, 9}, {70, 9}, {1, 9}}}), 14);
    EXPECT_TRUE(a.aufrufe.empty());
}

TEST(FeldZeichnen, UmrissNachDerFuellungInSchwarz) {
    Aufnahmeleinwand a;
    FeldZeichnen(a, Viereck({{{10, 20}, {30, 20}, {30, 40}, {10, 40}}}), 14);
    ASSERT_EQ(a.aufrufe.size(), 24u);
    const int ecken[5][2] = {{10, 20}, {30, 20}, {30, 40}, {10, 40}, {10, 20}};
    for (int k = 0; k < 4; ++k) {
        const auto& l = a.aufrufe[20 + k];
        EXPECT_EQ(l.farbe, Umrissfarbe);
        EXPECT_EQ((std::array{l.a, l.b, l.c, l.d}),
                  (std::array{ecken[k][0], ecken[k][1], ecken[k + 1][0], ecken[k + 1][1]}));
    }
}

// Field n as a 10 x 10 square at (20n, 20) with the given kind.
void SetzeFeld(Tabellen& t, int n, int16_t art) {
    const int16_t x = static_cast<int16_t>(20 * (n % 25));
    const int16_t y = static_cast<int16_t>(20 + 20 * (n / 25));
    const int16_t ecken[8] = {
        x, y, int16_t(x + 10), y, int16_t(x + 10), int16_t(y + 10), x, int16_t(y + 10)};
    for (int j = 0; j < 8; ++j)
        t.Bilddaten[n][2 + j] = ecken[j];
    t.Bilddaten[n][10] = art;
}

uint32_t Innenfarbe(const Pixelleinwand& p, int n) {
    return p.Farbe(20 * (n % 25) + 5, 25 + 20 * (n / 25));
}

TEST(BrettZeichnen, FeldartenWaehlenDieFarbe) {
    Tabellen t;
    const int16_t arten[] = {0, 5, 9, 1, 2, 3, 4, 6, -3, 7};
    for (int n = 1; n <= 10; ++n)
        SetzeFeld(t, n, arten[n - 1]);
    Pixelleinwand p(520, 120);
    const Farbtabelle farbe = Startfarben();
    BrettZeichnen(p, t, farbe);
    EXPECT_EQ(Innenfarbe(p, 1), QBColor(0)) << "no field before: black";
    EXPECT_EQ(Innenfarbe(p, 2), QBColor(farbe[3]));
    EXPECT_EQ(Innenfarbe(p, 3), QBColor(farbe[3])) << "kind 9 keeps the previous colour";
    for (int art = 1; art <= 4; ++art)
        EXPECT_EQ(Innenfarbe(p, 3 + art), QBColor(farbe[10 + art]));
    EXPECT_EQ(Innenfarbe(p, 8), QBColor(farbe[4]));
    EXPECT_EQ(Innenfarbe(p, 9), QBColor(farbe[4])) << "kind -3 keeps the previous colour";
    EXPECT_EQ(Innenfarbe(p, 10), QBColor(farbe[4])) << "kind 7 keeps the previous colour";
    EXPECT_EQ(p.Farbe(20 * 3, 20), Umrissfarbe);
}

TEST(BrettZeichnen, ZeilenAusserhalbDerFelderUndHeimeBleibenLeer) {
    Tabellen t;
    for (int n : {97, 98, 99, 100, 105, 108, 130})
        SetzeFeld(t, n, 5);
    Aufnahmeleinwand a;
    BrettZeichnen(a, t, Startfarben());
    ASSERT_FALSE(a.aufrufe.empty());
    EXPECT_EQ(a.aufrufe.front().art, Aufnahmeleinwand::Aufruf::Loeschen);
    for (const auto& aufruf : a.aufrufe) {
        // Empty rows 1..96 draw their outline at (0, 0) only.
        EXPECT_EQ(aufruf.a, 0);
        EXPECT_EQ(aufruf.b, 0);
    }
}

TEST(BrettZeichnen, HeimplatzAusDreiKreisen) {
    Tabellen t;
    t.Bilddaten[102][1] = 12;
    const int16_t orte[8] = {100, 110, 130, 110, 100, 140, 130, 140};
    for (int j = 0; j < 8; ++j)
        t.Bilddaten[102][2 + j] = orte[j];
    Aufnahmeleinwand a;
    const Farbtabelle farbe = Startfarben();
    BrettZeichnen(a, t, farbe);
    std::vector<Aufnahmeleinwand::Aufruf> kreise;
    for (const auto& aufruf : a.aufrufe)
        if (aufruf.art == Aufnahmeleinwand::Aufruf::Kreis && aufruf.c >= 11)
            kreise.push_back(aufruf);
    ASSERT_EQ(kreise.size(), 12u);
    const uint32_t hell = QBColor(farbe[12]);
    const uint32_t schwarz = QBColor(farbe[1]);
    for (int j = 0; j < 4; ++j) {
        const int radius[3] = {12, 11, 13};
        const uint32_t rand[3] = {schwarz, hell, schwarz};
        for (int i = 0; i < 3; ++i) {
            const auto& k = kreise[3 * j + i];
            EXPECT_EQ(k.a, orte[2 * j]);
            EXPECT_EQ(k.b, orte[2 * j + 1]);
            EXPECT_EQ(k.c, radius[i]);
            EXPECT_EQ(k.farbe, rand[i]);
            EXPECT_EQ(k.fuellung, hell);
        }
    }
}

} // namespace
} // namespace pelu
