#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "data/Val.h"

namespace {

// Spaces anywhere are ignored; reading stops at the first character that
// cannot continue the number; a text that is no number gives 0; hexadecimal
// and octal stop at the first digit they cannot use; far too large or small
// numbers give an infinity or 0, never undefined behaviour.
TEST(Val, LiestDieZahlAmTextanfang) {
    // clang-format off
    const std::pair<std::string, double> faelle[] = {
        {"12", 12}, {" -7", -7}, {"+7", 7}, {"1 2 3", 123}, {"- 5", -5}, {"1\t0", 10},
        {".25", 0.25}, {"-.5", -0.5}, {"1.2.3", 1.2}, {"1,5", 1}, {"7 ' sieben", 7},
        {"1.5E1", 15}, {"2D2", 200}, {"2d-1", 0.2}, {"3e+2", 300}, {"1E-", 1}, {"5 E 1", 50},
        {"", 0}, {"data 7", 0}, {"--5", 0}, {"+-5", 0}, {".", 0}, {"E5", 0}, {"&X12", 0},
        {"-&H10", 0}, {"&hff", 255}, {"& H 1 0", 16}, {"&H1G", 1}, {"&H", 0}, {"&O17", 15},
        {"&o18", 1}, {"&HFFFF", 65535}, {"1E400", HUGE_VAL}, {"-1E99999999999999999999", -HUGE_VAL},
        {std::string(400, '9'), HUGE_VAL}, {"&H" + std::string(300, 'F'), HUGE_VAL},
        {"1E-400", 0}, {"0." + std::string(400, '0') + "1E405", 1e4}, {"0E99999", 0}};
    // clang-format on
    for (const auto& [text, wert] : faelle)
        EXPECT_DOUBLE_EQ(pelu::Val(text), wert) << '"' << text << '"';
}

} // namespace
