#pragma once
#include <cstdint>

#include "state/Spielzustand.h"
#include "state/Tabellen.h"

namespace pelu {

// The figure the computer player would move; ZuegeErmitteln must just
// have found a move. Leaves its work attributes and marks behind.
int16_t ComputerZug(Figurentabelle& Figur, const Tabellen& daten, int16_t spieler, int16_t wurf,
                    int16_t wurfzahl);

} // namespace pelu
