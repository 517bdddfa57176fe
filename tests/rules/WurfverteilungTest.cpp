// The dice are fair: the real random source's faces are spread evenly, and
// the roll with its extra tries for a 5 gives each face as often as those
// tries make it. Seeded, so the verdict is fixed; the threshold is the
// chi-square value a fair die exceeds once in a thousand runs.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "Stellung.h"
#include "harness/Skriptwuerfel.h"
#include "rules/Wurf.h"

namespace pelu::test {

namespace {

constexpr int Wuerfe = 60000;
constexpr double Schwelle = 20.52; // chi-square, 5 degrees of freedom, p = 0.001

// Pearson's chi-square of the counted faces 1..6 against the chances `p`.
double ChiQuadrat(const std::array<int, 7>& anzahl, const std::array<double, 7>& p) {
    double chi = 0.0;
    for (int a = 1; a <= 6; ++a) {
        const double erwartet = Wuerfe * p[a];
        chi += (anzahl[a] - erwartet) * (anzahl[a] - erwartet) / erwartet;
    }
    return chi;
}

// The chances of the faces with `versuche` tries for a 5: the 5 comes in
// any of them, another face only as the last after no 5.
std::array<double, 7> Chancen(int versuche) {
    const double keineFuenf = std::pow(5.0 / 6.0, versuche - 1);
    std::array<double, 7> p{};
    for (int a = 1; a <= 6; ++a)
        p[a] = keineFuenf / 6.0;
    p[5] = 1.0 - 5.0 * p[1];
    return p;
}

TEST(Wurfverteilung, ZufallsquelleGibtJedeAugenzahlGleichOft) {
    Zufallsgenerator zufall(20261207);
    std::array<int, 7> anzahl{};
    for (int i = 0; i < Wuerfe; ++i)
        ++anzahl[static_cast<std::size_t>(Augenzahl(zufall.Rnd()))];
    EXPECT_LT(ChiQuadrat(anzahl, Chancen(1)), Schwelle);
}

// pelu-sim's games each draw from a stream of their own: taken together,
// a few rolls from each of many games are as even as one long stream.
TEST(Wurfverteilung, SpielstroemeGebenJedeAugenzahlGleichOft) {
    Skriptwuerfel wuerfel(7);
    std::array<int, 7> anzahl{};
    for (int spiel = 1; spiel <= Wuerfe / 6; ++spiel) {
        wuerfel.NeuesSpiel(spiel);
        for (int i = 0; i < 6; ++i)
            ++anzahl[static_cast<std::size_t>(Augenzahl(wuerfel.Rnd()))];
    }
    EXPECT_LT(ChiQuadrat(anzahl, Chancen(1)), Schwelle);
}

// As the game rolls: with two, three or four figures at home one, two or
// three tries for the 5.
TEST(Wurfverteilung, WurfMitZusatzversuchenWieErwartet) {
    const std::pair<const char*, int> faelle[] = {{"10:1,2", 1}, {"10:1", 2}, {"", 3}};
    for (const auto& [stellung, versuche] : faelle) {
        SCOPED_TRACE(stellung);
        const Stellung s(stellung);
        Zufallsgenerator zufall(static_cast<uint64_t>(versuche));
        std::array<int, 7> anzahl{};
        for (int i = 0; i < Wuerfe; ++i)
            ++anzahl[static_cast<std::size_t>(WurfWert(s.Figur, 1, zufall))];
        EXPECT_LT(ChiQuadrat(anzahl, Chancen(versuche)), Schwelle);
    }
}

} // namespace

} // namespace pelu::test
