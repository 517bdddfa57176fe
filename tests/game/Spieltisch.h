#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "game/KopflosesFormular.h"
#include "game/Spiel.h"
#include "game/Spielprotokoll.h"
#include "game/Tabellen.h"
#include "game/Zufall.h"

namespace pelutest {

// A small board built in code: track fields in a row (slots running down
// the field), lanes in a second row, homes and goals as four points each.
// Benches: 5, 12, 17, 22, 29, 34, 39, 46, 51, 56, 63, 68.
pelu::Tabellen Testtabellen();

// Thrown when a test's dice list is used up: the test scripted too few.
struct WuerfelLeer {};

// Each draw gives the next scripted die value.
class Skriptwuerfel : public pelu::Zufallsquelle {
  public:
    std::deque<int> Werte;
    float Rnd() override;
};

// A game on the headless form with scripted dice and a recorded trace.
struct Spieltisch {
    pelu::Tabellen daten = Testtabellen();
    pelu::KopflosesFormular form;
    Skriptwuerfel wuerfel;
    pelu::Spiel spiel{daten, form, wuerfel};
    pelu::Spielprotokoll protokoll;

    explicit Spieltisch(std::array<int16_t, 4> spieler);

    pelu::Spielzustand& z() { return spiel.Zustand(); }
    pelu::Phase Phase() { return spiel.Zustand().Spielphase; }
    void Wuerfel(std::initializer_list<int> werte);

    // One tick of whichever timer is due.
    pelu::VirtuelleUhr::Takt Takt() { return form.Uhr.TaktGeben(spiel); }
    // Ticks until the next program tick has run.
    void Programmtakt();
    // Ticks until `phase` is reached (at most `grenze` ticks); false if not.
    bool BisPhase(pelu::Phase phase, int grenze = 100000);
    // Ticks until both timers are off; false if `grenze` ticks did not do.
    bool BisRuhe(int grenze = 1000000);

    // Trace lines so far.
    std::vector<std::string> Zeilen() const;
};

} // namespace pelutest
