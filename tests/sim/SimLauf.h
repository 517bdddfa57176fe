#pragma once
// Runs pelu-sim as a program in a working directory of its own and captures
// exit code, stdout and stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace simtest {

namespace fs = std::filesystem;

struct SimLauf {
    int code = -1;
    std::string aus;
    std::string fehler;

    std::vector<std::string> Zeilen() const {
        std::vector<std::string> zeilen;
        std::istringstream ein(aus);
        for (std::string zeile; std::getline(ein, zeile);)
            zeilen.push_back(zeile);
        return zeilen;
    }
};

inline std::string DateiInhalt(const fs::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << ein.rdbuf();
    return inhalt.str();
}

inline std::string Quotiert(const std::string& text) {
    std::string q = "'";
    for (const char z : text)
        q += z == '\'' ? std::string("'\\''") : std::string(1, z);
    return q + "'";
}

// An empty working directory, unique per process and test, removed again
// when the object goes.
class SimOrdner {
  public:
    SimOrdner() {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        pfad_ = fs::temp_directory_path() /
                ("pelu-sim-" + std::to_string(getpid()) + "-" +
                 (test ? std::string(test->test_suite_name()) + "-" + test->name() : "ohne"));
        fs::remove_all(pfad_);
        fs::create_directories(pfad_);
    }
    ~SimOrdner() { fs::remove_all(pfad_); }
    SimOrdner(const SimOrdner&) = delete;
    SimOrdner& operator=(const SimOrdner&) = delete;

    const fs::path& Pfad() const { return pfad_; }

    // `pelu-sim BEFEHL ARGUMENTE...`, run in this directory.
    SimLauf Aufruf(const std::string& befehl, const std::vector<std::string>& argumente) const {
        std::string zeile =
            "cd " + Quotiert(pfad_.string()) + " && " + Quotiert(PELU_SIM) + " " + befehl;
        for (const auto& a : argumente)
            zeile += " " + Quotiert(a);
        zeile += " >aus.txt 2>fehler.txt";
        const int status = std::system(zeile.c_str());
        SimLauf lauf;
        if (WIFEXITED(status)) lauf.code = WEXITSTATUS(status);
        lauf.aus = DateiInhalt(pfad_ / "aus.txt");
        lauf.fehler = DateiInhalt(pfad_ / "fehler.txt");
        return lauf;
    }

  private:
    fs::path pfad_;
};

} // namespace simtest
