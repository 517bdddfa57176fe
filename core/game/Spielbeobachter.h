#pragma once
#include <array>
#include <cstdint>

#include "state/Spielzustand.h"

namespace pelu {

// Observer of game events, for a trace of the game (the simulator's
// protocol). Each method is called at the moment the event happens; the
// defaults do nothing.
class Spielbeobachter {
  public:
    virtual ~Spielbeobachter() = default;

    // Colour `farbe` has rolled `wert` (the value shown, after any extra tries).
    virtual void Gewuerfelt(int /*farbe*/, int16_t /*wert*/) {}
    // A figure's own move has just been written into the figure table.
    virtual void Gezogen(int /*figur*/, int16_t /*vonFeld*/, int16_t /*vonPlatz*/,
                         int16_t /*zuFeld*/, int16_t /*zuPlatz*/) {}
    // The same for a figure sent home.
    virtual void Heimgeschickt(int /*figur*/, int16_t /*vonFeld*/, int16_t /*vonPlatz*/,
                               int16_t /*zuFeld*/, int16_t /*zuPlatz*/) {}
    // A figure moves down into a vacated main slot on `feld` (when the
    // refill is chosen, before its animation).
    virtual void Nachgerueckt(int /*figur*/, int16_t /*feld*/, int16_t /*vonPlatz*/,
                              int16_t /*zuPlatz*/) {}
    // The triple-twelve rule applies to colour `farbe` (even when it marks nobody).
    virtual void DreimalZwoelf(int /*farbe*/) {}
    // The ranking label of colour `farbe` has been set to place `platz`.
    virtual void Rang(int /*farbe*/, int16_t /*platz*/) {}
    // The game has ended (phase Spielende); moves of colours 1..4 in `zugzahl`.
    virtual void Spielende(const std::array<int16_t, FarbAnzahl + 1>& /*zugzahl*/) {}
};

} // namespace pelu
