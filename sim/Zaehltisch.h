#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "Argumente.h"
#include "Spielzaehler.h"
#include "harness/Spieltisch.h"
#include "state/Tabellen.h"

namespace pelu {

// What every game of a run shares.
struct Tischvorgaben {
    std::array<int16_t, 4> spieler{5, 6, 7, 8}; // player value of colours 1..4
    bool turbo = false;
    bool protokoll = false;
    int64_t maxWuerfe = 100000;
    uint64_t saat = 0;
    const std::vector<int>* wuerfel = nullptr; // scripted faces instead of the random source
};

// The defaults with the pace and seed of `lauf`; without a seed, one from the clock.
Tischvorgaben LaufVorgaben(const simarg::Laufoptionen& lauf);

// The simulator's seat at a game table: the table and the counter of what
// its games give, set up once and played again and again.
class Zaehltisch {
  public:
    // `daten` and `vorgaben` must outlive the table.
    Zaehltisch(const pelu::Tabellen& daten, const Tischvorgaben& vorgaben);

    // The game, for settings before a game starts (the tactic per colour).
    pelu::Spiel& Spiel() { return tisch_.spiel; }

    // Plays game `nummer` of the run to its end or its cut-off.
    void Spielen(int nummer, Spielergebnis& ergebnis);

  private:
    const Tischvorgaben& vorgaben_;
    pelu::Spieltisch tisch_;
    Spielzaehler zaehler_;
};

} // namespace pelu
