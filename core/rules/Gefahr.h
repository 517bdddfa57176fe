#pragma once
#include <algorithm>
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
        int16_t schritte; // 1..67
        // Its player still has a figure at home and must spend a 5 on it.
        bool spielerHatFigurImHaus;
        bool operator==(const Bedrohung&) const = default;
    };

    void Hinzufuegen(int16_t schritte, bool spielerHatFigurImHaus) {
        bedrohung_[anzahl_++] = {schritte, spielerHatFigurImHaus};
    }
    const Bedrohung* begin() const { return bedrohung_.data(); }
    const Bedrohung* end() const { return bedrohung_.data() + anzahl_; }
    bool operator==(const Bedrohende& andere) const {
        return std::equal(begin(), end(), andere.begin(), andere.end());
    }

  private:
    std::array<Bedrohung, FarbAnzahl> bedrohung_; // only the first anzahl_ are set
    int anzahl_ = 0;
};

// The threats on `feld`, colour by colour; figures in `ausgenommen` (those
// the rated move sends home) are gone after the move and threaten nobody. A
// figure on the field itself is no threat. Of equally near figures of a
// colour the lowest-numbered counts.
Bedrohende Bedrohungen(const Gegnerlage& lage, int16_t feld, const Figurenmenge& ausgenommen);
// The same worked out figure by figure: the form for processors without
// vector instructions, and the measure the vector form is held against.
Bedrohende BedrohungenEinzeln(const Gegnerlage& lage, int16_t feld,
                              const Figurenmenge& ausgenommen);

// The danger these threats mean for a figure that has travelled `weg`.
int16_t Gefahr(const Bedrohende& bedrohende, int16_t weg);

// The danger of `feld` for `figur` (with its distance before the move): 0 on
// lane, home and goal fields and on benches, whatever threatens them.
int16_t GefahrAmFeld(const Figurentabelle& Figur, const Gegnerlage& lage, const Bankfelder& baenke,
                     int16_t figur, int16_t feld, const Figurenmenge& ausgenommen);

// Category 0..5 of a danger value, as the tactic table uses it: the number
// of category limits the danger lies above.
inline int16_t GefahrKategorie(int16_t gefahr) {
    return static_cast<int16_t>((gefahr > 0) + (gefahr > 10) + (gefahr > 25) + (gefahr > 45) +
                                (gefahr > 80));
}

} // namespace pelu
