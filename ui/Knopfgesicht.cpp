#include "Knopfgesicht.h"

#include <algorithm>
#include <cmath>

namespace pelu {

namespace {
const char* const Gesichtseigenschaft = "peluGesicht";
const char* const Randeigenschaft = "peluRand";

int Randbreite(const QPushButton& knopf) {
    const QVariant rand = knopf.property(Randeigenschaft);
    return rand.isValid() ? rand.toInt() : 2;
}

void Stilsetzen(QPushButton& knopf, const QColor& gesicht, int rand) {
    // A style sheet gives the exact face colour under every widget style;
    // the raised border keeps it looking like a button.
    const QString farbe = gesicht.name();
    knopf.setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                       " border: %2px outset %1; }"
                                       "QPushButton:pressed { border-style: inset; }"
                                       "QPushButton:focus { outline: 1px dotted black; }")
                            .arg(farbe)
                            .arg(rand));
}

} // namespace

void KnopfgesichtSetzen(QPushButton& knopf, const QColor& gesicht) {
    if (knopf.property(Gesichtseigenschaft).value<QColor>() == gesicht &&
        !knopf.styleSheet().isEmpty())
        return;
    knopf.setProperty(Gesichtseigenschaft, gesicht);
    Stilsetzen(knopf, gesicht, Randbreite(knopf));
}

QColor Knopfgesicht(const QPushButton& knopf) {
    return knopf.property(Gesichtseigenschaft).value<QColor>();
}

void KnopfskalaSetzen(QPushButton& knopf, double skala) {
    const int rand = std::max(1, static_cast<int>(std::nearbyint(2 * skala)));
    if (rand == Randbreite(knopf)) return;
    knopf.setProperty(Randeigenschaft, rand);
    // Only a graphical button has a face to draw again.
    if (knopf.property(Gesichtseigenschaft).isValid()) Stilsetzen(knopf, Knopfgesicht(knopf), rand);
}

} // namespace pelu
