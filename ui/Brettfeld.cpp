#include "Brettfeld.h"

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

} // namespace pelu
