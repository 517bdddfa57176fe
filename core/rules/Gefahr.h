#pragma once
#include <array>
#include <cstdint>

#include "rules/Gegnerlage.h"
#include "state/Figurenmenge.h"

namespace pelu {

// The opponent figures that threaten a field: of each colour the nearest
// one that reaches it before turning into its lane, with the steps it needs.
class Bedrohende {
  public:
    struct Bedrohung {
        const Gegnerlage::Jaeger* jaeger;
        int16_t schritte; // 1..67
    };

    void Hinzufuegen(const Gegnerlage::Jaeger* jaeger, int16_t schritte) {
        bedrohung_[anzahl_++] = {jaeger, schritte};
    }
    const Bedrohung* begin() const { return bedrohung_.data(); }
    const Bedrohung* end() const { return bedrohung_.data() + anzahl_; }

  private:
    std::array<Bedrohung, FarbAnzahl> bedrohung_; // only the first anzahl_ are set
    int anzahl_ = 0;
};

// The threats on `feld`; figures in `ausgenommen` (those the rated move sends
// home) are gone after the move and threaten nobody. A figure on the field
// itself is no threat.
Bedrohende Bedrohungen(const Gegnerlage& lage, int16_t feld, const Figurenmenge& ausgenommen);

// The danger these threats mean for a figure that has travelled `weg`.
int16_t Gefahr(const Bedrohende& bedrohende, int16_t weg);

// The danger of `feld` for `figur` (with its distance before the move): 0 on
// lane, home and goal fields and on benches, whatever threatens them.
int16_t GefahrAmFeld(const Figurentabelle& Figur, const Gegnerlage& lage, const Bankfelder& baenke,
                     int16_t figur, int16_t feld, const Figurenmenge& ausgenommen);

// Category 0..5 of a danger value, as the tactic table uses it.
int16_t GefahrKategorie(int16_t gefahr);

} // namespace pelu
