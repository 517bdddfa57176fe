#include "rules/Gefahr.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pelu {

namespace {

// What an opponent k steps behind adds to the danger sum.
constexpr int Gewicht(int k, bool spielerHatFigurImHaus) {
    if (k <= 4) {
        // A player with a figure at home must spend a 5 on it, so he is less
        // likely to hit from close by.
        return 36 - 6 * k - (spielerHatFigurImHaus ? 6 : 0);
    }
    if (k <= 11) return 6;
    if (k == 12) return 1;
    if (k <= 17) return 18 - k;
    if (k <= 36) return 1;
    return 0;
}

// Gewicht for every step count a threat can have (1..67), looked up instead
// of worked out: which band a threat falls in cannot be foreseen, and the
// danger is summed for every candidate of every computer roll.
struct Gewichtstabelle {
    constexpr Gewichtstabelle() {
        for (int k = 0; k < Ringlaenge; ++k) {
            wert[0][k] = static_cast<int8_t>(Gewicht(k, false));
            wert[1][k] = static_cast<int8_t>(Gewicht(k, true));
        }
    }
    int operator()(int k, bool spielerHatFigurImHaus) const {
        if (k < 0 || k >= Ringlaenge) return Gewicht(k, spielerHatFigurImHaus);
        return wert[spielerHatFigurImHaus][k];
    }
    int8_t wert[2][Ringlaenge]{};
};
constexpr Gewichtstabelle Gewichte;

// The danger sum is capped before it is scaled by the distance.
constexpr int HoechsteSumme = 75;

// zaehler / nenner rounded to the nearest integer, for an odd divisor: the
// quotient is never exactly halfway, so this equals RundeGerade of the real
// quotient, without two floating-point divisions and library calls on the
// path of every rating.
int Gerundet(int zaehler, int nenner) {
    const int halb = nenner / 2;
    return zaehler >= 0 ? (zaehler + halb) / nenner : -((halb - zaehler) / nenner);
}

} // namespace

Bedrohende BedrohungenEinzeln(const Gegnerlage& lage, int16_t feld,
                              const Figurenmenge& ausgenommen) {
    Bedrohende bedrohende;
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe) {
        int abstand = Ringlaenge; // farther than any threat
        int naechster = 0;
        for (int g = ErsteFigur(farbe); g <= LetzteFigur(farbe); ++g) {
            const auto i = static_cast<std::size_t>(g - 1);
            int k = feld - lage.Jaegerfelder()[i];
            k += k < 0 ? Ringlaenge : 0;
            // A figure on the field itself is no threat, one that turns into
            // its lane first never gets there.
            if (k > 0 && k <= lage.Reichweiten()[i] && k < abstand && !ausgenommen.Enthaelt(g)) {
                abstand = k;
                naechster = g;
            }
        }
        if (naechster != 0)
            bedrohende.Hinzufuegen(static_cast<int16_t>(abstand),
                                   lage.SpielerHatFigurImHaus(naechster));
    }
    return bedrohende;
}

