#include "rules/Bedrohung.h"

#include <algorithm>

#include "game/Rundung.h"

namespace pelu {

namespace {

bool IstBank(const Tabellen& daten, int feld) {
    for (int i = 1; i <= 12; ++i) {
        if (daten.Bankdaten[i] == feld) return true;
    }
    return false;
}

bool HatFigurImHaus(const Figurentabelle& Figur, int spieler) {
    for (int h = 1; h <= FigurAnzahl; ++h) {
        if (Figur[h].Spieler == spieler && Figur[h].Zustand == ZustandHeim) return true;
    }
    return false;
}

// What an opponent k steps behind adds to the danger sum.
int Gewicht(const Figurentabelle& Figur, const FigurDaten& g, int k) {
    if (k <= 4) {
        // A player with a figure at home must spend a 5 on it, so he is less
        // likely to hit from close by.
        return 36 - 6 * k - (HatFigurImHaus(Figur, g.Spieler) ? 6 : 0);
    }
    if (k <= 11) return 6;
    if (k == 12) return 1;
    if (k <= 17) return 18 - k;
    if (k <= 36) return 1;
    return 0;
}

} // namespace

void Bedrohungen(Figurentabelle& Figur, int16_t spieler, int16_t feld, bool ausnahmen) {
    for (int g = 1; g <= FigurAnzahl; ++g)
        Figur[g].Bedrohung = 0;
    for (int g = 1; g <= FigurAnzahl; ++g) {
        FigurDaten& fig = Figur[g];
        if (fig.Spieler == spieler || fig.Spieler < 1 || fig.Feld > 68) continue;
        int k = feld - fig.Feld;
        if (k < 0) k += 68;
        // A figure that turns into its lane first never gets there.
        if (fig.Weg + k <= 68) fig.Bedrohung = static_cast<int16_t>(k);
    }
    // Only the nearest figure of each colour counts.
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe) {
        int naechste = 0;
        for (int g = ErsteFigur(farbe); g <= LetzteFigur(farbe); ++g) {
            const FigurDaten& fig = Figur[g];
            if (fig.Bedrohung <= 0 || fig.Bedrohung >= 68) continue;
            if (ausnahmen && fig.Heimschicken == 1) continue;
            if (naechste == 0 || fig.Bedrohung < Figur[naechste].Bedrohung) naechste = g;
        }
        const int16_t wert = naechste == 0 ? int16_t{0} : Figur[naechste].Bedrohung;
        for (int g = ErsteFigur(farbe); g <= LetzteFigur(farbe); ++g)
            Figur[g].Bedrohung = 0;
        if (naechste != 0) Figur[naechste].Bedrohung = wert;
    }
}

int16_t Gefahr(const Figurentabelle& Figur, const Tabellen& daten, int16_t figur, int16_t feld) {
    if (figur < 1 || figur > FigurAnzahl) return 0;
    if (feld > 68 || IstBank(daten, feld)) return 0;
    int summe = 0;
    for (int g = 1; g <= FigurAnzahl; ++g) {
        if (Figur[g].Bedrohung > 0) summe += Gewicht(Figur, Figur[g], Figur[g].Bedrohung);
    }
    summe = std::min(summe, 75);
    // Figures that have travelled further have more to lose.
    const int produkt = (Figur[figur].Weg + 17) * 5 * summe;
    return RundeGerade(RundeGerade(produkt / 17.0) / 5.0);
}

int16_t GefahrKategorie(int16_t gefahr) {
    if (gefahr <= 0) return 0;
    if (gefahr <= 10) return 1;
    if (gefahr <= 25) return 2;
    if (gefahr <= 45) return 3;
    if (gefahr <= 80) return 4;
    return 5;
}

} // namespace pelu
