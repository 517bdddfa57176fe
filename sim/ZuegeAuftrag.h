#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Befehlsrahmen.h"

namespace pelu {

// The arguments of `pelu-sim zuege`, checked completely before any file is read.
struct ZuegeStellung {
    int feld = 0;                 // any integer until checked
    std::vector<int16_t> figuren; // in arrival order
};

struct ZuegeAuftrag {
    std::array<int16_t, 4> spieler{}; // player value of colours 1..4
    int16_t farbe = 0;
    int16_t wurf = 0;
    int16_t wurfzahl = 1;
    std::string datei; // empty: Peludaten.txt, looked for as the window does
    std::vector<ZuegeStellung> stellung;
    bool hilfe = false;
};

using ZuegeLesung = Lesung<ZuegeAuftrag>;

ZuegeLesung ZuegeArgumenteLesen(const std::vector<std::string>& argumente);

} // namespace pelu
