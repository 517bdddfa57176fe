#pragma once
#include <cstdint>

#include "rules/Lagebild.h"
#include "rules/Taktik.h"
#include "rules/Zugregeln.h"
#include "rules/Zugwahl.h"
#include "state/Spielzustand.h"
#include "state/Tabellen.h"

namespace pelu {

// The figure the computer player would move, with the ratings of every
// figure (zero where it rated none: no target, or a choice made before any
// rating, bringing a figure out on a 5 or saving one on the second twelve).
struct Computerwahl {
    int16_t Figur = 0;
    Wertungstabelle Wertungen{};
};

// The computer's choice for `spieler` among the targets `ziele` of a roll
// with die `wurf`, the `wurfzahl`-th roll of the turn; `ziele` must hold a
// possible move. The tactic rows and bench fields come from `daten`.
Computerwahl ComputerZug(const Figurentabelle& Figur, const Zugziele& ziele, const Tabellen& daten,
                         int16_t spieler, int16_t wurf, int16_t wurfzahl);

// The same on the table's picture taken before (`lage`, of `Figur`), with the
// tactic prepared once for many rolls.
Computerwahl ComputerZug(const Figurentabelle& Figur, const Lagebild& lage, const Zugziele& ziele,
                         const Taktik& taktik, int16_t spieler, int16_t wurf, int16_t wurfzahl);

// Only the figure of that choice, for the game, which needs no ratings: a
// single movable figure is always the one chosen, so then nothing is rated.
int16_t ComputerFigur(const Figurentabelle& Figur, const Lagebild& lage, const Zugziele& ziele,
                      const Taktik& taktik, int16_t spieler, int16_t wurf, int16_t wurfzahl);

} // namespace pelu
