#pragma once
#include <QtGlobal>

namespace pelu {

// Watches the making of the application object. When the toolkit finds no
// display to show windows on (no X server, no Wayland compositor, no
// usable platform plugin) it would print several lines and abort; instead
// the program ends with one clear line on stderr and exit code 1. The
// toolkit's messages while it starts are held back and passed on once it
// has started, so a working start prints what it printed before.
//
//     AnzeigeWaechter waechter;
//     QApplication app(argc, argv);
//     waechter.Gestartet();
class AnzeigeWaechter {
  public:
    AnzeigeWaechter();
    ~AnzeigeWaechter();
    AnzeigeWaechter(const AnzeigeWaechter&) = delete;
    AnzeigeWaechter& operator=(const AnzeigeWaechter&) = delete;

    // Passes the held messages on and gives message handling back.
    void Gestartet();

  private:
    QtMessageHandler vorher_;
    bool wacht_ = true;
};

// The line printed when no display is reachable.
const char* KeineAnzeigeMeldung();

} // namespace pelu
