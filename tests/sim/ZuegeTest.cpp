// pelu-sim zuege, run as a program: output, exit codes and refusals.
#include "sim/SimLauf.h"

namespace pelu::test {

namespace {

// Colour 2's figure 5 goes from 66 over the ring's end to 2, sending figure 9
// home; figure 1 of colour 1, 36 behind on 30, turns into its lane before 2.
TEST(Zuege, AusgabeUeberDasRingendeHinweg) {
    const SimOrdner ordner;
    ordner.Kopieren("zuege_taktik.txt");
    const SimLauf l = ordner.Aufruf("zuege", "--spieler 5,6,7,8 --farbe 2 --wurf 4 66:5 67:9 30:1");
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.fehler, "");
    EXPECT_EQ(l.aus,
              "schritte 4\nmoeglich 1\nziel 5 2 68 1\nheim 5 9\ncomputer 5\nwertung 5 4 0 10\n");
}

// In an empty directory: every refusal comes before the missing file is read.
TEST(Zuege, AblehnungenVorDerFehlendenDatei) {
    const SimOrdner ordner;
    const std::string g = "--spieler 5,6,7,0 --farbe 1 --wurf 3 ";
    for (const auto& [argumente, genannt] :
         std::initializer_list<std::pair<std::string, const char*>>{
             {g + "30:", "30:"},
             {g + "--wurf 4", "--wurf"},                          // twice
             {"--spieler 5,6,7,0 --wurf 3 --farbe 4", "--farbe"}, // 4 is not in play
             // Impossible positions, one of each kind.
             {g + "30:1 31:1", "Figur 1 "}, // a figure twice
             {g + "30:13", "Figur 13 "},    // of a colour not in play
             {g + "30:1 30:2", "Feld 30 "}, // a field twice
             {g + "97:1", "Feld 97 "},      // not a field
             {g + "76:1", "Feld 76 "},      // colour 2's lane
             {g + "101:1", "Feld 101 "},    // home
             {g + "4:1", "Feld 4 "},        // distance below 5
             {g + "30:1,2,3,4,5,6,7,8,9,10", "Stellung 30"}}) {
        SCOPED_TRACE(argumente);
        ErwarteAbgelehnt(ordner.Aufruf("zuege", argumente), genannt);
    }
    ErwarteLadefehler(ordner.Aufruf("zuege", g), "Peludaten.txt, Abschnitt \"bilddaten\": ");
    ordner.RohrAnlegen("rohr"); // nobody writes to it
    ErwarteLadefehler(ordner.Aufruf("zuege", g + "--daten rohr"), OhneSchreiber);
}

} // namespace

} // namespace pelu::test
