#pragma once
#include <cstdint>
#include <string_view>

namespace pelu {

// State of the four game buttons (assignment, start, stop, proposal).
// Ruhe: idle (assignment and start enabled). Spiel: a game runs (stop and
// proposal enabled). Auslauf: stopped, but the turn in progress is still
// being played out; like Ruhe except that the assignment stays disabled, so
// the figure table is never cleared under a running turn.
enum class Knopfzustand { Ruhe, Spiel, Auslauf };

// The window as the game sees it. The desktop window implements it with Qt
// controls; tests and the simulator implement it without a window.
// Colours are palette indexes (0..15); colours and figures are numbered
// from 1 as in the game.
class Formular {
  public:
    virtual ~Formular() = default;

    // Info label: text and text colour.
    virtual void InfoSetzen(std::string_view text, int16_t textfarbe) = 0;
    // Move display of a colour: caption, background and text colour.
    virtual void ZuganzeigeSetzen(int farbe, std::string_view text, int16_t hintergrund,
                                  int16_t textfarbe) = 0;
    // Ranking label of a colour.
    virtual void RangSetzen(int farbe, std::string_view text) = 0;

    // Dice box of a colour: draw a face (0 = blank) and make it visible, or hide it.
    virtual void WuerfelZeichnen(int farbe, int16_t wert) = 0;
    virtual void WuerfelVerstecken(int farbe) = 0;

    // Figure images: visibility, position of the top-left corner in board
    // pixels (single precision, as an animation step leaves it), front.
    virtual void FigurSichtbar(int figur, bool sichtbar) = 0;
    virtual void FigurBewegen(int figur, float links, float oben) = 0;
    virtual void FigurNachVorn(int figur) = 0;

    // The two timers.
    virtual void ProgrammTimerAn(bool an) = 0;
    virtual void ProgrammTimerIntervall(int millisekunden) = 0;
    virtual void FahrTimerAn(bool an) = 0;

    // The four game buttons together.
    virtual void Spielknoepfe(Knopfzustand zustand) = 0;
    // The player scroll bars: shown or hidden (the assignment is open).
    virtual void SpielerwahlSichtbar(bool sichtbar) = 0;
    // The player value (0..8) of a colour's scroll bar.
    virtual int16_t Spielerwert(int farbe) = 0;
};

} // namespace pelu
