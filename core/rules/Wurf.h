#pragma once
#include <cstdint>

#include "rules/Lagebild.h"
#include "state/Spielzustand.h"
#include "state/Zufall.h"

namespace pelu {

// The face of one draw `r` from the random source: Int(6 r + 1).
int16_t Augenzahl(float r);

// The value of one roll of colour `farbe`: one draw, or up to two (three
// figures at home) or three (four at home) tries for a 5.
int16_t WurfWert(const Figurentabelle& Figur, int farbe, Zufallsquelle& zufall);
// The same on the table's picture taken before.
int16_t WurfWert(const Lagebild& lage, int farbe, Zufallsquelle& zufall);

} // namespace pelu
