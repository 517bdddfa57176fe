#pragma once
#include <array>
#include <cstdint>

#include "rules/Gegnerlage.h"
#include "state/Tabellen.h"

namespace pelu {

// What the computer's choice reads from the data file, prepared once for
// the many rolls of a game: the priority of every pair of danger categories
// (of several rows for one pair the last counts; 0 where no row matches)
// and the bench fields as a lookup. The tables must outlive it.
class Taktik {
  public:
    explicit Taktik(const Tabellen& daten);

    int16_t Prioritaet(int16_t katZiel, int16_t katJetzt) const {
        return prioritaet_[static_cast<std::size_t>(katZiel)][static_cast<std::size_t>(katJetzt)];
    }
    const Bankfelder& Baenke() const { return baenke_; }

  private:
    std::array<std::array<int16_t, 6>, 6> prioritaet_{}; // [target][current] category 0..5
    Bankfelder baenke_;
};

} // namespace pelu
