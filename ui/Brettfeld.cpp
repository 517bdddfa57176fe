#include "Brettfeld.h"

#include <QPainter>
#include <algorithm>

namespace pelu {

const QColor Brettfeld::Hintergrund(255, 255, 192);

Brettfeld::Brettfeld(QWidget* eltern) : QFrame(eltern), flaeche_(new Bildfeld(Hintergrund, this)) {
    setObjectName(QStringLiteral("picSpielfeld"));
    flaeche_->setObjectName(QStringLiteral("picSpielfeldInnen"));
    // The classic sunken picture box border: two lines of shadow and light.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Midlight, QColor(192, 192, 192));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
    palette.setColor(QPalette::Window, Hintergrund);
    setPalette(palette);
    flaeche_->move(Rand, Rand);
}

void Brettfeld::GroesseSetzen(int breite, int hoehe) {
    resize(breite, hoehe);
    flaeche_->GroesseSetzen(QSize(std::max(0, breite - 2 * Rand), std::max(0, hoehe - 2 * Rand)));
}

void Brettfeld::SkalaSetzen(double skala) {
    skala_ = skala;
    update();
}

// Outside factor 1 the two lines of the border are as wide as the window
// makes them: shadow and light outside, dark shadow and midlight inside,
// each bottom-right line over the corners as the classic border has it.
void Brettfeld::paintEvent(QPaintEvent* ereignis) {
    if (skala_ == 1.0) return QFrame::paintEvent(ereignis);
    const QRect innen = flaeche_->geometry();
    const int w = width(), h = height();
    const int links = innen.left(), oben = innen.top();
    const int rechts = w - innen.right() - 1, unten = h - innen.bottom() - 1;
    // The outer line takes the larger half.
    const auto aussen = [](int rand) { return (rand + 1) / 2; };
    const int al = aussen(links), ao = aussen(oben), ar = aussen(rechts), au = aussen(unten);
    const QPalette& p = palette();
    QPainter maler(this);
    maler.fillRect(0, 0, al, h - au, p.dark());
    maler.fillRect(0, 0, w - ar, ao, p.dark());
    maler.fillRect(0, h - au, w, au, p.light());
    maler.fillRect(w - ar, 0, ar, h, p.light());
    maler.fillRect(al, ao, links - al, h - au - ao - (unten - au), p.shadow());
    maler.fillRect(al, ao, w - ar - al - (rechts - ar), oben - ao, p.shadow());
    maler.fillRect(al, h - unten, w - ar - al, unten - au, p.midlight());
    maler.fillRect(w - rechts, ao, rechts - ar, h - au - ao, p.midlight());
}

} // namespace pelu
