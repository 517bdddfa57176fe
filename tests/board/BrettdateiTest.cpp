// The shipped data file: made by the generator, and what its tables mean.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <set>
#include <sstream>
#include <string>

#include "Vieleck.h"
#include "data/Laden.h"
#include "game/Spielzustand.h"

namespace pelu {
namespace {

using namespace test;

const std::string Datei = std::string(PELU_QUELLORDNER) + "/Peludaten.txt";

const Tabellen& Brett() {
    static const Tabellen t = DatendateiLaden(Datei);
    return t;
}

P Schwerpunkt(int feld) {
    P s;
    for (const P& p : Feldvieleck(Brett(), feld)) {
        s.x += p.x / 4;
        s.y += p.y / 4;
    }
    return s;
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

TEST(Brettdatei, BankenUndFeldarten) {
    const std::set<int> banken(Brett().Bankdaten + 1, Brett().Bankdaten + 13);
    EXPECT_EQ(banken, (std::set<int>{5, 12, 17, 22, 29, 34, 39, 46, 51, 56, 63, 68}));
    for (int farbe = 1; farbe <= 4; ++farbe) {
        EXPECT_EQ(Brett().Bilddaten[AusgangsfeldVon(farbe)][10], farbe) << farbe;
        for (int n = EinlaufVon(farbe); n < EinlaufVon(farbe) + 7; ++n)
            EXPECT_EQ(Brett().Bilddaten[n][10], farbe) << n;
    }
    for (int n = 1; n <= 68; ++n) {
        if (n % 17 == 5) continue; // exit fields, in their colour
        EXPECT_EQ(Brett().Bilddaten[n][10], banken.count(n) ? 6 : 5) << n;
    }
}

TEST(Brettdatei, StreckeLaeuftGegenDenUhrzeigersinn) {
    const P mitte{299, 274};
    double drehung = 0;
    auto winkel = [&](int n) {
        const P s = Schwerpunkt(n);
        return std::atan2(-(s.y - mitte.y), s.x - mitte.x); // y up, as on a clock face
    };
    for (int n = 1; n <= 68; ++n) {
        double schritt = winkel(n % 68 + 1) - winkel(n);
        if (schritt > std::numbers::pi) schritt -= 2 * std::numbers::pi;
        if (schritt < -std::numbers::pi) schritt += 2 * std::numbers::pi;
        EXPECT_GE(schritt, 0) << n;
        drehung += schritt;
    }
    EXPECT_NEAR(drehung, 2 * std::numbers::pi, 1e-9);

    // Ends of the arms: 68 left, 17 bottom, 34 right, 51 top; 1..8 below the left arm's middle.
    double xMin = 1e9, xMax = -1e9, yMin = 1e9, yMax = -1e9;
    for (int n = 1; n <= 96; ++n) {
        xMin = std::min(xMin, Schwerpunkt(n).x);
        xMax = std::max(xMax, Schwerpunkt(n).x);
        yMin = std::min(yMin, Schwerpunkt(n).y);
        yMax = std::max(yMax, Schwerpunkt(n).y);
    }
    EXPECT_EQ(Schwerpunkt(68).x, xMin);
    EXPECT_EQ(Schwerpunkt(17).y, yMax);
    EXPECT_EQ(Schwerpunkt(34).x, xMax);
    EXPECT_EQ(Schwerpunkt(51).y, yMin);
    for (int n = 1; n <= 8; ++n)
        EXPECT_GT(Schwerpunkt(n).y, Schwerpunkt(68).y) << n;
}

TEST(Brettdatei, BahnenFuehrenZurMitteUndHeimeLiegenInDenEcken) {
    const P mitte{299, 274};
    auto abstand = [&](P p) { return std::hypot(p.x - mitte.x, p.y - mitte.y); };
    for (int farbe = 1; farbe <= 4; ++farbe) {
        double vorher = abstand(Schwerpunkt(WendefeldVon(farbe)));
        for (int n = EinlaufVon(farbe); n < EinlaufVon(farbe) + 7; ++n) {
            EXPECT_LT(abstand(Schwerpunkt(n)), vorher) << n;
            vorher = abstand(Schwerpunkt(n));
        }
    }
    // Homes of colours 1..4: bottom left, bottom right, top right, top left.
    const int seiteX[] = {-1, 1, 1, -1};
    const int seiteY[] = {1, 1, -1, -1};
    for (int farbe = 1; farbe <= 4; ++farbe)
        for (int platz = 1; platz <= 4; ++platz) {
            const auto& z = Brett().Bilddaten[100 + farbe];
            EXPECT_GT(seiteX[farbe - 1] * (z[2 * platz] - mitte.x), 100) << farbe;
            EXPECT_GT(seiteY[farbe - 1] * (z[2 * platz + 1] - mitte.y), 100) << farbe;
        }
}

// Priority of a pair of danger categories, as the computer looks it up.
int Prioritaet(int ziel, int jetzt) {
    int p = 0;
    for (int k = 1; k <= 36; ++k)
        if (Brett().Taktikdaten[k][0] == ziel && Brett().Taktikdaten[k][1] == jetzt)
            p = Brett().Taktikdaten[k][2];
    return p;
}

TEST(Brettdatei, TaktikHatJedesPaarEinmal) {
    std::set<std::pair<int, int>> paare;
    for (int k = 1; k <= 36; ++k) {
        paare.insert({Brett().Taktikdaten[k][0], Brett().Taktikdaten[k][1]});
        EXPECT_GE(Brett().Taktikdaten[k][2], 1) << k;
        EXPECT_LE(Brett().Taktikdaten[k][2], 36) << k;
    }
    EXPECT_EQ(paare.size(), 36u);
    EXPECT_EQ(*paare.begin(), std::pair(0, 0));
    EXPECT_EQ(*paare.rbegin(), std::pair(5, 5));
}

TEST(Brettdatei, TaktikSuchtSicherheit) {
    constexpr int Bahnzug = 21; // a move inside the lane
    for (int jetzt = 0; jetzt <= 5; ++jetzt)
        for (int ziel = 0; ziel < 5; ++ziel)
            EXPECT_LT(Prioritaet(ziel, jetzt), Prioritaet(ziel + 1, jetzt))
                << "a safer target is better: " << ziel << "," << jetzt;
    for (int ziel = 0; ziel <= 5; ++ziel)
        for (int jetzt = 0; jetzt < 5; ++jetzt)
            EXPECT_GT(Prioritaet(ziel, jetzt), Prioritaet(ziel, jetzt + 1))
                << "leaving more danger is better: " << ziel << "," << jetzt;
    // Reaching safety from danger beats a safe step; a safe step beats the
    // lane; stepping into danger comes after the lane.
    for (int jetzt = 1; jetzt <= 5; ++jetzt)
        EXPECT_LT(Prioritaet(0, jetzt), Prioritaet(0, 0));
    EXPECT_LT(Prioritaet(0, 0), 17) << "a safe step moves the most advanced figure";
    for (int ziel = 1; ziel <= 5; ++ziel)
        EXPECT_GT(Prioritaet(ziel, 0), Bahnzug);
}

} // namespace
} // namespace pelu
