// pelu-sim zuege, run as a program: output lines, exit codes and refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sim/SimLauf.h"

namespace {

namespace fs = std::filesystem;

using Lauf = simtest::SimLauf;

std::string Testdatei(const std::string& name) {
    return (fs::path(PELU_TESTDATEN) / name).string();
}

// Priority 12 + 4 * target category - 2 * current category; benches 5, 12,
// 17, 22, 29, 34, 39, 46, 51, 56, 63, 68.
const std::string Taktik = Testdatei("zuege_taktik.txt");

// Runs in an empty directory of its own, so no Peludaten.txt is found there.
class Zuege : public testing::Test {
  protected:
    Lauf Aufruf(const std::vector<std::string>& argumente) const {
        return ordner_.Aufruf("zuege", argumente);
    }

    // Expects exit 2 with one line on stderr that mentions `genannt`.
    void Abgelehnt(const std::vector<std::string>& argumente, const std::string& genannt) const {
        const Lauf lauf = Aufruf(argumente);
        std::string aufruf;
        for (const auto& a : argumente)
            aufruf += a + " ";
        EXPECT_EQ(lauf.code, 2) << aufruf;
        EXPECT_EQ(lauf.aus, "") << aufruf;
        EXPECT_NE(lauf.fehler.find(genannt), std::string::npos) << aufruf << "-> " << lauf.fehler;
        EXPECT_EQ(std::count(lauf.fehler.begin(), lauf.fehler.end(), '\n'), 1) << aufruf;
    }

    simtest::SimOrdner ordner_;
};

std::vector<std::string> Mit(std::vector<std::string> basis, const std::vector<std::string>& mehr) {
    basis.insert(basis.end(), mehr.begin(), mehr.end());
    return basis;
}

const std::vector<std::string> Grund = {"--spieler", "5,6,7,0", "--farbe", "1",
                                        "--wurf",    "3",       "--daten", Taktik};

} // namespace

TEST_F(Zuege, HelpListsTheOptions) {
    const Lauf lauf = Aufruf({"--help"});
    EXPECT_EQ(lauf.code, 0);
    for (const char* option : {"--spieler", "--farbe", "--wurf", "--wurfzahl", "--daten"})
        EXPECT_NE(lauf.aus.find(option), std::string::npos) << option;
}

TEST_F(Zuege, PassageWrappingFrom68To1) {
    const Lauf lauf = Aufruf({"--spieler", "5,6,7,8", "--farbe", "2", "--wurf", "4", "--daten",
                              Taktik, "66:5", "67:9", "30:1"});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    // Figure 1, 36 behind on 30, threatens 66 (S = 1) but turns off before 2.
    EXPECT_EQ(lauf.aus, "schritte 4\n"
                        "moeglich 1\n"
                        "ziel 5 2 68 1\n"
                        "heim 5 9\n"
                        "computer 5\n"
                        "wertung 5 4 0 10\n");
    EXPECT_EQ(lauf.fehler, "");
}

TEST_F(Zuege, PassageTurningIntoTheLaneSparesTheBench) {
    const Lauf lauf = Aufruf({"--spieler", "5,6,7,8", "--farbe", "3", "--wurf", "4", "--daten",
                              Taktik, "32:9", "33:1", "34:13"});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "schritte 4\n"
                        "moeglich 1\n"
                        "ziel 9 84 34 83\n"
                        "heim 9 1\n"
                        "computer 9\n"
                        "wertung 9 0 0 12\n");
}

TEST_F(Zuege, DistanceIs68OnTheTurningFieldAnd68PlusNInTheLane) {
    const std::vector<std::string> basis = {"--spieler", "5,6,7,8", "--farbe", "2",      "--daten",
                                            Taktik,      "17:5",    "80:6",    "106:7,8"};
    const Lauf eins = Aufruf(Mit(basis, {"--wurf", "1"}));
    EXPECT_EQ(eins.code, 0) << eins.fehler;
    EXPECT_NE(eins.aus.find("ziel 5 76 17 76\nziel 6 81 0 0\n"), std::string::npos) << eins.aus;
    const Lauf drei = Aufruf(Mit(basis, {"--wurf", "3"}));
    EXPECT_NE(drei.aus.find("ziel 5 78 17 76\nziel 6 106 0 0\n"), std::string::npos) << drei.aus;
}

TEST_F(Zuege, NoMovePrintsOnlyStepsAndMoeglich) {
    const Lauf lauf = Aufruf({"--spieler", "5,6,7,8", "--farbe", "1", "--wurf", "6", "--daten",
                              Taktik, "64:1", "70:2,3"});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "schritte 12\nmoeglich 0\n");
}

