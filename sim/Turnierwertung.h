#pragma once
#include <array>
#include <cstdint>

#include "Spielzaehler.h"

namespace pelu {

// The seatings of a tournament of two tactic tables A and B: game `nummer`
// (from 1) gives table A to two colours, rotating through the six pairs
// 12, 13, 14, 23, 24, 34, so every colour plays each table equally often
// in every round of six games.
constexpr int Sitzordnungen = 6;

// Whether colour 1..4 plays with table A in game `nummer` (index 0 unused).
std::array<bool, pelu::FarbAnzahl + 1> SitzeVonA(int nummer);

// `spiele` rounded up to whole rounds of six games.
int GanzeRunden(int spiele);

// Games played and games won by a colour with table A. A game cut off at the
// roll limit counts as played and won by nobody.
struct Turnierstand {
    int64_t spiele = 0;
    int64_t siegeA = 0;

    void Hinzufuegen(int nummer, const Spielergebnis& ergebnis);
};

} // namespace pelu
