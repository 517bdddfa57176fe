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
    resize(groesse);
    Zeichnen();
}

void Bildfeld::ZeichnungSetzen(Zeichnung zeichnung) {
    zeichnung_ = std::move(zeichnung);
    Zeichnen();
    Auffrischen();
}

void Bildfeld::Zeichnen() {
    veraltet_ = true;
    update();
}

const QImage& Bildfeld::Bild() const {
    Auffrischen();
    return bild_;
}

void Bildfeld::Auffrischen() const {
    if (!veraltet_) return;
    veraltet_ = false;
    const double faktor = Faktor();
    const QSize pixel(static_cast<int>(std::ceil(width() * faktor)),
                      static_cast<int>(std::ceil(height() * faktor)));
    if (bild_.size() != pixel || bild_.devicePixelRatio() != faktor) {
        bild_ = QImage(); // the old one goes first: no two alive at once
        bild_ = QImage(pixel, QImage::Format_RGB32);
        bild_.setDevicePixelRatio(faktor);
    }
    QtLeinwand leinwand(bild_, hintergrund_);
    if (zeichnung_)
        zeichnung_(leinwand, Geraeteraster{faktor});
    else
        leinwand.Loeschen();
}

void Bildfeld::paintEvent(QPaintEvent* /*ereignis*/) {
    // The window has come to a screen of another device pixel ratio.
    if (bild_.devicePixelRatio() != Faktor()) veraltet_ = true;
    // The painter is clipped to the exposed region.
    QPainter maler(this);
    maler.drawImage(QPoint(0, 0), Bild());
}

} // namespace pelu
