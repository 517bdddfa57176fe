// pelu-sim pruefen, run as a program: exit codes, stdout and stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Ergebnis {
    int code = -1;
    std::string aus;
    std::string fehler;
};

std::string Quotiert(const std::string& text) {
    std::string q = "'";
    for (const char z : text)
        q += z == '\'' ? std::string("'\\''") : std::string(1, z);
    return q + "'";
}

std::string Lesen(const fs::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << ein.rdbuf();
    return inhalt.str();
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::istringstream ein(text);
    for (std::string zeile; std::getline(ein, zeile);)
        zeilen.push_back(zeile);
    return zeilen;
}

// A fresh working directory per test, removed afterwards.
class Pruefen : public testing::Test {
  protected:
    void SetUp() override {
        ordner_ = fs::temp_directory_path() /
                  ("pelu-pruefen-" + std::to_string(getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner_);
        fs::create_directories(ordner_);
    }
    void TearDown() override { fs::remove_all(ordner_); }

    Ergebnis Aufruf(const std::vector<std::string>& argumente) const {
        std::string befehl =
            "cd " + Quotiert(ordner_.string()) + " && " + Quotiert(PELU_SIM) + " pruefen";
        for (const auto& a : argumente)
            befehl += " " + Quotiert(a);
        befehl += " >aus.txt 2>fehler.txt";
        const int status = std::system(befehl.c_str());
        Ergebnis e;
        if (WIFEXITED(status)) e.code = WEXITSTATUS(status);
        e.aus = Lesen(ordner_ / "aus.txt");
        e.fehler = Lesen(ordner_ / "fehler.txt");
        return e;
    }

    void Kopieren(const std::string& testdatei, const std::string& ziel) const {
        fs::copy_file(fs::path(PELU_TESTDATEN) / testdatei, ordner_ / ziel);
    }

    fs::path ordner_;
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
