#include "rules/Zugwahl.h"

#include "rules/Gefahr.h"
#include "rules/Gegnerlage.h"
#include "rules/Lagebild.h"
#include "rules/Taktik.h"

namespace pelu {

namespace {

// Priority from the tactic table; lane moves get fixed priorities instead.
int16_t Prioritaet(int16_t weg, const Zugziel& zug, const Wertung& wertung, const Taktik& taktik) {
    if (weg > WegAmWendefeld) return IstZielfeld(zug.Zielfeld) ? 20 : 21;
    return taktik.Prioritaet(GefahrKategorie(wertung.GefahrZiel),
                             GefahrKategorie(wertung.GefahrJetzt));
}

// Among the moves within three of the best, the one sending most figures home.
int16_t BesterHeimschicker(const Kandidaten& kandidaten, const Opfertabelle& opfer,
                           const Wertungstabelle& wertungen, int m) {
    int16_t sieger = 0;
    int meiste = 0;
    for (const int16_t f : kandidaten) {
        const int prioritaet = wertungen[f].Prioritaet;
        if (prioritaet < m || prioritaet > m + 3) continue;
        const int anzahl = opfer[f].Anzahl();
        if (anzahl > meiste) {
            meiste = anzahl;
            sieger = f;
        }
    }
    return sieger;
}

} // namespace

int16_t ZugWaehlen(const Figurentabelle& Figur, const Zugziele& ziele, const Taktik& taktik,
                   const Kandidaten& kandidaten, const Opfertabelle& opfer,
                   Wertungstabelle& wertungen) {
    for (const int16_t f : kandidaten)
        wertungen[f].Prioritaet = Prioritaet(Figur[f].Weg, ziele[f], wertungen[f], taktik);

    int m = 37;
    int16_t figur = 0;
    for (const int16_t f : kandidaten) {
        if (wertungen[f].Prioritaet < m) {
            m = wertungen[f].Prioritaet;
            figur = f;
        }
    }
    if (m <= 0) return figur;

    const int16_t heimschicker = BesterHeimschicker(kandidaten, opfer, wertungen, m);
    if (heimschicker != 0) return heimschicker;

    // Poor moves: risk the figure that has least to lose; good moves: push
    // the one that is furthest on.
    const bool schlecht = m >= 17;
    int16_t gewaehlt = 0;
    for (const int16_t f : kandidaten) {
        if (wertungen[f].Prioritaet != m) continue;
        if (schlecht ? (gewaehlt == 0 || Figur[f].Weg < Figur[gewaehlt].Weg)
                     : Figur[f].Weg > (gewaehlt == 0 ? 0 : Figur[gewaehlt].Weg))
            gewaehlt = f;
    }
    return gewaehlt != 0 ? gewaehlt : figur;
}

int16_t ZugWaehlen(const Figurentabelle& Figur, const Zugziele& ziele, const Tabellen& daten,
                   int16_t spieler, Wertungstabelle& wertungen) {
    const Figurenmenge heimschickbare = Heimschickbare(Lagebild(Figur), spieler);
    const Kandidaten kandidaten(ziele);
    Opfertabelle opfer{};
    for (const int16_t f : kandidaten)
        opfer[f] = HeimschickenMarkieren(Figur, heimschickbare, f, ziele[f]);
    return ZugWaehlen(Figur, ziele, Taktik(daten), kandidaten, opfer, wertungen);
}

} // namespace pelu
