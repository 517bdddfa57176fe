#pragma once
#include <algorithm>
#include <array>

#include "game/KopflosesFormular.h"
#include "game/Spiel.h"
#include "game/Spielprotokoll.h"
#include "support/Skriptwuerfel.h"
#include "support/Testtabellen.h"

namespace pelutest {

// The trace of a game, without the roll that found the scripted dice used
// up: that roll is no part of the script, and the game ends there.
struct Tischprotokoll : pelu::Spielprotokoll {
    explicit Tischprotokoll(const Skriptwuerfel& wuerfel) : wuerfel_(wuerfel) {}
    void Gewuerfelt(int farbe, int16_t wert) override {
        if (!wuerfel_.Erschoepft()) pelu::Spielprotokoll::Gewuerfelt(farbe, wert);
    }

  private:
    const Skriptwuerfel& wuerfel_;
};

// A game on the headless form with scripted dice and a recorded trace.
struct Spieltisch {
    pelu::Tabellen daten = Testtabellen();
    pelu::KopflosesFormular form;
    Skriptwuerfel wuerfel;
    pelu::Spiel spiel{daten, form, wuerfel};
    Tischprotokoll protokoll{wuerfel};

    explicit Spieltisch(std::array<int16_t, 4> spieler) {
        std::copy(spieler.begin(), spieler.end(), form.Spielerwerte.begin() + 1);
        spiel.BeobachterSetzen(&protokoll);
        pelu::Zufallsgenerator anlauf(1);
        spiel.Initialisierung(anlauf);
    }
    const pelu::Spielzustand& z() { return spiel.Zustand(); }
    pelu::Phase Phase() { return spiel.Zustand().Spielphase; }
    // One tick; Keiner when both timers are off or the scripted dice ran
    // out, which ends the game for the test.
    pelu::VirtuelleUhr::Takt Takt() {
        if (wuerfel.Erschoepft()) return pelu::VirtuelleUhr::Takt::Keiner;
        return form.Uhr.TaktGeben(spiel);
    }
    // Ticks until the next program tick has run.
    void Programmtakt() {
        while (Takt() == pelu::VirtuelleUhr::Takt::Fahren) {
        }
    }
    // Ticks until `phase` is reached (false if the game ends first or a
    // million ticks do not do); Phase::Keine: until the game ends.
    bool BisPhase(pelu::Phase phase) {
        for (int i = 0; i < 1000000; ++i) {
            if (phase != pelu::Phase::Keine && Phase() == phase) return true;
            if (Takt() == pelu::VirtuelleUhr::Takt::Keiner) return phase == pelu::Phase::Keine;
        }
        return false;
    }
};

} // namespace pelutest
