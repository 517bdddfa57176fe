#include "SimDaten.h"

#include <filesystem>
#include <iostream>

#include "data/Datendateisuche.h"
#include "data/Laden.h"

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

std::optional<pelu::Tabellen> SimDatenLaden(const std::string& datei, std::string* geladen) {
    try {
        const std::string pfad =
            datei.empty() ? pelu::DatendateiSuchen("", Programmordner()) : datei;
        pelu::Tabellen tabellen = pelu::DatendateiLaden(pfad);
        if (geladen) {
            std::error_code fehler;
            const std::filesystem::path absolut = std::filesystem::absolute(pfad, fehler);
            *geladen = fehler ? pfad : absolut.lexically_normal().string();
        }
        return tabellen;
    } catch (const pelu::Ladefehler& fehler) {
        std::cerr << fehler.what() << "\n";
        return std::nullopt;
    }
}
