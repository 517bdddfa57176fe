#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "Argumente.h"
#include "Spielzaehler.h"
#include "Wuerfelquelle.h"
#include "game/KopflosesFormular.h"
#include "game/Spiel.h"
#include "state/Tabellen.h"

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

// One game table of the simulator: a game with its windowless form, its die
// and its counter, set up once and played again and again on a virtual clock.
class Spieltisch {
  public:
    // `daten` and `vorgaben` must outlive the table.
    Spieltisch(const pelu::Tabellen& daten, const Tischvorgaben& vorgaben);
    Spieltisch(const Spieltisch&) = delete;
    Spieltisch& operator=(const Spieltisch&) = delete;

    // The game, for settings before a game starts (the tactic per colour).
    pelu::Spiel& Spiel() { return spiel_; }

    // Plays game `nummer` of the run to its end or its cut-off.
    void Spielen(int nummer, Spielergebnis& ergebnis);

  private:
    const Tischvorgaben& vorgaben_;
    pelu::KopflosesFormular form_;
    Wuerfelquelle wuerfel_;
    Spielzaehler zaehler_;
    pelu::Spiel spiel_;
};
