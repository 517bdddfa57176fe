#include "SimDaten.h"

#include <filesystem>
#include <iostream>

#include "data/Datendateisuche.h"
#include "data/Laden.h"

namespace pelu {

std::string Programmordner(const std::string& selbst) {
    std::error_code fehler;
    std::filesystem::path programm = std::filesystem::read_symlink(selbst, fehler);
    if (fehler) return {};
    // A relative link points from the link's own folder.
    if (programm.is_relative()) programm = std::filesystem::path(selbst).parent_path() / programm;
    return programm.lexically_normal().parent_path().string();
}

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

} // namespace pelu
