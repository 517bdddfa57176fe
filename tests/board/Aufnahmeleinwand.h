#pragma once
#include <cstdint>
#include <vector>

#include "board/Leinwand.h"

namespace pelu::test {

// A canvas that only records what is drawn on it, in order.
class Aufnahmeleinwand : public Leinwand {
  public:
    struct Aufruf {
        enum Art { Loeschen, Linie, Kreis } art;
        int a, b, c, d; // Linie: x1 y1 x2 y2; Kreis: cx cy r -
        uint32_t farbe; // Linie: colour; Kreis: outline
        uint32_t fuellung;
    };

    void Loeschen() override { aufrufe.push_back({Aufruf::Loeschen, 0, 0, 0, 0, 0, 0}); }
    void Linie(int x1, int y1, int x2, int y2, uint32_t farbe) override {
        aufrufe.push_back({Aufruf::Linie, x1, y1, x2, y2, farbe, 0});
    }
    void Kreis(int cx, int cy, int r, uint32_t rand, uint32_t fuellung) override {
        aufrufe.push_back({Aufruf::Kreis, cx, cy, r, 0, rand, fuellung});
    }

    std::vector<Aufruf> aufrufe;
};

} // namespace pelu::test
