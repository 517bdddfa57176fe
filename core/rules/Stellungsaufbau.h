#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "state/Spielzustand.h"
#include "state/Tabellen.h"

namespace pelu {

// Distance (Weg) of a figure of colour `farbe` standing on `feld`: 0 at its
// home, 76 in its goal, 68 + n on the n-th field of its lane, on the track
// the distance from its turning field along the ring (68 on the turning
// field itself). -1 for a field the colour never stands on.
int16_t WegAufFeld(int farbe, int16_t feld);

// A fresh table with every colour at home, as at the start of a game:
// player values of colours 1..4, slots and arrival orders 1..4, the colour
// constants, state 1 for colours in play.
Figurentabelle Grundstellung(const std::array<int16_t, FarbAnzahl>& spieler);

// Moves `figuren` onto `feld` in this order, as if each had just arrived
// there in a game: slot choice, arrival orders on both fields, distance and
// state. Figures already on `feld`, invalid numbers and fields their colour
// cannot stand on are skipped.
void FigurenHinstellen(Figurentabelle& Figur, const Tabellen& daten, int16_t feld,
                       const std::vector<int16_t>& figuren);

} // namespace pelu
