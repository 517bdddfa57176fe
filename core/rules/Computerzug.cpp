#include "rules/Computerzug.h"

#include "rules/Gegnerlage.h"

namespace pelu {

namespace {

// With a 5: a figure of the player's colour with most figures at home.
int16_t Rausbringen(Figurentabelle& Figur, int16_t spieler) {
    int besteFarbe = 0;
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe) {
        FigurDaten& erste = Figur[ErsteFigur(farbe)];
        if (erste.Spieler != spieler) continue;
        for (int g = ErsteFigur(farbe); g <= LetzteFigur(farbe); ++g) {
            if (Figur[g].Zustand == ZustandHeim) ++erste.ImHaus;
        }
        if (besteFarbe == 0 || erste.ImHaus > Figur[ErsteFigur(besteFarbe)].ImHaus)
            besteFarbe = farbe;
    }
    if (besteFarbe == 0 || Figur[ErsteFigur(besteFarbe)].ImHaus < 1) return 0;
    for (int f = ErsteFigur(besteFarbe); f <= FigurAnzahl; ++f) {
        if (Figur[f].Zielfeld > 0) return static_cast<int16_t>(f);
    }
    return 0;
}

// The lowest-numbered figure with a target beyond the track, which the
// triple-twelve rule cannot touch.
int16_t InSicherheit(const Figurentabelle& Figur) {
    for (int f = 1; f <= FigurAnzahl; ++f) {
        if (Figur[f].Zielfeld > 68) return static_cast<int16_t>(f);
    }
    return 0;
}

// Bedrohungen for `feld`, then its Gefahr for figure f. The threats are only
// worked out where the danger depends on them.
int16_t GefahrAmFeld(Figurentabelle& Figur, const Gegnerlage& lage, const Bankfelder& baenke,
                     int16_t f, int16_t feld, bool ausnahmen) {
    if (OhneGefahr(baenke, feld)) return 0;
    const Bedrohende bedrohende = Bedrohungen(Figur, lage, feld, ausnahmen);
    return Gefahr(Figur, bedrohende, f);
}

void Bewerten(Figurentabelle& Figur, const Tabellen& daten, const Gegnerlage& lage,
              const Kandidaten& kandidaten) {
    const Bankfelder baenke(daten);
    int16_t letzter = 0;
    for (const int16_t f : kandidaten) {
        Figur[f].GefahrJetzt = GefahrAmFeld(Figur, lage, baenke, f, Figur[f].Feld, false);
        // Figures this move sends home threaten nobody afterwards.
        HeimschickenMarkieren(Figur, lage, f);
        Figur[f].GefahrZiel = GefahrAmFeld(Figur, lage, baenke, f, Figur[f].Zielfeld, true);
        letzter = f;
    }
    // Bedrohung is left as the rating of the last target leaves it, also
    // where that target's danger did not need it.
    if (letzter != 0 && OhneGefahr(baenke, Figur[letzter].Zielfeld))
        Bedrohungen(Figur, lage, Figur[letzter].Zielfeld, true);
}

} // namespace

int16_t ComputerZug(Figurentabelle& Figur, const Tabellen& daten, int16_t spieler, int16_t wurf,
                    int16_t wurfzahl) {
    for (int f = 1; f <= FigurAnzahl; ++f) {
        FigurDaten& fig = Figur[f];
        fig.Heimschicken = 0;
        fig.Bedrohung = 0;
        fig.GefahrJetzt = 0;
        fig.GefahrZiel = 0;
        fig.Prioritaet = 0;
        fig.ImHaus = 0;
    }
    if (wurf == 5) {
        const int16_t figur = Rausbringen(Figur, spieler);
        if (figur != 0) return figur;
    }
    if (wurf == 6 && wurfzahl == 2) {
        const int16_t figur = InSicherheit(Figur);
        if (figur != 0) return figur;
    }
    // Rating the candidates moves nobody: the opponents and the candidates
    // stay as they are.
    const Gegnerlage lage(Figur, spieler);
    const Kandidaten kandidaten(Figur);
    Bewerten(Figur, daten, lage, kandidaten);
    const int16_t figur = ZugWaehlen(Figur, daten, lage, kandidaten);
    if (figur != 0) return figur;
    // A table whose priorities all lie above 37 chooses nobody; a computer
    // player must still move, so the first movable figure goes.
    for (int16_t f = 1; f <= FigurAnzahl; ++f) {
        if (Figur[f].Zielfeld > 0) return f;
    }
    return 0;
}

} // namespace pelu
