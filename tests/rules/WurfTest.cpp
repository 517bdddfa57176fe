#include <gtest/gtest.h>

#include "Stellung.h"
#include "harness/Skriptwuerfel.h"
#include "rules/Wurf.h"

namespace pelu::test {

TEST(WurfWert, ZusatzversucheFuerDieFuenfNachFigurenImHaus) {
    // Position, colour, draws, face, draws used; r = (face - 0.5) / 6: 0.08, 0.25, 0.42,
    // 0.58, 0.75 and 0.92 give 1 to 6.
    const std::tuple<const char*, int, std::vector<float>, int16_t, std::size_t> faelle[] = {
        {"10:1,2", 1, {0.42f, 0.75f}, 3, 1},
        {"10:1", 1, {0.25f, 0.58f, 0.75f}, 4, 2},
        {"", 1, {0.92f, 0.08f, 0.42f, 0.75f}, 3, 3},
        {"", 1, {0.25f, 0.75f, 0.08f}, 5, 2},
        {"22:5,6", 2, {0.25f, 0.58f}, 2, 1},
        {"spieler:0,5,6,7", 1, {0.25f, 0.58f}, 2, 1}, // out of play: one draw
        {"10:1,2", 1, {0.1666f}, 1, 1},
        {"10:1,2", 1, {0.1667f}, 2, 1},
        {"10:1,2", 1, {1.0f}, 6, 1}}; // a stray value still gives a face
    for (const auto& [stellung, farbe, r, augen, versuche] : faelle) {
        SCOPED_TRACE(testing::Message() << stellung << " " << r[0]);
        Stellung s(stellung);
        Skriptwuerfel zufall;
        zufall.Zahlen(r);
        EXPECT_EQ(WurfWert(s.Figur, farbe, zufall), augen);
        EXPECT_EQ(zufall.Versuche(), versuche);
    }
}

} // namespace pelu::test
