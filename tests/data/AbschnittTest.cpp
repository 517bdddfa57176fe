// Finding sections and filling the three tables.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Testtexte.h"
#include "data/Laden.h"

namespace {

using namespace testtexte;

std::string BildRecord(int n, const std::string& rest = "0, 0, 0, 0, 0, 0, 0, 0, 0, 0") {
    return "DATA " + std::to_string(n) + ", " + rest + "\n";
}

TEST(Abschnitte, BeliebigeReihenfolgeMitTextDavorUndDazwischen) {
    const std::string text = "Vorspann, mit Komma\n' Kommentar\n" + Taktik() +
                             "Zwischentext\nbankdaten: Text hinter dem Doppelpunkt\n"
                             "DATA 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 42\nnoch Text\n" +
                             Bild + "Schluss";
    const pelu::Tabellen t = Laden(text);
    EXPECT_EQ(t.Bankdaten[12], 42);
    EXPECT_EQ(t.Taktikdaten[36][2], 1036);
    EXPECT_EQ(t.Bilddaten[1][10], 7);
}

TEST(Abschnitte, ZweiterKopfDesselbenAbschnittsWirdNieErreicht) {
    const std::string zweiter = "bankdaten:\nDATA 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7\n";
    const pelu::Tabellen t = Laden(Text(Bild, Bank + zweiter));
    EXPECT_EQ(t.Bankdaten[1], 1);
    EXPECT_EQ(t.Bankdaten[12], 12);
}

TEST(Abschnitte, KopfMitBlankDavorOderInAnfuehrungszeichenWirdGefunden) {
    const pelu::Tabellen t =
        Laden(Text("  \tbilddaten:\n" + BildRecord(5) + "DATA 0\n",
                   "\"bankdaten:\"\nDATA 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 99\n"));
    EXPECT_EQ(t.Bankdaten[12], 99);
    EXPECT_EQ(t.Bilddaten[5][2], 299);
}

TEST(Abschnitte, AbschnittEndetNichtAmNaechstenKopf) {
    // Too few bench values: the next header is read as a value (0) and the
    // tactic rows fill up the rest.
    const pelu::Tabellen t = Laden(Text(Bild, "bankdaten:\nDATA 1, 2\n", Taktik()));
    EXPECT_EQ(t.Bankdaten[2], 2);
    EXPECT_EQ(t.Bankdaten[3], 0);
    EXPECT_EQ(t.Bankdaten[4], 1);
    EXPECT_EQ(t.Bankdaten[5], -1);
}

TEST(Bilddaten, RechnetKoordinatenVomBrettmittelpunktInPixelUm) {
    const pelu::Tabellen t =
        Laden(Text("bilddaten:\nDATA 7, 3, 300, 330, -1, 1, -100, -50, 2.5, 0, 6\nDATA 0\n"));
    const auto& z = t.Bilddaten[7];
    EXPECT_EQ(z[1], 3);
    EXPECT_EQ(z[2], 619); // 300 * 640/600 + 299
    EXPECT_EQ(z[3], 754); // 330 * 480/330 + 274
    EXPECT_EQ(z[4], 298); // -1.07 + 299
    EXPECT_EQ(z[5], 275); // 1.45 + 274
    EXPECT_EQ(z[6], 192); // -106.67 + 299
    EXPECT_EQ(z[7], 201); // -72.73 + 274
    EXPECT_EQ(z[8], 301); // 2.5 is 2 before scaling: 2.13 + 299
    EXPECT_EQ(z[9], 274);
    EXPECT_EQ(z[10], 6);
    EXPECT_EQ(z[0], 0);
    EXPECT_EQ(z[11], 0);
}

TEST(Bilddaten, MittelpunktKommtVomAufrufer) {
    const pelu::Tabellen t = pelu::DatentextLaden(
        Text("bilddaten:\nDATA 3, 0, 15, 11, -15, -11, 0, 0, 0, 0, 0\nDATA 0\n"), "t", 0, 100);
    EXPECT_EQ(t.Bilddaten[3][2], 16);
    EXPECT_EQ(t.Bilddaten[3][3], 116);
    EXPECT_EQ(t.Bilddaten[3][4], -16);
    EXPECT_EQ(t.Bilddaten[3][5], 84);
}

TEST(Bilddaten, SpaetererDatensatzUeberschreibtUndUngenannteZeilenBleibenNull) {
    const pelu::Tabellen t = Laden(Text("bilddaten:\n" + BildRecord(9, "1, 0,0,0,0,0,0,0,0, 5") +
                                        BildRecord(130, "4, 0,0,0,0,0,0,0,0, 8") +
                                        BildRecord(9, "2, 0,0,0,0,0,0,0,0, 6") + "DATA 0\n"));
    EXPECT_EQ(t.Bilddaten[9][1], 2);
    EXPECT_EQ(t.Bilddaten[9][10], 6);
    EXPECT_EQ(t.Bilddaten[130][10], 8);
    for (int n : {0, 1, 8, 10, 129})
        for (int j = 0; j < 12; ++j)
            EXPECT_EQ(t.Bilddaten[n][j], 0) << n << "," << j;
}

TEST(Bilddaten, AbschnittDerMitFeldNullBeginntFuelltZeileNull) {
    const pelu::Tabellen t = Laden(Text("bilddaten:\n" + BildRecord(0, "5, 0,0,0,0,0,0,0,0, 3") +
                                        BildRecord(4, "6, 0,0,0,0,0,0,0,0, 2") + "DATA 0\n"));
    EXPECT_EQ(t.Bilddaten[0][1], 5);
    EXPECT_EQ(t.Bilddaten[0][2], 299);
    EXPECT_EQ(t.Bilddaten[4][1], 6);
}

TEST(Tabellen, BankUndTaktikFuellenNurIhreElemente) {
    const pelu::Tabellen t = Laden(Text());
    EXPECT_EQ(t.Bankdaten[0], 0);
    EXPECT_EQ(t.Bankdaten[13], 0);
    EXPECT_EQ(t.Bankdaten[7], 7);
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(t.Taktikdaten[0][j], 0);
    for (int i = 1; i <= 36; ++i) {
        EXPECT_EQ(t.Taktikdaten[i][0], i);
        EXPECT_EQ(t.Taktikdaten[i][1], -i);
        EXPECT_EQ(t.Taktikdaten[i][2], 1000 + i);
        EXPECT_EQ(t.Taktikdaten[i][3], 0);
    }
}

TEST(Tabellen, ZeilenumbruecheDerTaktikdatenBedeutenNichts) {
    std::string taktik = "taktikdaten:\nDATA ";
    for (int k = 0; k < 108; ++k)
        taktik += std::to_string(k) + (k % 5 == 4 ? "\nDATA " : ", ");
    taktik += "\n";
    const pelu::Tabellen t = Laden(Text(Bild, Bank, taktik));
    EXPECT_EQ(t.Taktikdaten[1][0], 0);
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
