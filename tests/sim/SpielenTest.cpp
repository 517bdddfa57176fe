// pelu-sim spielen, run as a program: trace, scripted dice, abbruch, exit codes.
#include "sim/SimLauf.h"

namespace pelu::test {

namespace {

// With --protokoll the trace alone goes to stdout, the summary to stderr.
TEST(Spielen, GeskriptetesProtokoll) {
    const SimOrdner ordner;
    ordner.Kopieren("spiel_brett.txt");
    for (const auto& [argumente, erwartet] :
         std::initializer_list<std::pair<const char*, const char*>>{
             // The next roll needs a second try for a 5 that the list no longer has.
             {"--spieler 0,5,0,0 --wuerfel 5,4", "wurf 2 5\nzug 5 102.1 22.2\nabbruch\n"},
             {"--spieler 5,0,0,0 --wuerfel 6,6,6,6,6,6,6,6,6,2,2,2",
              "wurf 1 6\nwurf 1 6\nwurf 1 6\n3mal12 1\nwurf 1 2\nabbruch\n"},
             {"--spieler 1,0,0,0 --wuerfel 5", "wurf 1 5\nzug 1 101.1 5.2\nabbruch\n"},
             {"--spieler 0,0,0,0", "ende 0 0 0 0\n"},
             // Three tries per roll: the limit, not the dice, ends the game.
             {"--spieler 5,0,0,0 --wuerfel 1,1,1,1,1,1,1,1,1,1,1,1 --max-wuerfe 3",
              "wurf 1 1\nwurf 1 1\nwurf 1 1\nabbruch\n"}}) {
        SCOPED_TRACE(argumente);
        const SimLauf l = ordner.Aufruf("spielen", std::string(argumente) + " --protokoll");
        EXPECT_EQ(l.code, 0);
        EXPECT_EQ(l.aus, std::string("spiel 1\n") + erwartet);
        EXPECT_NE(l.fehler.find("Spiele: 1"), std::string::npos) << l.fehler;
    }
}

// Every try counts as drawn, only the last of a roll as shown; tries past
// the end of the list count nowhere.
TEST(Spielen, Wuerfelstatistik) {
    const SimOrdner ordner;
    ordner.Kopieren("spiel_brett.txt");
    // Four figures at home: three tries for a 5 in every roll.
    const SimLauf l =
        ordner.Aufruf("spielen", "--spieler 5,0,0,0 --wuerfel 6,6,6,6,6,6,6,6,6,2,2,2,4");
    EXPECT_EQ(l.code, 0);
    for (const char* zeile : {"gezogen (jeder Versuch): 0 3 0 1 0 9\n",
                              "gezeigt (nach den Zusatzversuchen): 0 1 0 0 0 3\n",
                              // 13 draws, 13/6 expected each: 91 * 6 / 13 - 13
                              "Chi-Quadrat 29 bei 5 Freiheitsgraden, p = 2.31876e-05\n"}) {
        EXPECT_NE(l.aus.find(zeile), std::string::npos) << zeile << "\n" << l.aus;
    }
}

// The same seed plays the same games, three of them to their end.
TEST(Spielen, GanzeSpieleWiederholbar) {
    const SimOrdner ordner;
    ordner.Kopieren("spiel_brett.txt");
    const std::string argumente = "--spiele 3 --protokoll --turbo --spieler 5,1,5,8 --saat ";
    const SimLauf a = ordner.Aufruf("spielen", argumente + "11");
    ASSERT_EQ(a.code, 0);
    EXPECT_EQ(ordner.Aufruf("spielen", argumente + "11").aus, a.aus);
    EXPECT_NE(ordner.Aufruf("spielen", argumente + "12").aus, a.aus);
    EXPECT_NE(a.aus.find("\nspiel 3\n"), std::string::npos);
    EXPECT_EQ(a.aus.find("abbruch"), std::string::npos);
    EXPECT_EQ(a.aus.substr(a.aus.rfind('\n', a.aus.size() - 2) + 1, 5), "ende ");
}

// Every game draws from its own stream, so the number of threads changes
// neither the trace (in game order) nor the summary, also when games are cut
// off in mid-turn and the next game on that thread starts from there.
TEST(Spielen, JobsAendernNichts) {
    const SimOrdner ordner;
    ordner.Kopieren("spiel_brett.txt");
    auto ohneTempo = [](std::string text) {
        return text.substr(0, text.find("Spiele je Sekunde"));
    };
    for (const std::string argumente : {"--spiele 30 --saat 4 --spieler 5,1,6,6",
                                        "--spiele 25 --saat 9 --max-wuerfe 40 --turbo"}) {
        SCOPED_TRACE(argumente);
        const SimLauf eins = ordner.Aufruf("spielen", argumente + " --protokoll");
        ASSERT_EQ(eins.code, 0);
        for (const char* jobs : {"2", "3", "0"}) {
            const SimLauf viele =
                ordner.Aufruf("spielen", argumente + " --protokoll --jobs " + jobs);
            EXPECT_EQ(viele.aus, eins.aus) << jobs;
            EXPECT_EQ(ohneTempo(viele.fehler), ohneTempo(eins.fehler)) << jobs;
        }
    }
}

// Bad arguments give 2 even without a data file: they are checked first;
// a data file that does not load gives 1.
TEST(Spielen, Exitcodes) {
    const SimOrdner ordner;
    for (const std::string falsch :
         {"--spieler 1,2,3", "--spieler 1,2,3,9", "--wuerfel 7", "--spiele 0", "--daten", "--bunt",
          "--saat 1 --saat 2", "--jobs -1", "--jobs zwei"}) {
        SCOPED_TRACE(falsch);
        ErwarteAbgelehnt(ordner.Aufruf("spielen", falsch), falsch.substr(0, falsch.find(' ')));
    }
    ordner.RohrAnlegen("rohr"); // nobody writes to it
    ErwarteLadefehler(ordner.Aufruf("spielen", "--daten rohr"), OhneSchreiber);
}

} // namespace

} // namespace pelu::test
