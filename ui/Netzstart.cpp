#include "Netzstart.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdio>

#include "Angebot.h"
#include "Hauptfenster.h"
#include "Uebersetzung.h"

namespace pelu {

int NetzStarten(Hauptfenster& fenster, const Netzauftrag& auftrag) {
    if (auftrag.Anbieten) {
        QString fehler;
        if (!fenster.Anbieten(*auftrag.Anbieten, &fehler)) {
            std::fprintf(stderr, "pelu: %s\n", fehler.toLocal8Bit().constData());
            return 1;
        }
        std::printf("anbieten %u %s\n", static_cast<unsigned>(fenster.Angebot()->Port()),
                    fenster.Angebot()->Code().toLatin1().constData());
        std::fflush(stdout);
    }
    if (auftrag.Beitreten) {
        QObject::connect(&fenster, &Hauptfenster::BeitrittGescheitert, &fenster,
                         [&fenster](const QString& meldung) {
                             std::fprintf(stderr, "pelu: %s\n", meldung.toLocal8Bit().constData());
                             std::fflush(stderr);
                             QMessageBox::critical(&fenster, Fenstertext::tr("Spiel beitreten"),
                                                   meldung);
                             QCoreApplication::exit(1);
                         });
        fenster.Beitreten(*auftrag.Beitreten);
    }
    return 0;
}

} // namespace pelu
