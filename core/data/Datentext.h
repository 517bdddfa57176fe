#pragma once
#include <cstdint>
#include <string>

#include "state/Tabellen.h"

namespace pelu {

// Loads the tables from the text of a data file already in memory;
// `dateiname` only names the file in messages. Used by DatendateiLaden and
// directly by the tests and the fuzz target. Throws Ladefehler.
Tabellen DatentextLaden(const std::string& text, const std::string& dateiname, int16_t mitteX,
                        int16_t mitteY);

} // namespace pelu
