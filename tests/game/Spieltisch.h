#pragma once
#include <algorithm>
#include <array>
#include <deque>
#include <stdexcept>
#include <vector>

#include "game/KopflosesFormular.h"
#include "game/Spiel.h"
#include "game/Spielprotokoll.h"
#include "rules/Stellungsaufbau.h"

namespace pelutest {

// A small board built in code: track fields 20 px apart in a row (slots
// running down from y 40 to 104), lanes likewise at y 200, homes (y 400)
// and goals (y 450) four points each. Benches 5, 12, 17, ..., 68; tactic
// priority 10 + 4 * target category - current category.
inline pelu::Tabellen Testtabellen() {
    pelu::Tabellen t;
    for (int n = 1; n <= 96; ++n) {
        int16_t* z = t.Bilddaten[n];
        z[2] = z[4] = z[6] = z[8] = static_cast<int16_t>(20 * (n <= 68 ? n : n - 68));
        z[3] = z[5] = static_cast<int16_t>(n <= 68 ? 40 : 200);
        z[7] = z[9] = static_cast<int16_t>(z[3] + 64);
    }
    for (int n = 101; n <= 108; ++n) {
        for (int k = 1; k <= 4; ++k) {
            t.Bilddaten[n][2 * k] = static_cast<int16_t>(100 * (n - 100) + 10 * k);
            t.Bilddaten[n][2 * k + 1] = static_cast<int16_t>(n <= 104 ? 400 : 450);
        }
    }
    const int16_t baenke[] = {5, 12, 17, 22, 29, 34, 39, 46, 51, 56, 63, 68};
    std::copy(baenke, baenke + 12, &t.Bankdaten[1]);
    for (int zeile = 1; zeile <= 36; ++zeile) {
        int16_t* z = t.Taktikdaten[zeile];
        z[0] = static_cast<int16_t>((zeile - 1) / 6); // target category
        z[1] = static_cast<int16_t>((zeile - 1) % 6); // current category
        z[2] = static_cast<int16_t>(10 + 4 * z[0] - z[1]);
    }
    return t;
}

// Each draw gives the next scripted die value; running out throws.
struct Skriptwuerfel : pelu::Zufallsquelle {
    std::deque<int> Werte;
    float Rnd() override {
        if (Werte.empty()) throw std::out_of_range("dice list used up");
        const int w = Werte.front();
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

    pelu::Spielzustand& z() { return spiel.Zustand(); }
    pelu::Phase Phase() { return spiel.Zustand().Spielphase; }
    void Hinstellen(int16_t feld, const std::vector<int16_t>& figuren) {
        pelu::FigurenHinstellen(z().Figur, daten, feld, figuren);
    }

    // One tick of whichever timer is due; Keiner when both are off.
    pelu::VirtuelleUhr::Takt Takt() { return form.Uhr.TaktGeben(spiel); }
    // Ticks until the next program tick has run.
    void Programmtakt() {
        while (Takt() == pelu::VirtuelleUhr::Takt::Fahren) {
        }
    }
    // Ticks until `phase` is reached; false if the timers stop first or a
    // million ticks do not do.
    bool BisPhase(pelu::Phase phase) {
        for (int i = 0; i < 1000000 && Phase() != phase; ++i) {
            if (Takt() == pelu::VirtuelleUhr::Takt::Keiner) break;
        }
        return Phase() == phase;
    }
    // Ticks until both timers are off; false if a million ticks do not do.
    bool BisRuhe() {
        for (int i = 0; i < 1000000; ++i) {
            if (Takt() == pelu::VirtuelleUhr::Takt::Keiner) return true;
        }
        return false;
    }
};

} // namespace pelutest
