#pragma once
#include <optional>
#include <string>
#include <vector>

#include "Argumente.h"
#include "Befehlsrahmen.h"

namespace pelu {

// The arguments of `pelu-sim turnier`, checked completely before any file is read.
struct TurnierAuftrag {
    simarg::Laufoptionen lauf; // --spiele already rounded up to whole rounds of six
    std::string datei; // table A and the board; empty: Peludaten.txt, looked for as the window does
    std::string gegner; // table B
    bool hilfe = false;
};

// Games played when --spiele is not given.
constexpr int TurnierVorgabeSpiele = 6000;

using TurnierLesung = Lesung<TurnierAuftrag>;

TurnierLesung TurnierArgumenteLesen(const std::vector<std::string>& argumente);

} // namespace pelu
