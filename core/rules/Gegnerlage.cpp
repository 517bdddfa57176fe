#include "rules/Gegnerlage.h"

#include <algorithm>
#include <cstdint>

#include "rules/Lagebild.h"

namespace pelu {

Gegnerlage::Gegnerlage(const Figurentabelle& Figur, int16_t spieler)
    : Gegnerlage(Figur, Lagebild(Figur), spieler) {}

Gegnerlage::Gegnerlage(const Figurentabelle& Figur, const Lagebild& lage, int16_t spieler) {
    reichweite_.fill(-1);
    const Figurenmenge gegner = lage.Gegner(spieler);
    opfer_ = gegner.Und(lage.Heimschickbar);
    gegner.Und(lage.AufDemRing).FuerJedes([&](int16_t g) {
        const auto fig = Figur[g];
        const auto i = static_cast<std::size_t>(g - 1);
        feld_[i] = fig.Feld;
        reichweite_[i] = static_cast<int16_t>(std::min(WegAmWendefeld - fig.Weg, INT16_MAX));
        imHaus_.HinzufuegenFalls(g, !lage.Eigene(fig.Spieler).Und(lage.ZuHause).Leer());
    });
}

bool IstBank(const Tabellen& daten, int feld) {
    // All twelve are compared, without stopping at a match: where in the
    // list a field stands cannot be foreseen.
    bool bank = false;
    for (int i = 1; i <= 12; ++i)
        bank |= daten.Bankdaten[i] == feld;
    return bank;
}

Bankfelder::Bankfelder(const Tabellen& daten) : daten_(&daten) {
    for (int i = 1; i <= 12; ++i) {
        const int feld = daten.Bankdaten[i];
        if (IstStreckenfeld(feld)) strecke_[feld] = true;
    }
}

} // namespace pelu
