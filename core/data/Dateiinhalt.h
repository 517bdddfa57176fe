#pragma once
#include <string>

namespace pelu {

// The whole content of the data file `datei`. Refuses, with a Ladefehler
// for the section "bilddaten", what cannot be a data file: a missing file, a
// folder, an unreadable file, more than 16 MB (an endless device), and a
// pipe or device that delivers nothing for a second (a named pipe nobody
// writes to would otherwise block forever).
std::string DateiinhaltLesen(const std::string& datei);

} // namespace pelu
