#pragma once
// Runs pelu-sim as a program in an empty working directory of its own and
// captures exit code, stdout and stderr.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace simtest {

namespace fs = std::filesystem;

struct SimLauf {
    int code = -1;
    std::string aus;
    std::string fehler;
};

// A fresh empty directory, removed again when the object goes.
class SimOrdner {
  public:
    SimOrdner() {
        std::string muster = (fs::temp_directory_path() / "pelu-sim-XXXXXX").string();
        pfad_ = mkdtemp(muster.data());
    }
    ~SimOrdner() { fs::remove_all(pfad_); }
    SimOrdner(const SimOrdner&) = delete;
    SimOrdner& operator=(const SimOrdner&) = delete;

    // A file of the test data, copied in under the name `ziel`.
    void Kopieren(const std::string& testdatei, const std::string& ziel = "Peludaten.txt") const {
        fs::copy_file(fs::path(PELU_TESTDATEN) / testdatei, pfad_ / ziel,
                      fs::copy_options::overwrite_existing);
    }

    // `pelu-sim BEFEHL` with the blank-separated words of `woerter` as
    // arguments ('' for an empty one), run in this directory.
    SimLauf Aufruf(const std::string& befehl, const std::string& woerter) const {
        auto quotiert = [](const std::string& text) {
            std::string q = "'";
            for (const char z : text)
                q += z == '\'' ? std::string("'\\''") : std::string(1, z);
            return q + "'";
        };
        std::string zeile =
            "cd " + quotiert(pfad_.string()) + " && " + quotiert(PELU_SIM) + " " + befehl;
        std::istringstream ein(woerter);
        for (std::string w; ein >> w;)
            zeile += " " + quotiert(w == "''" ? "" : w);
        const int status = std::system((zeile + " >aus.txt 2>fehler.txt").c_str());
        auto inhalt = [this](const char* name) {
            std::ostringstream text;
            text << std::ifstream(pfad_ / name, std::ios::binary).rdbuf();
            return text.str();
        };
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, inhalt("aus.txt"),
                inhalt("fehler.txt")};
    }

  private:
    fs::path pfad_;
};

// A bad argument: exit 2, nothing on stdout, one line on stderr naming it.
inline void ErwarteAbgelehnt(const SimLauf& lauf, const std::string& genannt) {
    EXPECT_EQ(lauf.code, 2);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_NE(lauf.fehler.find(genannt), std::string::npos) << lauf.fehler;
    EXPECT_EQ(std::count(lauf.fehler.begin(), lauf.fehler.end(), '\n'), 1) << lauf.fehler;
}

} // namespace simtest
