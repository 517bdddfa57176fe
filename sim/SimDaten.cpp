#include "SimDaten.h"

#include <iostream>

#include "data/Laden.h"

std::optional<pelu::Tabellen> SimDatenLaden(const std::string& datei) {
    try {
        return pelu::DatendateiLaden(datei);
    } catch (const pelu::Ladefehler& fehler) {
        std::cerr << fehler.what() << "\n";
        return std::nullopt;
    }
}
