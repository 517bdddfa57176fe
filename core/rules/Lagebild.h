#pragma once
#include <array>
#include <cstdint>

#include "rules/Figurenspalte.h"
#include "state/Figurenmenge.h"
#include "state/Spielzustand.h"

namespace pelu {

// What one look at the figure table tells the rules of a roll, as sets of
// figures: gathered once instead of by a pass for each rule, each set by
// comparing whole columns of the table, without a branch on any figure.
struct Lagebild {
    explicit Lagebild(const Figurentabelle& Figur);

    Figurenmenge ImSpiel;       // player value 1 or more
    Figurenmenge ZuHause;       // state: at home
    Figurenmenge Unterwegs;     // state other than out of play, at home or in the goal
    Figurenmenge AufDemRing;    // on a ring field, benches included
    Figurenmenge Heimschickbar; // on an ordinary ring field: a passing move sends it home
    Figurenmenge Sperrend;      // forms a block on a ring or lane field (Farbstapel 2 or more)
    int16_t VollesFeld = 0;     // a field holding eight figures, 0 when none does

    // The figures of player `spieler` and those of his opponents (players in
    // play other than him).
    Figurenmenge Eigene(int16_t spieler) const;
    Figurenmenge Gegner(int16_t spieler) const;

  private:
    Figurenspalte spieler_;
};

} // namespace pelu
