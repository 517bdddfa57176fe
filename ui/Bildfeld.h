#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

#include "Skalierung.h"
#include "board/Leinwand.h"

namespace pelu {

// A picture box whose drawing persists: everything is drawn into an image
// once, and a repaint only copies the exposed part of that image. The image
// has the screen's device pixels, so the drawing keeps the screen's detail
// at any scale; it is drawn again only when the window comes to a screen of
// another device pixel ratio or takes another factor. The drawing is in the
// box's designed pixels. Used for the board's inner area and for the dice
// boxes.
class Bildfeld : public QWidget, public Skalierbar {
    Q_OBJECT
  public:
    // Draws the picture on a canvas of the image's pixels; `raster` maps the
    // box's pixels onto them.
    using Zeichnung = std::function<void(Leinwand& flaeche, const Geraeteraster& raster)>;

    Bildfeld(const QColor& hintergrund, QWidget* eltern);

    // A new designed size starts a blank picture in the background colour,
    // then the drawing runs again.
    void GroesseSetzen(QSize groesse);
    QSize Entwurf() const { return entwurf_; }
    // Drawn again for the window's factor once the window has given it its
    // size, or at the latest when it is shown next.
    void SkalaSetzen(double skala) override;
    // What the picture shows from now on; drawn at once.
    void ZeichnungSetzen(Zeichnung zeichnung);

    // The image in device pixels; its device pixel ratio is the screen's.
    const QImage& Bild() const { return bild_; }
    QColor Hintergrund() const { return hintergrund_; }

  protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    double Faktor() const;
    QSize Pixelgroesse() const;
    // Whether the image is drawn for the box's size, screen and factor.
    bool Aktuell() const;
    void Zeichnen();

    QColor hintergrund_;
    QSize entwurf_;
    double skala_ = 1.0;
    double bildskala_ = 1.0; // the factor the image is drawn for
    QImage bild_;
    Zeichnung zeichnung_;
};

} // namespace pelu
