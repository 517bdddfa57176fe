#include "Bildfeld.h"

#include <QPainter>
#include <cmath>

#include "QtLeinwand.h"

namespace pelu {

Bildfeld::Bildfeld(const QColor& hintergrund, QWidget* eltern)
    : QWidget(eltern), hintergrund_(hintergrund) {
    // Every exposed pixel comes from the image; nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double Bildfeld::Faktor() const {
    const double faktor = devicePixelRatioF();
    return std::isfinite(faktor) && faktor > 0 ? faktor : 1.0;
}

void Bildfeld::GroesseSetzen(QSize groesse) {
    entwurf_ = groesse;
    resize(groesse);
    // A shown box has drawn itself on the resize already.
    if (!Aktuell()) Zeichnen();
}

void Bildfeld::SkalaSetzen(double skala) {
    skala_ = skala;
}

QSize Bildfeld::Pixelgroesse() const {
    const double faktor = Faktor();
    return {static_cast<int>(std::ceil(width() * faktor)),
            static_cast<int>(std::ceil(height() * faktor))};
}

bool Bildfeld::Aktuell() const {
    return bild_.size() == Pixelgroesse() && bild_.devicePixelRatio() == Faktor() &&
           bildskala_ == skala_;
}

void Bildfeld::resizeEvent(QResizeEvent* /*ereignis*/) {
    if (!Aktuell()) Zeichnen();
}

void Bildfeld::ZeichnungSetzen(Zeichnung zeichnung) {
    zeichnung_ = std::move(zeichnung);
    Zeichnen();
}

void Bildfeld::Zeichnen() {
    const double faktor = Faktor();
    const QSize pixel = Pixelgroesse();
    if (bild_.size() != pixel || bild_.devicePixelRatio() != faktor) {
        // The old picture goes first: never two boards in memory at once.
        // A byte a pixel: the drawing has only a few colours (the canvas keeps
        // the table), a quarter of the memory of 32-bit pixels.
        bild_ = QImage();
        bild_ = QImage(pixel, QImage::Format_Indexed8);
        bild_.setDevicePixelRatio(faktor);
    }
    bildskala_ = skala_;
    QtLeinwand leinwand(bild_, hintergrund_);
    if (zeichnung_)
        zeichnung_(leinwand, Geraeteraster{faktor * skala_});
    else
        leinwand.Loeschen();
    update();
}

void Bildfeld::paintEvent(QPaintEvent* /*ereignis*/) {
    // The window has come to a screen of another device pixel ratio, or
    // has taken another factor without a new size.
    if (!Aktuell()) Zeichnen();
    // The painter is clipped to the exposed region.
    QPainter maler(this);
    maler.drawImage(QPoint(0, 0), bild_);
}

} // namespace pelu
