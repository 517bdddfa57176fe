#pragma once

namespace pelu {

// The game's two timers as their owner provides them: precise timers of the
// window's event loop, or a virtual clock that tests and pelu-sim step
// through. The program timer runs the state machine, the animation timer
// the move animation; switching a timer on restarts it.
class Zeitgeber {
  public:
    virtual ~Zeitgeber() = default;

    virtual void ProgrammAn(bool an) = 0;
    // A running program timer restarts with the new interval.
    virtual void ProgrammIntervall(int millisekunden) = 0;
    virtual void FahrenAn(bool an) = 0;
};

} // namespace pelu
