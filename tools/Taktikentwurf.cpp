#include "Taktikentwurf.h"

namespace pelu::brett {

namespace {

// Priority by danger category at the target (row) and at the current field
// (column); smaller is better. Three bands:
//  1..16  the move lowers the danger or keeps a safe figure safe: rescues
//         from high danger into safety first (a bench counts as safe), then
//         smaller rescues; a safe step (0, 0) ranks just after the small
//         rescues. Below 17 the most advanced figure of the best band moves.
// 17..19  the figure stays in the same danger. Still ahead of the fixed lane
//         moves (20 into the goal, 21 inside the lane).
// 22..36  the move raises the danger: worst of all a safe figure stepping
//         next to an opponent. Behind the lane moves, so a figure that can
//         walk on in its lane does that instead; from 17 on the least
//         advanced figure moves, risking least.
// Within a band the order follows 2 x target danger - current danger, with
// typical danger values 0, 5, 18, 35, 63, 120 for the categories: ending in
// danger weighs twice what leaving it gains.
constexpr int Prioritaet[6][6] = {
    // current: 0   1   2   3   4   5
    {13, 12, 10, 7, 4, 1},    // target 0
    {22, 17, 11, 9, 5, 2},    // target 1
    {24, 23, 18, 14, 8, 3},   // target 2
    {27, 26, 25, 19, 16, 6},  // target 3
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
