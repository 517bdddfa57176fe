#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "state/Rundung.h"

namespace pelu {

// A surface the board and the dice are drawn on, in the surface's own pixels:
// pixel (x, y) covers the square from (x, y) to (x + 1, y + 1), its centre at
// (x + 1/2, y + 1/2). Colours are 0xRRGGBB. The window implements it on a
// persistent image; tests on a pixel buffer.
class Leinwand {
  public:
    virtual ~Leinwand() = default;

    // Clears the whole surface to its background colour.
    virtual void Loeschen() = 0;
    // A straight line one pixel wide; it covers both end points.
    virtual void Linie(int x1, int y1, int x2, int y2, uint32_t farbe) = 0;
    // A filled disc: the pixels whose centre lies within `radius` of
    // (mx, my). Those that have a pixel outside the disc `randbreite` steps
    // to the left, right, above or below form its outline in `rand`.
    virtual void Kreis(double mx, double my, double radius, int randbreite, uint32_t rand,
                       uint32_t fuellung) = 0;
};

// How board pixels lie on a surface with `faktor` surface pixels per board
// pixel (the screen's device pixel ratio): board pixel p begins at surface
// pixel Int(faktor * p), its centre p + 1/2 lies at faktor * (p + 1/2), and a
// line one board pixel wide is round(faktor) surface pixels wide. Factor 1
// maps every board pixel onto itself.
struct Geraeteraster {
    double faktor = 1.0;

    // The small addend keeps products that are whole numbers in exact
    // arithmetic from falling just below them (1.15 * 20).
    int Pixel(int p) const { return static_cast<int>(std::floor(faktor * p + 1e-9)); }
    double Mitte(int p) const { return faktor * (p + 0.5); }
    double Laenge(double laenge) const { return faktor * laenge; }
    int Strichbreite() const { return std::max<int>(1, RundeGerade(faktor)); }
};

// A circle of the board around pixel (cx, cy) with radius r, all in board
// pixels: the pixels within r + 1/2 of the centre pixel's middle, which keeps
// small discs round (a pip of radius 3 is 7 pixels across), with an outline
// one board pixel wide.
inline void BrettKreis(Leinwand& flaeche, const Geraeteraster& raster, int cx, int cy, int r,
                       uint32_t rand, uint32_t fuellung) {
    flaeche.Kreis(raster.Mitte(cx), raster.Mitte(cy), raster.Laenge(r + 0.5), raster.Strichbreite(),
                  rand, fuellung);
}

} // namespace pelu
