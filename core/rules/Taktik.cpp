#include "rules/Taktik.h"

namespace pelu {

Taktik::Taktik(const Tabellen& daten) : baenke_(daten) {
    for (int k = 1; k <= 36; ++k) {
        const int16_t* reihe = daten.Taktikdaten[k];
        // A row for categories that do not exist matches no move.
        if (reihe[0] < 0 || reihe[0] > 5 || reihe[1] < 0 || reihe[1] > 5) continue;
        prioritaet_[static_cast<std::size_t>(reihe[0])][static_cast<std::size_t>(reihe[1])] =
            reihe[2];
    }
}

} // namespace pelu
