#include "QtLeinwand.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace pelu {

namespace {

// The disc of radius r: the pixels within r + 1/2 of the centre, which gives
// round small discs (a pip of radius 3 is 7 pixels across).
bool ImKreis(int64_t dx, int64_t dy, int64_t r) {
    return dx * dx + dy * dy <= r * r + r;
}

} // namespace

QtLeinwand::QtLeinwand(QImage& bild, const QColor& hintergrund)
    : bild_(bild), hintergrund_(hintergrund) {}

void QtLeinwand::Loeschen() {
    bild_.fill(hintergrund_);
}

void QtLeinwand::Punkt(int x, int y, uint32_t farbe) {
    if (x < 0 || y < 0 || x >= bild_.width() || y >= bild_.height()) return;
    bild_.setPixel(x, y, 0xFF000000u | farbe);
}

// Bresenham: every pixel from the first to the last end point, both included.
void QtLeinwand::Linie(int x1, int y1, int x2, int y2, uint32_t farbe) {
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int fehler = dx + dy;
    for (;;) {
        Punkt(x1, y1, farbe);
        if (x1 == x2 && y1 == y2) return;
        const int doppelt = 2 * fehler;
        if (doppelt >= dy) {
            fehler += dy;
            x1 += sx;
        }
        if (doppelt <= dx) {
            fehler += dx;
            y1 += sy;
        }
    }
}

void QtLeinwand::Kreis(int cx, int cy, int r, uint32_t rand, uint32_t fuellung) {
    if (r < 0) return;
    // Only the part on the image is visited, so a huge radius costs no more
    // than the image.
    const int dyVon = std::max(-r, -cy), dyBis = std::min(r, bild_.height() - 1 - cy);
    const int dxVon = std::max(-r, -cx), dxBis = std::min(r, bild_.width() - 1 - cx);
    for (int dy = dyVon; dy <= dyBis; ++dy) {
        for (int dx = dxVon; dx <= dxBis; ++dx) {
            if (!ImKreis(dx, dy, r)) continue;
            const bool innen = ImKreis(dx - 1, dy, r) && ImKreis(dx + 1, dy, r) &&
                               ImKreis(dx, dy - 1, r) && ImKreis(dx, dy + 1, r);
            Punkt(cx + dx, cy + dy, innen ? fuellung : rand);
        }
    }
}

} // namespace pelu
