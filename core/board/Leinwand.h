#pragma once
#include <cstdint>

namespace pelu {

// A surface the board and the dice are drawn on. Colours are 0xRRGGBB.
// The window implements it on a persistent image; tests on a pixel buffer.
class Leinwand {
  public:
    virtual ~Leinwand() = default;

    // Clears the whole surface to its background colour.
    virtual void Loeschen() = 0;
    // A straight line; it covers both end points.
    virtual void Linie(int x1, int y1, int x2, int y2, uint32_t farbe) = 0;
    // A filled disc of radius r around (cx, cy), its outline in `rand`.
    virtual void Kreis(int cx, int cy, int r, uint32_t rand, uint32_t fuellung) = 0;
};

} // namespace pelu
