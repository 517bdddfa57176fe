// The shipped data file: made by the generator, and what its tables mean.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "Vieleck.h"
#include "board/Platzkoordinaten.h"
#include "data/Laden.h"
#include "game/Spielzustand.h"

namespace pelu {
namespace {

using namespace test;

const std::string Datei = std::string(PELU_QUELLORDNER) + "/Peludaten.txt";
constexpr int Breite = 597; // inner area of the board
constexpr int Hoehe = 547;

const Tabellen& Brett() {
    static const Tabellen t = DatendateiLaden(Datei);
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

TEST(Brettdatei, GeneratorErzeugtDieEingecheckteDatei) {
    FILE* rohr = popen(PELU_BRETTGENERATOR, "r");
    ASSERT_NE(rohr, nullptr);
    std::string ausgabe;
    char block[4096];
    for (size_t n; (n = fread(block, 1, sizeof block, rohr)) > 0;)
        ausgabe.append(block, n);
    ASSERT_EQ(pclose(rohr), 0);
    std::ifstream ein(Datei, std::ios::binary);
    std::stringstream datei;
    datei << ein.rdbuf();
    EXPECT_EQ(ausgabe, datei.str()) << "run tools/brettgenerator > Peludaten.txt";
}

// A pair without a row would silently get priority 0 and end every choice.
TEST(Brettdatei, JedesPaarVonGefahrkategorienHatEineTaktikzeile) {
    std::set<std::pair<int, int>> paare;
    for (int k = 1; k <= 36; ++k)
        paare.insert({Brett().Taktikdaten[k][0], Brett().Taktikdaten[k][1]});
    EXPECT_EQ(paare.size(), 36u);
    EXPECT_EQ(*paare.begin(), std::pair(0, 0));
    EXPECT_EQ(*paare.rbegin(), std::pair(5, 5));
}

TEST(Brettgeometrie, KonvexeFelderImBrettUndFigurenPassenDarauf) {
    for (int feld = 1; feld <= 96; ++feld) {
        const Vieleck v = Feldvieleck(Brett(), feld);
        EXPECT_TRUE(StrengKonvex(v)) << feld;
        EXPECT_TRUE(ImBrett(v)) << feld;
        for (int platz = 1; platz <= 9; ++platz) {
            const P p = Ort(feld, platz);
            const Vieleck kasten = Figurkasten(p.x, p.y);
            EXPECT_TRUE(ImBrett(kasten)) << feld << "/" << platz;
            for (const P& ecke : kasten)
                EXPECT_TRUE(platz > 4 || Innen(ecke, v)) << feld << "/" << platz;
        }
    }
}

TEST(Brettgeometrie, KeineUeberlappungenUndFolgefelderGrenzenAneinander) {
    for (int a = 1; a <= 96; ++a)
        for (int b = a + 1; b <= 96; ++b)
            EXPECT_FALSE(Ueberlappen(Feldvieleck(Brett(), a), Feldvieleck(Brett(), b)))
                << a << " / " << b;
    // Along the ring, from each turning field into its lane, and along the lanes.
    std::vector<std::pair<int, int>> paare;
    for (int n = 1; n <= 68; ++n)
        paare.push_back({n, n % 68 + 1});
    for (int farbe = 1; farbe <= 4; ++farbe) {
        paare.push_back({WendefeldVon(farbe), EinlaufVon(farbe)});
        for (int n = EinlaufVon(farbe); n < EinlaufVon(farbe) + 6; ++n)
            paare.push_back({n, n + 1});
    }
    for (const auto& [a, b] : paare)
        EXPECT_GE(GemeinsamerRand(Feldvieleck(Brett(), a), Feldvieleck(Brett(), b)), 15.0)
            << a << " -> " << b;
    // Each goal lies right behind the last field of its own lane, beside no other lane's end.
    for (int farbe = 1; farbe <= 4; ++farbe)
        for (int andere = 1; andere <= 4; ++andere) {
            const Vieleck laneEnde = Feldvieleck(Brett(), EinlaufVon(andere) + 6);
            bool nah = false;
            for (int platz = 1; platz <= 4; ++platz) {
                const P p = Ort(ZielfeldVon(farbe), platz);
                nah = nah || Ueberlappen(laneEnde, Figurkasten(p.x, p.y), 30.0);
            }
            EXPECT_EQ(nah, farbe == andere) << "goal " << farbe << ", lane end " << andere;
        }
    // No two figures standing on slots 1..4 of the fields, the homes and the goals cover each
    // other.
    std::vector<std::pair<int, P>> plaetze;
    for (int feld = 1; feld <= 108; ++feld)
        for (int platz = 1; platz <= 4 && (feld <= 96 || feld > 100); ++platz)
            plaetze.push_back({100 * feld + platz, Ort(feld, platz)});
    for (size_t i = 0; i < plaetze.size(); ++i)
        for (size_t j = i + 1; j < plaetze.size(); ++j) {
            const P a = plaetze[i].second, b = plaetze[j].second;
            EXPECT_FALSE(Ueberlappen(Figurkasten(a.x, a.y), Figurkasten(b.x, b.y)))
                << plaetze[i].first << " and " << plaetze[j].first << " (field * 100 + slot)";
        }
}

// The dice, player indicators and scroll bars in the board's corners.
TEST(Brettgeometrie, EckbedienelementeVerdeckenNichts) {
    std::vector<Vieleck> elemente;
    for (int x : {18, 552})
        for (int y : {18, 502})
            elemente.push_back(Rechteck(x, y, 31, 31));
    for (int x : {100, 601 - 49 - 80})
        for (int y : {7, 551 - 29 - 7})
            elemente.push_back(Rechteck(x, y, 49, 29));
    for (int x : {165, 601 - 17 - 165})
        for (int y : {7, 551 - 25 - 9})
            elemente.push_back(Rechteck(x, y, 17, 25));
    for (const Vieleck& element : elemente) {
        SCOPED_TRACE(testing::Message() << element[0].x << "," << element[0].y);
        EXPECT_TRUE(ImBrett(element));
        for (int feld = 1; feld <= 96; ++feld)
            EXPECT_FALSE(Ueberlappen(element, Feldvieleck(Brett(), feld), 1.0)) << feld;
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
