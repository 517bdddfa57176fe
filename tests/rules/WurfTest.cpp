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

} // namespace

TEST(WurfWert, ZusatzversucheFuerDieFuenfNachFigurenImHaus) {
    // r = (face - 0.5) / 6: 0.08, 0.25, 0.42, 0.58, 0.75 and 0.92 give 1 to 6.
    const struct {
        const char* stellung;
        int farbe;
        std::vector<float> r;
        int16_t augen;
        std::size_t versuche;
    } faelle[] = {{"10:1,2", 1, {0.42f, 0.75f}, 3, 1},
                  {"10:1", 1, {0.25f, 0.58f, 0.75f}, 4, 2},
                  {"", 1, {0.92f, 0.08f, 0.42f, 0.75f}, 3, 3},
                  {"", 1, {0.75f, 0.08f}, 5, 1},
                  {"", 1, {0.25f, 0.75f, 0.08f}, 5, 2},
                  {"22:5,6", 2, {0.25f, 0.58f}, 2, 1},
                  {"spieler:0,5,6,7", 1, {0.25f, 0.58f}, 2, 1}, // out of play: one draw
                  {"10:1,2", 1, {0.1666f}, 1, 1},
                  {"10:1,2", 1, {0.1667f}, 2, 1},
                  {"10:1,2", 1, {0.8333f}, 5, 1},
                  {"10:1,2", 1, {0.99999994f}, 6, 1},
                  {"10:1,2", 1, {1.0f}, 6, 1}, // stray values still give a face
                  {"10:1,2", 1, {-0.5f}, 1, 1}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(testing::Message() << fall.stellung << " " << fall.r[0]);
        Stellung s(fall.stellung);
        Skript zufall(fall.r);
        EXPECT_EQ(WurfWert(s.Figur, fall.farbe, zufall), fall.augen);
        EXPECT_EQ(zufall.gezogen, fall.versuche);
    }
}
