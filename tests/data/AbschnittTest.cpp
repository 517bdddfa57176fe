// Finding sections and filling the three tables.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Testtexte.h"
#include "data/Laden.h"

namespace {

using namespace testtexte;

TEST(Abschnitte, BeliebigeReihenfolgeMitTextDavorUndDazwischen) {
    const std::string zweiterKopf = "bankdaten:\nDATA 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7\n";
    const pelu::Tabellen t = Laden("Vorspann, mit Komma\n' Kommentar\n" + Taktik() +
                                   "Zwischentext\nbankdaten: Text hinter dem Doppelpunkt\n"
                                   "DATA 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 42\nnoch Text\n" +
                                   "  \t\"bilddaten:\"\nDATA 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 7\n" +
                                   "DATA 0\n" + zweiterKopf + "Schluss");
    EXPECT_EQ(t.Bankdaten[12], 42) << "a second header of a section is never reached";
    EXPECT_EQ(t.Bilddaten[1][10], 7);
    for (int i = 1; i <= 36; ++i) {
        EXPECT_EQ(t.Taktikdaten[i][0], i);
        EXPECT_EQ(t.Taktikdaten[i][1], -i);
        EXPECT_EQ(t.Taktikdaten[i][2], 1000 + i);
        EXPECT_EQ(t.Taktikdaten[i][3], 0);
    }
    EXPECT_EQ(t.Taktikdaten[0][2], 0);
    EXPECT_EQ(t.Bankdaten[0], 0);
    EXPECT_EQ(t.Bankdaten[13], 0);
}

TEST(Abschnitte, AbschnittEndetNichtAmNaechstenKopf) {
    // Too few bench values: the next header reads as 0, then the tactic rows.
    const pelu::Tabellen t = Laden(Text(Bild, "bankdaten:\nDATA 1, 2\n"));
    EXPECT_EQ(t.Bankdaten[3], 0);
    EXPECT_EQ(t.Bankdaten[4], 1);
    EXPECT_EQ(t.Bankdaten[5], -1);
}

TEST(Bilddaten, RechnetInPixelUmUndFuelltNurGenannteZeilen) {
    const pelu::Tabellen t =
        Laden(Text("bilddaten:\nDATA 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 3\n"
                   "DATA 7, 3, 300, 330, -1, 1, -100, -50, 2.5, 0, 6\n"
                   "DATA 9, 1, 0,0,0,0,0,0,0,0, 5\nDATA 130, 4, 0,0,0,0,0,0,0,0, 8\n"
                   "DATA 9, 2, 0,0,0,0,0,0,0,0, 6\nDATA 0\n"));
    // x * 640/600 + 299, y * 480/330 + 274; 2.5 is 2 before scaling.
    const int16_t erwartet[12] = {0, 3, 619, 754, 298, 275, 192, 201, 301, 274, 6, 0};
    for (int j = 0; j < 12; ++j)
        EXPECT_EQ(t.Bilddaten[7][j], erwartet[j]) << j;
    EXPECT_EQ(t.Bilddaten[0][1], 5) << "a section starting with field 0 fills row 0";
    EXPECT_EQ(t.Bilddaten[0][2], 299);
    EXPECT_EQ(t.Bilddaten[9][1], 2) << "the later record wins";
    EXPECT_EQ(t.Bilddaten[9][10], 6);
    EXPECT_EQ(t.Bilddaten[130][10], 8);
    for (int n : {1, 8, 10, 129})
        for (int j = 0; j < 12; ++j)
            EXPECT_EQ(t.Bilddaten[n][j], 0) << n << "," << j;
    // The centre comes from the caller.
    const pelu::Tabellen um0 = pelu::DatentextLaden(
        Text("bilddaten:\nDATA 3, 0, 15, 11, -15, -11, 0, 0, 0, 0, 0\nDATA 0\n"), "t", 0, 100);
    EXPECT_EQ(um0.Bilddaten[3][2], 16);
    EXPECT_EQ(um0.Bilddaten[3][5], 84);
}

TEST(Tabellen, ZeilenumbruecheDerTaktikdatenBedeutenNichts) {
    std::string taktik = "taktikdaten:\nDATA ";
    for (int k = 0; k < 108; ++k)
        taktik += std::to_string(k) + (k % 5 == 4 ? "\nDATA " : ", ");
    const pelu::Tabellen t = Laden(Text(Bild, Bank, taktik + "\n"));
    EXPECT_EQ(t.Taktikdaten[2][1], 4);
    EXPECT_EQ(t.Taktikdaten[36][2], 107);
}

TEST(Datei, LiestDieDateiVonDerPlatteAuchMitCrLf) {
    const std::string ordner = PELU_TESTDATEN;
    const pelu::Tabellen lf = pelu::DatendateiLaden(ordner + "/gueltig.txt");
    const pelu::Tabellen crlf = pelu::DatendateiLaden(ordner + "/gueltig_crlf.txt");
    EXPECT_EQ(lf.Bilddaten[101][2], 310);
    EXPECT_EQ(lf.Bankdaten[12], 68);
    EXPECT_EQ(lf.Taktikdaten[36][1], 136);
    EXPECT_EQ(0, std::memcmp(&lf, &crlf, sizeof lf));
}

} // namespace
