#pragma once
#include <array>
#include <cstdint>
#include <cstdio>

#include "SpielenAuftrag.h"
#include "Spielzaehler.h"
#include "state/Tabellen.h"

namespace pelu {

// What a run of games gave, for the summary.
struct Spielstatistik {
    int spiele = 0;
    int abgebrochen = 0;
    int64_t wuerfe = 0;
    int64_t zuege = 0;
    // Per colour 1..4: how often it took place 1..4; index 5 counts games
    // in which it took no place (not in play, or the game was cut off).
    std::array<std::array<int64_t, 6>, 5> plaetze{};
    Augenzaehlung gezogen{};
    Augenzaehlung gezeigt{};
    double sekunden = 0.0;

    void Hinzufuegen(const Spielergebnis& ergebnis);
};

// Plays the games of `auftrag` through the state machine on a virtual clock,
// on as many threads as it asks for. Trace lines go to `protokoll`, in game
// order, when it is not null; a progress line goes
// to stderr when `fortschritt` is set.
Spielstatistik SpieleSpielen(const pelu::Tabellen& daten, const SpielenAuftrag& auftrag,
                             std::FILE* protokoll, bool fortschritt);

} // namespace pelu
