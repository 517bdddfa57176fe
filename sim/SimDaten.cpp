#include "SimDaten.h"

#include <iostream>

#include "data/Laden.h"

std::optional<pelu::Tabellen> SimDatenLaden(const std::string& datei) {
    constexpr int16_t MitteX = 299;
    constexpr int16_t MitteY = 274;
    try {
        return pelu::DatendateiLaden(datei, MitteX, MitteY);
    } catch (const pelu::Ladefehler& fehler) {
        std::cerr << fehler.what() << "\n";
        return std::nullopt;
    }
}
