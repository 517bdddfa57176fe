#include "board/Wuerfelbild.h"

#include "game/Rundung.h"
#include "game/Spielzustand.h"

namespace pelu {

Wuerfelaugen WuerfelAugen(int16_t wert, int cx, int cy, int d) {
    Wuerfelaugen augen;
    if (wert < 1 || wert > 6) return augen;
    auto auge = [&](int x, int y) {
        augen.mitte[augen.anzahl++] = Punkt{static_cast<int16_t>(x), static_cast<int16_t>(y)};
    };
    if (wert % 2 == 1) auge(cx, cy);
    if (wert > 1) {
        auge(cx - d, cy - d);
        auge(cx + d, cy + d);
    }
    if (wert > 3) {
        auge(cx + d, cy - d);
        auge(cx - d, cy + d);
    }
    if (wert == 6) {
        auge(cx, cy - d);
        auge(cx, cy + d);
    }
    return augen;
}

void WuerfelZeichnen(Leinwand& flaeche, int breite, int hoehe, int16_t wert,
                     const Farbtabelle& farbe, float massstab) {
    const int d = Int(9.0 * static_cast<double>(massstab));
    const uint32_t weiss = QBColor(farbe[6]);
    flaeche.Loeschen();
    const Wuerfelaugen augen = WuerfelAugen(wert, breite / 2, hoehe / 2, d);
    for (int i = 0; i < augen.anzahl; ++i)
        flaeche.Kreis(augen.mitte[i].x, augen.mitte[i].y, Augenradius, weiss, weiss);
}

} // namespace pelu
