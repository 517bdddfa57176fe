// The shipped data file: made by the generator, and the board it draws.
#include <gtest/gtest.h>

#include <complex>
#include <cstdlib>
#include <vector>

#include "board/Platzkoordinaten.h"
#include "data/Laden.h"
#include "state/Spielzustand.h"

namespace pelu::test {
namespace {

const std::string Datei = std::string(PELU_QUELLORDNER) + "/Peludaten.txt";
const Tabellen Brett = DatendateiLaden(Datei);

using P = std::complex<double>; // a point in pixels
using Vieleck = std::vector<P>;

Vieleck Feld(int feld) {
    const int16_t* z = &Brett.Bilddaten[feld][2];
    return {P(z[0], z[1]), P(z[2], z[3]), P(z[4], z[5]), P(z[6], z[7])};
}

// Pixels breite x hoehe from the top left o, as a region of pixel centres.
Vieleck Rechteck(P o, double breite, double hoehe) {
    return {o, o + P(breite - 1, 0), o + P(breite - 1, hoehe - 1), o + P(0, hoehe - 1)};
}

// The square of pixels around a slot: 15 wide for a figure, or a home circle's.
Vieleck Umgebung(int feld, int platz, int halb = 7) {
    const Punkt p = PlatzKoordinaten(Brett, int16_t(feld), int16_t(platz));
    return Rechteck(P(p.x - halb, p.y - halb), 2 * halb + 1, 2 * halb + 1);
}

// Whether every point lies strictly on the same side of every edge of v
// (eigene: v's own corners, each two edges on, which makes v strictly convex).
bool Innen(const Vieleck& v, const Vieleck& punkte, bool eigene = false) {
    for (const P& r : punkte) {
        int links = 0, rechts = 0;
        for (size_t i = 0; i < v.size(); ++i) {
            const P b = eigene ? v[(i + 2) % v.size()] : r;
            const double k = std::imag(std::conj(v[(i + 1) % v.size()] - v[i]) * (b - v[i]));
            links += k > 1e-9;
            rechts += k < -1e-9;
        }
        if (links != int(v.size()) && rechts != int(v.size())) return false;
    }
    return true;
}

const Vieleck Brettinneres = Rechteck(P(-0.5, -0.5), 598, 548); // 597 x 547 pixels

// Separating axes of two convex polygons: true unless some axis leaves a gap
// of at least `luecke` pixels between them (0: touching does not overlap).
bool Ueberlappen(const Vieleck& a, const Vieleck& b, double luecke = 0) {
    for (const Vieleck* v : {&a, &b})
        for (size_t i = 0; i < v->size(); ++i) {
            const P kante = (*v)[(i + 1) % v->size()] - (*v)[i];
            double lo[2] = {1e9, 1e9}, hi[2] = {-1e9, -1e9};
            for (int k = 0; k < 2 && std::abs(kante) > 0; ++k)
                for (const P& r : k ? b : a) { // r projected onto the edge's normal
                    const double s = std::imag(std::conj(kante) * r) / std::abs(kante);
                    lo[k] = std::min(lo[k], s);
                    hi[k] = std::max(hi[k], s);
                }
            if (std::abs(kante) > 0 &&
                (hi[0] + luecke <= lo[1] + 1e-9 || hi[1] + luecke <= lo[0] + 1e-9))
                return false;
        }
    return true;
}

TEST(Brettdatei, GeneratorErzeugtDieEingecheckteDatei) {
    const std::string vergleich = std::string(PELU_BRETTGENERATOR) + " | cmp -s - " + Datei;
    EXPECT_EQ(std::system(vergleich.c_str()), 0) << "run tools/brettgenerator > Peludaten.txt";
}

// Fields are convex and do not overlap; figures on slots 1..4 stand inside their
// field, overflow figures inside the board; consecutive fields touch; goals sit
// behind their lanes.
TEST(Brettgeometrie, KonvexeFelderOhneUeberlappungUndFigurenPassenDarauf) {
    for (int feld = 1; feld <= 96; ++feld) {
        EXPECT_TRUE(Innen(Feld(feld), Feld(feld), true) && Innen(Brettinneres, Feld(feld))) << feld;
        for (int platz = 1; platz <= 9; ++platz)
            EXPECT_TRUE(platz > 4 ? Innen(Brettinneres, Umgebung(feld, platz))
                                  : Innen(Feld(feld), Umgebung(feld, platz)))
                << feld << "/" << platz;
        for (int b = feld + 1; b <= 96; ++b)
            EXPECT_FALSE(Ueberlappen(Feld(feld), Feld(b))) << feld << " / " << b;
    }
    // Along the ring, from each turning field into its lane, and along the lanes.
    auto grenzen = [](int a, int b) {
        EXPECT_TRUE(Ueberlappen(Feld(a), Feld(b), 1.0)) << a << " -> " << b << " leave a gap";
    };
    for (int n = 1; n <= 68; ++n)
        grenzen(n, n % 68 + 1);
    for (int farbe = 1; farbe <= 4; ++farbe)
        for (int n = EinlaufVon(farbe) - 1; n < EinlaufVon(farbe) + 6; ++n)
            grenzen(n < EinlaufVon(farbe) ? WendefeldVon(farbe) : n, n + 1);
    // Each goal lies right behind the last field of its own lane, beside no other lane's end.
    for (int farbe = 1; farbe <= 4; ++farbe)
        for (int andere = 1; andere <= 4; ++andere) {
            bool nah = false;
            for (int platz = 1; platz <= 4; ++platz)
                nah = nah || Ueberlappen(Feld(EinlaufVon(andere) + 6),
                                         Umgebung(ZielfeldVon(farbe), platz), 30.0);
            EXPECT_EQ(nah, farbe == andere) << "goal " << farbe << ", lane end " << andere;
        }
}

// The dice, player indicators and scroll bars in the board's corners cover
// neither fields nor home circles.
TEST(Brettgeometrie, EckbedienelementeVerdeckenNichts) {
    for (int ecke = 0; ecke < 12; ++ecke) {
        const Vieleck element =
            ecke < 4   ? Rechteck(P(ecke & 1 ? 18 : 552, ecke & 2 ? 18 : 502), 31, 31)
            : ecke < 8 ? Rechteck(P(ecke & 1 ? 100 : 472, ecke & 2 ? 7 : 515), 49, 29)
                       : Rechteck(P(ecke & 1 ? 165 : 419, ecke & 2 ? 7 : 517), 17, 25);
        EXPECT_TRUE(Innen(Brettinneres, element)) << ecke;
        for (int feld = 1; feld <= 96; ++feld)
            EXPECT_FALSE(Ueberlappen(element, Feld(feld), 1.0)) << ecke << ": " << feld;
        for (int heim = 101; heim <= 104; ++heim)
            for (int platz = 1; platz <= 4; ++platz)
                EXPECT_FALSE(
                    Ueberlappen(element, Umgebung(heim, platz, Brett.Bilddaten[heim][1] + 1)))
                    << ecke << ": home " << heim << "/" << platz;
    }
}

} // namespace
} // namespace pelu::test
