#include "Netzstart.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "Angebot.h"
#include "Hauptfenster.h"
#include "Uebersetzung.h"

namespace pelu {

Netzstart::Netzstart(bool meldungsfenster, int meldungsdauer, std::function<void()> beenden)
    : meldungsfenster_(meldungsfenster), meldungsdauer_(meldungsdauer),
      beenden_(std::move(beenden)) {
    // Queued: a join may fail before the event loop runs, and exit() before
    // it would be lost.
    if (!beenden_)
        beenden_ = [] { QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); }); };
}

bool Netzstart::FensterSichtbar() {
    const QString plattform = QGuiApplication::platformName();
    return plattform != QLatin1String("offscreen") && plattform != QLatin1String("minimal");
}

int Netzstart::Starten(Hauptfenster& fenster, const Netzauftrag& auftrag) {
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
        QObject::connect(
            &fenster, &Hauptfenster::BeitrittGescheitert, &fenster,
            [this, &fenster](const QString& meldung) { Gescheitert(fenster, meldung); });
        fenster.Beitreten(*auftrag.Beitreten);
    }
    return 0;
}

// Told on stderr at once, then in the box for whoever sits at the screen;
// the box does not wait for ever on a screen nobody watches.
void Netzstart::Gescheitert(Hauptfenster& fenster, const QString& meldung) {
    gescheitert_ = true;
    std::fprintf(stderr, "pelu: %s\n", meldung.toLocal8Bit().constData());
    std::fflush(stderr);
    if (!meldungsfenster_) return beenden_();
    auto* box = new QMessageBox(QMessageBox::Critical, Fenstertext::tr("Spiel beitreten"), meldung,
                                QMessageBox::Ok, &fenster);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, [ende = beenden_] { ende(); });
    QTimer::singleShot(meldungsdauer_, box, &QDialog::reject);
    box->open();
}

} // namespace pelu
