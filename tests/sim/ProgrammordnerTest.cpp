// How pelu-sim finds its own folder, beside which the installed data lies.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "SimDaten.h"

namespace pelu::test {

namespace {

namespace fs = std::filesystem;

// An installed program <wurzel>/prefix/bin/pelu-sim, made fresh.
struct Installation {
    Installation() {
        std::string muster = (fs::temp_directory_path() / "pelu-ordner-XXXXXX").string();
        wurzel = mkdtemp(muster.data());
        fs::create_directories(wurzel / "prefix" / "bin");
        fs::create_directories(wurzel / "links");
        std::ofstream(programm()) << "#!/bin/sh\n";
    }
    ~Installation() { fs::remove_all(wurzel); }
    fs::path programm() const { return wurzel / "prefix" / "bin" / "pelu-sim"; }
    fs::path wurzel;
};

TEST(Programmordner, OrdnerDesProgrammsHinterDemVerweis) {
    const Installation i;
    fs::create_symlink(i.programm(), i.wurzel / "links" / "absolut");
    fs::create_symlink("../prefix/bin/pelu-sim", i.wurzel / "links" / "relativ");
    const std::string bin = (i.wurzel / "prefix" / "bin").string();
    EXPECT_EQ(Programmordner((i.wurzel / "links" / "absolut").string()), bin);
    EXPECT_EQ(Programmordner((i.wurzel / "links" / "relativ").string()), bin);
    // No link (no /proc): no folder, so only the working directory is searched.
    EXPECT_EQ(Programmordner(i.programm().string()), "");
    EXPECT_EQ(Programmordner((i.wurzel / "fehlt").string()), "");
}

// By default the running program's folder: this test's own.
TEST(Programmordner, VorgabeIstDasLaufendeProgramm) {
    EXPECT_EQ(Programmordner(), fs::canonical("/proc/self/exe").parent_path().string());
    EXPECT_EQ(fs::path(Programmordner()).filename(), "tests");
}

} // namespace

} // namespace pelu::test
