// Geometry of the shipped data file Peludaten.txt, as the loader reads it.
#include <gtest/gtest.h>

#include <string>

#include "Vieleck.h"
#include "board/Platzkoordinaten.h"
#include "data/Laden.h"

namespace pelu {
namespace {

using namespace test;

constexpr int Breite = 597; // inner area of the board
constexpr int Hoehe = 547;

const Tabellen& Brett() {
    static const Tabellen t = DatendateiLaden(std::string(PELU_QUELLORDNER) + "/Peludaten.txt");
    return t;
}

P Ort(int feld, int platz) {
    const Punkt p = PlatzKoordinaten(Brett(), int16_t(feld), int16_t(platz));
    return {double(p.x), double(p.y)};
}

bool ImBrett(const Vieleck& v) {
    for (const P& p : v)
        if (p.x < 0 || p.y < 0 || p.x > Breite - 1 || p.y > Hoehe - 1) return false;
    return true;
}

// Every place a figure stands on while nothing overflows: slots 1..4 of the
// fields, the home places and the goal places.
struct Figurplatz {
    int feld;
    int platz;
    P ort;
};
std::vector<Figurplatz> Figurplaetze() {
    std::vector<Figurplatz> plaetze;
    for (int feld = 1; feld <= 108; ++feld) {
        if (feld > 96 && feld <= 100) continue;
        for (int platz = 1; platz <= 4; ++platz)
            plaetze.push_back({feld, platz, Ort(feld, platz)});
    }
    return plaetze;
}

// The controls in the board's corners: dice, player indicators, scroll bars.
std::vector<Vieleck> Eckbedienelemente() {
    std::vector<Vieleck> r;
    for (int x : {18, 552})
        for (int y : {18, 502})
            r.push_back(Rechteck(x, y, 31, 31));
    for (int x : {100, 601 - 49 - 80}) {
        r.push_back(Rechteck(x, 7, 49, 29));
        r.push_back(Rechteck(x, 551 - 29 - 7, 49, 29));
    }
    for (int x : {165, 601 - 17 - 165}) {
        r.push_back(Rechteck(x, 7, 17, 25));
        r.push_back(Rechteck(x, 551 - 25 - 9, 17, 25));
    }
    return r;
}

TEST(Brettgeometrie, FelderSindKonvexeViereckeImBrett) {
    for (int feld = 1; feld <= 96; ++feld) {
        const Vieleck v = Feldvieleck(Brett(), feld);
        EXPECT_TRUE(StrengKonvex(v)) << feld;
        EXPECT_TRUE(ImBrett(v)) << feld;
    }
}

TEST(Brettgeometrie, KeineZweiFelderUeberlappen) {
    for (int a = 1; a <= 96; ++a)
        for (int b = a + 1; b <= 96; ++b)
            EXPECT_FALSE(Ueberlappen(Feldvieleck(Brett(), a), Feldvieleck(Brett(), b)))
                << a << " / " << b;
}

TEST(Brettgeometrie, AufeinanderfolgendeFelderGrenzenAneinander) {
    std::vector<std::pair<int, int>> paare;
    for (int n = 1; n <= 68; ++n)
        paare.push_back({n, n % 68 + 1});
    const int wende[] = {68, 17, 34, 51};
    for (int c = 0; c < 4; ++c) {
        const int einlauf = 69 + 7 * c;
        paare.push_back({wende[c], einlauf});
        for (int n = einlauf; n < einlauf + 6; ++n)
            paare.push_back({n, n + 1});
    }
    for (const auto& [a, b] : paare)
        EXPECT_GE(GemeinsamerRand(Feldvieleck(Brett(), a), Feldvieleck(Brett(), b)), 15.0)
            << a << " -> " << b;
}

TEST(Brettgeometrie, ZielLiegtAmEndeDerEigenenBahn) {
    for (int c = 1; c <= 4; ++c) {
        const int letztes = 68 + 7 * c;
        for (int platz = 1; platz <= 4; ++platz) {
            const P ziel = Ort(104 + c, platz);
            const double abstand = AbstandZumRand(ziel, Feldvieleck(Brett(), letztes));
            EXPECT_LT(abstand, 45.0) << c << "/" << platz;
            for (int feld = 1; feld <= 96; ++feld) {
                if (feld == letztes) continue;
                EXPECT_GT(AbstandZumRand(ziel, Feldvieleck(Brett(), feld)), abstand)
                    << c << "/" << platz << " nearer to field " << feld;
            }
        }
    }
}

TEST(Brettgeometrie, FigurenPassenAufIhrFeld) {
    for (int feld = 1; feld <= 96; ++feld)
        for (int platz = 1; platz <= 4; ++platz) {
            const P p = Ort(feld, platz);
            for (const P& ecke : Figurkasten(p.x, p.y))
                EXPECT_TRUE(Innen(ecke, Feldvieleck(Brett(), feld))) << feld << "/" << platz;
        }
}

TEST(Brettgeometrie, FigurenplaetzeUeberdeckenSichNicht) {
    const auto plaetze = Figurplaetze();
    for (size_t i = 0; i < plaetze.size(); ++i)
        for (size_t j = i + 1; j < plaetze.size(); ++j) {
            const auto& a = plaetze[i];
            const auto& b = plaetze[j];
            EXPECT_FALSE(Ueberlappen(Figurkasten(a.ort.x, a.ort.y), Figurkasten(b.ort.x, b.ort.y)))
                << a.feld << "/" << a.platz << " and " << b.feld << "/" << b.platz;
        }
}

TEST(Brettgeometrie, HeimUndZielLiegenNebenDenFeldern) {
    for (int feld = 101; feld <= 108; ++feld) {
        const double radius = feld <= 104 ? Brett().Bilddaten[feld][1] + 1 : 7 * std::sqrt(2.0);
        for (int platz = 1; platz <= 4; ++platz)
            for (int n = 1; n <= 96; ++n) {
                const Vieleck v = Feldvieleck(Brett(), n);
                const P p = Ort(feld, platz);
                EXPECT_FALSE(Innen(p, v)) << feld << "/" << platz << " on field " << n;
                EXPECT_GT(AbstandZumRand(p, v), radius) << feld << "/" << platz << " / " << n;
            }
    }
}

TEST(Brettgeometrie, UeberlaufPlaetzeBleibenImBrett) {
    for (int feld = 1; feld <= 96; ++feld)
        for (int platz = 5; platz <= 9; ++platz) {
            const P p = Ort(feld, platz);
            EXPECT_TRUE(ImBrett(Figurkasten(p.x, p.y))) << feld << "/" << platz;
        }
}

TEST(Brettgeometrie, EckbedienelementeVerdeckenNichts) {
    for (const Vieleck& element : Eckbedienelemente()) {
        EXPECT_TRUE(ImBrett(element));
        for (int feld = 1; feld <= 96; ++feld)
            EXPECT_FALSE(Ueberlappen(element, Feldvieleck(Brett(), feld), 1.0))
                << "field " << feld << " at " << element[0].x << "," << element[0].y;
        for (int heim = 101; heim <= 104; ++heim)
            for (int platz = 1; platz <= 4; ++platz) {
                const P p = Ort(heim, platz);
                const double r = Brett().Bilddaten[heim][1] + 1;
                EXPECT_FALSE(Ueberlappen(element, Rechteck(p.x - r, p.y - r, 2 * r + 1, 2 * r + 1)))
                    << "home " << heim << "/" << platz;
            }
    }
}

} // namespace
} // namespace pelu
