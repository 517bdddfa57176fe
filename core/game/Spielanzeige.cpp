#include <string>

#include "game/Spiel.h"

namespace pelu {

void Spiel::LiesSpieler() {
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe) {
        const int16_t wert = form_.Spielerwert(farbe);
        for (int f = ErsteFigur(farbe); f <= LetzteFigur(farbe); ++f)
            z_.Figur[f].Spieler = wert;
    }
}

void Spiel::Rangfolge() {
    a_.Spielstand = 1;
    for (int g = 1; g <= FigurAnzahl; g += 4) {
        const int16_t p = z_.Figur[g].Spieler;
        if (p <= 0) continue;
        bool fertig = true;
        for (int k = 1; k <= FigurAnzahl; ++k) {
            if (z_.Figur[k].Spieler == p && z_.Figur[k].Zustand < ZustandZiel) fertig = false;
        }
        if (!fertig) continue;
        ++a_.Rangzaehler;
        const std::string platz = std::to_string(a_.Rangzaehler) + ".";
        // One place per player, on the labels of all its colours in colour order.
        for (int farbe = 1; farbe <= FarbAnzahl; ++farbe) {
            bool gehoert = false;
            for (int k = ErsteFigur(farbe); k <= LetzteFigur(farbe); ++k) {
                if (z_.Figur[k].Spieler != p) continue;
                z_.Figur[k].Spieler = 0;
                gehoert = true;
            }
            if (!gehoert) continue;
            form_.RangSetzen(farbe, platz);
            beobachter_->Rang(farbe, a_.Rangzaehler);
        }
    }
    for (int k = 1; k <= FigurAnzahl; ++k) {
        if (z_.Figur[k].Spieler > 0 && z_.Figur[k].Zustand < ZustandZiel) return;
    }
    a_.Spielstand = 3;
}

void Spiel::ZeigeInfo(int16_t farbNr, const char* text) {
    const int16_t farbe = farbNr >= 1 ? z_.Farbe[farbNr + 10] : int16_t{0};
    form_.InfoSetzen(text, farbe);
}

void Spiel::ZeigeZugzahl() {
    for (int k = 1; k <= FarbAnzahl; ++k) {
        form_.ZuganzeigeSetzen(k, std::to_string(z_.Zugzahl[k]), z_.Farbe[k + 10], 15);
    }
}

} // namespace pelu
