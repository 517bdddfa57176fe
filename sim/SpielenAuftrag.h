#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Argumente.h"
#include "Befehlsrahmen.h"

namespace pelu {

// The arguments of `pelu-sim spielen`, checked completely before any file is read.
struct SpielenAuftrag {
    std::array<int16_t, 4> spieler{5, 6, 7, 8}; // player value of colours 1..4
    simarg::Laufoptionen lauf;
    std::optional<std::vector<int>> wuerfel; // scripted die values; one game
    int64_t maxWuerfe = 100000;
    bool protokoll = false;
    std::string datei; // empty: Peludaten.txt, looked for as the window does
    bool hilfe = false;
};

using SpielenLesung = Lesung<SpielenAuftrag>;

SpielenLesung SpielenArgumenteLesen(const std::vector<std::string>& argumente);

} // namespace pelu
