#pragma once
#include <cstdint>

#include "game/Formular.h"
#include "game/Spielzustand.h"
#include "game/Tabellen.h"
#include "game/Zufall.h"

namespace pelu {

class Spielbeobachter;

// One game table: the game state, the phase state machine, the animation
// and every command handler. The owner of the form forwards its events
// here and decides when timer ticks arrive.
class Spiel {
public:
    // `tabellen` must be loaded; the form and the random source must
    // outlive the game. The board centre and figure half size come from
    // the window layout.
    Spiel(const Tabellen& tabellen, Formular& form, Zufallsquelle& zufall,
          int16_t mitteX = 299, int16_t mitteY = 274, int16_t halbeFigur = 7);
    ~Spiel();
    Spiel(const Spiel&) = delete;
    Spiel& operator=(const Spiel&) = delete;

    // Optional observer of game events (the simulator's trace).
    void BeobachterSetzen(Spielbeobachter* beobachter);

    // Start-up: timers off, stop and proposal disabled, one roll per
    // colour so every die shows a face before the first game.
    void Initialisierung();

    // Commands.
    void BefehlStart();
    void BefehlStopp();
    void BefehlHilfe();
    void BefehlFigurenwahl();
    void BefehlTurbo(bool an);

    // Mouse on a figure image (figure 1..16). MausUeberFigur returns true
    // when the hand pointer is to be shown.
    void KlickFigur(int figur);
    bool MausUeberFigur(int figur);

    // Timer ticks.
    void ProgrammTakt();
    void FahrTakt();

    const Spielzustand& Zustand() const;
    Spielzustand& Zustand();
    const Tabellen& Daten() const;

private:
    struct Impl;
    Impl* impl_;
};

} // namespace pelu
