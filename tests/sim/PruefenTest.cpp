// pelu-sim pruefen, run as a program: exit codes, stdout and stderr.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "sim/SimLauf.h"

namespace {

namespace fs = std::filesystem;
using simtest::SimLauf;
using Ergebnis = SimLauf;

std::vector<std::string> Zeilen(const std::string& text) {
    SimLauf lauf;
    lauf.aus = text;
    return lauf.Zeilen();
}

// A fresh working directory per test, removed afterwards.
class Pruefen : public testing::Test {
  protected:
    Ergebnis Aufruf(const std::vector<std::string>& argumente) const {
        return ordner_.Aufruf("pruefen", argumente);
    }

    void Kopieren(const std::string& testdatei, const std::string& ziel) const {
        fs::copy_file(fs::path(PELU_TESTDATEN) / testdatei, ordner_.Pfad() / ziel);
    }

    simtest::SimOrdner ordner_;
};

TEST_F(Pruefen, HilfeNenntDieOptionen) {
    const Ergebnis e = Aufruf({"--help"});
    EXPECT_EQ(e.code, 0);
    EXPECT_NE(e.aus.find("--daten DATEI"), std::string::npos) << e.aus;
    EXPECT_NE(e.aus.find("--tabellen"), std::string::npos) << e.aus;
    EXPECT_EQ(e.fehler, "");
}

TEST_F(Pruefen, FalscheArgumenteGeben2UndEineZeileMitDemArgument) {
    Kopieren("gueltig.txt", "Peludaten.txt");
    const std::vector<std::pair<std::vector<std::string>, std::string>> faelle = {
        {{"--bla"}, "--bla"},
        {{"--tabellen", "extra.txt"}, "extra.txt"},
        {{"--daten"}, "--daten"},
        {{"--daten", ""}, "--daten"},
        {{"--daten", "--tabellen"}, "--daten"},
        {{"--daten", "a.txt", "--daten", "b.txt"}, "--daten"},
        // Arguments are checked before the (missing) file is read.
        {{"--daten", "fehlt.txt", "-x"}, "-x"},
    };
    for (const auto& [argumente, genannt] : faelle) {
        const Ergebnis e = Aufruf(argumente);
        EXPECT_EQ(e.code, 2) << genannt;
        EXPECT_EQ(e.aus, "") << genannt;
        EXPECT_EQ(Zeilen(e.fehler).size(), 1u) << e.fehler;
        EXPECT_NE(e.fehler.find(genannt), std::string::npos) << e.fehler;
    }
}

TEST_F(Pruefen, OhneDatenLiestPeludatenImAktuellenOrdner) {
    Ergebnis e = Aufruf({});
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.aus, "");
    EXPECT_EQ(e.fehler.rfind("Peludaten.txt, Abschnitt \"bilddaten\": ", 0), 0u) << e.fehler;

    Kopieren("gueltig.txt", "Peludaten.txt");
    e = Aufruf({});
    EXPECT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.fehler, "");
    const auto zeilen = Zeilen(e.aus);
    ASSERT_EQ(zeilen.size(), 3u) << e.aus;
    EXPECT_EQ(zeilen[0].rfind("bilddaten", 0), 0u);
    // Three rows in the file; the rows a board needs that are missing are named.
    EXPECT_NE(zeilen[0].find(" 3 "), std::string::npos) << zeilen[0];
    EXPECT_NE(zeilen[0].find("3..96, 102..108"), std::string::npos) << zeilen[0];
    EXPECT_EQ(zeilen[1].rfind("bankdaten", 0), 0u);
    EXPECT_EQ(zeilen[2].rfind("taktikdaten", 0), 0u);
}

TEST_F(Pruefen, LadefehlerGibt1DieMeldungUndNichtsAufStdout) {
    Kopieren("ohne_taktik.txt", "kaputt.txt");
    for (const auto& argumente : std::vector<std::vector<std::string>>{
             {"--daten", "kaputt.txt"}, {"--tabellen", "--daten", "kaputt.txt"}}) {
        const Ergebnis e = Aufruf(argumente);
        EXPECT_EQ(e.code, 1);
        EXPECT_EQ(e.aus, "");
        EXPECT_EQ(e.fehler.rfind("kaputt.txt, Abschnitt \"taktikdaten\": ", 0), 0u) << e.fehler;
    }
    const Ergebnis e = Aufruf({"--daten", "gibtsnicht.txt"});
    EXPECT_EQ(e.code, 1);
    EXPECT_NE(e.fehler.find("gibtsnicht.txt"), std::string::npos) << e.fehler;
}

TEST_F(Pruefen, TabellenGibtGenauDieGeladenenWerteAus) {
    const Ergebnis e = Aufruf({"--tabellen", "--daten", PELU_TESTDATEN "/gueltig_crlf.txt"});
    EXPECT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.fehler, "");
    // Geometry converted around the centre 299, 274 (x * 640/600, y * 480/330).
    std::string erwartet = "bilddaten 1 3 192 201 406 201 406 347 192 347 5\n"
                           "bilddaten 2 0 619 754 298 275 299 274 299 274 6\n"
                           "bilddaten 101 9 310 303 331 332 352 361 374 390 0\n"
                           "bankdaten 5 12 17 22 29 34 39 46 51 56 63 68\n";
    for (int i = 1; i <= 36; ++i)
        erwartet += "taktikdaten " + std::to_string(i) + " " + std::to_string(i) + " " +
                    std::to_string(100 + i) + " " + std::to_string(200 + i) + "\n";
    EXPECT_EQ(e.aus, erwartet);
}

} // namespace
