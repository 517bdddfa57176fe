#pragma once
#include <optional>
#include <string>

#include "game/Tabellen.h"

// Loads a data file exactly as the desktop program does, converting the
// geometry with its board centre (inner board 597 x 547 pixels, centre
// 299, 274). On failure the loader's message goes to stderr and the
// result is empty; the caller exits with 1.
std::optional<pelu::Tabellen> SimDatenLaden(const std::string& datei);
