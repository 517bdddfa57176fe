#pragma once
// Runs pelu-sim as a program in an empty working directory of its own and
// captures exit code, stdout and stderr.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace pelu::test {

namespace fs = std::filesystem;

struct SimLauf {
    int code = -1;
    std::string aus, fehler;
};

// A fresh empty directory, removed again when the object goes.
struct SimOrdner {
    SimOrdner() {
        std::string muster = (fs::temp_directory_path() / "pelu-sim-XXXXXX").string();
        pfad = mkdtemp(muster.data());
    }
    ~SimOrdner() { fs::remove_all(pfad); }

    // A file of the test data, copied in under the name `ziel`.
    void Kopieren(const std::string& testdatei, const std::string& ziel = "Peludaten.txt") const {
        fs::copy_file(fs::path(PELU_TESTDATEN) / testdatei, pfad / ziel);
    }

    // A named pipe (FIFO) `name` in the folder, with no writer yet.
    void RohrAnlegen(const std::string& name) const { mkfifo((pfad / name).c_str(), 0600); }

    // `pelu-sim BEFEHL ARGUMENTE`, the arguments split as the shell splits
    // them; `davor` is shell text in front of the program in the same
    // folder (`cat x |` feeds its input, `... &` starts a writer beside it).
    SimLauf Aufruf(const std::string& befehl, const std::string& argumente,
                   const std::string& davor = "") const {
        const std::string zeile = "cd '" + pfad.string() + "' || exit 99; " + davor +
                                  " '" PELU_SIM "' " + befehl + " " + argumente +
                                  " >aus.txt 2>fehler.txt";
        const int status = std::system(zeile.c_str());
        auto inhalt = [this](const char* name) {
            std::ifstream datei(pfad / name, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(datei), {});
        };
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, inhalt("aus.txt"),
                inhalt("fehler.txt")};
    }
    fs::path pfad;
};

// A bad argument: exit 2, nothing on stdout, one line on stderr naming it.
inline void ErwarteAbgelehnt(const SimLauf& lauf, const std::string& genannt) {
    EXPECT_EQ(lauf.code, 2);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_NE(lauf.fehler.find(genannt), std::string::npos) << lauf.fehler;
    EXPECT_EQ(std::count(lauf.fehler.begin(), lauf.fehler.end(), '\n'), 1) << lauf.fehler;
}

// A data file that cannot be loaded: exit 1, nothing on stdout, the
// loader's message on stderr, which begins by naming the file.
inline void ErwarteLadefehler(const SimLauf& lauf, const std::string& anfang) {
    EXPECT_EQ(lauf.code, 1);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_TRUE(lauf.fehler.starts_with(anfang)) << lauf.fehler;
}

// The loader's message for a named pipe nobody writes to.
inline const std::string OhneSchreiber =
    "rohr, Abschnitt \"bilddaten\": Hier kommt eine Sekunde lang nichts an";

} // namespace pelu::test
