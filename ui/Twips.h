#pragma once
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <algorithm>

#include "state/Rundung.h"

namespace pelu {

// Twips per pixel of the screen (1440 twips to the inch), rounded to a whole
// number as the design sizes assume; 15 at 96 dpi and without a screen.
inline int TwipsProPixel() {
    const QScreen* schirm = QGuiApplication::primaryScreen();
    const double dpi = schirm ? schirm->logicalDotsPerInch() : 0.0;
    if (dpi <= 0.0) return 15;
    return std::max<int>(1, RundeGerade(1440.0 / dpi));
}

inline int TwipsZuPixel(int twips, int twipsProPixel) {
    return RundeGerade(static_cast<double>(twips) / std::max(1, twipsProPixel));
}

// A design rectangle (left, top, width, height in twips) in pixels.
inline QRect TwipsRechteck(int links, int oben, int breite, int hoehe, int twipsProPixel) {
    return {TwipsZuPixel(links, twipsProPixel), TwipsZuPixel(oben, twipsProPixel),
            TwipsZuPixel(breite, twipsProPixel), TwipsZuPixel(hoehe, twipsProPixel)};
}

} // namespace pelu
