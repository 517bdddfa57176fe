#pragma once
#include <QColor>
#include <QImage>

#include "board/Leinwand.h"

namespace pelu {

// The core's drawing surface on a persistent image, pixel exact and without
// antialiasing: lines cover both end points, a circle is a filled disc whose
// outermost rings of pixels are the outline. Surface pixels are the image's
// pixels, whatever its device pixel ratio. Pixels outside the image are
// dropped. An 8-bit indexed image takes each colour into its table when it
// is first drawn; clearing starts the table again with the background.
class QtLeinwand : public Leinwand {
  public:
    QtLeinwand(QImage& bild, const QColor& hintergrund);

    void Loeschen() override;
    void Linie(int x1, int y1, int x2, int y2, uint32_t farbe) override;
    void Kreis(double mx, double my, double radius, int randbreite, uint32_t rand,
               uint32_t fuellung) override;

  private:
    // What the image stores for a colour: its table index in an indexed
    // image, else the opaque colour.
    uint32_t Wert(uint32_t farbe);
    void Punkt(int x, int y, uint32_t wert);
    // Pixels von..bis of row y, all on the image.
    void Lauf(int y, int von, int bis, uint32_t wert);

    QImage& bild_;
    QColor hintergrund_;
    int breite_;
    int hoehe_;
    // Bytes per pixel when the pixels are written directly (an 8-bit indexed
    // or a 32-bit image: a board at full screen size has over a million of
    // them); 0 for other formats, written through setPixel.
    int tiefe_;
    uchar* pixel_;
    qsizetype zeilenlaenge_;
};

} // namespace pelu
