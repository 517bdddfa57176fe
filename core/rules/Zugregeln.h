#pragma once
#include <array>
#include <cstdint>

#include "state/Figurenmenge.h"
#include "state/Spielzustand.h"

namespace pelu {

// Where one figure would go with the roll, and the passage it would cross:
// the fields after its field up to Zielfeld, broken after Abschnittende and
// resumed at Abschnittanfang (both 0: unbroken). Zielfeld 0: it cannot move.
struct Zugziel {
    int16_t Zielfeld = 0;
    int16_t Abschnittende = 0;
    int16_t Abschnittanfang = 0;
};

// The targets of one roll by figure 1..16 (entry 0 unused).
using Zugziele = std::array<Zugziel, FigurAnzahl + 1>;

struct Zugmoeglichkeit {
    int16_t Schritte = 0;  // 12 for a 6, else the die value
    bool Moeglich = false; // at least one figure got a target
    Zugziele Ziele{};
};

struct Lagebild;

// Targets and passages of every figure of `spieler` for die value `wurf`;
// figures of other players get none.
Zugmoeglichkeit ZuegeErmitteln(const Figurentabelle& Figur, int16_t spieler, int16_t wurf);
// The same on the table's picture taken before (`lage`, of `Figur`).
Zugmoeglichkeit ZuegeErmitteln(const Figurentabelle& Figur, const Lagebild& lage, int16_t spieler,
                               int16_t wurf);

// Exactly the figures that the move of `figur` to its target in `ziele`
// sends home: opponents of `spieler` on ordinary track fields of its passage.
Figurenmenge HeimschickenMarkieren(const Figurentabelle& Figur, const Zugziele& ziele,
                                   int16_t spieler, int16_t figur);

// The figures a move of `spieler` could send home at all: his opponents'
// figures on ordinary track fields.
Figurenmenge Heimschickbare(const Lagebild& lage, int16_t spieler);

// Those of `heimschickbare` that the move of `figur` (target and passage
// `zug`) passes over: the figures it sends home.
Figurenmenge HeimschickenMarkieren(const Figurentabelle& Figur, const Figurenmenge& heimschickbare,
                                   int16_t figur, const Zugziel& zug);

} // namespace pelu
