#pragma once
#include <array>
#include <cstdint>

#include "board/Leinwand.h"
#include "state/Farben.h"
#include "state/Tabellen.h"

namespace pelu {

// Outline colour of the fields: the board's fore colour, black.
inline constexpr uint32_t Umrissfarbe = 0x000000;

// Corners of the field being drawn: entries 0..3 are P0..P3, entry 4
// repeats P0 to close the outline.
struct Ecken {
    std::array<int16_t, 5> x{};
    std::array<int16_t, 5> y{};
};

// Fills the quadrilateral row by row with palette colour `fuellfarbe`.
// The crossings of each row are paired in edge order, so a convex
// quadrilateral of any size is filled exactly; the lowest row is left to the
// outline.
void ViereckFuellen(Leinwand& flaeche, const Ecken& ecken, int32_t fuellfarbe);

// Fills the quadrilateral and draws its outline on top, in black.
void FeldZeichnen(Leinwand& flaeche, const Ecken& ecken, int32_t fuellfarbe);

// Clears the surface and draws fields 1..96 and the four homes.
void BrettZeichnen(Leinwand& flaeche, const Tabellen& daten, const Farbtabelle& farbe,
                   float massstab = 1.0f);

} // namespace pelu
