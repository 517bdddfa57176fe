#pragma once
#include <QColor>
#include <QImage>

#include "board/Leinwand.h"

namespace pelu {

// The core's drawing surface on a persistent image, pixel exact and without
// antialiasing: lines cover both end points, a circle is a filled disc whose
// outermost rings of pixels are the outline. Surface pixels are the image's
// pixels, whatever its device pixel ratio. Pixels outside the image are
// dropped.
class QtLeinwand : public Leinwand {
  public:
    QtLeinwand(QImage& bild, const QColor& hintergrund);

    void Loeschen() override;
    void Linie(int x1, int y1, int x2, int y2, uint32_t farbe) override;
    void Kreis(double mx, double my, double radius, int randbreite, uint32_t rand,
               uint32_t fuellung) override;

  private:
    void Punkt(int x, int y, uint32_t farbe);

    QImage& bild_;
    QColor hintergrund_;
    int breite_;
    int hoehe_;
    // The pixels of a 32-bit image, written directly: a board at full
    // screen size has over a million of them. Null for other formats.
    uchar* pixel_;
    qsizetype zeilenlaenge_;
};

} // namespace pelu
