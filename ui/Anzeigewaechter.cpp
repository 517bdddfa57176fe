#include "Anzeigewaechter.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace pelu {

namespace {

// A message held back while the toolkit starts.
struct Meldung {
    QtMsgType art;
    QByteArray datei, funktion, kategorie;
    int zeile;
    QString text;
};

// A message handler is a plain function, so what it holds lives here; only
// one watch is ever active, in main.
std::vector<Meldung> gehalten;

void Halten(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (art == QtFatalMsg) {
        // Reached while the application object is made: no platform could
        // be started. Statics of the half-made toolkit are not run down.
        std::fprintf(stderr, "%s\n", KeineAnzeigeMeldung());
        std::fflush(stderr);
        std::_Exit(1);
    }
    gehalten.push_back({art, ort.file, ort.function, ort.category, ort.line, text});
}

} // namespace

const char* KeineAnzeigeMeldung() {
    return "pelu: keine Anzeige erreichbar (kein X-Server und kein Wayland-Compositor, "
           "siehe DISPLAY und WAYLAND_DISPLAY)";
}

AnzeigeWaechter::AnzeigeWaechter() : vorher_(qInstallMessageHandler(&Halten)) {}

AnzeigeWaechter::~AnzeigeWaechter() {
    Gestartet();
}

void AnzeigeWaechter::Gestartet() {
    if (!wacht_) return;
    wacht_ = false;
    qInstallMessageHandler(vorher_);
    for (const Meldung& m : std::exchange(gehalten, {})) {
        const QMessageLogContext ort(m.datei.constData(), m.zeile, m.funktion.constData(),
                                     m.kategorie.constData());
        qt_message_output(m.art, ort, m.text);
    }
}

} // namespace pelu
