// Where the bytes of a data file come from changes nothing: a file, a file
// that starts with a byte-order mark, a named pipe that a writer fills.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "Rohr.h"
#include "Testtexte.h"
#include "data/Laden.h"

namespace pelu::test {

namespace {

using std::chrono::milliseconds;

bool Gleich(const pelu::Tabellen& a, const pelu::Tabellen& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(Dateiquelle, LaedtWieDerTextOhneMarke) {
    const std::string text = Text();
    const pelu::Tabellen erwartet = Laden(text);
    for (const std::string& inhalt :
         {text, Bytereihenfolgemarke + text, Bytereihenfolgemarke + "' Kommentar\n" + text}) {
        SCOPED_TRACE(inhalt.substr(0, 20));
        const Rohr ordner; // the file beside the pipe
        const std::string datei = (ordner.ordner / "datei.txt").string();
        std::ofstream(datei, std::ios::binary) << inhalt;
        EXPECT_TRUE(Gleich(pelu::DatendateiLaden(datei), erwartet));
    }
    // The writer comes at once, or keeps the reader waiting twice.
    for (const milliseconds verzug : {milliseconds(0), milliseconds(300)}) {
        SCOPED_TRACE(verzug.count());
        const Rohr rohr;
        const Rohrschreiber schreiber(rohr, Bytereihenfolgemarke + text, verzug);
        EXPECT_TRUE(Gleich(pelu::DatendateiLaden(rohr.pfad), erwartet));
    }
}

} // namespace

} // namespace pelu::test
