#pragma once
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "Hauptfenster.h"
#include "game/Spiel.h"
#include "game/VirtuelleUhr.h"

namespace pelu::test {

// The data file the program ships with.
std::string Standarddatei();

// The main window as the program makes it, but with a seeded random source
// and virtual timers whose ticks the test delivers through the window.
struct Testfenster {
    std::unique_ptr<Hauptfenster> fenster;
    bool geladen = false;
    QString fehler;

    explicit Testfenster(uint64_t saat = 1, const std::string& datei = Standarddatei());

    Hauptfenster& f() { return *fenster; }
    Bedienelemente& e() { return fenster->Elemente(); }
    Spiel& spiel() { return *fenster->Partie(); }
    Spielzustand& z() { return fenster->Partie()->Zustand(); }

    // Player values of colours 1..4 through the scroll bars.
    void Spieler(int c1, int c2, int c3, int c4);

    // One tick of whichever timer is due, handed to the window's handler.
    VirtuelleUhr::Takt Takt();
    // Ticks until the phase is reached; false after `grenze` ticks.
    bool BisPhase(Phase phase, int64_t grenze = 100000);
    // Ticks until both timers are off; `nachTakt` runs after every tick.
    // False after `grenze` ticks.
    bool BisRuhe(int64_t grenze, const std::function<void()>& nachTakt = {});
};

// Mouse input as the user gives it: press and release at a point of the
// widget (its centre by default), or a move over it.
void Klicken(QWidget& widget, QPoint ort = QPoint(-1, -1));
void MausBewegen(QWidget& widget, QPoint ort = QPoint(-1, -1));

// The widget as it shows on the screen.
QImage Bildschirmbild(QWidget& widget);

} // namespace pelu::test
