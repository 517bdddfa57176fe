// pelu-sim spielen, run as a program: trace format, scripted dice, abbruch, exit codes.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "sim/SimLauf.h"

namespace {

using simtest::SimLauf;

// With --protokoll the trace alone goes to stdout, the summary to stderr.
TEST(Spielen, GeskriptetesProtokoll) {
    const simtest::SimOrdner ordner;
    ordner.Kopieren("spiel_brett.txt");
    const std::pair<const char*, const char*> faelle[] = {
        // The next roll needs a second try for a 5 that the list no longer has.
        {"--spieler 0,5,0,0 --wuerfel 5,4", "wurf 2 5\nzug 5 102.1 22.2\nabbruch\n"},
        {"--spieler 5,0,0,0 --wuerfel 6,6,6,6,6,6,6,6,6,2,2,2",
         "wurf 1 6\nwurf 1 6\nwurf 1 6\n3mal12 1\nwurf 1 2\nabbruch\n"},
        {"--spieler 1,0,0,0 --wuerfel 5", "wurf 1 5\nzug 1 101.1 5.2\nabbruch\n"},
        {"--spieler 0,0,0,0", "ende 0 0 0 0\n"},
        // Three tries per roll: the limit, not the dice, ends the game.
        {"--spieler 5,0,0,0 --wuerfel 1,1,1,1,1,1,1,1,1,1,1,1 --max-wuerfe 3",
         "wurf 1 1\nwurf 1 1\nwurf 1 1\nabbruch\n"},
        {"--max-wuerfe 0", "abbruch\n"},
    };
    for (const auto& [argumente, erwartet] : faelle) {
        SCOPED_TRACE(argumente);
        const SimLauf l = ordner.Aufruf("spielen", std::string(argumente) + " --protokoll");
        EXPECT_EQ(l.code, 0);
        EXPECT_EQ(l.aus, std::string("spiel 1\n") + erwartet);
        EXPECT_NE(l.fehler.find("Spiele: 1"), std::string::npos) << l.fehler;
    }
    // Without --protokoll the summary goes to stdout.
    const SimLauf l = ordner.Aufruf("spielen", "--saat 2 --spiele 4 --turbo");
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.fehler, "");
    EXPECT_NE(l.aus.find("Spiele: 4"), std::string::npos) << l.aus;
    EXPECT_EQ(l.aus.find("wurf "), std::string::npos);
}

// Whole games: every line in its format, one rank per colour and player,
// move counts that add up to the zug lines; the same seed the same games.
TEST(Spielen, GanzeSpieleWohlgeformtUndWiederholbar) {
    const simtest::SimOrdner ordner;
    ordner.Kopieren("spiel_brett.txt");
    const std::string argumente = "--spiele 3 --protokoll --turbo --spieler 5,1,5,8 --saat ";
    const SimLauf a = ordner.Aufruf("spielen", argumente + "11");
    ASSERT_EQ(a.code, 0);
    EXPECT_EQ(ordner.Aufruf("spielen", argumente + "11").aus, a.aus);
    EXPECT_NE(ordner.Aufruf("spielen", argumente + "12").aus, a.aus);
    const std::regex format(
        "spiel [1-9][0-9]*|wurf [1-4] [1-6]|(zug|heim) ([1-9]|1[0-6]) [0-9]+\\.[1-9] "
        "[0-9]+\\.[1-9]|nachruecken ([1-9]|1[0-6]) ([0-9]+)\\.[5-9] \\4\\.[1-4]|3mal12 [1-4]|"
        "rang [1-4] [1-4]|ende [0-9]+ [0-9]+ [0-9]+ [0-9]+");
    int spiel = 0, zuege = 0, zeilen = 0;
    std::map<char, std::string> rang;
    std::istringstream ein(a.aus);
    std::string z;
    for (; std::getline(ein, z); ++zeilen) {
        ASSERT_TRUE(std::regex_match(z, format)) << z;
        if (z.starts_with("spiel ")) {
            EXPECT_EQ(z, "spiel " + std::to_string(++spiel));
            zuege = 0;
            rang.clear();
        }
        zuege += z.starts_with("zug ");
        if (z.starts_with("rang ")) {
            EXPECT_TRUE(rang.emplace(z[5], z.substr(7)).second) << z;
        }
        if (z.starts_with("ende ")) {
            std::istringstream zahlen(z.substr(5));
            int summe = 0;
            for (int n; zahlen >> n;)
                summe += n;
            EXPECT_EQ(summe, zuege); // one figure per roll with a move, of either colour
            EXPECT_EQ(rang.size(), 4u);
            EXPECT_EQ(rang['1'], rang['3']); // one player, one place
            EXPECT_NE(rang['1'], rang['2']);
        }
    }
    EXPECT_EQ(spiel, 3);
    EXPECT_GT(zeilen, 300);
    EXPECT_EQ(a.aus.substr(a.aus.rfind('\n', a.aus.size() - 2) + 1, 5), "ende ");
}

// Bad arguments give 2 even without a data file: they are checked first.
TEST(Spielen, Exitcodes) {
    const simtest::SimOrdner ordner;
    for (const std::string falsch :
         {"--spieler 1,2,3", "--spieler 1,2,3,9", "--spieler a,b,c,d", "--wuerfel 0,3",
          "--wuerfel 7", "--wuerfel ''", "--wuerfel 1,,2", "--spiele 0", "--spiele zwei",
          "--saat -1", "--saat 30:", "--max-wuerfe -5", "--daten", "--bunt", "--saat 1 --saat 2",
          "--spiele"}) {
        SCOPED_TRACE(falsch);
        simtest::ErwarteAbgelehnt(ordner.Aufruf("spielen", falsch),
                                  falsch.substr(0, falsch.find(' ')));
    }
    const SimLauf ohne = ordner.Aufruf("spielen", "--protokoll");
    EXPECT_EQ(ohne.code, 1);
    EXPECT_EQ(ohne.aus, "");
    EXPECT_NE(ohne.fehler.find("Peludaten.txt"), std::string::npos) << ohne.fehler;
    const SimLauf hilfe = ordner.Aufruf("spielen", "--help");
    EXPECT_EQ(hilfe.code, 0);
    EXPECT_NE(hilfe.aus.find("--max-wuerfe"), std::string::npos);
}

} // namespace
