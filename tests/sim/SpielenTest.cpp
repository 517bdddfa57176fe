// pelu-sim spielen, run as a program: trace format, scripted dice, abbruch, exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "sim/SimLauf.h"

namespace {

namespace fs = std::filesystem;

// stdout by lines as well.
struct Lauf : simtest::SimLauf {
    std::vector<std::string> zeilen;
};

const std::string Brett = std::string(PELU_TESTDATEN) + "/spiel_brett.txt";

// Runs `pelu-sim spielen` with the arguments (each quoted) and captures both streams.
Lauf Spielen(const std::vector<std::string>& argumente) {
    const simtest::SimOrdner ordner;
    Lauf lauf{ordner.Aufruf("spielen", argumente), {}};
    lauf.zeilen = lauf.Zeilen();
    return lauf;
}

using Zeilen = std::vector<std::string>;

TEST(Spielen, GeskriptetesSpielMitAbbruchMittenImWurf) {
    // Colour 2 brings a figure out with its first draw; the next roll needs a
    // second try for a 5 that the list no longer has: no wurf line for it.
    const Lauf l =
        Spielen({"--daten", Brett, "--spieler", "0,5,0,0", "--wuerfel", "5,4", "--protokoll"});
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.zeilen, (Zeilen{"spiel 1", "wurf 2 5", "zug 5 102.1 22.2", "abbruch"}));
    EXPECT_NE(l.fehler.find("Spiele: 1"), std::string::npos); // the summary goes to stderr
}

TEST(Spielen, DreimalZwoelfOhneZug) {
    const Lauf l = Spielen({"--daten", Brett, "--spieler", "5,0,0,0", "--wuerfel",
                            "6,6,6,6,6,6,6,6,6,2,2,2", "--protokoll"});
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.zeilen, (Zeilen{"spiel 1", "wurf 1 6", "wurf 1 6", "wurf 1 6", "3mal12 1",
                                "wurf 1 2", "abbruch"}));
}

TEST(Spielen, MenschNimmtDenVorschlag) {
    const Lauf l =
        Spielen({"--daten", Brett, "--spieler", "1,0,0,0", "--wuerfel", "5", "--protokoll"});
    EXPECT_EQ(l.zeilen, (Zeilen{"spiel 1", "wurf 1 5", "zug 1 101.1 5.2", "abbruch"}));
}

TEST(Spielen, OhneFarbeImSpielEndetSofort) {
    const Lauf l = Spielen({"--daten", Brett, "--spieler", "0,0,0,0", "--protokoll"});
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.zeilen, (Zeilen{"spiel 1", "ende 0 0 0 0"}));
}

TEST(Spielen, WurfgrenzeBrichtVorDemNaechstenWurfAb) {
    const Lauf l = Spielen({"--daten", Brett, "--saat", "3", "--max-wuerfe", "3", "--protokoll"});
    EXPECT_EQ(l.code, 0);
    int wuerfe = 0;
    for (const std::string& z : l.zeilen)
        wuerfe += z.rfind("wurf ", 0) == 0 ? 1 : 0;
    EXPECT_EQ(wuerfe, 3);
    EXPECT_EQ(l.zeilen.back(), "abbruch");
    const Lauf null = Spielen({"--daten", Brett, "--max-wuerfe", "0", "--protokoll"});
    EXPECT_EQ(null.zeilen, (Zeilen{"spiel 1", "abbruch"}));
}

// Every line of a whole game has its format; the game ends with every
// colour ranked once and an ende line whose move counts add up to the zug lines.
TEST(Spielen, ProtokollGanzerSpieleIstWohlgeformt) {
    const Lauf l = Spielen({"--daten", Brett, "--saat", "11", "--spiele", "3", "--protokoll",
                            "--turbo", "--spieler", "5,1,5,8"});
    ASSERT_EQ(l.code, 0);
    const std::regex format(
        "spiel [1-9][0-9]*|wurf [1-4] [1-6]|(zug|heim) ([1-9]|1[0-6]) [0-9]+\\.[1-9] "
        "[0-9]+\\.[1-9]|nachruecken ([1-9]|1[0-6]) ([0-9]+)\\.[5-9] \\4\\.[1-4]|3mal12 [1-4]|"
        "rang [1-4] [1-4]|ende [0-9]+ [0-9]+ [0-9]+ [0-9]+");
    int spiel = 0;
    int zuege = 0;
    std::map<int, std::string> rang;
    for (const std::string& z : l.zeilen) {
        ASSERT_TRUE(std::regex_match(z, format)) << z;
        if (z.rfind("spiel ", 0) == 0) {
            EXPECT_EQ(z, "spiel " + std::to_string(++spiel));
            zuege = 0;
            rang.clear();
        } else if (z.rfind("zug ", 0) == 0) {
            ++zuege;
        } else if (z.rfind("rang ", 0) == 0) {
            const int farbe = z[5] - '0';
            EXPECT_EQ(rang.count(farbe), 0u) << z;
            rang[farbe] = z.substr(7);
        } else if (z.rfind("ende ", 0) == 0) {
            // Each roll with a move moves one figure, of whichever colour.
            std::istringstream zahlen(z.substr(5));
            int summe = 0;
            for (int n; zahlen >> n;)
                summe += n;
            EXPECT_EQ(summe, zuege);
            EXPECT_EQ(rang.size(), 4u);
            EXPECT_EQ(rang[1], rang[3]); // one player, one place
            EXPECT_NE(rang[1], rang[2]);
        }
    }
    EXPECT_EQ(spiel, 3);
    EXPECT_EQ(l.zeilen.back().rfind("ende ", 0), 0u);
}

