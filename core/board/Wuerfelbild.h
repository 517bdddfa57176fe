#pragma once
#include <cstdint>

#include "board/Brettzeichnen.h"
#include "board/Leinwand.h"

namespace pelu {

// Radius of a pip in pixels.
inline constexpr int Augenradius = 3;

// Clears a dice box of the given inner size and draws face `wert` in white
// (Farbe(6)) around (breite \ 2, hoehe \ 2), pips Int(9 x massstab) apart.
// The pips, in drawing order: the centre (1, 3, 5); top left, bottom right
// (above 1); top right, bottom left (above 3); top middle, bottom middle (6).
// Value 0, like any value outside 1..6, leaves a blank die. Sizes and
// positions are board pixels; `raster` maps them onto the surface.
void WuerfelZeichnen(Leinwand& flaeche, int breite, int hoehe, int16_t wert, float massstab = 1.0f,
                     const Geraeteraster& raster = {});

} // namespace pelu
