#pragma once
#include <cstdint>

namespace pelu {

// Numbering of the fields: the ring 1..68 (after 68 comes 1), the four lanes
// of seven fields 69..96, the homes 101..104 and the goals 105..108 of
// colours 1..4.
constexpr int Ringlaenge = 68;
constexpr int Einlauflaenge = 7;
constexpr int ErstesEinlauffeld = Ringlaenge + 1;
constexpr int LetztesEinlauffeld = Ringlaenge + 4 * Einlauflaenge;

constexpr bool IstStreckenfeld(int feld) {
    return feld >= 1 && feld <= Ringlaenge;
}
constexpr bool IstHeimfeld(int feld) {
    return feld >= 101 && feld <= 104;
}
constexpr bool IstZielfeld(int feld) {
    return feld >= 105 && feld <= 108;
}

// A field counted on along the ring, past 68 back to 1.
constexpr int AufDemRing(int feld) {
    return feld > Ringlaenge ? feld - Ringlaenge : feld;
}

// Distance travelled (Weg): 0 at home, 5 on the exit field, the ring length
// on the colour's turning field, then the lane, and the goal after it.
constexpr int WegAmAusgang = 5;
constexpr int WegAmWendefeld = Ringlaenge;
constexpr int WegImZiel = WegAmWendefeld + Einlauflaenge + 1;

// Per-colour fields: the turning field where the colour leaves the ring,
// the first field of its lane, its home and its goal.
constexpr int16_t WendefeldVon(int farbe) {
    return farbe == 1 ? Ringlaenge : static_cast<int16_t>(17 * (farbe - 1));
}
constexpr int16_t EinlaufVon(int farbe) {
    return static_cast<int16_t>(ErstesEinlauffeld + Einlauflaenge * (farbe - 1));
}
constexpr int16_t HeimfeldVon(int farbe) {
    return static_cast<int16_t>(100 + farbe);
}
constexpr int16_t ZielfeldVon(int farbe) {
    return static_cast<int16_t>(104 + farbe);
}
// The exit field, where the colour's figures come out of home.
constexpr int16_t AusgangVon(int farbe) {
    return static_cast<int16_t>(AufDemRing(WendefeldVon(farbe) + WegAmAusgang));
}

} // namespace pelu
