#pragma once
#include <array>
#include <vector>

namespace pelu::brett {

// One tactic row: danger category at the target, at the current field, priority.
using Taktikreihe = std::array<int, 3>;

// The 36 rows, ordered by target category, then current category.
std::vector<Taktikreihe> TaktikEntwerfen();

} // namespace pelu::brett
