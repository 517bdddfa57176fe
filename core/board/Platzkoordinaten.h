#pragma once
#include <cstdint>

#include "state/Tabellen.h"

namespace pelu {

struct Punkt {
    int16_t x = 0;
    int16_t y = 0;
};

// Pixel centre of slot `platz` on field `feld` (0..130), from the geometry.
Punkt PlatzKoordinaten(const Tabellen& daten, int16_t feld, int16_t platz);

} // namespace pelu
