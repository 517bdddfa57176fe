#pragma once
#include <array>
#include <cstdint>

#include "game/Spiel.h"
#include "game/Spielprotokoll.h"
#include "harness/KopflosesFormular.h"
#include "harness/Skriptwuerfel.h"
#include "harness/VirtuelleUhr.h"
#include "state/Tabellen.h"

namespace pelu {

// What every harness's human player does: when a human is to choose and has
// not yet, he takes the computer's proposal. True when it clicked.
bool VorschlagNehmen(Spiel& spiel);

// The trace of a game, without the roll that found a scripted die used up:
// that roll is no part of the script, and the game ends there.
class Tischprotokoll : public Spielprotokoll {
  public:
    explicit Tischprotokoll(const Skriptwuerfel& wuerfel) : wuerfel_(wuerfel) {}
    void Gewuerfelt(int farbe, int16_t wert) override {
        if (!wuerfel_.Erschoepft()) Spielprotokoll::Gewuerfelt(farbe, wert);
    }

  private:
    const Skriptwuerfel& wuerfel_;
};

// One game table: a game with its tables, its windowless form (timers on a
// virtual clock) and its die, set up once and played as often as wanted.
class Spieltisch {
  public:
    // `spieler`: the player values of colours 1..4. The start-up rolls only
    // put faces on the dice: they draw from a source of their own seeded
    // with `anlaufSaat`, so the die (and its script) starts with the first
    // game's first draw.
    Spieltisch(const Tabellen& tabellen, const std::array<int16_t, FarbAnzahl>& spieler,
               Skriptwuerfel wuerfelquelle = {}, uint64_t anlaufSaat = 1);
    Spieltisch(const Spieltisch&) = delete;
    Spieltisch& operator=(const Spieltisch&) = delete;

    Tabellen daten;
    KopflosesFormular form;
    Skriptwuerfel wuerfel;
    Spiel spiel;
    Tischprotokoll protokoll{wuerfel};

    const Spielzustand& z() const { return spiel.Zustand(); }
    pelu::Phase Phase() const { return spiel.Zustand().Spielphase; }

    // One tick; Keiner when both timers are off or the scripted die ran
    // out, which ends the game for its owner.
    VirtuelleUhr::Takt Takt();
    // Ticks until the next program tick has run.
    void Programmtakt();
    // Ticks until `phase` is reached (false if the game ends first or a
    // million ticks do not do); Phase::Keine: until the game ends.
    bool BisPhase(pelu::Phase phase);
    bool VorschlagNehmen() { return pelu::VorschlagNehmen(spiel); }

    // Plays the started game to its end on the clock in time-lapse, every
    // human taking the proposal. `weiter(zustand)` runs after every tick;
    // false cuts the game off, as does the end of the die's script. A game
    // cut off is stopped, so the next start cuts its turn off; returns false
    // for it.
    template <class Weiter> bool ZuEndeSpielen(Weiter&& weiter) {
        const Spielzustand& zustand = spiel.Zustand();
        bool abbruch = false;
        form.Uhr.LaufenImZeitraffer(spiel, [&](VirtuelleUhr::Takt) {
            if (wuerfel.Erschoepft() || !weiter(zustand)) {
                abbruch = true;
                return false;
            }
            pelu::VorschlagNehmen(spiel);
            return true;
        });
        if (abbruch) spiel.BefehlStopp();
        return !abbruch;
    }
};

} // namespace pelu
