#include "rules/Gegnerlage.h"

#include "rules/Lagebild.h"

namespace pelu {

Gegnerlage::Gegnerlage(const Figurentabelle& Figur, int16_t spieler)
    : Gegnerlage(Figur, Lagebild(Figur), spieler) {}

Gegnerlage::Gegnerlage(const Figurentabelle& Figur, const Lagebild& lage, int16_t spieler) {
    const Figurenmenge gegner = lage.Gegner(spieler);
    opfer_ = gegner.Und(lage.Heimschickbar);
    gegner.Und(lage.AufDemRing).FuerJedes([&](int16_t g) {
        const FigurDaten& fig = Figur[g];
        const bool imHaus = !lage.Eigene(fig.Spieler).Und(lage.ZuHause).Leer();
        jaeger_[jaegerAnzahl_++] = {g, static_cast<int16_t>(FarbeVonFigur(g)), fig.Feld,
                                    WegAmWendefeld - fig.Weg, imHaus};
    });
}

bool IstBank(const Tabellen& daten, int feld) {
    for (int i = 1; i <= 12; ++i) {
        if (daten.Bankdaten[i] == feld) return true;
    }
    return false;
}

Bankfelder::Bankfelder(const Tabellen& daten) : daten_(&daten) {
    for (int i = 1; i <= 12; ++i) {
        const int feld = daten.Bankdaten[i];
        if (IstStreckenfeld(feld)) strecke_[feld] = true;
    }
}

} // namespace pelu
