#include "Wahlstand.h"

#include "game/Spiel.h"
#include "game/Tastenwahl.h"

namespace pelu::netz {

namespace {

// The human player who must choose now; 0 when nobody must.
int Waehler(const Spiel& spiel, const Wahllage& lage) {
    const int16_t s = spiel.Zustand().AktSpieler;
    return lage.offen && s >= 1 && s <= 4 ? s : 0;
}

} // namespace

Wahlstand WahlstandVon(const Spiel& spiel) {
    const Wahllage lage = WahllageVon(spiel);
    Wahlstand stand;
    stand.spieler = Waehler(spiel, lage);
    if (stand.spieler == 0) return stand;
    stand.farbe = lage.farbe;
    stand.vorschlag = lage.vorschlag;
    for (int f = 1; f <= FigurAnzahl; ++f)
        if (lage.waehlbar[f]) stand.figuren.push_back(f);
    return stand;
}

Wahllage WahllageFuer(const Wahlstand& stand, int spieler) {
    Wahllage lage;
    if (stand.spieler == 0 || stand.spieler != spieler) return lage;
    lage.offen = true;
    lage.farbe = static_cast<int16_t>(stand.farbe);
    lage.vorschlag = static_cast<int16_t>(stand.vorschlag);
    for (int f : stand.figuren)
        if (IstFigur(f)) lage.waehlbar[f] = true;
    return lage;
}

bool DarfWaehlen(const Spiel& spiel, int spieler, int figur) {
    return DarfHilfe(spiel, spieler) && spiel.Waehlbar(figur) &&
           spiel.Zustand().Figur.Spieler[static_cast<size_t>(figur)] == spieler;
}

bool DarfHilfe(const Spiel& spiel, int spieler) {
    return spieler >= 1 && Waehler(spiel, WahllageVon(spiel)) == spieler;
}

} // namespace pelu::netz
