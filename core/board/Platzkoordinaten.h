#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "state/Tabellen.h"

namespace pelu {

struct Punkt {
    int16_t x = 0;
    int16_t y = 0;
};

// Pixel centre of slot `platz` on field `feld` (0..130), from the geometry.
Punkt PlatzKoordinaten(const Tabellen& daten, int16_t feld, int16_t platz);

// PlatzKoordinaten of the slots 1..9 of every field, worked out once for the
// many moves of a game; other slots are worked out when asked.
class Platztabelle {
  public:
    explicit Platztabelle(const Tabellen& daten);
    Punkt operator()(int16_t feld, int16_t platz) const {
        if (feld < 0 || feld > 130 || platz < 1 || platz > 9)
            return PlatzKoordinaten(*daten_, feld, platz);
        return punkt_[static_cast<std::size_t>(feld)][static_cast<std::size_t>(platz - 1)];
    }

  private:
    const Tabellen* daten_;
    std::array<std::array<Punkt, 9>, 131> punkt_;
};

} // namespace pelu
