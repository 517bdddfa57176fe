#pragma once
#include <cstdint>

#include "state/Spielzustand.h"

namespace pelu {

struct Zugmoeglichkeit {
    int16_t Schritte = 0;  // 12 for a 6, else the die value
    bool Moeglich = false; // at least one figure got a target
};

// Targets and passages of every figure of `spieler` for die value `wurf`;
// writes Zielfeld, Abschnittende and Abschnittanfang of all 16 figures.
Zugmoeglichkeit ZuegeErmitteln(Figurentabelle& Figur, int16_t spieler, int16_t wurf);

// Marks (Heimschicken = 1) exactly the figures the move of `figur` sends home.
void HeimschickenMarkieren(Figurentabelle& Figur, int16_t spieler, int16_t figur);

} // namespace pelu
