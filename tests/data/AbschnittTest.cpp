// Finding sections and filling the three tables.
#include <gtest/gtest.h>

#include "Testtexte.h"

namespace pelu::test {

namespace {

TEST(Abschnitte, BeliebigeReihenfolgeErsterKopfZaehltZeilenInPixeln) {
    const std::string bild = "  \t\"bilddaten:\"\nDATA 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 3\n"
                             "DATA 7, 3, 300, 330, -1, 1, -100, -50, 2.5, 0, 6\n"
                             "DATA 9, 1, 0,0,0,0,0,0,0,0, 5\nDATA 130, 4, 0,0,0,0,0,0,0,0, 8\n"
                             "DATA 9, 2, 0,0,0,0,0,0,0,0, 6\nDATA 0\n";
    const pelu::Tabellen t =
        Laden("Vorspann, mit Komma\n' Kommentar\n" + Taktik() +
              "Zwischentext\nbankdaten: Text hinter dem Doppelpunkt\n"
              "DATA 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 42\nnoch Text\n" +
              bild + "bankdaten:\nDATA 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7\nSchluss");
    EXPECT_EQ(t.Bankdaten[12], 42) << "a second header of a section is never reached";
    for (int i = 1; i <= 36; ++i)
        EXPECT_TRUE(t.Taktikdaten[i][0] == i && t.Taktikdaten[i][1] == -i &&
                    t.Taktikdaten[i][2] == 1000 + i)
            << i;
    // x * 640/600 + 299, y * 480/330 + 274; 2.5 is 2 before scaling.
    const int16_t erwartet[12] = {0, 3, 619, 754, 298, 275, 192, 201, 301, 274, 6, 0};
    for (int j = 0; j < 12; ++j)
        EXPECT_EQ(t.Bilddaten[7][j], erwartet[j]) << j;
    EXPECT_EQ(t.Bilddaten[0][1], 5) << "a section starting with field 0 fills row 0";
    EXPECT_EQ(t.Bilddaten[0][2], 299);
    EXPECT_EQ(t.Bilddaten[9][1], 2) << "the later record wins";
    EXPECT_EQ(t.Bilddaten[9][10], 6);
    EXPECT_EQ(t.Bilddaten[130][10], 8);
    // The centre comes from the caller.
    const pelu::Tabellen um0 = pelu::DatentextLaden(
        Text("bilddaten:\nDATA 3, 0, 15, 11, -15, -11, 0, 0, 0, 0, 0\nDATA 0\n"), "t", 0, 100);
    EXPECT_EQ(um0.Bilddaten[3][2], 16);
    EXPECT_EQ(um0.Bilddaten[3][5], 84);
}

} // namespace

} // namespace pelu::test
