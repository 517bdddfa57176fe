#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QString>
#include <functional>
#include <optional>
#include <ostream>

// The window's parts, as the tests reach them.
#include "Brettfeld.h"
#include "Druckfeld.h"
#include "Figurbild.h"
#include "Hauptfenster.h"
#include "QtFormular.h"
#include "Spielerwahl.h"
#include "harness/VirtuelleUhr.h"

// Texts in failure messages as text.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace pelu::test {

// The main window as the program makes it, with a seeded random source and
// virtual timers the test ticks itself.
struct Testfenster {
    std::unique_ptr<Hauptfenster> fenster;
    VirtuelleUhr* uhr = nullptr; // the window's timers
    bool geladen = false;
    QString fehler;

    // An empty `datei` is searched for as the program does; none at all
    // (nullopt) only prepares the window, as one about to join.
    explicit Testfenster(uint64_t saat = 1,
                         const std::optional<std::string>& datei = PELU_QUELLORDNER
                         "/Peludaten.txt");
    Hauptfenster& f() { return *fenster; }
    Bedienelemente& e() { return fenster->Elemente(); }
    const Spielzustand& z() { return fenster->Partie()->Zustand(); }
    bool Beweglich(int f) { return fenster->Partie()->Waehlbar(f); }
    // Player values of colours 1..4 through the scroll bars.
    void Spieler(std::array<int, 4> werte) {
        for (int i = 0; i < 4; ++i)
            f().Wahl().vsbSpieler(i)->setValue(werte[i]);
    }
    // One tick of whichever timer is due, handed to the window's handler.
    VirtuelleUhr::Takt Takt();
    // Ticks until both timers are off, `nachTakt` after each; false after `grenze`.
    bool BisRuhe(int64_t grenze, const std::function<void()>& nachTakt = {});
};

// A test on a window loaded with the shipped data.
class MitFenster : public ::testing::Test {
  protected:
    Testfenster t;
    void SetUp() override { ASSERT_TRUE(t.geladen) << t.fehler.toStdString(); }
};

// What colour index i shows for the player value `wert` (0..8): no
// indicator, the human's or the computer's with its number, and the choice
// in words on the scroll bar and both indicators.
void PruefeZuteilung(Spielerwahl& wahl, int i, int wert);

// Mouse input at a point of the widget (its centre by default).
void Maus(QWidget& widget, QEvent::Type art, std::optional<QPoint> ort = {},
          Qt::MouseButton knopf = Qt::LeftButton);
void Klicken(QWidget& widget, std::optional<QPoint> ort = {},
             Qt::MouseButton knopf = Qt::LeftButton);
// A key pressed and released in the window, which becomes the active one
// first (shortcuts act in the active window), at its focused control.
void Taste(QWidget& fenster, QKeyCombination taste);

} // namespace pelu::test
