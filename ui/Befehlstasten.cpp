#include "Befehlstasten.h"

#include <QShortcut>

#include "Uebersetzung.h"

namespace pelu {

namespace {

struct Befehlstaste {
    QAbstractButton* knopf;
    QKeyCombination taste;
    const char* name; // as the keyboards label it
};

} // namespace

void BefehlstastenAnlegen(QWidget& fenster, const Bedienelemente& e) {
    const Befehlstaste tasten[] = {
        {e.cmdStart, Qt::CTRL | Qt::Key_N, QT_TRANSLATE_NOOP("Hauptfenster", "Strg+N")},
        {e.cmdStop, Qt::CTRL | Qt::Key_E, QT_TRANSLATE_NOOP("Hauptfenster", "Strg+E")},
        {e.cmdHilfe, QKeyCombination(Qt::Key_H), "H"},
        {e.cmdRegeln, QKeyCombination(Qt::Key_F1), "F1"},
        {e.chkTurbo, QKeyCombination(Qt::Key_T), "T"},
        {e.cmdBeenden, Qt::CTRL | Qt::Key_Q, QT_TRANSLATE_NOOP("Hauptfenster", "Strg+Q")},
    };
    for (const Befehlstaste& t : tasten) {
        auto* kuerzel = new QShortcut(QKeySequence(t.taste), &fenster);
        // Quitting works from the rules window too.
        if (t.knopf == e.cmdBeenden) kuerzel->setContext(Qt::ApplicationShortcut);
        QAbstractButton* knopf = t.knopf;
        QObject::connect(kuerzel, &QShortcut::activated, knopf, [knopf] {
            if (knopf->isEnabled()) knopf->click();
        });
        knopf->setToolTip(QStringLiteral("%1 (%2)").arg(knopf->toolTip(), Fenstertext::tr(t.name)));
    }
}

} // namespace pelu
