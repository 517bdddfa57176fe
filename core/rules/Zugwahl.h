#pragma once
#include <array>
#include <cstdint>

#include "rules/Zugregeln.h"
#include "state/Spielzustand.h"
#include "state/Tabellen.h"

namespace pelu {

class Kandidaten;
class Taktik;

// How the computer rated one candidate move: the danger where the figure
// stands and at its target, and the priority from the tactic table.
struct Wertung {
    int16_t GefahrJetzt = 0;
    int16_t GefahrZiel = 0;
    int16_t Prioritaet = 0;
};

// The ratings of one roll by figure 1..16 (entry 0 unused).
using Wertungstabelle = std::array<Wertung, FigurAnzahl + 1>;

// The final choice among the candidates of `ziele`, rated in `wertungen`
// (GefahrJetzt and GefahrZiel set): writes each candidate's Prioritaet from
// the tactic table and returns the figure, or 0 when every candidate's
// priority lies above 37 and none of those within three of the best sends
// anybody home.
int16_t ZugWaehlen(const Figurentabelle& Figur, const Zugziele& ziele, const Tabellen& daten,
                   int16_t spieler, Wertungstabelle& wertungen);

// The figures each candidate move sends home, by figure 1..16.
using Opfertabelle = std::array<Figurenmenge, FigurAnzahl + 1>;

// The same with the tactic prepared before, on the candidates of the roll
// and the figures their moves send home, worked out before.
int16_t ZugWaehlen(const Figurentabelle& Figur, const Zugziele& ziele, const Taktik& taktik,
                   const Kandidaten& kandidaten, const Opfertabelle& opfer,
                   Wertungstabelle& wertungen);

} // namespace pelu
