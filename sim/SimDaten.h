#pragma once
#include <optional>
#include <string>

#include "state/Tabellen.h"

// Loads a data file exactly as the desktop program does: the loader's
// default centre is the desktop board's. On failure the loader's
// message goes to stderr and the result is empty; the caller exits with 1.
std::optional<pelu::Tabellen> SimDatenLaden(const std::string& datei);
