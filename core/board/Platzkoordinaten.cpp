#include "board/Platzkoordinaten.h"

#include <algorithm>

#include "state/Rundung.h"
#include "state/Spielfelder.h"

namespace pelu {

namespace {

// Rounds ties to even. Values beyond the 16-bit range can only come from a
// faulty file or slot; they are held at its ends instead of wrapping.
int16_t R(double wert) {
    return RundeGerade(std::clamp(wert, -32768.0, 32767.0));
}

// How far the second row of a turning field lies beside the first, in pixels.
constexpr int Reihenabstand = 18;

} // namespace

Punkt PlatzKoordinaten(const Tabellen& daten, int16_t feld, int16_t platz) {
    if (feld < 0 || feld > 130) return {};
    const auto& z = daten.Bilddaten[feld];

    if (feld > 100) {
        // Homes and goals store four places. A slot outside 1..4 takes one
        // of them in turn (5 -> 1, 6 -> 2, ..., 0 -> 4), so no slot reads
        // beyond the row.
        const int p = ((platz - 1) % 4 + 4) % 4 + 1;
        return {z[2 * p], z[2 * p + 1]};
    }

    const int16_t ax = R((z[2] + z[4]) / 2.0);
    const int16_t ay = R((z[3] + z[5]) / 2.0);
    const int16_t bx = R((z[6] + z[8]) / 2.0);
    const int16_t by = R((z[7] + z[9]) / 2.0);
    const int sx = R((ax - bx) / 4.0);
    const int sy = R((ay - by) / 4.0);
    const double hx = sx / 2.0;
    const double hy = sy / 2.0;

    // Slots 1..4 lie between A and B at 1/8, 3/8, 5/8 and 7/8 of the way.
    if (platz < 5) return {R((ax - platz * sx) + hx), R((ay - platz * sy) + hy)};

    const int j = platz - 4;
    switch (feld) {
    // The turning fields sit at the arms' ends: their second row lies
    // beside the first, outside the board's cross.
    case WendefeldVon(2): return {R((ax - j * sx) + hx), R((ay + Reihenabstand - j * sy) - hy)};
    case WendefeldVon(3): return {R((ax + Reihenabstand - j * sx) + hx), R((ay - j * sy) + hy)};
    case WendefeldVon(4): return {R((ax - j * sx) + hx), R((ay - Reihenabstand - j * sy) - hy)};
    case WendefeldVon(1): return {R((ax - Reihenabstand - j * sx) + hx), R((ay - j * sy) + hy)};
    default:
        // Everywhere else the row continues past A, away from B.
        return {R((ax + j * sx) - hx), R((ay + j * sy) - hy)};
    }
}

Platztabelle::Platztabelle(const Tabellen& daten) : daten_(&daten) {
    for (int16_t feld = 0; feld <= 130; ++feld) {
        for (int16_t platz = 1; platz <= 9; ++platz)
            punkt_[static_cast<std::size_t>(feld)][static_cast<std::size_t>(platz - 1)] =
                PlatzKoordinaten(daten, feld, platz);
    }
}

} // namespace pelu
