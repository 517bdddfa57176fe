#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <functional>

// The window's parts, as the tests reach them.
#include "Bildfeld.h"
#include "Brettfeld.h"
#include "Druckfeld.h"
#include "Figurbild.h"
#include "Hauptfenster.h"
#include "QtFormular.h"
#include "Spielerwahl.h"
#include "game/VirtuelleUhr.h"

namespace pelu::test {

// The one QApplication of the ui tests, offscreen unless a platform is chosen.
QApplication& QtAnwendung();

// The main window as the program makes it, loaded from the shipped data file,
// with a seeded random source and virtual timers the test ticks itself.
struct Testfenster {
    std::unique_ptr<Hauptfenster> fenster;
    bool geladen = false;
    QString fehler;

    explicit Testfenster(uint64_t saat = 1,
                         const std::string& datei = PELU_QUELLORDNER "/Peludaten.txt");

    Hauptfenster& f() { return *fenster; }
    Bedienelemente& e() { return fenster->Elemente(); }
    Spiel& spiel() { return *fenster->Partie(); }
    Spielzustand& z() { return fenster->Partie()->Zustand(); }
    // Whether figure f may move now.
    bool Beweglich(int f) { return z().Figur[f].Zielfeld >= 1 && z().Figur[f].Spieler >= 1; }

    // Player values of colours 1..4 through the scroll bars.
    void Spieler(std::array<int, 4> werte) {
        for (int i = 0; i < 4; ++i)
            f().Wahl().vsbSpieler(i)->setValue(werte[i]);
    }
    // One tick of whichever timer is due, handed to the window's handler.
    VirtuelleUhr::Takt Takt();
    // Ticks until the phase is reached; false if the timers stop or after `grenze`.
    bool BisPhase(Phase phase, int64_t grenze = 200000);
    // Ticks until both timers are off, `nachTakt` after each; false after `grenze`.
    bool BisRuhe(int64_t grenze, const std::function<void()>& nachTakt = {});
};

// A test on a window loaded with the shipped data.
class MitFenster : public ::testing::Test {
  protected:
    Testfenster t;
    void SetUp() override { ASSERT_TRUE(t.geladen) << t.fehler.toStdString(); }
};

// Mouse input at a point of the widget (its centre by default).
void Maus(QWidget& widget, QEvent::Type art, QPoint ort = {-1, -1},
          Qt::MouseButton knopf = Qt::LeftButton);
void Klicken(QWidget& widget, QPoint ort = {-1, -1}, Qt::MouseButton knopf = Qt::LeftButton);
inline void MausBewegen(QWidget& widget, QPoint ort = {-1, -1}) {
    Maus(widget, QEvent::MouseMove, ort);
}

// The widget as it shows on the screen.
QImage Bildschirmbild(QWidget& widget);

} // namespace pelu::test
