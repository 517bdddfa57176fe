#include "Bildfeld.h"

#include <QPaintEvent>
#include <QPainter>

namespace pelu {

Bildfeld::Bildfeld(const QColor& hintergrund, QWidget* eltern)
    : QWidget(eltern), hintergrund_(hintergrund) {
    // Every exposed pixel comes from the image; nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Bildfeld::GroesseSetzen(QSize groesse) {
    resize(groesse);
    if (bild_.size() == groesse) return;
    bild_ = QImage(groesse, QImage::Format_RGB32);
    bild_.fill(hintergrund_);
}

void Bildfeld::paintEvent(QPaintEvent* ereignis) {
    QPainter maler(this);
    for (const QRect& teil : ereignis->region())
        maler.drawImage(teil.topLeft(), bild_, teil);
}

} // namespace pelu