TEST_F(Zuege, FiveBringsOutTheFullerColourAndLeavesZeros) {
    const Lauf lauf = Aufruf({"--spieler", "5,6,5,8", "--farbe", "1", "--wurf", "5", "--daten",
                              Taktik, "10:1,2,3", "45:9"});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "schritte 5\nmoeglich 1\n"
                        "ziel 4 5 0 0\nziel 10 39 0 0\nziel 11 39 0 0\nziel 12 39 0 0\n"
                        "heim 4\nheim 10\nheim 11\nheim 12\n"
                        "computer 10\n"
                        "wertung 4 0 0 0\nwertung 10 0 0 0\nwertung 11 0 0 0\nwertung 12 0 0 0\n");
}

TEST_F(Zuege, SecondTwelveSavesTheFigureTurningIntoItsLane) {
    const std::vector<std::string> basis = {"--spieler", "5,6,7,8", "--farbe", "1",
                                            "--wurf",    "6",       "--daten", Taktik,
                                            "30:1",      "60:2",    "64:3"};
    const Lauf zweiter = Aufruf(Mit(basis, {"--wurfzahl", "2"}));
    EXPECT_EQ(zweiter.code, 0) << zweiter.fehler;
    EXPECT_NE(zweiter.aus.find("ziel 2 72 68 69\nziel 3 105 68 69\n"), std::string::npos);
    EXPECT_NE(zweiter.aus.find("computer 2\nwertung 1 0 0 0\n"), std::string::npos);
    const Lauf erster = Aufruf(basis);
    EXPECT_NE(erster.aus.find("computer 3\nwertung 1 0 0 12\n"), std::string::npos) << erster.aus;
}

TEST_F(Zuege, PrioritiesAbove37LoadAndTheFirstMovableFigureMoves) {
    const Lauf lauf = Aufruf({"--spieler", "5,6,7,8", "--farbe", "1", "--wurf", "3", "--daten",
                              Testdatei("zuege_hoch.txt"), "10:1", "20:2", "105:3,4"});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
    EXPECT_NE(lauf.aus.find("computer 1\nwertung 1 0 0 45\nwertung 2 0 0 45\n"), std::string::npos)
        << lauf.aus;
}

TEST_F(Zuege, ArrivalOrderDecidesWhoIsHeld) {
    // Figure 6 arrived after colour 3's pair on 40, so it is held; 9 and 10 are free.
    const Lauf lauf = Aufruf(
        {"--spieler", "5,6,7,8", "--farbe", "3", "--wurf", "2", "--daten", Taktik, "40:9,10,6"});
    EXPECT_NE(lauf.aus.find("ziel 9 42 0 0\nziel 10 42 0 0\nheim 9\nheim 10\n"), std::string::npos)
        << lauf.aus;
    const Lauf gehalten = Aufruf({"--spieler", "5,6,7,8", "--farbe", "2", "--wurf", "2", "--daten",
                                  Taktik, "40:9,10,6", "106:7,8"});
    EXPECT_NE(gehalten.aus.find("moeglich 0\n"), std::string::npos) << gehalten.aus;
}

TEST_F(Zuege, OutputLinesCarryNoTrailingBlanks) {
    const Lauf lauf = Aufruf({"--spieler", "5,6,7,8", "--farbe", "1", "--wurf", "6", "--daten",
                              Taktik, "10:1", "12:5", "20:2", "15:9"});
    EXPECT_EQ(lauf.code, 0);
    std::istringstream zeilen(lauf.aus);
    int anzahl = 0;
    for (std::string zeile; std::getline(zeilen, zeile); ++anzahl)
        EXPECT_TRUE(!zeile.empty() && zeile.back() != ' ') << "'" << zeile << "'";
    EXPECT_GT(anzahl, 4);
}

TEST_F(Zuege, MissingDataFileGivesTheLoaderMessageAndExit1) {
    const Lauf lauf = Aufruf({"--spieler", "5,6,7,8", "--farbe", "1", "--wurf", "3"});
    EXPECT_EQ(lauf.code, 1);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_NE(lauf.fehler.find("Peludaten.txt"), std::string::npos);
}

TEST_F(Zuege, BadArgumentsAreRefusedBeforeTheFileIsRead) {
    Abgelehnt({"--spieler", "5,6,7,8", "--farbe", "1", "--wurf", "9"}, "--wurf");
}

