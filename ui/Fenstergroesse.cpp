#include "Fenstergroesse.h"

#include <QShortcut>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "Skalierung.h"

namespace pelu {

namespace {

// A start from `anfang` moved as little as needed to put `laenge` within
// von..bis; the start wins when both cannot hold.
int Einpassen(int anfang, int laenge, int von, int bis) {
    return std::max(von, std::min(anfang, bis - laenge));
}

} // namespace

QSize Kleinstgroesse(QSize entwurf) {
    return {(entwurf.width() + 1) / 2, (entwurf.height() + 1) / 2};
}

void FensterGroessen(QWidget& fenster, QSize entwurf) {
    fenster.setMinimumSize(Kleinstgroesse(entwurf));
    fenster.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    fenster.resize(entwurf);
}

QRect Startlage(QSize entwurf, const QRect& verfuegbar, const QMargins& rahmen) {
    const QRect platz = verfuegbar.marginsRemoved(rahmen);
    QSize groesse = entwurf;
    if (!entwurf.isEmpty() &&
        (entwurf.width() > platz.width() || entwurf.height() > platz.height())) {
        const double skala =
            std::max(KleinsteSkala, std::min(double(platz.width()) / entwurf.width(),
                                             double(platz.height()) / entwurf.height()));
        // The small addend keeps a side that fits exactly from losing a pixel.
        const auto seite = [skala](int laenge) {
            return static_cast<int>(std::floor(laenge * skala + 1e-9));
        };
        groesse = QSize(seite(entwurf.width()), seite(entwurf.height()))
                      .expandedTo(Kleinstgroesse(entwurf));
    }
    QRect ort(QPoint(0, 0), groesse);
    ort.moveCenter(verfuegbar.center());
    ort.moveTo(Einpassen(ort.x(), groesse.width(), platz.left(), platz.right() + 1),
               Einpassen(ort.y(), groesse.height(), platz.top(), platz.bottom() + 1));
    return ort;
}

QMargins Rahmenschaetzung(const QWidget& fenster) {
    if (const QWindow* fensterflaeche = fenster.windowHandle()) {
        const QMargins rahmen = fensterflaeche->frameMargins();
        if (!rahmen.isNull()) return rahmen;
    }
    return {4, 30, 4, 4};
}

void VollbildTasteAnlegen(QWidget& fenster) {
    auto* taste = new QShortcut(QKeySequence(Qt::Key_F11), &fenster);
    QObject::connect(taste, &QShortcut::activated, &fenster, [&fenster] {
        fenster.setWindowState(fenster.windowState() ^ Qt::WindowFullScreen);
    });
}

} // namespace pelu
