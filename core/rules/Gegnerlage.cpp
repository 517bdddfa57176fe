#include "rules/Gegnerlage.h"

namespace pelu {

bool HatFigurImHaus(const Figurentabelle& Figur, int spieler) {
    for (int h = 1; h <= FigurAnzahl; ++h) {
        if (Figur[h].Spieler == spieler && Figur[h].Zustand == ZustandHeim) return true;
    }
    return false;
}

Gegnerlage::Gegnerlage(const Figurentabelle& Figur, int16_t spieler) {
    // Which players 0..8 have a figure at home; any other number is a faulty
    // table and is looked up directly.
    std::array<bool, 9> imHaus{};
    for (int h = 1; h <= FigurAnzahl; ++h) {
        const int p = Figur[h].Spieler;
        if (p >= 0 && p <= 8) imHaus[p] |= Figur[h].Zustand == ZustandHeim;
    }
    // Whether an opponent's figure stands on the track cannot be foreseen:
    // each one is written and then counted only if it does.
    int jaeger = 0;
    for (int g = 1; g <= FigurAnzahl; ++g) {
        const FigurDaten& fig = Figur[g];
        if (!IstGegner(fig, spieler)) continue;
        const int p = fig.Spieler;
        jaeger_[jaeger] = {static_cast<int16_t>(g), static_cast<int16_t>(FarbeVonFigur(g)),
                           fig.Feld, WegAmWendefeld - fig.Weg,
                           p <= 8 ? imHaus[p] : HatFigurImHaus(Figur, p)};
        jaeger += fig.Feld <= Ringlaenge;
        if (KannHeimgeschicktWerden(fig)) opfer_.Hinzufuegen(g);
    }
    jaegerAnzahl_ = jaeger;
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
