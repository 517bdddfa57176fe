#pragma once
#include <array>
#include <cstdint>

#include "state/Spielzustand.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pelu {

// One attribute of figures 1..16 side by side, so that a comparison with one
// value answers for all sixteen at once: the result is a word with bit g set
// for each figure g that satisfies it. The attribute is a column of the
// figure table or comes from any other table indexed by figure (row 0
// unused), such as a roll's targets.

// The plain form, a loop over the figures; it runs on every processor.
class FigurenspalteEinzeln {
  public:
    explicit FigurenspalteEinzeln(const Figurenwerte& spalte) {
        for (std::size_t g = 1; g <= FigurAnzahl; ++g)
            wert_[g - 1] = spalte[g];
    }
    template <class Zeile>
    FigurenspalteEinzeln(const std::array<Zeile, FigurAnzahl + 1>& tabelle,
                         int16_t Zeile::*attribut) {
        for (std::size_t g = 1; g <= FigurAnzahl; ++g)
            wert_[g - 1] = tabelle[g].*attribut;
    }
    uint32_t Gleich(int16_t w) const {
        return Falls([w](int16_t x) { return x == w; });
    }
    uint32_t Groesser(int16_t w) const {
        return Falls([w](int16_t x) { return x > w; });
    }
    uint32_t Kleiner(int16_t w) const {
        return Falls([w](int16_t x) { return x < w; });
    }

  private:
    template <class Bedingung> uint32_t Falls(Bedingung&& bedingung) const {
        uint32_t bits = 0;
        for (std::size_t i = 0; i < wert_.size(); ++i)
            bits |= static_cast<uint32_t>(bedingung(wert_[i])) << (i + 1);
        return bits;
    }
    std::array<int16_t, FigurAnzahl> wert_; // figure g at index g - 1
};

#if defined(__SSE2__)
// Eight figures to a register, compared in one instruction.
class FigurenspalteVektor {
  public:
    // A column of the figure table: two loads.
    explicit FigurenspalteVektor(const Figurenwerte& spalte)
        : vorn_(_mm_loadu_si128(reinterpret_cast<const __m128i*>(spalte.data() + 1))),
          hinten_(_mm_loadu_si128(reinterpret_cast<const __m128i*>(spalte.data() + 9))) {}
    template <class Zeile>
    FigurenspalteVektor(const std::array<Zeile, FigurAnzahl + 1>& Figur, int16_t Zeile::*a)
        : vorn_(_mm_setr_epi16(Figur[1].*a, Figur[2].*a, Figur[3].*a, Figur[4].*a, Figur[5].*a,
                               Figur[6].*a, Figur[7].*a, Figur[8].*a)),
          hinten_(_mm_setr_epi16(Figur[9].*a, Figur[10].*a, Figur[11].*a, Figur[12].*a,
                                 Figur[13].*a, Figur[14].*a, Figur[15].*a, Figur[16].*a)) {}
    uint32_t Gleich(int16_t w) const {
        const __m128i v = _mm_set1_epi16(w);
        return Maske(_mm_cmpeq_epi16(vorn_, v), _mm_cmpeq_epi16(hinten_, v));
    }
    uint32_t Groesser(int16_t w) const {
        const __m128i v = _mm_set1_epi16(w);
        return Maske(_mm_cmpgt_epi16(vorn_, v), _mm_cmpgt_epi16(hinten_, v));
    }
    uint32_t Kleiner(int16_t w) const {
        const __m128i v = _mm_set1_epi16(w);
        return Maske(_mm_cmplt_epi16(vorn_, v), _mm_cmplt_epi16(hinten_, v));
    }

  private:
    // Lanes of all ones or all zeros, figures 1..8 and 9..16, as bits 1..16.
    static uint32_t Maske(__m128i vorn, __m128i hinten) {
        return static_cast<uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(vorn, hinten))) << 1;
    }
    __m128i vorn_, hinten_; // figures 1..8 and 9..16
};
using Figurenspalte = FigurenspalteVektor;
#else
using Figurenspalte = FigurenspalteEinzeln;
#endif

} // namespace pelu
