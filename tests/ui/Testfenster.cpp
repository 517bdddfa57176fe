#include "Testfenster.h"

#include <QMouseEvent>

namespace pelu::test {
namespace {

std::unique_ptr<QApplication>& Anwendung() {
    static std::unique_ptr<QApplication> anwendung;
    return anwendung;
}

// Ends the application after the last test; left to the exit handlers it
// would outlive Qt's statics (synthetic mouse events' devices) and crash.
struct QtAufraeumen : testing::Environment {
    void TearDown() override { Anwendung().reset(); }
};
testing::Environment* const aufraeumen = testing::AddGlobalTestEnvironment(new QtAufraeumen);

} // namespace

QApplication& QtAnwendung() {
    static int argc = 1;
    static char name[] = "test_ui", *argv[] = {name, nullptr};
    if (!Anwendung()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        Anwendung() = std::make_unique<QApplication>(argc, argv);
    }
    return *Anwendung();
}

Testfenster::Testfenster(uint64_t saat, const std::string& datei) {
    QtAnwendung();
    Fensteroptionen optionen;
    optionen.Datendatei = datei;
    optionen.Zufall = std::make_unique<Zufallsgenerator>(saat);
    optionen.VirtuelleTimer = true;
    fenster = std::make_unique<Hauptfenster>(std::move(optionen));
    geladen = fenster->Laden(&fehler);
}

VirtuelleUhr::Takt Testfenster::Takt() {
    const VirtuelleUhr::Takt takt = fenster->Uhr()->Weiter();
    if (takt == VirtuelleUhr::Takt::Programm) fenster->ProgrammTakt();
    if (takt == VirtuelleUhr::Takt::Fahren) fenster->FahrTakt();
    return takt;
}

bool Testfenster::BisPhase(Phase phase, int64_t grenze) {
    for (int64_t i = 0; i < grenze && z().Spielphase != phase; ++i)
        if (Takt() == VirtuelleUhr::Takt::Keiner) break;
    return z().Spielphase == phase;
}

bool Testfenster::BisRuhe(int64_t grenze, const std::function<void()>& nachTakt) {
    for (int64_t i = 0; i < grenze; ++i) {
        if (Takt() == VirtuelleUhr::Takt::Keiner) return true;
        if (nachTakt) nachTakt();
    }
    return false;
}

void Maus(QWidget& widget, QEvent::Type art, QPoint ort, Qt::MouseButton knopf) {
    if (ort.x() < 0) ort = widget.rect().center();
    if (art == QEvent::MouseMove) knopf = Qt::NoButton;
    const Qt::MouseButtons gedrueckt = art == QEvent::MouseButtonPress ? knopf : Qt::NoButton;
    QMouseEvent ereignis(art, QPointF(ort), QPointF(widget.mapToGlobal(ort)), knopf, gedrueckt,
                         Qt::NoModifier);
    QApplication::sendEvent(&widget, &ereignis);
}

void Klicken(QWidget& widget, QPoint ort, Qt::MouseButton knopf) {
    Maus(widget, QEvent::MouseButtonPress, ort, knopf);
    Maus(widget, QEvent::MouseButtonRelease, ort, knopf);
}

QImage Bildschirmbild(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace pelu::test
