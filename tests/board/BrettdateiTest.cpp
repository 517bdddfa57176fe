// The shipped data file: made by the generator, and the board it draws.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "board/Platzkoordinaten.h"
#include "data/Laden.h"
#include "game/Spielzustand.h"

namespace pelu {
namespace {

const std::string Datei = std::string(PELU_QUELLORDNER) + "/Peludaten.txt";
const Tabellen Brett = DatendateiLaden(Datei);

struct P { // a point in pixels
    double x, y;
};
using Vieleck = std::vector<P>;

Vieleck Feld(int feld) {
    const int16_t* z = &Brett.Bilddaten[feld][2];
    return {{1. * z[0], 1. * z[1]},
            {1. * z[2], 1. * z[3]},
            {1. * z[4], 1. * z[5]},
            {1. * z[6], 1. * z[7]}};
}

// Pixels x..x+breite-1 by y..y+hoehe-1, as a region of pixel centres.
Vieleck Rechteck(double x, double y, double breite, double hoehe) {
    return {{x, y}, {x + breite - 1, y}, {x + breite - 1, y + hoehe - 1}, {x, y + hoehe - 1}};
}

// The square of pixels around a slot: 15 wide for a figure, or a home circle's.
Vieleck Umgebung(int feld, int platz, int halb = 7) {
    const Punkt p = PlatzKoordinaten(Brett, int16_t(feld), int16_t(platz));
    return Rechteck(p.x - halb, p.y - halb, 2 * halb + 1, 2 * halb + 1);
}

// Whether every point lies strictly on the same side of every edge of v
// (eigene: v's own corners, each two edges on, which makes v strictly convex).
bool Innen(const Vieleck& v, const Vieleck& punkte, bool eigene = false) {
    for (size_t j = 0; j < punkte.size(); ++j) {
        int links = 0, rechts = 0;
        for (size_t i = 0; i < v.size(); ++i) {
            const P o = v[i], a = v[(i + 1) % v.size()];
            const P b = eigene ? v[(i + 2) % v.size()] : punkte[j];
            const double k = (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
            links += k > 1e-9;
            rechts += k < -1e-9;
        }
        if (links != int(v.size()) && rechts != int(v.size())) return false;
    }
    return true;
}

bool ImBrett(const Vieleck& v) { // the inner area, 597 x 547
    return Innen(Rechteck(-0.5, -0.5, 598, 548), v);
}

// Separating axes of two convex polygons: true unless some axis leaves a gap
// of at least `luecke` pixels between them (0: touching does not overlap).
bool Ueberlappen(const Vieleck& a, const Vieleck& b, double luecke = 0) {
    for (const Vieleck* v : {&a, &b})
        for (size_t i = 0; i < v->size(); ++i) {
            const P p = (*v)[i], q = (*v)[(i + 1) % v->size()];
            const double laenge = std::hypot(q.x - p.x, q.y - p.y);
            double lo[2] = {1e9, 1e9}, hi[2] = {-1e9, -1e9};
            for (int k = 0; k < 2 && laenge > 0; ++k)
                for (const P& r : k ? b : a) {
                    const double s = ((p.y - q.y) * r.x + (q.x - p.x) * r.y) / laenge;
                    lo[k] = std::min(lo[k], s), hi[k] = std::max(hi[k], s);
                }
            if (laenge > 0 && (hi[0] + luecke <= lo[1] + 1e-9 || hi[1] + luecke <= lo[0] + 1e-9))
                return false;
        }
    return true;
}

TEST(Brettdatei, GeneratorErzeugtDieEingecheckteDatei) {
    FILE* rohr = popen(PELU_BRETTGENERATOR, "r");
    ASSERT_NE(rohr, nullptr);
    std::string ausgabe;
    char block[4096];
    for (size_t n; (n = fread(block, 1, sizeof block, rohr)) > 0;)
        ausgabe.append(block, n);
    ASSERT_EQ(pclose(rohr), 0);
    std::stringstream datei;
    datei << std::ifstream(Datei, std::ios::binary).rdbuf();
    EXPECT_EQ(ausgabe, datei.str()) << "run tools/brettgenerator > Peludaten.txt";
}

// Fields are convex and do not overlap; figures on slots 1..4 stand inside their
// field, overflow figures inside the board; consecutive fields touch.
TEST(Brettgeometrie, KonvexeFelderOhneUeberlappungUndFigurenPassenDarauf) {
    for (int feld = 1; feld <= 96; ++feld) {
        EXPECT_TRUE(Innen(Feld(feld), Feld(feld), true) && ImBrett(Feld(feld))) << feld;
        for (int platz = 1; platz <= 9; ++platz)
            EXPECT_TRUE(platz > 4 ? ImBrett(Umgebung(feld, platz))
                                  : Innen(Feld(feld), Umgebung(feld, platz)))
                << feld << "/" << platz;
        for (int b = feld + 1; b <= 96; ++b)
            EXPECT_FALSE(Ueberlappen(Feld(feld), Feld(b))) << feld << " / " << b;
    }
    // Along the ring, from each turning field into its lane, and along the lanes.
    std::vector<std::pair<int, int>> paare;
    for (int n = 1; n <= 68; ++n)
        paare.push_back({n, n % 68 + 1});
    for (int farbe = 1; farbe <= 4; ++farbe)
        for (int n = EinlaufVon(farbe) - 1; n < EinlaufVon(farbe) + 6; ++n)
            paare.push_back({n < EinlaufVon(farbe) ? WendefeldVon(farbe) : n, n + 1});
    for (const auto& [a, b] : paare)
        EXPECT_TRUE(Ueberlappen(Feld(a), Feld(b), 1.0)) << a << " -> " << b << " leave a gap";
}

// Each goal lies right behind the last field of its own lane, beside no other
// lane's end; no two figures on slots 1..4 of fields, homes and goals cover each other.
TEST(Brettgeometrie, ZieleHinterIhremEinlaufUndFigurenGetrennt) {
    for (int farbe = 1; farbe <= 4; ++farbe)
        for (int andere = 1; andere <= 4; ++andere) {
            bool nah = false;
            for (int platz = 1; platz <= 4; ++platz)
                nah = nah || Ueberlappen(Feld(EinlaufVon(andere) + 6),
                                         Umgebung(ZielfeldVon(farbe), platz), 30.0);
            EXPECT_EQ(nah, farbe == andere) << "goal " << farbe << ", lane end " << andere;
        }
    std::vector<int> plaetze; // field * 100 + slot
    for (int feld = 1; feld <= 108; ++feld)
        for (int platz = 1; platz <= 4 && (feld <= 96 || feld > 100); ++platz)
            plaetze.push_back(100 * feld + platz);
    for (size_t i = 0; i < plaetze.size(); ++i)
        for (size_t j = i + 1; j < plaetze.size(); ++j)
            EXPECT_FALSE(Ueberlappen(Umgebung(plaetze[i] / 100, plaetze[i] % 100),
                                     Umgebung(plaetze[j] / 100, plaetze[j] % 100)))
                << plaetze[i] << " and " << plaetze[j] << " (field * 100 + slot)";
}

// The dice, player indicators and scroll bars in the board's corners cover
// neither fields nor home circles.
TEST(Brettgeometrie, EckbedienelementeVerdeckenNichts) {
    for (int ecke = 0; ecke < 12; ++ecke) {
        const bool links = ecke & 1, oben = ecke & 2;
        const Vieleck element = ecke < 4   ? Rechteck(links ? 18 : 552, oben ? 18 : 502, 31, 31)
                                : ecke < 8 ? Rechteck(links ? 100 : 472, oben ? 7 : 515, 49, 29)
                                           : Rechteck(links ? 165 : 419, oben ? 7 : 517, 17, 25);
        EXPECT_TRUE(ImBrett(element)) << ecke;
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
} // namespace pelu
