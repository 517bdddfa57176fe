#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "Hauptfenster.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    pelu::Hauptfenster fenster;
    QString fehler;
    if (!fenster.Laden(&fehler)) {
        // Also on stderr: seen in a terminal, and by a check without a screen.
        std::fprintf(stderr, "%s\n", fehler.toLocal8Bit().constData());
        QMessageBox::critical(&fenster, QStringLiteral("Pelu mit Tarro - Fehler beim Laden"),
                              fehler);
        return 1;
    }
    return app.exec();
}
