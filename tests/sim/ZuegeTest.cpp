// pelu-sim zuege, run as a program: output, exit codes and refusals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/SimLauf.h"

namespace {

using simtest::SimLauf;

// In an empty directory: every refusal comes before the missing file is read.
TEST(Zuege, AblehnungenUndFehlendeDatei) {
    const simtest::SimOrdner ordner;
    const SimLauf ohne = ordner.Aufruf("zuege", "--spieler 5,6,7,8 --farbe 1 --wurf 3");
    EXPECT_EQ(ohne.code, 1);
    EXPECT_EQ(ohne.aus, "");
    EXPECT_NE(ohne.fehler.find("Peludaten.txt"), std::string::npos) << ohne.fehler;
    EXPECT_EQ(ordner.Aufruf("zuege", "--help").code, 0);
    // Each group: the arguments before a value, its values, and what the
    // one-line message names: the value itself when empty; "Feld" the
    // value's (last) field.
    const std::string grund = "--spieler 5,6,7,0 --farbe 1 --wurf 3";
    const struct {
        std::string vorne;
        std::vector<std::string> werte;
        std::string genannt;
    } gruppen[] = {
        {grund,
         {"30:", "dreissig:1", "30:eins", "30:0", "30:17", "30", "30:1,", "+-30:1", "--turbo"},
         ""},
        {grund, {"--wurfzahl 0", "--wurfzahl 4"}, "--wurfzahl"},
        {grund, {"--wurf 4"}, "--wurf"}, // twice
        {"--farbe 2 --wurf 3 --spieler", {"+-0,6,7,0", "''", "5,6,7", "5,6,7,9"}, "--spieler"},
        {"--spieler 5,6,7,0 --farbe 1 --wurf", {"9", "sechs", ""}, "--wurf"},
        {"--spieler 5,6,7,0 --wurf 3 --farbe", {"5", "4"}, "--farbe"}, // 4 is not in play
        {"", {"--farbe 1 --wurf 3"}, "--spieler"},
        {"", {"--spieler 5,6,7,0 --wurf 3"}, "--farbe"},
        {"", {"--spieler 5,6,7,0 --farbe 1"}, "--wurf"},
        // Impossible positions: a figure twice, a figure of a colour not in
        // play, more than nine on a field; a field twice, not a field, colour
        // 2's lane and goal, home, a distance below 5 (colours 1 and 2).
        {grund, {"30:1 31:1", "30:1,5,1"}, "Figur 1 "},
        {grund, {"30:13"}, "Figur 13 "},
        {grund, {"30:1,2,3,4,5,6,7,8,9,10"}, "Stellung 30"},
        {grund, {"30:1 30:2", "97:1", "0:1", "76:1", "106:1", "101:1", "4:1", "18:5"}, "Feld"},
    };
    for (const auto& g : gruppen) {
        for (const std::string& wert : g.werte) {
            SCOPED_TRACE(g.vorne + " " + wert);
            const std::string letzte = wert.substr(wert.rfind(' ') + 1); // npos + 1 is 0
            std::string genannt = g.genannt.empty() ? wert : g.genannt;
            if (genannt == "Feld") genannt += " " + letzte.substr(0, letzte.find(':')) + " ";
            simtest::ErwarteAbgelehnt(ordner.Aufruf("zuege", g.vorne + " " + wert), genannt);
        }
    }
}

// Tactic priority 12 + 4 * target category - 2 * current category; benches
// 5, 12, 17, 22, 29, 34, 39, 46, 51, 56, 63, 68. `ganz`: the whole output,
// else a part of it.
TEST(Zuege, AusgabeFuerStellungenUndWuerfe) {
    const simtest::SimOrdner ordner;
    ordner.Kopieren("zuege_taktik.txt");
    ordner.Kopieren("zuege_hoch.txt", "hoch.txt");
    const struct {
        const char* argumente;
        bool ganz;
        const char* aus;
    } faelle[] = {
        // Figure 1, 36 behind on 30, threatens 66 (S = 1) but turns off before 2.
        {"--farbe 2 --wurf 4 66:5 67:9 30:1", true,
         "schritte 4\nmoeglich 1\nziel 5 2 68 1\nheim 5 9\ncomputer 5\nwertung 5 4 0 10\n"},
        // Turning into the lane spares the figure on the bench behind.
        {"--farbe 3 --wurf 4 32:9 33:1 34:13", true,
         "schritte 4\nmoeglich 1\nziel 9 84 34 83\nheim 9 1\ncomputer 9\nwertung 9 0 0 12\n"},
        {"--farbe 1 --wurf 6 64:1 70:2,3", true, "schritte 12\nmoeglich 0\n"},
        // A 5 brings out a figure of the fuller colour: the computer returns early.
        {"--spieler 5,6,5,8 --farbe 1 --wurf 5 10:1,2,3 45:9", true,
         "schritte 5\nmoeglich 1\nziel 4 5 0 0\nziel 10 39 0 0\nziel 11 39 0 0\n"
         "ziel 12 39 0 0\nheim 4\nheim 10\nheim 11\nheim 12\ncomputer 10\nwertung 4 0 0 0\n"
         "wertung 10 0 0 0\nwertung 11 0 0 0\nwertung 12 0 0 0\n"},
        // Figure 6 arrived after colour 3's pair on 40: held.
        {"--farbe 2 --wurf 2 40:9,10,6 106:7,8", true, "schritte 2\nmoeglich 0\n"},
        // Distance 68 on the turning field, 68 + n in the lane.
        {"--farbe 2 --wurf 3 17:5 80:6 106:7,8", false, "ziel 5 78 17 76\nziel 6 106 0 0\n"},
        // The second twelve saves the figure turning into its lane, early.
        {"--farbe 1 --wurf 6 --wurfzahl 2 30:1 60:2 64:3", false,
         "ziel 2 72 68 69\nziel 3 105 68 69\n"},
        {"--farbe 1 --wurf 6 --wurfzahl 2 30:1 60:2 64:3", false,
         "computer 2\nwertung 1 0 0 0\nwertung 2 0 0 0\nwertung 3 0 0 0\n"},
        {"--farbe 1 --wurf 6 30:1 60:2 64:3", false, "computer 3\nwertung 1 0 0 12\n"},
        // Priorities above 37 load; then the first movable figure moves.
        {"--farbe 1 --wurf 3 --daten hoch.txt 10:1 20:2 105:3,4", false,
         "computer 1\nwertung 1 0 0 45\nwertung 2 0 0 45\n"},
        // Boundary positions are accepted.
        {"--farbe 1 --wurf 3 5:1 17:5 75:2 105:3 40:4,6,7,8,9,10,11,12,13", false, "schritte 3\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.argumente);
        std::string argumente = f.argumente;
        if (argumente.find("--spieler") == std::string::npos) argumente += " --spieler 5,6,7,8";
        const SimLauf lauf = ordner.Aufruf("zuege", argumente);
        EXPECT_EQ(lauf.code, 0);
        EXPECT_EQ(lauf.fehler, "");
        if (f.ganz)
            EXPECT_EQ(lauf.aus, f.aus);
        else
            EXPECT_NE(lauf.aus.find(f.aus), std::string::npos) << lauf.aus;
    }
}

} // namespace
