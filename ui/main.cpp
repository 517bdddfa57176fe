#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "Hauptfenster.h"
#include "Uebersetzung.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    pelu::UebersetzungLaden(app);
    pelu::Hauptfenster fenster;
    QString fehler;
    if (!fenster.Laden(&fehler)) {
        // Also on stderr: seen in a terminal, and by a check without a screen.
        std::fprintf(stderr, "%s\n", fehler.toLocal8Bit().constData());
        QMessageBox::critical(&fenster, pelu::Fenstertext::tr("Pelu mit Tarro - Fehler beim Laden"),
                              fehler);
        return 1;
    }
    return app.exec();
}
