#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "data/Val.h"

namespace {

struct Fall {
    const char* text;
    double wert;
};

class ValFall : public testing::TestWithParam<Fall> {};

TEST_P(ValFall, LiestDieZahlAmTextanfang) {
    EXPECT_DOUBLE_EQ(pelu::Val(GetParam().text), GetParam().wert) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Dezimal, ValFall,
                         testing::Values(Fall{"12", 12}, Fall{" 12", 12}, Fall{"-7", -7},
                                         Fall{"+7", 7}, Fall{"1 2 3", 123}, Fall{"- 5", -5},
                                         Fall{"1\t0", 10}, Fall{"4.5", 4.5}, Fall{".25", 0.25},
                                         Fall{"-.5", -0.5}, Fall{"1.2.3", 1.2}, Fall{"1,5", 1},
                                         Fall{"12abc", 12}, Fall{"7 ' sieben", 7},
                                         Fall{"1.5E1", 15}, Fall{"2D2", 200}, Fall{"2d-1", 0.2},
                                         Fall{"3e+2", 300}, Fall{"1E", 1}, Fall{"1E-", 1},
                                         Fall{"5 E 1", 50}, Fall{"000123", 123}));

INSTANTIATE_TEST_SUITE_P(KeineZahl, ValFall,
                         testing::Values(Fall{"", 0}, Fall{"abc", 0}, Fall{"data 7", 0},
                                         Fall{"--5", 0}, Fall{"+-5", 0}, Fall{".", 0},
                                         Fall{"E5", 0}, Fall{"-", 0}, Fall{"&", 0}, Fall{"&X12", 0},
                                         Fall{"-&H10", 0}));

INSTANTIATE_TEST_SUITE_P(HexUndOktal, ValFall,
                         testing::Values(Fall{"&H1F", 31}, Fall{"&hff", 255}, Fall{"& H 1 0", 16},
                                         Fall{"&H1G", 1}, Fall{"&H", 0}, Fall{"&O17", 15},
                                         Fall{"&o18", 1}, Fall{"&HFFFF", 65535}));

TEST(Val, RiesigeZahlenWerdenUnendlichWinzigeNull) {
    EXPECT_EQ(pelu::Val("1E400"), HUGE_VAL);
    EXPECT_EQ(pelu::Val("-1E99999999999999999999"), -HUGE_VAL);
    EXPECT_EQ(pelu::Val(std::string(400, '9')), HUGE_VAL);
    EXPECT_EQ(pelu::Val("&H" + std::string(300, 'F')), HUGE_VAL);
    EXPECT_EQ(pelu::Val("1E-400"), 0.0);
    EXPECT_EQ(pelu::Val("0." + std::string(400, '0') + "1E-300"), 0.0);
    EXPECT_EQ(pelu::Val("0." + std::string(400, '0') + "1E405"), 1e4);
    EXPECT_EQ(pelu::Val("0E99999"), 0.0);
}

} // namespace
