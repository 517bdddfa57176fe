#include <gtest/gtest.h>

#include "game/Rundung.h"
#include "game/Spielzustand.h"

namespace {

TEST(Rundung, HalbeZurGeradenZahlUndIntAbwaerts) {
    for (const auto& [wert, erwartet] : std::vector<std::pair<double, int>>{{2.5, 2},
                                                                            {3.5, 4},
                                                                            {4.5, 4},
                                                                            {-2.5, -2},
                                                                            {-3.5, -4},
                                                                            {2.51, 3},
                                                                            {-0.4, 0},
                                                                            {32767.4, 32767},
                                                                            {-32768.5, -32768}})
        EXPECT_EQ(pelu::RundeGerade(wert), erwartet) << wert;
    for (const auto& [wert, erwartet] :
         std::vector<std::pair<double, int>>{{2.9, 2}, {-2.1, -3}, {-2.0, -2}, {0.999, 0}})
        EXPECT_EQ(pelu::Int(wert), erwartet) << wert;
    // The board centre: the inner size rounded, halved, plus one.
    EXPECT_EQ(pelu::BrettMitte(597), 299);
    EXPECT_EQ(pelu::BrettMitte(596.5), 299);
    EXPECT_EQ(pelu::BrettMitte(597.5), 300);
}

TEST(Spielzustand, Startwerte) {
    pelu::Spielzustand z;
    z.Einstellung.fill(77);
    z.Farbe.fill(77);
    pelu::StartwerteSetzen(z, 299, 274, 7);
    EXPECT_TRUE(z.Massstab == 1.0f && z.Tempo == 8.0f && z.ProgrammFrei);
    const int16_t einstellung[21] = {0, 0, 8, 2, 2, 0, 0, 0, 0, 299, 274, 0, 7};
    for (int i = 0; i <= 20; ++i)
        EXPECT_EQ(z.Einstellung[i], einstellung[i]) << "Einstellung " << i;
    const int16_t farbe[31] = {0, 0, 7, 14, 6, 8, 15, 0,  15, 3, 0, 9, 10, 5, 12, 0,
                               0, 0, 0, 0,  0, 1, 2,  13, 4,  0, 0, 0, 0,  0, 0};
    for (int i = 0; i <= 30; ++i)
        EXPECT_EQ(z.Farbe[i], farbe[i]) << "Farbe " << i;
}

} // namespace
