#pragma once
#include <cstdint>

#include "game/Spiel.h"
#include "game/Zeitgeber.h"

namespace pelu {

// The two timers of the game on virtual time: delivers program ticks (at the
// current interval, counted from when the timer was switched on or its
// interval changed) and animation ticks (every 50 ms from when the timer was
// switched on) in the order real time would, without sleeping.
//
// Order of equal times: the timer whose current run was started earlier
// fires first. A timer switched on inside a tick handler starts after that
// tick, so an animation started by a program step ticks after the program
// timer whenever both are due at once, exactly as the later start would make
// it in real time.
//
// Switching a timer on restarts it, as does changing the interval of a
// running program timer (both like a restarted periodic timer); an interval
// change of a stopped timer only takes effect when it is switched on.
class VirtuelleUhr : public Zeitgeber {
  public:
    enum class Takt { Keiner, Programm, Fahren };

    void ProgrammAn(bool an) override;
    void ProgrammIntervall(int millisekunden) override;
    void FahrenAn(bool an) override;

    bool ProgrammLaeuft() const { return programm_.an; }
    int Programmintervall() const { return programm_.intervall; }
    bool FahrenLaeuft() const { return fahren_.an; }
    // Milliseconds of virtual time since the clock was made.
    int64_t Jetzt() const { return jetzt_; }

    // Moves time on to the next due tick and says which timer it is; Keiner
    // (time unchanged) when both timers are off.
    Takt Weiter() {
        // The earlier due time first; at equal times the earlier started run.
        const bool fahrenZuerst =
            fahren_.an && (!programm_.an || fahren_.faellig < programm_.faellig ||
                           (fahren_.faellig == programm_.faellig && fahren_.lauf < programm_.lauf));
        Timer* naechster = fahrenZuerst ? &fahren_ : programm_.an ? &programm_ : nullptr;
        if (naechster == nullptr) return Takt::Keiner;
        jetzt_ = naechster->faellig;
        naechster->faellig += naechster->intervall;
        return fahrenZuerst ? Takt::Fahren : Takt::Programm;
    }

    // Weiter, then hands the tick to the game.
    Takt TaktGeben(Spiel& spiel) {
        const Takt t = Weiter();
        if (t == Takt::Programm) spiel.ProgrammTakt();
        if (t == Takt::Fahren) spiel.FahrTakt();
        return t;
    }

    // Delivers ticks until both timers are off, `maxTakte` ticks have been
    // given, or the hook returns false. The hook `nachTakt(Takt)` runs after
    // every tick: the place where the owner acts between ticks (clicks,
    // commands). Returns the number of ticks given.
    template <class Haken>
    int64_t Laufen(Spiel& spiel, Haken&& nachTakt, int64_t maxTakte = INT64_MAX) {
        int64_t gegeben = 0;
        while (gegeben < maxTakte) {
            const Takt t = TaktGeben(spiel);
            if (t == Takt::Keiner) break;
            ++gegeben;
            if (!nachTakt(t)) break;
        }
        return gegeben;
    }

    // Like Laufen, for an owner that needs no pictures in between
    // (pelu-sim): while the game does nothing but wait for a move's end, the
    // animation ticks before its last one and the program ticks among them
    // are passed over at once, without calling the hook for them. Time,
    // timers, game and tick count come out exactly as with Laufen; only the
    // figure image skips the positions in between.
    template <class Haken>
    int64_t LaufenImZeitraffer(Spiel& spiel, Haken&& nachTakt, int64_t maxTakte = INT64_MAX) {
        int64_t gegeben = 0;
        while (gegeben < maxTakte) {
            if (fahren_.an) gegeben += FahrtUeberspringen(spiel, maxTakte - gegeben - 1);
            const Takt t = TaktGeben(spiel);
            if (t == Takt::Keiner) break;
            ++gegeben;
            if (!nachTakt(t)) break;
        }
        return gegeben;
    }

  private:
    struct Timer {
        bool an = false;
        int intervall = 0;
        int64_t faellig = 0; // virtual time of the next tick
        uint64_t lauf = 0;   // start order of the current run
    };

    // Off, or on and restarted from now.
    void Schalten(Timer& timer, bool an);

    // Passes over the ticks that LaufenImZeitraffer leaves out before the
    // next one, if there are any and no more than `hoechstens`; returns their
    // number.
    int64_t FahrtUeberspringen(Spiel& spiel, int64_t hoechstens);

    Timer programm_{false, pelu::Programmintervall, 0, 0};
    Timer fahren_{false, Fahrintervall, 0, 0};
    int64_t jetzt_ = 0;
    uint64_t laeufe_ = 0;
};

} // namespace pelu
