#include "rules/Gefahr.h"

#include <algorithm>

namespace pelu {

namespace {

// What an opponent k steps behind adds to the danger sum.
int Gewicht(int k, bool spielerHatFigurImHaus) {
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

Bedrohende Bedrohungen(const Gegnerlage& lage, int16_t feld, const Figurenmenge& ausgenommen) {
    // Only the nearest figure of each colour counts. The opponents come in
    // ascending order, so colour by colour, and of equals the lowest number
    // stays. The conditions are combined bitwise and the nearest is kept
    // without a branch: which figure is nearest cannot be foreseen, and this
    // runs twice for every candidate move.
    Bedrohende bedrohende;
    const Gegnerlage::Jaeger* j = lage.JaegerAnfang();
    while (j != lage.JaegerEnde()) {
        const int16_t farbe = j->farbe;
        int abstand = Ringlaenge; // farther than any threat
        const Gegnerlage::Jaeger* naechster = nullptr;
        for (; j != lage.JaegerEnde() && j->farbe == farbe; ++j) {
            int k = feld - j->feld;
            k += k < 0 ? Ringlaenge : 0;
            // A figure on the field itself is no threat, one that turns into
            // its lane first never gets there.
            const bool naeher =
                (k > 0) & (k <= j->reichweite) & (k < abstand) & !ausgenommen.Enthaelt(j->figur);
            abstand = naeher ? k : abstand;
            naechster = naeher ? j : naechster;
        }
        if (naechster != nullptr) bedrohende.Hinzufuegen(naechster, static_cast<int16_t>(abstand));
    }
    return bedrohende;
}

// Figures that have travelled further have more to lose.
int16_t Gefahr(const Bedrohende& bedrohende, int16_t weg) {
    int summe = 0;
    for (const Bedrohende::Bedrohung& b : bedrohende)
        summe += Gewicht(b.schritte, b.jaeger->spielerHatFigurImHaus);
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

// The number of category limits the danger lies above.
int16_t GefahrKategorie(int16_t gefahr) {
    return static_cast<int16_t>((gefahr > 0) + (gefahr > 10) + (gefahr > 25) + (gefahr > 45) +
                                (gefahr > 80));
}

} // namespace pelu
