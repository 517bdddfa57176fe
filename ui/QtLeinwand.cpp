#include "QtLeinwand.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace pelu {

namespace {

// A coordinate as an index within lo..hi; far-off values only clamp.
int Begrenzt(double wert, int lo, int hi) {
    return static_cast<int>(std::clamp(wert, static_cast<double>(lo), static_cast<double>(hi)));
}

int Tiefe(const QImage& bild) {
    switch (bild.format()) {
    case QImage::Format_Indexed8: return 1;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: return 4;
    default: return 0;
    }
}

} // namespace

QtLeinwand::QtLeinwand(QImage& bild, const QColor& hintergrund)
    : bild_(bild), hintergrund_(hintergrund), breite_(bild.width()), hoehe_(bild.height()),
      tiefe_(Tiefe(bild)), pixel_(tiefe_ ? bild.bits() : nullptr),
      zeilenlaenge_(bild.bytesPerLine()) {}

// Filling in place keeps the pixels where the constructor found them.
void QtLeinwand::Loeschen() {
    if (bild_.format() != QImage::Format_Indexed8) return bild_.fill(hintergrund_);
    bild_.setColorTable({hintergrund_.rgb()});
    bild_.fill(0u);
}

uint32_t QtLeinwand::Wert(uint32_t farbe) {
    const QRgb rgb = 0xFF000000u | farbe;
    if (bild_.format() != QImage::Format_Indexed8) return rgb;
    const int anzahl = bild_.colorCount();
    for (int i = 0; i < anzahl; ++i)
        if (bild_.color(i) == rgb) return static_cast<uint32_t>(i);
    if (anzahl < 256) {
        bild_.setColor(anzahl, rgb); // grows the table by one
        return static_cast<uint32_t>(anzahl);
    }
    // A full table (never with the board's few colours): the nearest entry.
    int beste = 0, abstand = INT_MAX;
    for (int i = 0; i < anzahl; ++i) {
        const QRgb c = bild_.color(i);
        const int d = std::abs(qRed(c) - qRed(rgb)) + std::abs(qGreen(c) - qGreen(rgb)) +
                      std::abs(qBlue(c) - qBlue(rgb));
        if (d < abstand) beste = i, abstand = d;
    }
    return static_cast<uint32_t>(beste);
}

void QtLeinwand::Punkt(int x, int y, uint32_t wert) {
    if (x < 0 || y < 0 || x >= breite_ || y >= hoehe_) return;
    if (tiefe_ == 1)
        pixel_[y * zeilenlaenge_ + x] = static_cast<uchar>(wert);
    else
        Lauf(y, x, x, wert);
}

void QtLeinwand::Lauf(int y, int von, int bis, uint32_t wert) {
    uchar* zeile = pixel_ ? pixel_ + y * zeilenlaenge_ : nullptr;
    if (tiefe_ == 4)
        std::fill(reinterpret_cast<uint32_t*>(zeile) + von,
                  reinterpret_cast<uint32_t*>(zeile) + bis + 1, wert);
    else if (tiefe_ == 1)
        std::fill(zeile + von, zeile + bis + 1, static_cast<uchar>(wert));
    else
        for (int x = von; x <= bis; ++x)
            bild_.setPixel(x, y, wert);
}

// Bresenham: every pixel from the first to the last end point, both included.
void QtLeinwand::Linie(int x1, int y1, int x2, int y2, uint32_t farbe) {
    const uint32_t wert = Wert(farbe);
    if (y1 == y2) {
        // The fill's rows: only the part on the image is visited, so a field
        // far larger than the board costs no more than the image.
        if (y1 < 0 || y1 >= hoehe_) return;
        const int von = std::max(0, std::min(x1, x2));
        const int bis = std::min(breite_ - 1, std::max(x1, x2));
        if (von <= bis) Lauf(y1, von, bis, wert);
        return;
    }
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int fehler = dx + dy;
    for (;;) {
        Punkt(x1, y1, wert);
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

void QtLeinwand::Kreis(double mx, double my, double radius, int randbreite, uint32_t rand,
                       uint32_t fuellung) {
    if (!std::isfinite(mx) || !std::isfinite(my) || !(radius >= 0) || bild_.isNull()) return;
    const auto innen = [&](int x, int y) {
        const double dx = x + 0.5 - mx, dy = y + 0.5 - my;
        return dx * dx + dy * dy <= radius * radius;
    };
    // Only the part on the image is visited, so a huge radius costs no more
    // than the image.
    const int yVon = Begrenzt(std::floor(my - radius), 0, hoehe_ - 1);
    const int yBis = Begrenzt(std::ceil(my + radius), 0, hoehe_ - 1);
    const int xVon = Begrenzt(std::floor(mx - radius), 0, breite_ - 1);
    const int xBis = Begrenzt(std::ceil(mx + radius), 0, breite_ - 1);
    const int k = std::max(1, randbreite);
    const uint32_t randwert = Wert(rand), fuellwert = Wert(fuellung);
    // The disc is convex, so each row's inside pixels are one run: found by
    // the exact test from both ends of the part that matters (the image's
    // columns and k beyond), for the rows k above and below too.
    const int links = xVon - k, rechts = xBis + k, erste = yVon - k;
    std::vector<std::pair<int, int>> laeufe; // per row: first, last; first > last when none
    for (int y = erste; y <= yBis + k; ++y) {
        int von = links;
        while (von <= rechts && !innen(von, y))
            ++von;
        int bis = rechts;
        while (bis >= von && !innen(bis, y))
            --bis;
        laeufe.emplace_back(von, bis);
    }
    // A pixel k steps away that is inside means every pixel between is
    // inside too: the fill is where the row's run, shrunk by k, meets the
    // runs k rows above and below; the rest of the run is outline.
    const auto lauf = [&](int y) { return laeufe[static_cast<size_t>(y - erste)]; };
    for (int y = yVon; y <= yBis; ++y) {
        const auto [von, bis] = lauf(y);
        const int a = std::max(von, xVon), b = std::min(bis, xBis);
        if (a > b) continue;
        Lauf(y, a, b, randwert);
        const auto [obenVon, obenBis] = lauf(y - k);
        const auto [untenVon, untenBis] = lauf(y + k);
        const int tiefVon = std::max({a, von + k, obenVon, untenVon});
        const int tiefBis = std::min({b, bis - k, obenBis, untenBis});
        if (tiefVon <= tiefBis) Lauf(y, tiefVon, tiefBis, fuellwert);
    }
}

} // namespace pelu
