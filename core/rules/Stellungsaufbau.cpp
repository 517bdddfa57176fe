#include "rules/Stellungsaufbau.h"

#include "rules/Zugausfuehrung.h"

namespace pelu {

int16_t WegAufFeld(int farbe, int16_t feld) {
    if (!IstFarbe(farbe)) return -1;
    if (feld == HeimfeldVon(farbe)) return 0;
    if (feld == ZielfeldVon(farbe)) return WegImZiel;
    const int einlauf = EinlaufVon(farbe);
    if (feld >= einlauf && feld < einlauf + Einlauflaenge)
        return static_cast<int16_t>(WegAmWendefeld + 1 + feld - einlauf);
    if (IstStreckenfeld(feld)) {
        const int weg = feld - WendefeldVon(farbe);
        return static_cast<int16_t>(weg <= 0 ? weg + Ringlaenge : weg);
    }
    return -1;
}

Figurentabelle Grundstellung(const std::array<int16_t, FarbAnzahl>& spieler) {
    Figurentabelle Figur{};
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe) {
        for (int k = 1; k <= 4; ++k) {
            const auto fig = Figur[ErsteFigur(farbe) + k - 1];
            FigurHeimStellen(fig, farbe, static_cast<int16_t>(k));
            fig.Spieler = spieler[farbe - 1];
            fig.Zustand = fig.Spieler >= 1 ? ZustandHeim : ZustandAusserSpiel;
        }
    }
    return Figur;
}

void FigurenHinstellen(Figurentabelle& Figur, const Tabellen& daten, int16_t feld,
                       const std::vector<int16_t>& figuren) {
    for (const int16_t f : figuren) {
        if (!IstFigur(f) || Figur[f].Feld == feld) continue;
        const int16_t weg = WegAufFeld(FarbeVonFigur(f), feld);
        if (weg < 0) continue;
        // Arrive exactly as a move would, so the table stays consistent.
        FigurSetzen(Figur, daten, f, feld, PlatzSuchen(Figur, feld),
                    static_cast<int16_t>(weg - Figur[f].Weg));
    }
}

} // namespace pelu
