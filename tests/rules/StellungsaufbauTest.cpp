#include <gtest/gtest.h>

#include "Stellung.h"
#include "rules/Stellungsaufbau.h"

using namespace pelu;
using pelutest::Stellung;

TEST(WegAufFeld, VomWendefeldAusUndNurAufEigenenFeldern) {
    const int faelle[][3] = {{1, 5, 5},    {1, 68, 68}, {1, 4, 4},   {2, 66, 49},  {2, 17, 68},
                             {2, 1, 52},   {3, 32, 66}, {4, 56, 5},  {3, 83, 69},  {3, 89, 75},
                             {3, 107, 76}, {3, 103, 0}, {3, 82, -1}, {3, 106, -1}, {3, 101, -1},
                             {3, 97, -1},  {3, 0, -1}};
    for (const auto& [farbe, feld, weg] : faelle)
        EXPECT_EQ(WegAufFeld(farbe, int16_t(feld)), weg) << farbe << " on " << feld;
}

TEST(FigurenHinstellen, HeimBleibtLueckenlosUndUnmoeglicheFelderWerdenUebersprungen) {
    Stellung s("5:2 105:3 76:1 106:1 0:1 20:17,0");
    EXPECT_EQ(s[1].Feld, 101);
    EXPECT_EQ(s[1].Stapel, 1);
    EXPECT_EQ(s[4].Stapel, 2);
    EXPECT_EQ(s[4].Farbstapel, 2);
    EXPECT_EQ(s[4].Platz, 4);
    EXPECT_EQ(s[3].Weg, 76);
    EXPECT_EQ(s[3].Zustand, ZustandZiel);
}
