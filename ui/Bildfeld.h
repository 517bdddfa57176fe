#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

#include "board/Leinwand.h"

namespace pelu {

// A picture box whose drawing persists: everything is drawn into an image
// once, and a repaint only copies the exposed part of that image. A new
// drawing is drawn at once; after a new size the picture waits until it is
// needed (shown, its image asked for, or a drawing set), so the sizes the
// window passes through while it is laid out cost nothing. The image
// has the screen's device pixels, so the drawing keeps the screen's detail
// at any scale; it is drawn again only when the window comes to a screen of
// another device pixel ratio. Used for the board's inner area and for the
// dice boxes.
class Bildfeld : public QWidget {
    Q_OBJECT
  public:
    // Draws the picture on a canvas of the image's pixels; `raster` maps the
    // box's pixels onto them.
    using Zeichnung = std::function<void(Leinwand& flaeche, const Geraeteraster& raster)>;

    Bildfeld(const QColor& hintergrund, QWidget* eltern);

    // A new size starts a blank picture in the background colour, then the
    // drawing runs again.
    void GroesseSetzen(QSize groesse);
    // What the picture shows from now on; drawn at once.
    void ZeichnungSetzen(Zeichnung zeichnung);

    // The image in device pixels, drawn; its device pixel ratio is the
    // screen's.
    const QImage& Bild() const;
    QColor Hintergrund() const { return hintergrund_; }

  protected:
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    double Faktor() const;
    // The picture is to be drawn anew when next needed.
    void Zeichnen();
    void Auffrischen() const;

    QColor hintergrund_;
    Zeichnung zeichnung_;
    // Drawn on demand, so also from the const accessor.
    mutable QImage bild_;
    mutable bool veraltet_ = true;
};

} // namespace pelu
