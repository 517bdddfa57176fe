#pragma once
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/Ladetexte.h"

#include "state/Spielzustand.h"
#include "state/Tabellen.h"

namespace pelu {

// The one error of loading a data file; the message names the file, the
// section and what was wrong (with the line number where known).
// Its parts are kept, so the window can tell them in another language.
class Ladefehler : public std::runtime_error {
  public:
    // `zeile` 0 names no line.
    Ladefehler(std::string datei, std::string abschnitt, int zeile, std::vector<Ladesatz> saetze);

    // The message with the texts `vorlage` gives (what() has the German ones).
    std::string Meldung(const std::function<std::string(Ladetext)>& vorlage) const;

  private:
    std::string datei_;
    std::string abschnitt_;
    int zeile_;
    std::vector<Ladesatz> saetze_;
};

// Throws the Ladefehler of a file `datei` that cannot be opened, reported for
// the first section read, with the reason `grund`.
[[noreturn]] void OeffnenFehlgeschlagen(const std::string& datei, Ladesatz grund);

// Loads Bilddaten, then Bankdaten and Taktikdaten from `datei`, converting
// the geometry to pixels around the board centre (mitteX, mitteY).
// Succeeds completely or throws Ladefehler.
Tabellen DatendateiLaden(const std::string& datei, int16_t mitteX = BrettmitteX,
                         int16_t mitteY = BrettmitteY);

} // namespace pelu
