#pragma once
#include <functional>

#include "Zaehltisch.h"
#include "state/Tabellen.h"

namespace pelu {

// Settings for one game on its table before it starts (run on the table's
// thread; it may only touch that table's game).
using Spielvorbereitung = std::function<void(pelu::Spiel& spiel, int nummer)>;
// Takes a game's result, called on the caller's thread in game order.
using Spielabnahme = std::function<void(int nummer, const Spielergebnis& ergebnis)>;

// The number of threads for `--jobs J`: J, or one per core for 0.
int Jobanzahl(int jobs);

// Plays games 1..spiele on `jobs` tables, each on a thread of its own (none
// for one job), and hands every result to `abnahme` in game order. At most a
// few results per table wait for their turn, so memory stays bounded. Shows
// the progress on stderr when `fortschritt` is set. Returns the seconds taken.
double SpieleVerteilen(const pelu::Tabellen& daten, const Tischvorgaben& vorgaben, int spiele,
                       int jobs, bool fortschritt, const Spielvorbereitung& vorbereitung,
                       const Spielabnahme& abnahme);

} // namespace pelu
