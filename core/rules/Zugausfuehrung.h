#pragma once
#include <cstdint>

#include "state/Figurenmenge.h"
#include "state/Spielzustand.h"
#include "state/Tabellen.h"

namespace pelu {

// Slot a figure arriving on field `ziel` takes: the first free of 2, 3, 4, 1,
// 5..8, else 9.
int16_t PlatzSuchen(const Figurentabelle& Figur, int16_t ziel);

// Writes the move of `figur` to field `ziel`, slot `platz` into the table:
// distance, arrival orders on both fields, field, slot and state.
void FigurSetzen(Figurentabelle& Figur, const Tabellen& daten, int16_t figur, int16_t ziel,
                 int16_t platz, int16_t schritte);

// The figure that moves down into the main slot `platz` vacated on `feld`,
// or 0 when none does.
int16_t PlatzNachruecken(const Figurentabelle& Figur, int16_t feld, int16_t platz);

// The lowest-numbered figure marked to go home, its mark cleared; 0 if none.
int16_t NaechsterHeimkehrer(Figurenmenge& heimschicken);

} // namespace pelu
