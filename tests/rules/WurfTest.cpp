#include <gtest/gtest.h>

#include <vector>

#include "Stellung.h"
#include "rules/Wurf.h"

using namespace pelu;
using pelutest::Stellung;

namespace {

// Gives the listed numbers in turn and counts the draws.
class Skript : public Zufallsquelle {
  public:
    explicit Skript(std::vector<float> werte) : werte_(std::move(werte)) {}
    float Rnd() override { return werte_.at(gezogen++); }
    std::size_t gezogen = 0;

  private:
    std::vector<float> werte_;
};

// r for which Int(6 r + 1) gives the face.
float Fuer(int augen) {
    return (static_cast<float>(augen) - 0.5f) / 6.0f;
}

} // namespace

TEST(WurfWert, MapsTheUnitIntervalOntoSixEqualFaces) {
    Stellung s;
    s.Setze(10, {1, 2});
    const float r[] = {0.0f, 0.1666f, 0.1667f, 0.5f, 0.8333f, 0.99999994f};
    const int16_t augen[] = {1, 1, 2, 4, 5, 6};
    for (int i = 0; i < 6; ++i) {
        Skript zufall({r[i]});
        EXPECT_EQ(WurfWert(s.Figur, 1, zufall), augen[i]) << "r = " << r[i];
    }
}

TEST(WurfWert, TwoOrFewerAtHomeDrawOnce) {
    Stellung s;
    s.Setze(10, {1, 2});
    Skript zufall({Fuer(3), Fuer(5)});
    EXPECT_EQ(WurfWert(s.Figur, 1, zufall), 3);
    EXPECT_EQ(zufall.gezogen, 1u);
}

TEST(WurfWert, ThreeAtHomeGetTwoTries) {
    Stellung s;
    s.Setze(10, {1});
    Skript zufall({Fuer(2), Fuer(4), Fuer(5)});
    EXPECT_EQ(WurfWert(s.Figur, 1, zufall), 4);
    EXPECT_EQ(zufall.gezogen, 2u);
}

TEST(WurfWert, FourAtHomeGetThreeTriesAndKeepTheLast) {
    Stellung s;
    Skript zufall({Fuer(6), Fuer(1), Fuer(3), Fuer(5)});
    EXPECT_EQ(WurfWert(s.Figur, 1, zufall), 3);
    EXPECT_EQ(zufall.gezogen, 3u);
}

TEST(WurfWert, StopsAtTheFirstFive) {
    Stellung s;
    Skript sofort({Fuer(5), Fuer(1)});
    EXPECT_EQ(WurfWert(s.Figur, 1, sofort), 5);
    EXPECT_EQ(sofort.gezogen, 1u);
    Skript zweiter({Fuer(2), Fuer(5), Fuer(1)});
    EXPECT_EQ(WurfWert(s.Figur, 1, zweiter), 5);
    EXPECT_EQ(zweiter.gezogen, 2u);
}

TEST(WurfWert, CountsOnlyTheRolledColoursHome) {
    Stellung s;
    s.Setze(22, {5, 6}); // colour 2 has two at home, colour 1 four
    Skript zufall({Fuer(2), Fuer(4)});
    EXPECT_EQ(WurfWert(s.Figur, 2, zufall), 2);
    EXPECT_EQ(zufall.gezogen, 1u);
}

TEST(WurfWert, OutOfPlayAndStrayValuesStillGiveAFace) {
    Stellung s({0, 5, 6, 7}); // colour 1 out of play: state 0, one draw
    Skript zufall({1.0f, -0.5f});
    EXPECT_EQ(WurfWert(s.Figur, 1, zufall), 6);
    EXPECT_EQ(zufall.gezogen, 1u);
    EXPECT_EQ(WurfWert(s.Figur, 1, zufall), 1);
}
