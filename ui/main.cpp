#include <QApplication>
#include <QMessageBox>

#include "Hauptfenster.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    pelu::Hauptfenster fenster;
    QString fehler;
    if (!fenster.Laden(&fehler)) {
        QMessageBox::critical(&fenster, QStringLiteral("Pelu mit Tarro - Fehler beim Laden"),
                              fehler);
        return 1;
    }
    return app.exec();
}
