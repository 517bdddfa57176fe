// pelu-sim pruefen, run as a program: exit codes, stdout and stderr.
#include "sim/SimLauf.h"

namespace pelu::test {

namespace {

TEST(Pruefen, ExitcodesMeldungenUndTabellen) {
    const SimOrdner ordner;
    // Arguments are checked before the (missing) file is read.
    for (const auto& [argumente, genannt] :
         std::initializer_list<std::pair<const char*, const char*>>{
             {"--bla", "--bla"},
             {"--tabellen extra.txt", "extra.txt"},
             {"--daten", "--daten"},
             {"--daten a.txt --daten b.txt", "--daten"},
             {"--tabellen --tabellen", "--tabellen ist mehrfach angegeben"}}) {
        SCOPED_TRACE(argumente);
        ErwarteAbgelehnt(ordner.Aufruf("pruefen", argumente), genannt);
    }
    EXPECT_EQ(ordner.Aufruf("pruefen", "--help").code, 0);
    ordner.Kopieren("ohne_taktik.txt", "kaputt.txt");
    ErwarteLadefehler(ordner.Aufruf("pruefen", "--tabellen --daten kaputt.txt"),
                      "kaputt.txt, Abschnitt \"taktikdaten\": ");
    ordner.Kopieren("gueltig_crlf.txt");
    SimLauf e = ordner.Aufruf("pruefen", ""); // without --daten: Peludaten.txt from here
    EXPECT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(std::count(e.aus.begin(), e.aus.end(), '\n'), 3) << e.aus; // one line per table
    // The file read is named on stderr, as an absolute path.
    const std::string geladen =
        "pelu-sim pruefen: geladen aus " + (ordner.pfad / "Peludaten.txt").string() + "\n";
    EXPECT_EQ(e.fehler, geladen);
    e = ordner.Aufruf("pruefen", "--tabellen");
    EXPECT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.fehler, geladen);
    ordner.Kopieren("gueltig_crlf.txt", "andere.txt");
    EXPECT_EQ(ordner.Aufruf("pruefen", "--daten ./andere.txt").fehler,
              "pelu-sim pruefen: geladen aus " + (ordner.pfad / "andere.txt").string() + "\n");
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

// A pipe that delivers the file loads like the file; a named pipe nobody
// writes to is a load error, not a wait without end.
TEST(Pruefen, DatendateiAusEinerPipe) {
    const SimOrdner ordner;
    ordner.Kopieren("gueltig_crlf.txt");
    const std::string erwartet = ordner.Aufruf("pruefen", "--tabellen").aus;
    ordner.RohrAnlegen("rohr");
    for (const auto& [davor, datei] : std::initializer_list<std::pair<const char*, const char*>>{
             {"cat Peludaten.txt |", "/dev/stdin"},
             {"timeout 10 sh -c 'sleep 0.3; cat Peludaten.txt >rohr' &", "rohr"}}) {
        SCOPED_TRACE(davor);
        const SimLauf l =
            ordner.Aufruf("pruefen", std::string("--tabellen --daten ") + datei, davor);
        EXPECT_EQ(l.code, 0) << l.fehler;
        EXPECT_EQ(l.aus, erwartet);
    }
    ErwarteLadefehler(ordner.Aufruf("pruefen", "--daten rohr"), OhneSchreiber);
}

} // namespace

} // namespace pelu::test
