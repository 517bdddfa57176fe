#pragma once
#include <algorithm>
#include <array>
#include <deque>
#include <stdexcept>

#include "Brettentwurf.h"
#include "game/KopflosesFormular.h"
#include "game/Spiel.h"
#include "game/Spielprotokoll.h"
#include "rules/Stellungsaufbau.h"

namespace pelutest {

// A small board built in code: track fields 20 px apart in a row (slots
// running down from y 40 to 104), lanes likewise at y 200, homes (y 400)
// and goals (y 450) four points each. The benches of the shipped board; tactic
// priority 10 + 4 * target category - current category.
inline pelu::Tabellen Testtabellen() {
    pelu::Tabellen t;
    for (int n = 1; n <= 108; ++n) {
        for (int k = 1; k <= 4 && (n <= 96 || n > 100); ++k) {
            const bool heim = n > 100;
            t.Bilddaten[n][2 * k] = heim ? 100 * (n - 100) + 10 * k : 20 * (n <= 68 ? n : n - 68);
            t.Bilddaten[n][2 * k + 1] =
                heim ? (n <= 104 ? 400 : 450) : (n <= 68 ? 40 : 200) + (k > 2) * 64;
        }
    }
    int16_t* bank = &t.Bankdaten[1];
    for (const auto& reihe : pelu::brett::Bankfelder)
        bank = std::copy(reihe.begin(), reihe.end(), bank);
    for (int zeile = 1; zeile <= 36; ++zeile) {
        int16_t* z = t.Taktikdaten[zeile];
        z[0] = (zeile - 1) / 6; // target category
        z[1] = (zeile - 1) % 6; // current category
        z[2] = 10 + 4 * z[0] - z[1];
    }
    return t;
}

// Each draw gives the next scripted die value; running out throws.
struct Skriptwuerfel : pelu::Zufallsquelle {
    std::deque<int> Werte;
    float Rnd() override {
        const int w = Werte.at(0); // throws when used up
        Werte.pop_front();
        return (static_cast<float>(w) - 0.5f) / 6.0f;
    }
};

// A game on the headless form with scripted dice and a recorded trace.
struct Spieltisch {
    pelu::Tabellen daten = Testtabellen();
    pelu::KopflosesFormular form;
    Skriptwuerfel wuerfel;
    pelu::Spiel spiel{daten, form, wuerfel};
    pelu::Spielprotokoll protokoll;

    explicit Spieltisch(std::array<int16_t, 4> spieler) {
        std::copy(spieler.begin(), spieler.end(), form.Spielerwerte.begin() + 1);
        spiel.BeobachterSetzen(&protokoll);
        pelu::Zufallsgenerator anlauf(1);
        spiel.Initialisierung(anlauf);
    }
    const pelu::Spielzustand& z() { return spiel.Zustand(); }
    pelu::Phase Phase() { return spiel.Zustand().Spielphase; }
    pelu::VirtuelleUhr::Takt Takt() { return form.Uhr.TaktGeben(spiel); }
    // Ticks until the next program tick has run.
    void Programmtakt() {
        while (Takt() == pelu::VirtuelleUhr::Takt::Fahren) {
        }
    }
    // Ticks until `phase` is reached (false if the timers stop first or a
    // million ticks do not do); Phase::Keine: until both timers are off.
    bool BisPhase(pelu::Phase phase) {
        for (int i = 0; i < 1000000; ++i) {
            if (phase != pelu::Phase::Keine && Phase() == phase) return true;
            if (Takt() == pelu::VirtuelleUhr::Takt::Keiner) return phase == pelu::Phase::Keine;
        }
        return false;
    }
};

} // namespace pelutest
