#include "Taktikentwurf.h"

namespace pelu::brett {

namespace {

// Priority by danger category at the target (row) and at the current field
// (column); smaller is better. Three bands:
//  1..16  the move lowers the danger, keeps a safe figure safe, or keeps a
//         low or middling danger (1, 1 and 2, 2): rescues from high danger
//         into safety first (a bench counts as safe), then smaller rescues;
//         a safe step (0, 0) ranks just after the small rescues. Below 17 the
//         most advanced figure of the best band moves, so the leader runs on
//         rather than the field bunching up behind it.
// 17..19  the figure stays in high danger. Still ahead of the fixed lane
//         moves (20 into the goal, 21 inside the lane).
// 21..36  the move raises the danger: worst of all a safe figure stepping
//         next to an opponent. A safe figure stepping into low danger (1, 0)
//         ties with the lane moves, where the least advanced figure, the one
//         on the track, wins; the rest come behind them, so a figure that can
//         walk on in its lane does that instead. From 17 on the least
//         advanced figure moves, risking least.
// Within a band the order follows 2 x target danger - current danger, with
// typical danger values 0, 5, 18, 35, 63, 120 for the categories: ending in
// danger weighs twice what leaving it gains; a safe figure stepping into
// danger 3 ranks with moves from low danger into 4. The departures from that
// rule won tournaments (pelu-sim turnier) against the plain order.
constexpr int Prioritaet[6][6] = {
    // current: 0   1   2   3   4   5
    {13, 12, 10, 7, 4, 1},    // target 0
    {21, 16, 11, 9, 5, 2},    // target 1
    {24, 23, 16, 14, 8, 3},   // target 2
    {30, 26, 25, 19, 16, 6},  // target 3
    {31, 30, 29, 28, 19, 15}, // target 4
    {36, 35, 34, 33, 32, 19}, // target 5
};

} // namespace

std::vector<Taktikreihe> TaktikEntwerfen() {
    std::vector<Taktikreihe> reihen;
    for (int ziel = 0; ziel < 6; ++ziel)
        for (int jetzt = 0; jetzt < 6; ++jetzt)
            reihen.push_back({ziel, jetzt, Prioritaet[ziel][jetzt]});
    return reihen;
}

} // namespace pelu::brett
