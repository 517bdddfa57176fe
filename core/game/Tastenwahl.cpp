#include "game/Tastenwahl.h"

#include "game/Spiel.h"

namespace pelu {

Wahllage WahllageVon(const Spiel& spiel) {
    const Spielzustand& z = spiel.Zustand();
    Wahllage lage;
    lage.offen = z.Spielphase == Phase::WartenFigurwahl && z.Gewaehlt == 0;
    if (!lage.offen) return lage;
    for (int f = 1; f <= FigurAnzahl; ++f)
        lage.waehlbar[f] = spiel.Waehlbar(f);
    lage.vorschlag = z.Blinken ? z.Hilfsfigur : int16_t{0};
    lage.farbe = z.AktFarbe;
    return lage;
}

void Tastenwahl::Abgleichen(const Wahllage& lage) {
    if (!lage.offen) {
        markiert_ = 0;
        gezeigterVorschlag_ = 0;
        return;
    }
    const bool neuerVorschlag = lage.vorschlag != gezeigterVorschlag_;
    gezeigterVorschlag_ = lage.vorschlag;
    if (neuerVorschlag && IstFigur(lage.vorschlag) && lage.waehlbar[lage.vorschlag]) {
        markiert_ = lage.vorschlag;
        return;
    }
    if (IstFigur(markiert_) && lage.waehlbar[markiert_]) return;
    markiert_ = 0;
    Schritt(lage, 1);
}

void Tastenwahl::Weiter(const Wahllage& lage) {
    if (lage.offen) Schritt(lage, 1);
}

void Tastenwahl::Zurueck(const Wahllage& lage) {
    if (lage.offen) Schritt(lage, -1);
}

// From the mark to the next movable figure in `richtung` (+1 or -1), the
// mark itself tried last; without a mark from the first or the last figure.
void Tastenwahl::Schritt(const Wahllage& lage, int richtung) {
    int f = IstFigur(markiert_) ? markiert_ : (richtung > 0 ? FigurAnzahl : 1);
    for (int k = 0; k < FigurAnzahl; ++k) {
        f += richtung;
        if (f > FigurAnzahl) f = 1;
        if (f < 1) f = FigurAnzahl;
        if (lage.waehlbar[f]) {
            markiert_ = static_cast<int16_t>(f);
            return;
        }
    }
}

int16_t Tastenwahl::FigurZurZiffer(const Wahllage& lage, int ziffer) {
    if (!lage.offen || !IstFarbe(lage.farbe) || ziffer < 1 || ziffer > 4) return 0;
    const int f = ErsteFigur(lage.farbe) + ziffer - 1;
    return lage.waehlbar[f] ? static_cast<int16_t>(f) : int16_t{0};
}

} // namespace pelu
