#include "board/Brettzeichnen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "state/Rundung.h"
#include "state/Spielzustand.h"

namespace pelu {

namespace {

// One edge of the quadrilateral, seen from its upper end U.
struct Kante {
    int ersteZeile = 0; // first row it crosses, relative to the topmost corner
    int endZeile = 0;   // row of its lower end, which it no longer crosses
    int xOben = 0;      // x of U
    int richtung = 0;   // sign of x(L) - x(U)
    float steigung = 0; // |dx| / dy, single precision
};

Kante KanteZwischen(const Ecken& e, int k, int ymin) {
    // The upper end is the corner with the smaller y; on a tie corner k.
    const int oben = e.y[k] <= e.y[k - 1] ? k : k - 1;
    const int unten = oben == k ? k - 1 : k;
    const int dx = e.x[unten] - e.x[oben];
    const int dy = e.y[unten] - e.y[oben];
    Kante kante;
    kante.ersteZeile = e.y[oben] - ymin;
    kante.endZeile = e.y[unten] - ymin;
    kante.xOben = e.x[oben];
    kante.richtung = (dx > 0) - (dx < 0);
    if (dx != 0 && dy != 0)
        kante.steigung = static_cast<float>(static_cast<double>(std::abs(dx)) / dy);
    return kante;
}

// x of the edge on row `zeile`: rounding half up of i * m, the product in
// single precision.
int KantenX(const Kante& kante, int zeile) {
    const int i = zeile - kante.ersteZeile;
    const float produkt = static_cast<float>(i) * kante.steigung;
    return kante.xOben + kante.richtung * static_cast<int>(std::floor(produkt + 0.5));
}

// Corners of row `feld` of Bilddaten (columns 2..9), on the surface.
Ecken FeldEcken(const Tabellen& daten, int feld, const Geraeteraster& raster) {
    Ecken e;
    for (int k = 0; k < 4; ++k) {
        e.x[k] = raster.Pixel(daten.Bilddaten[feld][2 + 2 * k]);
        e.y[k] = raster.Pixel(daten.Bilddaten[feld][3 + 2 * k]);
    }
    e.x[4] = e.x[0];
    e.y[4] = e.y[0];
    return e;
}

// Palette index for a field of kind `art`: 1..4 the light colour of that
// colour, 5 and 6 the track and bench colours; any other kind keeps
// `vorige`, the fill of the field drawn before.
int32_t Feldfuellfarbe(int16_t art, int32_t vorige) {
    if (IstFarbe(art)) return HelleFarbe(art);
    if (art == 5) return Farbe[FarbeArtStrecke];
    if (art == 6) return Farbe[FarbeArtBank];
    return vorige;
}

} // namespace

void ViereckFuellen(Leinwand& flaeche, const Ecken& e, int32_t fuellfarbe) {
    int ymin = 10000;
    int ymax = -10000;
    for (int k = 0; k < 4; ++k) {
        ymin = std::min<int>(ymin, e.y[k]);
        ymax = std::max<int>(ymax, e.y[k]);
    }
    std::array<Kante, 4> kanten;
    for (int k = 1; k <= 4; ++k)
        kanten[k - 1] = KanteZwischen(e, k, ymin);

    const uint32_t farbe = QBColor(fuellfarbe);
    // Every row is computed directly, so a field of any height is filled;
    // rows outside every edge simply have no crossing.
    for (int zeile = 0; zeile <= ymax - ymin; ++zeile) {
        int kreuzungen = 0;
        int start = 0;
        for (const Kante& kante : kanten) {
            if (zeile < kante.ersteZeile || zeile >= kante.endZeile) continue;
            const int x = KantenX(kante, zeile);
            if (++kreuzungen % 2 == 1)
                start = x;
            else
                flaeche.Linie(start, ymin + zeile, x, ymin + zeile, farbe);
        }
    }
}

void FeldZeichnen(Leinwand& flaeche, const Ecken& e, int32_t fuellfarbe, int strichbreite) {
    ViereckFuellen(flaeche, e, fuellfarbe);
    // The pen is the line drawn once per pixel of a square.
    for (int k = 1; k <= 4; ++k)
        for (int dy = 0; dy < strichbreite; ++dy)
            for (int dx = 0; dx < strichbreite; ++dx)
                flaeche.Linie(e.x[k - 1] + dx, e.y[k - 1] + dy, e.x[k] + dx, e.y[k] + dy,
                              Umrissfarbe);
}

void BrettZeichnen(Leinwand& flaeche, const Tabellen& daten, float massstab,
                   const Geraeteraster& raster) {
    flaeche.Loeschen();
    int32_t fuellfarbe = 0;
    for (int n = 1; n <= 96; ++n) {
        fuellfarbe = Feldfuellfarbe(daten.Bilddaten[n][10], fuellfarbe);
        FeldZeichnen(flaeche, FeldEcken(daten, n, raster), fuellfarbe, raster.Strichbreite());
    }
    const uint32_t umriss = QBColor(Farbe[FarbeUmriss]);
    for (int c = 1; c <= 4; ++c) {
        const auto& zeile = daten.Bilddaten[100 + c];
        const int r = RundeGerade(zeile[1] * static_cast<double>(massstab));
        const uint32_t hell = QBColor(HelleFarbe(c));
        for (int j = 1; j <= 4; ++j) {
            const int cx = zeile[2 * j];
            const int cy = zeile[2 * j + 1];
            // A negative radius from a faulty file draws nothing.
            if (r >= 0) BrettKreis(flaeche, raster, cx, cy, r, umriss, hell);
            if (r - 1 >= 0) BrettKreis(flaeche, raster, cx, cy, r - 1, hell, hell);
            if (r + 1 >= 0) BrettKreis(flaeche, raster, cx, cy, r + 1, umriss, hell);
        }
    }
}

} // namespace pelu