TEST(Spielen, GleicheSaatGleichesSpiel) {
    const Zeilen a = Spielen({"--daten", Brett, "--saat", "5", "--protokoll"}).zeilen;
    const Zeilen b = Spielen({"--daten", Brett, "--saat", "5", "--protokoll"}).zeilen;
    const Zeilen c = Spielen({"--daten", Brett, "--saat", "6", "--protokoll"}).zeilen;
    EXPECT_GT(a.size(), 100u);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(Spielen, ZusammenfassungOhneProtokollAufStdout) {
    const Lauf l = Spielen({"--daten", Brett, "--saat", "2", "--spiele", "4", "--turbo"});
    EXPECT_EQ(l.code, 0);
    EXPECT_TRUE(l.fehler.empty()) << l.fehler;
    EXPECT_NE(l.aus.find("Spiele: 4"), std::string::npos) << l.aus;
    EXPECT_NE(l.aus.find("Spiele je Sekunde"), std::string::npos);
    for (const std::string& z : l.zeilen)
        EXPECT_NE(z.rfind("wurf", 0), 0u);
}

TEST(Spielen, FalscheArgumenteGebenZweiUndKeineAusgabe) {
    const std::vector<std::vector<std::string>> falsch = {{"--spieler", "1,2,3"},
                                                          {"--spieler", "1,2,3,9"},
                                                          {"--spieler", "a,b,c,d"},
                                                          {"--wuerfel", "0,3"},
                                                          {"--wuerfel", "7"},
                                                          {"--wuerfel", ""},
                                                          {"--wuerfel", "1,,2"},
                                                          {"--spiele", "0"},
                                                          {"--spiele", "zwei"},
                                                          {"--saat", "-1"},
                                                          {"--saat", "30:"},
                                                          {"--max-wuerfe", "-5"},
                                                          {"--daten"},
                                                          {"--bunt"},
                                                          {"--saat", "1", "--saat", "2"},
                                                          {"--spiele"}};
    for (const auto& argumente : falsch) {
        // Arguments are checked before the (missing) data file is read.
        std::vector<std::string> mitDatei = argumente;
        if (argumente.front() != "--daten")
            mitDatei.insert(mitDatei.begin(), {"--daten", "/gibt/es/nicht.txt"});
        const Lauf l = Spielen(mitDatei);
        EXPECT_EQ(l.code, 2) << argumente.front();
        EXPECT_TRUE(l.aus.empty()) << argumente.front();
        EXPECT_NE(l.fehler.find(argumente.front()), std::string::npos) << l.fehler;
        EXPECT_EQ(std::count(l.fehler.begin(), l.fehler.end(), '\n'), 1) << l.fehler;
    }
}

TEST(Spielen, FehlendeDatendateiGibtEins) {
    const Lauf l = Spielen({"--daten", "/gibt/es/nicht.txt", "--protokoll"});
    EXPECT_EQ(l.code, 1);
    EXPECT_TRUE(l.aus.empty());
    EXPECT_NE(l.fehler.find("nicht.txt"), std::string::npos) << l.fehler;
}

TEST(Spielen, HilfeGibtNull) {
    const Lauf l = Spielen({"--help"});
    EXPECT_EQ(l.code, 0);
    EXPECT_NE(l.aus.find("--wuerfel"), std::string::npos);
    EXPECT_NE(l.aus.find("--max-wuerfe"), std::string::npos);
}

TEST(Spielen, KeineZeileEndetMitLeerzeichen) {
    const Lauf l = Spielen({"--daten", Brett, "--saat", "9", "--protokoll"});
    for (const std::string& z : l.zeilen)
        EXPECT_NE(z.back(), ' ') << z;
}

} // namespace
