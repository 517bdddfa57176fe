#pragma once
#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
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

    // The pixels the horizontal lines cover, each in the colour drawn last.
    std::map<std::pair<int, int>, uint32_t> Zeilenpixel() const {
        std::map<std::pair<int, int>, uint32_t> pixel;
        for (const Aufruf& l : aufrufe)
            if (l.art == Aufruf::Linie && l.b == l.d)
                for (int x = std::min(l.a, l.c); x <= std::max(l.a, l.c); ++x)
                    pixel[{x, l.b}] = l.farbe;
        return pixel;
    }

    std::vector<Aufruf> aufrufe;
};

} // namespace pelu::test
