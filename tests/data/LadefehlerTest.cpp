// Every way loading can fail, and what the message tells the player.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Testtexte.h"
#include "data/Laden.h"

namespace {

using namespace testtexte;

// The message of the Ladefehler that loading `text` throws.
std::string Meldung(const std::string& text) {
    try {
        Laden(text);
    } catch (const pelu::Ladefehler& f) {
        return f.what();
    }
    ADD_FAILURE() << "kein Ladefehler";
    return "";
}

TEST(Ladefehler, FehlendeDateiUndOrdner) {
    const std::string fehlt = "/nicht/vorhanden/Peludaten.txt";
    EXPECT_THROW(
        {
            try {
                pelu::DatendateiLaden(fehlt);
            } catch (const pelu::Ladefehler& f) {
                EXPECT_TRUE(Enthaelt(f.what(), fehlt + ", Abschnitt \"bilddaten\": "));
                EXPECT_TRUE(Enthaelt(f.what(), "nicht gefunden"));
                throw;
            }
        },
        pelu::Ladefehler);
    try {
        pelu::DatendateiLaden(PELU_TESTDATEN);
        ADD_FAILURE() << "Ordner geladen";
    } catch (const pelu::Ladefehler& f) {
        EXPECT_TRUE(Enthaelt(f.what(), "Ordner"));
    }
}

// A data file is a few kilobytes; anything far larger (or a device that
// never ends) is refused with a message instead of being read until memory
// runs out.
TEST(Ladefehler, UebergrosseDateiWirdAbgelehnt) {
    const std::filesystem::path datei = std::filesystem::temp_directory_path() /
                                        ("pelu-gross-" + std::to_string(::getpid()) + ".txt");
    {
        std::ofstream aus(datei, std::ios::binary);
        aus << Text();
        const std::string kommentar = "' " + std::string(1021, 'x') + "\n";
        for (int i = 0; i < 16 * 1024 + 1; ++i)
            aus << kommentar;
    }
    try {
        pelu::DatendateiLaden(datei.string());
        ADD_FAILURE() << "übergroße Datei geladen";
    } catch (const pelu::Ladefehler& f) {
        EXPECT_TRUE(Enthaelt(f.what(), datei.string() + ", Abschnitt \"bilddaten\": "));
        EXPECT_TRUE(Enthaelt(f.what(), "zu groß"));
    }
    std::filesystem::remove(datei);
    if (std::filesystem::exists("/dev/zero")) {
        EXPECT_THROW(pelu::DatendateiLaden("/dev/zero"), pelu::Ladefehler);
    }
}

TEST(Ladefehler, AbschnittFehltOderKopfFalschGeschrieben) {
    EXPECT_EQ(Meldung(Bank + Taktik()),
              "t.txt, Abschnitt \"bilddaten\": Die Überschrift \"bilddaten:\" fehlt. Sie muss "
              "genau so geschrieben sein, in Kleinbuchstaben und ohne Leerzeichen vor dem "
              "Doppelpunkt.");
    EXPECT_TRUE(Enthaelt(Meldung(Text(Bild, "Bankdaten:\nDATA 1,2,3,4,5,6,7,8,9,10,11,12\n")),
                         "Abschnitt \"bankdaten\": Die Überschrift \"bankdaten:\" fehlt"));
    EXPECT_TRUE(Enthaelt(Meldung(Text(Bild, "bankdaten :\nDATA 1,2,3,4,5,6,7,8,9,10,11,12\n")),
                         "Abschnitt \"bankdaten\": Die Überschrift"));
    EXPECT_TRUE(Enthaelt(Meldung(Text(Bild, Bank, "TAKTIKDATEN:\nDATA 1\n")),
                         "Abschnitt \"taktikdaten\": Die Überschrift"));
    EXPECT_TRUE(Enthaelt(Meldung(""), "\"bilddaten:\" fehlt"));
}

TEST(Ladefehler, DateiendeMittenImAbschnittNenntDieLetzteZeile) {
    // Sections at the end of the file so that nothing else is read as values.
    EXPECT_EQ(Meldung(Bild + Taktik() + "bankdaten:\nDATA 1, 2, 3\nDATA 4\n"),
              "t.txt, Abschnitt \"bankdaten\", Zeile 43: Die Datei endet, bevor alle 12 "
              "Bankfelder gelesen sind (4 gelesen).");
    EXPECT_TRUE(Enthaelt(Meldung(Bild + Bank + "taktikdaten:\r\nDATA 1, 2, 3\r\nDATA 4, 5"),
                         "Abschnitt \"taktikdaten\", Zeile 8: Die Datei endet, bevor alle 36 "
                         "Taktikreihen zu je 3 Werten gelesen sind (Reihe 2 ist "
                         "unvollständig)."));
    EXPECT_TRUE(Enthaelt(Meldung(Bank + Taktik() + "bilddaten:\nDATA 4, 1, 2, 3\n"),
                         "Abschnitt \"bilddaten\", Zeile 41: Die Datei endet mitten im "
                         "Datensatz für Feld 4"));
    EXPECT_TRUE(
        Enthaelt(Meldung(Bank + Taktik() + "bilddaten:\n" + "DATA 4, 1,2,3,4,5,6,7,8,9,10\n"),
                 "nach dem Datensatz für Feld 4, ohne dass die Feldnummer 0"));
    EXPECT_TRUE(Enthaelt(Meldung(Bank + Taktik() + "bilddaten:"),
                         "Zeile 40: Die Datei endet, bevor die Feldnummer"));
}

TEST(Ladefehler, KommentarOhneFolgendeDataZeileNenntSeineZeile) {
    const std::string m = Meldung(Bild + Taktik() + "bankdaten:\nDATA 1, 2\n' Rest:\n3, 4\n");
    EXPECT_TRUE(Enthaelt(m, "Abschnitt \"bankdaten\", Zeile 44: Die Datei endet"));
    EXPECT_TRUE(Enthaelt(m, "Kommentar- oder Leerzeile in Zeile 43"));
    EXPECT_TRUE(
        Enthaelt(Meldung(Bild + Taktik() + "bankdaten:\n\n1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12"),
                 "Leerzeile in Zeile 42"));
}

TEST(Ladefehler, WertAusserhalbVon16Bit) {
    EXPECT_EQ(Meldung(Text(Bild, "bankdaten:\nDATA 1, 2\nDATA 40000, 4\n")),
              "t.txt, Abschnitt \"bankdaten\", Zeile 6: Der Wert in \"DATA 40000\" liegt "
              "außerhalb von -32768 bis 32767.");
    for (const std::string& wert :
         std::vector<std::string>{"32768", "-32769", "32767.5", "-32768.6", "1E10", "1E999",
                                  "-1D400", "&HFFFF", std::string(500, '7')}) {
        EXPECT_TRUE(Enthaelt(Meldung(Text(Bild, "bankdaten:\n" + wert + "\n")),
                             "Zeile 5: Der Wert in \"" + wert.substr(0, 40)))
            << wert;
    }
    EXPECT_TRUE(Enthaelt(Meldung(Text("bilddaten:\nDATA 1, 70000\n")),
                         "Abschnitt \"bilddaten\", Zeile 2: Der Wert in \"70000\""));
    EXPECT_TRUE(Enthaelt(Meldung(Text(Bild, Bank, "taktikdaten:\n\"DATA 5, 6\", -99999\n")),
                         "Abschnitt \"taktikdaten\", Zeile 7: Der Wert in \"-99999\""));
}

TEST(Ladefehler, UmgerechneteKoordinatePasstNichtIn16Bit) {
    EXPECT_TRUE(Enthaelt(Meldung(Text("bilddaten:\nDATA 1, 0, 0, 0\n0, 30000\n")),
                         "Abschnitt \"bilddaten\", Zeile 3: Die y-Koordinate 30000"));
    EXPECT_TRUE(Enthaelt(Meldung(Text("bilddaten:\nDATA 1, 0, -31100\n")),
                         "Zeile 2: Die x-Koordinate -31100"));
    // The largest x that still fits: 30439 * 16/15 + 299 = 32767.3
    EXPECT_EQ(Laden(Text("bilddaten:\nDATA 1, 0, 30439, 0, 0, 0, 0, 0, 0, 0, 0\nDATA 0\n"))
                  .Bilddaten[1][2],
              32767);
    EXPECT_TRUE(
        Enthaelt(Meldung(Text("bilddaten:\nDATA 1, 0, 30440, 0, 0, 0, 0, 0, 0, 0, 0\nDATA 0\n")),
                 "Die x-Koordinate 30440"));
}

TEST(Ladefehler, FeldnummerAusserhalbVon0Bis130) {
    EXPECT_EQ(Meldung(Text("bilddaten:\nDATA 131, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0\nDATA 0\n")),
              "t.txt, Abschnitt \"bilddaten\", Zeile 2: Die Feldnummer 131 liegt außerhalb "
              "von 0 bis 130.");
    EXPECT_TRUE(
        Enthaelt(Meldung(Text("bilddaten:\nDATA 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0\n\nDATA -1\n")),
                 "Zeile 4: Die Feldnummer -1 liegt"));
    // 130.5 rounds to 130, a valid row.
    EXPECT_EQ(Laden(Text("bilddaten:\nDATA 130.5, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0\nDATA 0\n"))
                  .Bilddaten[130][1],
              9);
}

TEST(Ladefehler, SteuerzeichenUndLangeFelderWerdenInDerMeldungEntschaerft) {
    const std::string m =
        Meldung(Text(Bild, "bankdaten:\n\"9999999\x01\x1b[2J" + std::string(100, 'x') + "\"\n"));
    EXPECT_TRUE(Enthaelt(m, "\"9999999??[2Jxxx"));
    EXPECT_TRUE(Enthaelt(m, "...\" liegt"));
    EXPECT_EQ(m.find('\x1b'), std::string::npos);
}

} // namespace
