#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

#include "state/Spielzustand.h"
#include "state/Tabellen.h"

namespace pelu {

// The one error of loading a data file; the message names the file, the
// section and what was wrong (with the line number where known).
class Ladefehler : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws the Ladefehler of a file `datei` that cannot be opened, reported for
// the first section read, with the reason `grund`.
[[noreturn]] void OeffnenFehlgeschlagen(const std::string& datei, const std::string& grund);

// Loads Bilddaten, then Bankdaten and Taktikdaten from `datei`, converting
// the geometry to pixels around the board centre (mitteX, mitteY).
// Succeeds completely or throws Ladefehler.
Tabellen DatendateiLaden(const std::string& datei, int16_t mitteX = BrettmitteX,
                         int16_t mitteY = BrettmitteY);

} // namespace pelu
