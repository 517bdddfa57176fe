// Drawing the board and the dice, and where figures stand on a field.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "board/Brettzeichnen.h"
#include "board/Platzkoordinaten.h"
#include "board/Wuerfelbild.h"
#include "state/Spielzustand.h"

namespace pelu::test {
namespace {

using Ort = std::pair<int, int>;
using Kreisaufruf = std::array<double, 6>; // centre x, y, radius, outline width, outline, fill

// A canvas that records the pixels of horizontal and vertical lines (the
// colour drawn last wins), the discs, and which call cleared it.
struct Aufnahme : Leinwand {
    std::map<Ort, long long> pixel;
    std::vector<Kreisaufruf> kreise;
    size_t aufrufe = 0, geloescht = 99;
    void Loeschen() override { geloescht = aufrufe++; }
    void Linie(int x1, int y1, int x2, int y2, uint32_t farbe) override {
        ++aufrufe;
        if (x1 != x2 && y1 != y2) return;
        for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
            for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
                pixel[{x, y}] = farbe;
    }
    void Kreis(double mx, double my, double r, int breite, uint32_t rand,
               uint32_t fuellung) override {
        kreise.push_back({mx, my, r, double(breite), double(rand), double(fuellung)});
        ++aufrufe;
    }
};

TEST(ViereckFuellen, FuelltJedeZeileAusserDerUntersten) {
    const std::pair<std::array<int16_t, 8>, std::function<bool(int, int)>> faelle[] = {
        {{10, 20, 30, 20, 30, 40, 10, 40},
         [](int x, int y) { return y >= 20 && y < 40 && x >= 10 && x <= 30; }},
        // A triangle with two equal corners; Int(i * 0.5 + 0.5) on row i.
        {{20, 10, 20, 10, 30, 30, 10, 30},
         [](int x, int y) { return y >= 10 && y < 30 && std::abs(x - 20) <= (y - 9) / 2; }},
        // 700 rows: taller than any fixed table of rows would hold.
        {{0, 0, 10, 0, 710, 700, 700, 700},
         [](int x, int y) { return y >= 0 && y < 700 && x >= y && x <= y + 10; }}};
    for (const auto& [z, innen] : faelle) {
        Ecken e;
        for (int k = 0; k <= 4; ++k) {
            e.x[k] = z[2 * (k % 4)];
            e.y[k] = z[2 * (k % 4) + 1];
        }
        Aufnahme a;
        ViereckFuellen(a, e, 12);
        std::map<Ort, long long> erwartet;
        for (int y = -1; y <= 710; ++y)
            for (int x = -1; x <= 720; ++x)
                if (innen(x, y)) erwartet[{x, y}] = QBColor(12);
        EXPECT_EQ(a.pixel, erwartet) << z[0] << "," << z[1];
        EXPECT_EQ(a.aufrufe, size_t(z[5] - z[1])) << "one line per row";
    }
}

// Fields 1..96 as 10 x 10 squares, twelve to a row, their kinds running
// through one list again and again: black before any field, kinds outside
// 1..6 keep the previous colour. Each home slot is three circles.
TEST(BrettZeichnen, JedesFeldNachSeinerArtUndHeimplaetzeAusDreiKreisen) {
    Tabellen t;
    const int16_t arten[] = {0, 5, 9, 1, 2, 3, 4, 6, -3, 7};
    const auto ecke = [](int n) { return Ort(20 + 20 * ((n - 1) % 12), 20 + 20 * ((n - 1) / 12)); };
    for (int n = 1; n <= 96; ++n) {
        const auto [x, y] = ecke(n);
        const int16_t zeile[] = {int16_t(x), int16_t(y),      int16_t(x + 10),
                                 int16_t(y), int16_t(x + 10), int16_t(y + 10),
                                 int16_t(x), int16_t(y + 10), arten[(n - 1) % 10]};
        std::copy(zeile, zeile + 9, &t.Bilddaten[n][2]);
    }
    for (int c = 1; c <= 4; ++c) {
        const int16_t x = int16_t(100 * c);
        const int16_t heim[] = {12, x, 300, int16_t(x + 30), 300, x, 330, int16_t(x + 30), 330};
        std::copy(heim, heim + 9, &t.Bilddaten[100 + c][1]);
    }
    const Farbtabelle f = Farbe;
    Aufnahme a;
    BrettZeichnen(a, t);
    EXPECT_EQ(a.geloescht, 0u);
    // The fill of each kind in the list; the first field has no field before it.
    const int index[] = {f[4], f[3], f[3], f[11], f[12], f[13], f[14], f[4], f[4], f[4]};
    for (int n = 1; n <= 96; ++n) {
        const auto [x, y] = ecke(n);
        const auto mitte = a.pixel.find({x + 5, y + 5});
        ASSERT_NE(mitte, a.pixel.end()) << "field " << n << " not drawn";
        EXPECT_EQ(mitte->second, QBColor(n == 1 ? 0 : index[(n - 1) % 10])) << "field " << n;
        EXPECT_EQ(a.pixel[Ort(x + 5, y)], Umrissfarbe) << "field " << n;
    }
    // Radius r covers the pixels whose centres lie within r + 1/2.
    std::vector<Kreisaufruf> erwartet;
    const double schwarz = QBColor(f[1]), r[] = {12.5, 11.5, 13.5};
    for (int c = 1; c <= 4; ++c) {
        const double hell = QBColor(f[10 + c]);
        for (int j = 0; j < 12; ++j)
            erwartet.push_back({100 * c + 30 * (j / 3 % 2) + 0.5, 300 + 30 * (j / 6) + 0.5,
                                r[j % 3], 1, j % 3 == 1 ? hell : schwarz, hell});
    }
    EXPECT_EQ(a.kreise, erwartet);
}

// The clear, then one white disc of the pip radius per pip, in drawing order.
TEST(WuerfelZeichnen, JedeSeiteInZeichenreihenfolgeUndAbstandAusDemMassstab) {
    const std::vector<Ort> orte = {{15, 15}, {6, 6}, {24, 24}, {24, 6}, {6, 24}, {15, 6}, {15, 24}};
    const std::string seiten[] = {"", "0", "12", "012", "1234", "01234", "123456"};
    for (int wert : {0, 1, 2, 3, 4, 5, 6, -1, 7, -32768, 32767}) {
        Aufnahme a;
        WuerfelZeichnen(a, 31, 31, int16_t(wert), 1.0f);
        std::vector<Kreisaufruf> erwartet; // nothing for values that are no face
        for (char c : wert >= 0 && wert <= 6 ? seiten[wert] : "")
            erwartet.push_back({orte[c - '0'].first + 0.5, orte[c - '0'].second + 0.5,
                                Augenradius + 0.5, 1, 0xFFFFFF, 0xFFFFFF});
        EXPECT_EQ(a.kreise, erwartet) << wert;
        EXPECT_EQ(std::pair(a.geloescht, a.aufrufe), std::pair(size_t{0}, erwartet.size() + 1));
    }
    // Inner size 30 x 27: centre (15, 13); scale 1.5 gives pips Int(13.5) = 13 apart.
    Aufnahme a;
    WuerfelZeichnen(a, 30, 27, 2, 1.5f);
    EXPECT_EQ((std::array{a.kreise.at(0)[0], a.kreise[0][1], a.kreise.at(1)[0], a.kreise[1][1]}),
              (std::array{2.5, 0.5, 28.5, 26.5}));
    // On a surface of 1.5 pixels per board pixel the same pips, scaled.
    Aufnahme fein;
    WuerfelZeichnen(fein, 30, 27, 2, 1.5f, Geraeteraster{1.5});
    EXPECT_EQ(fein.kreise.at(1),
              (Kreisaufruf{1.5 * 28.5, 1.5 * 26.5, 1.5 * 3.5, 2, 0xFFFFFF, 0xFFFFFF}));
}

// Board pixel p begins at surface pixel Int(f * p), its centre at
// f * (p + 1/2); lines are round(f), at least one, pixels wide.
TEST(Geraeteraster, PixelMitteUndStrichbreite) {
    const std::tuple<double, int, int, double, int> faelle[] = {
        {1.0, 7, 7, 7.5, 1},      {2.0, 7, 14, 15.0, 2},     {1.5, 7, 10, 11.25, 2},
        {1.25, 7, 8, 9.375, 1},   {1.15, 20, 23, 23.575, 1}, // 1.15 * 20 is 22.999... in doubles
        {3.0, -4, -12, -10.5, 3}, {0.5, 9, 4, 4.75, 1}};
    for (const auto& [faktor, p, pixel, mitte, strich] : faelle) {
        const Geraeteraster r{faktor};
        EXPECT_EQ(r.Pixel(p), pixel) << faktor << " " << p;
        EXPECT_DOUBLE_EQ(r.Mitte(p), mitte) << faktor << " " << p;
        EXPECT_EQ(r.Strichbreite(), strich) << faktor;
    }
}

// At factor 2 a field is the factor-1 field with every pixel doubled in both
// directions, fill and outline alike; the homes' circles keep their centres
// and radii in board pixels and get outlines two pixels wide.
TEST(BrettZeichnen, BeiFaktorZweiJedesBrettpixelAlsQuadrat) {
    Tabellen t;
    const int16_t feld[] = {10, 20, 30, 20, 30, 45, 10, 45, 5};
    std::copy(feld, feld + 9, &t.Bilddaten[1][2]);
    const int16_t heim[] = {4, 50, 60};
    std::copy(heim, heim + 3, &t.Bilddaten[101][1]);
    Aufnahme einfach, doppelt;
    BrettZeichnen(einfach, t);
    BrettZeichnen(doppelt, t, 1.0f, Geraeteraster{2.0});
    std::map<Ort, long long> vergroessert;
    for (const auto& [ort, farbe] : einfach.pixel)
        for (int k = 0; k < 4; ++k)
            vergroessert[{2 * ort.first + k % 2, 2 * ort.second + k / 2}] = farbe;
    EXPECT_EQ(doppelt.pixel, vergroessert);
    ASSERT_EQ(doppelt.kreise.size(), einfach.kreise.size());
    for (size_t i = 0; i < einfach.kreise.size(); ++i) {
        const Kreisaufruf& k = einfach.kreise[i];
        EXPECT_EQ(doppelt.kreise[i], (Kreisaufruf{2 * k[0], 2 * k[1], 2 * k[2], 2, k[4], k[5]}));
    }
    EXPECT_EQ(doppelt.kreise.at(0), (Kreisaufruf{101, 121, 9, 2, 0, double(QBColor(9))}));
}

// Field, middles A and B of the edges P0-P1 and P2-P3, first slot, and the
// places of that slot and the next ones.
TEST(PlatzKoordinaten, AchtelDesWegesVonAZuBGerundet) {
    const std::tuple<int, Ort, Ort, int, std::vector<Ort>> faelle[] = {
        {7, {100, 50}, {70, 50}, 1, {{96, 50}, {88, 50}, {80, 50}, {72, 50}}}, // sx = R(7.5) = 8
        {8, {100, 50}, {80, 50}, 1, {{98, 50}, {92, 50}, {88, 50}, {82, 50}}}, // sx 5: halves
        {9, {100, 50}, {90, 50}, 1, {{99, 50}, {97, 50}, {95, 50}, {93, 50}}}, // sx = R(2.5) = 2
        // Overflow: half a step beyond A, then a step more each.
        {30, {100, 50}, {70, 50}, 5, {{104, 50}, {112, 50}, {120, 50}, {128, 50}, {136, 50}}},
        // Turning fields: a second row 18 pixels aside, its fifth beyond B.
        {17, {100, 50}, {70, 50}, 5, {{96, 68}, {88, 68}, {80, 68}, {72, 68}, {64, 68}}},
        // Along y the second row's half step points the other way: sy = R(7.5) = 8.
        {51, {100, 50}, {100, 20}, 5, {{100, 20}}}, // R(50 - 18 - 8 - 4)
        {12, {30000, -30000}, {-30000, 30000}, 32767, {{32767, -32768}}},
        // Both steps at once, sx = R(7.5) = 8 and sy = 5 with half steps 4
        // and 2.5: slot 4, then the overflow row of an ordinary field and of
        // each turning field.
        {30,
         {100, 50},
         {70, 30},
         4,
         {{72, 32}, {104, 52}, {112, 58}, {120, 62}, {128, 68}, {136, 72}}},
        {17, {100, 50}, {70, 30}, 4, {{72, 32}, {96, 60}, {88, 56}, {80, 50}, {72, 46}, {64, 40}}},
        {34,
         {100, 50},
         {70, 30},
         4,
         {{72, 32}, {114, 48}, {106, 42}, {98, 38}, {90, 32}, {82, 28}}},
        {51, {100, 50}, {70, 30}, 4, {{72, 32}, {96, 24}, {88, 20}, {80, 14}, {72, 10}, {64, 4}}},
        {68, {100, 50}, {70, 30}, 4, {{72, 32}, {78, 48}, {70, 42}, {62, 38}, {54, 32}, {46, 28}}}};
    for (const auto& [feld, a, b, erster, orte] : faelle) {
        Tabellen t;
        const int16_t z[8] = {
            int16_t(a.first), int16_t(a.second - 10), int16_t(a.first), int16_t(a.second + 10),
            int16_t(b.first), int16_t(b.second + 10), int16_t(b.first), int16_t(b.second - 10)};
        std::copy(z, z + 8, &t.Bilddaten[feld][2]);
        for (size_t i = 0; i < orte.size(); ++i) {
            const Punkt p = PlatzKoordinaten(t, int16_t(feld), int16_t(erster + i));
            EXPECT_EQ(Ort(p.x, p.y), orte[i]) << feld << "/" << erster + int(i);
        }
    }
    // Homes and goals store their four places; the slots beyond take them in turn.
    for (int16_t feld = 101; feld <= 108; ++feld) {
        Tabellen t;
        for (int k = 0; k < 8; ++k)
            t.Bilddaten[feld][2 + k] = int16_t(10 * feld + k);
        for (int16_t platz = 0; platz <= 8; ++platz) {
            const int k = 2 * ((platz + 3) % 4); // slot 1 is the first point, 0 the fourth
            const Punkt p = PlatzKoordinaten(t, feld, platz);
            EXPECT_EQ(Ort(p.x, p.y), Ort(10 * feld + k, 10 * feld + k + 1)) << feld << "/" << platz;
        }
    }
}

} // namespace
} // namespace pelu::test
