#include "rules/Computerzug.h"

#include "rules/Gefahr.h"
#include "rules/Gegnerlage.h"
#include "rules/Zugwahl.h"

namespace pelu {

namespace {

// With a 5: a figure of the player's colour with most figures at home.
int16_t Rausbringen(const Figurentabelle& Figur, const Zugziele& ziele, int16_t spieler) {
    int besteFarbe = 0;
    int meisteImHaus = 0;
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe) {
        if (Figur[ErsteFigur(farbe)].Spieler != spieler) continue;
        int imHaus = 0;
        for (int g = ErsteFigur(farbe); g <= LetzteFigur(farbe); ++g) {
            if (Figur[g].Zustand == ZustandHeim) ++imHaus;
        }
        if (besteFarbe == 0 || imHaus > meisteImHaus) {
            besteFarbe = farbe;
            meisteImHaus = imHaus;
        }
    }
    if (besteFarbe == 0 || meisteImHaus < 1) return 0;
    for (int f = ErsteFigur(besteFarbe); f <= FigurAnzahl; ++f) {
        if (ziele[f].Zielfeld > 0) return static_cast<int16_t>(f);
    }
    return 0;
}

// The lowest-numbered figure with a target beyond the track, which the
// triple-twelve rule cannot touch.
int16_t InSicherheit(const Zugziele& ziele) {
    for (int f = 1; f <= FigurAnzahl; ++f) {
        if (ziele[f].Zielfeld > Ringlaenge) return static_cast<int16_t>(f);
    }
    return 0;
}

// The danger where each candidate stands and at its target; figures its move
// sends home threaten nobody afterwards.
void Bewerten(const Figurentabelle& Figur, const Zugziele& ziele, const Bankfelder& baenke,
              const Gegnerlage& lage, const Kandidaten& kandidaten, Opfertabelle& opfer,
              Wertungstabelle& wertungen) {
    for (const int16_t f : kandidaten) {
        wertungen[f].GefahrJetzt = GefahrAmFeld(Figur, lage, baenke, f, Figur[f].Feld, {});
        opfer[f] = HeimschickenMarkieren(Figur, lage.Opfer(), f, ziele[f]);
        wertungen[f].GefahrZiel = GefahrAmFeld(Figur, lage, baenke, f, ziele[f].Zielfeld, opfer[f]);
    }
}

// The choice among `kandidaten`, the figures with a target in `ziele`.
Computerwahl Waehlen(const Figurentabelle& Figur, const Lagebild& lage, const Zugziele& ziele,
                     const Kandidaten& kandidaten, const Taktik& taktik, int16_t spieler,
                     int16_t wurf, int16_t wurfzahl) {
    Computerwahl wahl;
    if (wurf == 5) {
        wahl.Figur = Rausbringen(Figur, ziele, spieler);
        if (wahl.Figur != 0) return wahl;
    }
    if (wurf == 6 && wurfzahl == 2) {
        wahl.Figur = InSicherheit(ziele);
        if (wahl.Figur != 0) return wahl;
    }
    // Rating the candidates moves nobody: the opponents and the candidates
    // stay as they are.
    const Gegnerlage gegner(Figur, lage, spieler);
    Opfertabelle opfer{};
    Bewerten(Figur, ziele, taktik.Baenke(), gegner, kandidaten, opfer, wahl.Wertungen);
    wahl.Figur = ZugWaehlen(Figur, ziele, taktik, kandidaten, opfer, wahl.Wertungen);
    if (wahl.Figur != 0) return wahl;
    // A table whose priorities all lie above 37 chooses nobody; a computer
    // player must still move, so the first movable figure goes.
    for (int16_t f = 1; f <= FigurAnzahl; ++f) {
        if (ziele[f].Zielfeld > 0) {
            wahl.Figur = f;
            break;
        }
    }
    return wahl;
}

} // namespace

int16_t ComputerFigur(const Figurentabelle& Figur, const Lagebild& lage, const Zugziele& ziele,
                      const Taktik& taktik, int16_t spieler, int16_t wurf, int16_t wurfzahl) {
    const Kandidaten kandidaten(ziele);
    if (kandidaten.end() - kandidaten.begin() == 1) return *kandidaten.begin();
    return Waehlen(Figur, lage, ziele, kandidaten, taktik, spieler, wurf, wurfzahl).Figur;
}

Computerwahl ComputerZug(const Figurentabelle& Figur, const Zugziele& ziele, const Tabellen& daten,
                         int16_t spieler, int16_t wurf, int16_t wurfzahl) {
    return ComputerZug(Figur, Lagebild(Figur), ziele, Taktik(daten), spieler, wurf, wurfzahl);
}

Computerwahl ComputerZug(const Figurentabelle& Figur, const Lagebild& lage, const Zugziele& ziele,
                         const Taktik& taktik, int16_t spieler, int16_t wurf, int16_t wurfzahl) {
    return Waehlen(Figur, lage, ziele, Kandidaten(ziele), taktik, spieler, wurf, wurfzahl);
}

} // namespace pelu
