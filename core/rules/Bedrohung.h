#pragma once
#include <cstdint>

#include "state/Spielzustand.h"
#include "state/Tabellen.h"

namespace pelu {

// Fills Bedrohung of all figures for `feld`: the steps the nearest opponent
// figure of each colour needs to reach it (0 = no threat). With
// `ausnahmen`, figures marked to go home threaten nobody.
void Bedrohungen(Figurentabelle& Figur, int16_t spieler, int16_t feld, bool ausnahmen);

// Danger of `feld` for `figur` from the Bedrohung values just computed.
int16_t Gefahr(const Figurentabelle& Figur, const Tabellen& daten, int16_t figur, int16_t feld);

// Category 0..5 of a danger value, as the tactic table uses it.
int16_t GefahrKategorie(int16_t gefahr);

} // namespace pelu
