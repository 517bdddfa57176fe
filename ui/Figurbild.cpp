#include "Figurbild.h"

#include <QMouseEvent>

namespace pelu {

Figurbild::Figurbild(int figur, QWidget* eltern) : QLabel(eltern), figur_(figur) {
    setObjectName(QStringLiteral("imgFigur%1").arg(figur - 1));
    // The board shows through the transparent corners of the disc.
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    resize(15, 15);
}

void Figurbild::mousePressEvent(QMouseEvent* ereignis) {
    gedrueckt_ = ereignis->button() == Qt::LeftButton;
    ereignis->accept();
}

// A click is a left press and release over the image, as on a button.
void Figurbild::mouseReleaseEvent(QMouseEvent* ereignis) {
    const bool klick = gedrueckt_ && ereignis->button() == Qt::LeftButton &&
                       rect().contains(ereignis->position().toPoint());
    gedrueckt_ = false;
    ereignis->accept();
    if (klick) emit Geklickt(figur_);
}

void Figurbild::mouseMoveEvent(QMouseEvent* ereignis) {
    ereignis->accept();
    emit MausBewegt(figur_);
}

} // namespace pelu
