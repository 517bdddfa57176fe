#pragma once
#include <cmath>
#include <cstdint>

namespace pelu {

// Every conversion from floating point to a game integer rounds to the
// nearest integer, ties to the even one (2.5 -> 2, 3.5 -> 4).
inline int16_t RundeGerade(double wert) {
    return static_cast<int16_t>(std::nearbyint(wert));
}

// Floor, as the classic Int function.
inline int16_t Int(double wert) {
    return static_cast<int16_t>(std::floor(wert));
}

} // namespace pelu
