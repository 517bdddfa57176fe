#pragma once
#include <optional>
#include <string>

#include "state/Tabellen.h"

namespace pelu {

// Loads a data file exactly as the desktop program does: the loader's
// default centre is the desktop board's. An empty `datei` means
// Peludaten.txt, looked for where the desktop program looks for it (the
// working directory, then the installed data folder beside this program).
// On failure the loader's message goes to stderr and the result is empty;
// the caller exits with 1. `geladen`, when given, receives the path of the
// file read, made absolute.
std::optional<pelu::Tabellen> SimDatenLaden(const std::string& datei,
                                            std::string* geladen = nullptr);

// The folder of the program behind the link `selbst` (by default this
// program, as the kernel knows it), where the installed data is looked for.
// Empty when `selbst` is no link (no /proc): the working directory is then
// the only place.
std::string Programmordner(const std::string& selbst = "/proc/self/exe");

} // namespace pelu
