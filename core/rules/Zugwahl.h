#pragma once
#include <cstdint>

#include "state/Spielzustand.h"
#include "state/Tabellen.h"

namespace pelu {

// The final choice among the rated candidates (GefahrJetzt and GefahrZiel
// set): writes Prioritaet from the tactic table and returns the figure,
// or 0 when every candidate's priority lies above 37 and none of those
// within three of the best sends anybody home.
int16_t ZugWaehlen(Figurentabelle& Figur, const Tabellen& daten, int16_t spieler);

} // namespace pelu
