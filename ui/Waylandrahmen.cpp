#include "Waylandrahmen.h"

#include <QGuiApplication>
#include <QWidget>

namespace pelu {

void FesteGroesseSchuetzen(QWidget& fenster) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    if (fenster.minimumSize() != fenster.maximumSize()) return;
    fenster.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
}

} // namespace pelu
