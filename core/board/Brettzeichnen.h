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
// repeats P0 to close the outline. Board pixels, or surface pixels once
// scaled to a screen's device pixels (hence wider than 16 bits).
struct Ecken {
    std::array<int, 5> x{};
    std::array<int, 5> y{};
};

// Fills the quadrilateral row by row with palette colour `fuellfarbe`.
// The crossings of each row are paired in edge order, so a convex
// quadrilateral of any size is filled exactly; the lowest row is left to the
// outline.
void ViereckFuellen(Leinwand& flaeche, const Ecken& ecken, int32_t fuellfarbe);

// Fills the quadrilateral and draws its outline on top, in black, with a
// square pen `strichbreite` pixels wide that reaches right of and below the
// corners.
void FeldZeichnen(Leinwand& flaeche, const Ecken& ecken, int32_t fuellfarbe, int strichbreite = 1);

// Clears the surface and draws fields 1..96 and the four homes. On a surface
// of a screen's device pixels (`raster`), corners, centres and radii are
// scaled first and lines are as wide as one board pixel, so the picture has
// the screen's detail; at factor 1 it is the board drawing itself.
void BrettZeichnen(Leinwand& flaeche, const Tabellen& daten, float massstab = 1.0f,
                   const Geraeteraster& raster = {});

} // namespace pelu
