#include "SimDaten.h"

#include <filesystem>
#include <iostream>

#include "data/Datendateisuche.h"
#include "data/Laden.h"

namespace pelu {

namespace {

// The folder of this program, as the kernel knows it (links resolved). Empty
// where there is no /proc; the installed data is then looked for beside the
// working directory.
std::string Programmordner() {
    std::error_code fehler;
    const std::filesystem::path programm = std::filesystem::read_symlink("/proc/self/exe", fehler);
    return fehler ? std::string() : programm.parent_path().string();
}

} // namespace

std::optional<pelu::Tabellen> SimDatenLaden(const std::string& datei) {
    try {
        return pelu::DatendateiLaden(datei.empty() ? pelu::DatendateiSuchen("", Programmordner())
                                                   : datei);
    } catch (const pelu::Ladefehler& fehler) {
        std::cerr << fehler.what() << "\n";
        return std::nullopt;
    }
}

} // namespace pelu
