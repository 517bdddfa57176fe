// Every way loading can fail, and what the message tells the player.
#include <gtest/gtest.h>

#include "Rohr.h"
#include "Testtexte.h"
#include "data/Laden.h"

namespace pelu::test {

namespace {

// The message of the Ladefehler that `laden` throws.
template <typename F> std::string Meldung(F laden) {
    try {
        laden();
    } catch (const pelu::Ladefehler& f) {
        return f.what();
    }
    return "kein Ladefehler";
}

TEST(Ladefehler, MeldungNenntDateiAbschnittZeileUndGrund) {
    const std::string fehlt = "Die Überschrift \"bankdaten:\" fehlt. Sie muss genau so "
                              "geschrieben sein, in Kleinbuchstaben und ohne Leerzeichen vor "
                              "dem Doppelpunkt.";
    const std::string aussen = "\" liegt außerhalb von -32768 bis 32767.";
    std::vector<std::pair<std::string, std::string>> faelle = {
        {"", "bilddaten\": Die Überschrift \"bilddaten:\" fehlt"},
        {Text(Bild, "Bankdaten:\nDATA 1,2,3,4,5,6,7,8,9,10,11,12\n"), "bankdaten\": " + fehlt},
        {Text(Bild, "bankdaten :\nDATA 1,2,3,4,5,6,7,8,9,10,11,12\n"), "bankdaten\": " + fehlt},
        // A byte-order mark is skipped at the very start of the file only.
        {Text(Bild, Bytereihenfolgemarke + Bank), "bankdaten\": " + fehlt},
        // Sections at the end of the file, so that nothing else reads as values.
        {Bild + Taktik() + "bankdaten:\nDATA 1, 2\n' Rest:\n3, 4\n",
         "bankdaten\", Zeile 44: Die Datei endet, bevor alle 12 Bankfelder gelesen sind (2 "
         "gelesen). Nach der Kommentar- oder Leerzeile in Zeile 43 beginnt kein Feld mehr "
         "mit \"DATA\"; Werte müssen in DATA-Zeilen stehen."},
        {Bild + Bank + "taktikdaten:\r\nDATA 1, 2, 3\r\nDATA 4, 5",
         "taktikdaten\", Zeile 8: Die Datei endet, bevor alle 36 Taktikreihen zu je 3 Werten "
         "gelesen sind (Reihe 2 ist unvollständig)."},
        // The end of the file is named on its last line: after blank lines,
        // a comment, a line of blanks, in the middle of a record, with CR
        // or CRLF line ends, with or without a final line end.
        {Bild + Taktik() + "bankdaten:\nDATA 1, 2\n\n\n",
         "bankdaten\", Zeile 44: Die Datei endet, bevor alle 12 Bankfelder gelesen sind (2 "
         "gelesen). Nach der Kommentar- oder Leerzeile in Zeile 43 beginnt kein Feld mehr"},
        {Bild + Taktik() + "bankdaten:\nDATA 1, 2\n  \t",
         "bankdaten\", Zeile 43: Die Datei endet, bevor alle 12 Bankfelder gelesen sind (2 "
         "gelesen)."},
        {Bild + Taktik() + "bankdaten:\rDATA 1, 2\r",
         "bankdaten\", Zeile 42: Die Datei endet, bevor alle 12 Bankfelder gelesen sind (2 "
         "gelesen)."},
        {Bild + Bank + "taktikdaten:\nDATA 1, 2, 3\n' Ende",
         "taktikdaten\", Zeile 8: Die Datei endet, bevor alle 36 Taktikreihen zu je 3 Werten "
         "gelesen sind (Reihe 2 ist unvollständig). Nach der Kommentar- oder Leerzeile in Zeile "
         "8 beginnt"},
        {Bank + Taktik() + "bilddaten:\r\nDATA 4, 1, 2, 3\r\n\r\n",
         "bilddaten\", Zeile 42: Die Datei endet mitten im Datensatz für Feld 4 (ein Datensatz "
         "hat 11 Werte). Nach der Kommentar- oder Leerzeile in Zeile 42 beginnt"},
        {Bank + Taktik() + "bilddaten:",
         "bilddaten\", Zeile 40: Die Datei endet, bevor die Feldnummer des ersten"},
        {"bilddaten:\n", "bilddaten\", Zeile 1: Die Datei endet, bevor die Feldnummer des ersten"},
        {Bank + Taktik() + "bilddaten:\nDATA 4, 1, 2, 3\n",
         "bilddaten\", Zeile 41: Die Datei endet mitten im Datensatz für Feld 4"},
        {Bank + Taktik() + "bilddaten:\nDATA 4, 1,2,3,4,5,6,7,8,9,10\n",
         "bilddaten\", Zeile 41: Die Datei endet nach dem Datensatz für Feld 4, ohne dass die "
         "Feldnummer 0 den Abschnitt beendet."},
        {Text(Bild, "bankdaten:\nDATA 1, 2\nDATA 40000, 4\n"),
         "bankdaten\", Zeile 6: Der Wert in \"DATA 40000" + aussen},
        {Text("bilddaten:\nDATA 1, 0, 0, 0\n0, 30000\n"),
         "bilddaten\", Zeile 3: Die y-Koordinate 30000 liegt so weit außen"},
        // 30439 * 16/15 + 299 = 32767.3 still fits.
        {Text("bilddaten:\nDATA 1, 0, 30440, 0, 0, 0, 0, 0, 0, 0, 0\nDATA 0\n"),
         "bilddaten\", Zeile 2: Die x-Koordinate 30440"},
        {Text("bilddaten:\nDATA 131, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0\nDATA 0\n"),
         "bilddaten\", Zeile 2: Die Feldnummer 131 liegt außerhalb von 0 bis 130."},
        {Text("bilddaten:\nDATA 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0\n\nDATA -1\n"),
         "bilddaten\", Zeile 4: Die Feldnummer -1 liegt außerhalb von 0 bis 130."},
        {Bild + Bank + "taktikdaten:\nDATA 1, 2, 3\nDATA 4, 99999, 6\n",
         "taktikdaten\", Zeile 8: Der Wert in \"99999" + aussen},
        // Control characters and overlong fields are defused in the message.
        {Text(Bild, "bankdaten:\n\"9999999\x01\x1b[2J" + std::string(100, 'x') + "\"\n"),
         "bankdaten\", Zeile 5: Der Wert in \"9999999??[2J" + std::string(28, 'x') + "..." +
             aussen}};
    for (const std::string wert : {"32768", "-32769", "32767.5", "1E999", "&HFFFF"})
        faelle.push_back({Text(Bild, "bankdaten:\n" + wert + "\n"),
                          "bankdaten\", Zeile 5: Der Wert in \"" + wert + aussen});
    // A field of the longest length shown is shown whole, one a character
    // longer is cut there.
    for (const std::size_t laenge : {40, 41}) {
        const std::string wert = "99999" + std::string(laenge - 5, 'x');
        faelle.push_back({Text(Bild, "bankdaten:\n\"" + wert + "\"\n"),
                          "bankdaten\", Zeile 5: Der Wert in \"" + wert.substr(0, 40) +
                              (laenge > 40 ? "..." : "") + aussen});
    }
    for (const auto& [text, erwartet] : faelle) {
        const std::string m = Meldung([&t = text] { Laden(t); });
        EXPECT_EQ(m.rfind("t.txt, Abschnitt \"" + erwartet, 0), 0u)
            << m << "\nerwartet: " << erwartet;
        // A mark at the start changes nothing, not even a line number.
        EXPECT_EQ(Meldung([&t = text] { Laden(Bytereihenfolgemarke + t); }), m);
    }
    EXPECT_EQ(Laden(Text("bilddaten:\nDATA 1, 0, 30439, 0, 0, 0, 0, 0, 0, 0, 0\nDATA 0\n"))
                  .Bilddaten[1][2],
              32767);
    // A data file is a few kilobytes; an endless device is refused instead
    // of being read until memory runs out, a pipe nobody writes to instead
    // of being waited for forever.
    const Rohr ohneSchreiber;
    const std::pair<std::string, std::string> dateien[] = {
        {"/nicht/vorhanden/Peludaten.txt", "Die Datei wurde nicht gefunden."},
        {PELU_TESTDATEN, "Das ist ein Ordner, keine Datei."},
        {"/dev/zero", "Die Datei ist zu groß (über 16 MB)"},
        {ohneSchreiber.pfad, "Hier kommt eine Sekunde lang nichts an"},
        {"/dev/null", "Die Überschrift \"bilddaten:\" fehlt."}};
    for (const auto& [datei, grund] : dateien) {
        const std::string m = Meldung([&d = datei] { pelu::DatendateiLaden(d); });
        EXPECT_EQ(m.rfind(datei + ", Abschnitt \"bilddaten\": " + grund, 0), 0u) << m;
    }
}

} // namespace

} // namespace pelu::test