TEST_F(Zuege, MalformedValuesAreRefused) {
    Abgelehnt(Mit(Grund, {"30:"}), "30:");
    Abgelehnt(Mit(Grund, {"dreissig:1"}), "dreissig:1");
    Abgelehnt(Mit(Grund, {"30:eins"}), "30:eins");
    Abgelehnt(Mit(Grund, {"30:0"}), "30:0");
    Abgelehnt(Mit(Grund, {"30:17"}), "30:17");
    Abgelehnt(Mit(Grund, {"30"}), "30");
    Abgelehnt(Mit(Grund, {"30:1,"}), "30:1,");
    Abgelehnt(Mit(Grund, {"+-30:1"}), "+-30:1"); // two signs
    Abgelehnt({"--spieler", "+-0,6,7,0", "--farbe", "2", "--wurf", "3"}, "--spieler");
    Abgelehnt({"--spieler", "5,6,7,0", "--farbe", "1", "--wurf", "0"}, "--wurf");
    Abgelehnt({"--spieler", "5,6,7,0", "--farbe", "1", "--wurf", "sechs"}, "--wurf");
    Abgelehnt({"--spieler", "", "--farbe", "1", "--wurf", "3"}, "--spieler");
    Abgelehnt({"--spieler", "5,6,7", "--farbe", "1", "--wurf", "3"}, "--spieler");
    Abgelehnt({"--spieler", "5,6,7,9", "--farbe", "1", "--wurf", "3"}, "--spieler");
    Abgelehnt({"--spieler", "5,6,-1,0", "--farbe", "1", "--wurf", "3"}, "--spieler");
    Abgelehnt(Mit(Grund, {"--wurfzahl", "0"}), "--wurfzahl");
    Abgelehnt(Mit(Grund, {"--wurfzahl", "4"}), "--wurfzahl");
    Abgelehnt({"--spieler", "5,6,7,0", "--farbe", "5", "--wurf", "3"}, "--farbe");
}

TEST_F(Zuege, OptionErrorsAreRefused) {
    Abgelehnt({"--spieler", "5,6,7,0", "--farbe", "4", "--wurf", "3"}, "--farbe");
    Abgelehnt(Mit(Grund, {"--turbo"}), "--turbo");
    Abgelehnt({"--spieler", "5,6,7,0", "--wurf", "3"}, "--farbe");
    Abgelehnt({"--farbe", "1", "--wurf", "3"}, "--spieler");
    Abgelehnt({"--spieler", "5,6,7,0", "--farbe", "1"}, "--wurf");
    Abgelehnt(Mit(Grund, {"--wurf", "4"}), "--wurf");
    Abgelehnt({"--spieler", "5,6,7,0", "--farbe", "1", "--wurf"}, "--wurf");
    Abgelehnt(Mit(Grund, {"--daten"}), "--daten");
}

TEST_F(Zuege, ImpossiblePositionsAreRefused) {
    Abgelehnt(Mit(Grund, {"30:1", "31:1"}), "Figur 1 ");
    Abgelehnt(Mit(Grund, {"30:1,5,1"}), "Figur 1 ");
    Abgelehnt(Mit(Grund, {"30:1", "30:2"}), "Feld 30 ");
    Abgelehnt(Mit(Grund, {"30:13"}), "Figur 13 "); // colour 4 is not in play
    Abgelehnt(Mit(Grund, {"97:1"}), "Feld 97 ");   // not a field
    Abgelehnt(Mit(Grund, {"0:1"}), "Feld 0 ");
    Abgelehnt(Mit(Grund, {"109:1"}), "Feld 109 ");
    Abgelehnt(Mit(Grund, {"76:1"}), "Feld 76 ");   // colour 2's lane
    Abgelehnt(Mit(Grund, {"106:1"}), "Feld 106 "); // colour 2's goal
    Abgelehnt(Mit(Grund, {"101:1"}), "Feld 101 "); // home
    Abgelehnt(Mit(Grund, {"4:1"}), "Feld 4 ");     // distance 4 for colour 1
    Abgelehnt(Mit(Grund, {"18:5"}), "Feld 18 ");   // distance 1 for colour 2
    Abgelehnt(Mit(Grund, {"30:1,2,3,4,5,6,7,8,9,10"}), "Stellung 30");
}

TEST_F(Zuege, BoundaryPositionsAreAccepted) {
    const Lauf lauf = Aufruf({"--spieler", "5,6,7,8", "--farbe", "1", "--wurf", "3", "--daten",
                              Taktik, "5:1", "17:5", "75:2", "105:3", "40:4,6,7,8,9,10,11,12,13"});
    EXPECT_EQ(lauf.code, 0) << lauf.fehler;
}
