#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "Anzeigewaechter.h"
#include "Befehlszeile.h"
#include "Hauptfenster.h"
#include "Netzstart.h"
#include "Uebersetzung.h"
#include "Vorgemalt.h"

int main(int argc, char** argv) {
    // Read before the application object: --help, --version and a bad
    // argument need no display.
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    const pelu::Befehlszeile befehl = pelu::BefehlszeileLesen(argumente);
    switch (befehl.aktion) {
    case pelu::Befehlszeile::Aktion::Hilfe:
    case pelu::Befehlszeile::Aktion::Version:
        std::fputs(befehl.text.toLocal8Bit().constData(), stdout);
        return 0;
    case pelu::Befehlszeile::Aktion::Fehler:
        std::fprintf(stderr, "%s\n", befehl.text.toLocal8Bit().constData());
        return 2;
    case pelu::Befehlszeile::Aktion::Spielen: break;
    }

    pelu::AnzeigeWaechter waechter;
    QApplication app(argc, argv);
    waechter.Gestartet();
    pelu::UebersetzungLaden(app);
    pelu::VorgemalteBilderEinlegen(pelu::VorgemalteBilder, pelu::VorgemalteBilderAnzahl);
    pelu::Fensteroptionen optionen;
    optionen.Spieler = befehl.spieler;
    pelu::Hauptfenster fenster(std::move(optionen));
    QString fehler;
    // A joining window is sent the board: it needs no data file.
    if (befehl.netz.Beitreten)
        fenster.Vorbereiten();
    else if (!fenster.Laden(&fehler)) {
        // Also on stderr: seen in a terminal, and by a check without a screen.
        std::fprintf(stderr, "%s\n", fehler.toLocal8Bit().constData());
        QMessageBox::critical(&fenster, pelu::Fenstertext::tr("Pelu mit Tarro - Fehler beim Laden"),
                              fehler);
        return 1;
    }
    pelu::Netzstart netz;
    if (const int ende = netz.Starten(fenster, befehl.netz)) return ende;
    return netz.Ende(app.exec());
}
