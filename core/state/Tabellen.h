#pragma once
#include <cstdint>

namespace pelu {

// The static tables of the data file; filled once at start-up and never
// changed afterwards. Every element is 0 until loaded.
struct Tabellen {
    int16_t Bilddaten[131][12] = {}; // field geometry, rows 0..130, columns 0..11
    int16_t Bankdaten[14] = {};      // bench fields in 1..12
    int16_t Taktikdaten[37][4] = {}; // tactic rows 1..36, columns 0..2
};

} // namespace pelu
