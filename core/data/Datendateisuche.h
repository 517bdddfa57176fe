#pragma once
#include <string>

namespace pelu {

// Name of the data file a program reads when none is named.
inline constexpr const char* Datendateiname = "Peludaten.txt";

// The data file to read when none is named: `pfad` + Peludaten.txt when
// anything of that name is there (so a file in the working directory always
// wins, broken or not); otherwise the installed data file in the data folder,
// which lies at a fixed place relative to `programmordner` (the folder of the
// running program). `pfad` is the working directory with a separator
// appended, or empty for the bare file name. Throws Ladefehler naming both
// places when neither holds the file.
std::string DatendateiSuchen(const std::string& pfad, const std::string& programmordner);

// The installed data file (Peludaten.txt installed as "Peludaten") in the
// data folder belonging to `programmordner`.
std::string InstallierteDatendatei(const std::string& programmordner);

} // namespace pelu
