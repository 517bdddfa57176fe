// The canvas on the byte-per-pixel image the picture boxes keep: the same
// pixels as on a 32-bit image, its colour table filled as colours come.

#include <QImage>
#include <gtest/gtest.h>

#include "QtLeinwand.h"

namespace pelu::test {
namespace {

void Zeichnen(Leinwand& flaeche) {
    flaeche.Loeschen();
    flaeche.Linie(-5, 3, 40, 3, 0xFFFF00); // a row running off the image
    flaeche.Linie(2, 30, 28, 1, 0x000000);
    flaeche.Linie(7, 7, 7, 7, 0xFF0000);
    flaeche.Kreis(15.5, 15.5, 9.0, 2, 0x000000, 0x00FF00);
    flaeche.Kreis(31.0, 0.0, 6.5, 1, 0x0000FF, 0xFFFF00); // partly off the image
}

TEST(Leinwand, AchtBitZeigtDieselbenPixelWieZweiunddreissig) {
    QImage voll(32, 32, QImage::Format_RGB32), index(32, 32, QImage::Format_Indexed8);
    QtLeinwand aufVoll(voll, QColor(255, 255, 192)), aufIndex(index, QColor(255, 255, 192));
    Zeichnen(aufVoll);
    Zeichnen(aufIndex);
    EXPECT_TRUE(index.convertToFormat(QImage::Format_RGB32) == voll);
    // Background and four colours, each once; drawing again starts afresh.
    EXPECT_EQ(index.colorCount(), 6);
    Zeichnen(aufIndex);
    EXPECT_EQ(index.colorCount(), 6);
    EXPECT_TRUE(index.convertToFormat(QImage::Format_RGB32) == voll);
}

// More colours than the table holds: the first 255 exact, the rest the
// nearest of them, and nothing written outside the table.
TEST(Leinwand, AchtBitMitVollerFarbtabelle) {
    QImage bild(300, 2, QImage::Format_Indexed8);
    QtLeinwand flaeche(bild, Qt::black);
    flaeche.Loeschen();
    for (int x = 0; x < 300; ++x)
        flaeche.Linie(x, 0, x, 1, static_cast<uint32_t>(x + 1) << 8); // green 1..300 (wraps)
    EXPECT_EQ(bild.colorCount(), 256);
    for (int x = 0; x < 255; ++x)
        EXPECT_EQ(bild.pixel(x, 1), 0xFF000000u | static_cast<uint32_t>(x + 1) << 8) << x;
    // Green 256 wraps into red 1: the table's nearest is black, green 0.
    EXPECT_EQ(bild.pixelIndex(255, 0), 0);
    for (int x = 256; x < 300; ++x) {
        const int erwartet = (x + 1) % 256;
        EXPECT_EQ(qGreen(bild.pixel(x, 0)), erwartet) << x;
    }
}

} // namespace
} // namespace pelu::test
