#pragma once
#include <functional>

#include "Netzbefehl.h"

namespace pelu {

class Hauptfenster;

// Offers the window's game or joins another window's game as the command
// line asks, and gives the program's exit code after a failed join.
class Netzstart {
  public:
    // How a failed join is shown besides on stderr: in a message box that
    // closes itself after `meldungsdauer` ms, or, where no one can see a
    // window (Qt's offscreen and minimal platforms), not at all. Then
    // `beenden` ends the program (by default the event loop with 1).
    explicit Netzstart(bool meldungsfenster = FensterSichtbar(), int meldungsdauer = 30000,
                       std::function<void()> beenden = {});

    // After the window has been loaded, or prepared to join. Offering
    // prints "anbieten PORT CODE" on stdout at once; a port that cannot be
    // opened is told on stderr and gives 1 (the exit code). Otherwise 0:
    // the program goes on, and a join that fails ends it.
    int Starten(Hauptfenster& fenster, const Netzauftrag& auftrag);
    // The exit code once the event loop has returned `ergebnis`: 1 after a
    // failed join, however the program then ended.
    int Ende(int ergebnis) const { return gescheitert_ ? 1 : ergebnis; }

    // The platform shows windows to a user.
    static bool FensterSichtbar();

  private:
    void Gescheitert(Hauptfenster& fenster, const QString& meldung);

    bool meldungsfenster_;
    int meldungsdauer_;
    std::function<void()> beenden_;
    bool gescheitert_ = false;
};

} // namespace pelu