#if defined(__SSE2__)
// Eight figures to a register, each colour four neighbouring lanes: the
// steps of every figure at once, then the nearest of each colour.
Bedrohende Bedrohungen(const Gegnerlage& lage, int16_t feld, const Figurenmenge& ausgenommen) {
    static_assert(ErsteFigur(2) == 5 && ErsteFigur(4) == 13, "four lanes to a colour");
    const __m128i null = _mm_setzero_si128(), ring = _mm_set1_epi16(Ringlaenge);
    const __m128i ziel = _mm_set1_epi16(feld);
    const __m128i spurbits = _mm_setr_epi16(1, 2, 4, 8, 16, 32, 64, 128);
    const uint32_t frei = ~ausgenommen.Bits() >> 1; // bit g - 1 for figure g
    __m128i schritte[2], minimum[2];
    for (std::size_t h = 0; h < 2; ++h) {
        const auto jaeger =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(lage.Jaegerfelder().data() + 8 * h));
        const auto reichweite =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(lage.Reichweiten().data() + 8 * h));
        // Steps round the ring to the field; saturated, so that a number
        // beyond 16 bits stays beyond every threat.
        __m128i k = _mm_subs_epi16(ziel, jaeger);
        k = _mm_add_epi16(k, _mm_and_si128(_mm_cmplt_epi16(k, null), ring));
        // Each lane's bit of the figures that stay.
        const __m128i bits = _mm_set1_epi16(static_cast<int16_t>((frei >> (8 * h)) & 0xFFu));
        const __m128i gilt = _mm_and_si128(
            _mm_andnot_si128(_mm_cmpgt_epi16(k, reichweite), _mm_cmpgt_epi16(k, null)),
            _mm_cmpeq_epi16(_mm_and_si128(bits, spurbits), spurbits));
        // A figure that threatens nothing counts as the ring length away; so
        // does one that would need the ring length or more.
        schritte[h] = _mm_or_si128(_mm_and_si128(gilt, k), _mm_andnot_si128(gilt, ring));
        // The least of each four lanes, in all four.
        __m128i m = _mm_min_epi16(
            schritte[h], _mm_shufflehi_epi16(_mm_shufflelo_epi16(schritte[h], 0xB1), 0xB1));
        minimum[h] = _mm_min_epi16(m, _mm_shufflehi_epi16(_mm_shufflelo_epi16(m, 0x4E), 0x4E));
    }
    const auto naechst = [&](std::size_t h) {
        return _mm_and_si128(_mm_cmpeq_epi16(schritte[h], minimum[h]),
                             _mm_cmplt_epi16(schritte[h], ring));
    };
    // Bit g - 1 for each figure g that is the nearest of its colour or as near.
    const auto naechste =
        static_cast<uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(naechst(0), naechst(1))));
    const int16_t abstand[FarbAnzahl] = {static_cast<int16_t>(_mm_extract_epi16(minimum[0], 0)),
                                         static_cast<int16_t>(_mm_extract_epi16(minimum[0], 4)),
                                         static_cast<int16_t>(_mm_extract_epi16(minimum[1], 0)),
                                         static_cast<int16_t>(_mm_extract_epi16(minimum[1], 4))};
    Bedrohende bedrohende;
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe) {
        const uint32_t gleich = (naechste >> (ErsteFigur(farbe) - 1)) & 0xFu;
        if (gleich == 0) continue;
        const int g = ErsteFigur(farbe) + std::countr_zero(gleich);
        bedrohende.Hinzufuegen(abstand[farbe - 1], lage.SpielerHatFigurImHaus(g));
    }
    return bedrohende;
}
#else
Bedrohende Bedrohungen(const Gegnerlage& lage, int16_t feld, const Figurenmenge& ausgenommen) {
    return BedrohungenEinzeln(lage, feld, ausgenommen);
}
#endif

// Figures that have travelled further have more to lose.
int16_t Gefahr(const Bedrohende& bedrohende, int16_t weg) {
    int summe = 0;
    for (const Bedrohende::Bedrohung& b : bedrohende)
        summe += Gewichte(b.schritte, b.spielerHatFigurImHaus);
    summe = std::min(summe, HoechsteSumme);
    const int produkt = (weg + 17) * 5 * summe;
    const auto siebzehntel = static_cast<int16_t>(Gerundet(produkt, 17));
    return static_cast<int16_t>(Gerundet(siebzehntel, 5));
}

int16_t GefahrAmFeld(const Figurentabelle& Figur, const Gegnerlage& lage, const Bankfelder& baenke,
                     int16_t figur, int16_t feld, const Figurenmenge& ausgenommen) {
    // The threats are only worked out where the danger depends on them.
    if (!IstFigur(figur) || OhneGefahr(baenke, feld)) return 0;
    return Gefahr(Bedrohungen(lage, feld, ausgenommen), Figur[figur].Weg);
}

} // namespace pelu
