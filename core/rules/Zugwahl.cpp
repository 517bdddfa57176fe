#include "rules/Zugwahl.h"

#include "rules/Bedrohung.h"
#include "rules/Gegnerlage.h"

namespace pelu {

namespace {

// Priority from the tactic table; the last matching row wins, so the rows
// are searched from the end. A pair that no row matches leaves the priority
// as it is (0 after ComputerZug's clearing). Lane moves get fixed
// priorities instead.
void PrioritaetSetzen(FigurDaten& fig, const Tabellen& daten) {
    const int16_t katZiel = GefahrKategorie(fig.GefahrZiel);
    const int16_t katJetzt = GefahrKategorie(fig.GefahrJetzt);
    for (int k = 36; k >= 1; --k) {
        if (daten.Taktikdaten[k][1] == katJetzt && daten.Taktikdaten[k][0] == katZiel) {
            fig.Prioritaet = daten.Taktikdaten[k][2];
            break;
        }
    }
    if (fig.Weg > 68) {
        fig.Prioritaet = 21;
        if (fig.Zielfeld > 104) fig.Prioritaet = 20;
    }
}

// Among the moves within three of the best, the one sending most figures home.
int16_t BesterHeimschicker(Figurentabelle& Figur, const Gegnerlage& lage,
                           const Kandidaten& kandidaten, int m) {
    int16_t sieger = 0;
    int meiste = 0;
    for (const int16_t f : kandidaten) {
        const int prioritaet = Figur[f].Prioritaet;
        if (prioritaet < m || prioritaet > m + 3) continue;
        const int anzahl = HeimschickenMarkieren(Figur, lage, f);
        if (anzahl > meiste) {
            meiste = anzahl;
            sieger = f;
        }
    }
    return sieger;
}

} // namespace

int16_t ZugWaehlen(Figurentabelle& Figur, const Tabellen& daten, const Gegnerlage& lage,
                   const Kandidaten& kandidaten) {
    for (const int16_t f : kandidaten)
        PrioritaetSetzen(Figur[f], daten);

    int m = 37;
    int16_t figur = 0;
    for (const int16_t f : kandidaten) {
        if (Figur[f].Prioritaet < m) {
            m = Figur[f].Prioritaet;
            figur = f;
        }
    }
    if (m <= 0) return figur;

    const int16_t heimschicker = BesterHeimschicker(Figur, lage, kandidaten, m);
    if (heimschicker != 0) return heimschicker;

    // Poor moves: risk the figure that has least to lose; good moves: push
    // the one that is furthest on.
    const bool schlecht = m >= 17;
    int16_t gewaehlt = 0;
    for (const int16_t f : kandidaten) {
        if (Figur[f].Prioritaet != m) continue;
        if (schlecht ? (gewaehlt == 0 || Figur[f].Weg < Figur[gewaehlt].Weg)
                     : Figur[f].Weg > (gewaehlt == 0 ? 0 : Figur[gewaehlt].Weg))
            gewaehlt = f;
    }
    return gewaehlt != 0 ? gewaehlt : figur;
}

int16_t ZugWaehlen(Figurentabelle& Figur, const Tabellen& daten, int16_t spieler) {
    return ZugWaehlen(Figur, daten, Gegnerlage(Figur, spieler), Kandidaten(Figur));
}

} // namespace pelu
