#include "state/Zufall.h"

#include <chrono>

namespace pelu {

uint64_t UhrSaat() {
    return static_cast<uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace pelu
