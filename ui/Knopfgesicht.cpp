#include "Knopfgesicht.h"

namespace pelu {

namespace {
const char* const Gesichtseigenschaft = "peluGesicht";
}

void KnopfgesichtSetzen(QPushButton& knopf, const QColor& gesicht) {
    if (knopf.property(Gesichtseigenschaft).value<QColor>() == gesicht &&
        !knopf.styleSheet().isEmpty())
        return;
    knopf.setProperty(Gesichtseigenschaft, gesicht);
    // A style sheet gives the exact face colour under every widget style;
    // the raised border keeps it looking like a button.
    const QString farbe = gesicht.name();
    knopf.setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                       " border: 2px outset %1; }"
                                       "QPushButton:pressed { border-style: inset; }"
                                       "QPushButton:focus { outline: 1px dotted black; }")
                            .arg(farbe));
}

QColor Knopfgesicht(const QPushButton& knopf) {
    return knopf.property(Gesichtseigenschaft).value<QColor>();
}

} // namespace pelu
