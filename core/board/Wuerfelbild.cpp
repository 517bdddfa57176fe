#include "board/Wuerfelbild.h"

#include "state/Rundung.h"
#include "state/Spielzustand.h"

namespace pelu {

void WuerfelZeichnen(Leinwand& flaeche, int breite, int hoehe, int16_t wert, float massstab,
                     const Geraeteraster& raster) {
    const int d = Int(9.0 * static_cast<double>(massstab));
    const uint32_t weiss = QBColor(Farbe[FarbeWuerfelauge]);
    flaeche.Loeschen();
    if (wert < 1 || wert > 6) return;
    const int cx = breite / 2;
    const int cy = hoehe / 2;
    auto auge = [&](int x, int y) { BrettKreis(flaeche, raster, x, y, Augenradius, weiss, weiss); };
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
}

} // namespace pelu
