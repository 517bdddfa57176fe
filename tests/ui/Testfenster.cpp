#include "Testfenster.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

#include "QtUmgebung.h"
#include "Spielerwahl.h"

namespace pelu::test {

std::string Standarddatei() {
    return std::string(PELU_QUELLORDNER) + "/Peludaten.txt";
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

void Testfenster::Spieler(int c1, int c2, int c3, int c4) {
    const int werte[4] = {c1, c2, c3, c4};
    for (int i = 0; i < 4; ++i)
        fenster->Wahl().vsbSpieler(i)->setValue(werte[i]);
}

VirtuelleUhr::Takt Testfenster::Takt() {
    const VirtuelleUhr::Takt takt = fenster->Uhr()->Weiter();
    if (takt == VirtuelleUhr::Takt::Programm) fenster->ProgrammTakt();
    if (takt == VirtuelleUhr::Takt::Fahren) fenster->FahrTakt();
    return takt;
}

bool Testfenster::BisPhase(Phase phase, int64_t grenze) {
    for (int64_t i = 0; i < grenze; ++i) {
        if (z().Spielphase == phase) return true;
        if (Takt() == VirtuelleUhr::Takt::Keiner) return z().Spielphase == phase;
    }
    return z().Spielphase == phase;
}

bool Testfenster::BisRuhe(int64_t grenze, const std::function<void()>& nachTakt) {
    for (int64_t i = 0; i < grenze; ++i) {
        if (Takt() == VirtuelleUhr::Takt::Keiner) return true;
        if (nachTakt) nachTakt();
    }
    return false;
}

namespace {

QPoint Ort(const QWidget& widget, QPoint ort) {
    return ort.x() < 0 ? widget.rect().center() : ort;
}

void Senden(QWidget& widget, QEvent::Type art, QPoint ort, Qt::MouseButton knopf,
            Qt::MouseButtons knoepfe) {
    QMouseEvent ereignis(art, QPointF(ort), QPointF(widget.mapToGlobal(ort)), knopf, knoepfe,
                         Qt::NoModifier);
    QApplication::sendEvent(&widget, &ereignis);
}

} // namespace

void Klicken(QWidget& widget, QPoint ort) {
    ort = Ort(widget, ort);
    Senden(widget, QEvent::MouseButtonPress, ort, Qt::LeftButton, Qt::LeftButton);
    Senden(widget, QEvent::MouseButtonRelease, ort, Qt::LeftButton, Qt::NoButton);
}

void MausBewegen(QWidget& widget, QPoint ort) {
    Senden(widget, QEvent::MouseMove, Ort(widget, ort), Qt::NoButton, Qt::NoButton);
}

QImage Bildschirmbild(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace pelu::test
