#include "Figurbild.h"

#include <QMouseEvent>
#include <algorithm>

#include "Bilder.h"
#include "state/Rundung.h"

namespace pelu {

Figurbild::Figurbild(int figur, QWidget* eltern) : QLabel(eltern), figur_(figur) {
    setObjectName(QStringLiteral("imgFigur%1").arg(figur - 1));
    // The board shows through the transparent corners of the disc.
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    resize(Seite, Seite);
}

void Figurbild::OrtSetzen(QPointF ort) {
    ort_ = ort;
    Platzieren();
}

// To the nearest pixel, halves to the even one; at another factor the
// image's centre goes to the scaled centre of the designed image.
void Figurbild::Platzieren() {
    const double halb = Seite / 2.0;
    move(RundeGerade((ort_.x() + halb) * skala_ - width() / 2.0),
         RundeGerade((ort_.y() + halb) * skala_ - height() / 2.0));
}

void Figurbild::SkalaSetzen(double skala) {
    skala_ = skala;
    const int seite = std::max(1, static_cast<int>(RundeGerade(Seite * skala)));
    resize(seite, seite);
    Platzieren();
}

void Figurbild::BildSetzen(double faktor) {
    if (width() == Seite) return setPixmap(FigurBild((figur_ - 1) / 4 + 1, faktor));
    // Drawn with as many pixels as the image has on the screen.
    QPixmap bild = FigurBild((figur_ - 1) / 4 + 1, faktor * width() / Seite);
    bild.setDevicePixelRatio(faktor);
    setPixmap(bild);
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
