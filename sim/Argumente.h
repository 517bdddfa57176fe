#pragma once
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// Strict parsing of command-line values: the whole text must be the value.
namespace simarg {

// A decimal integer within [min, max]; nothing else (no blanks, no sign
// glued to text, no empty text).
std::optional<int> Ganzzahl(const std::string& text, int min, int max);

// A comma-separated list of such integers; empty items or an empty list
// are refused.
std::optional<std::vector<int>> Zahlenliste(const std::string& text, int min, int max);

// The head of every option loop.
bool IstHilfe(const std::string& arg);
// The message for an option not in `bekannt` or named before, else empty;
// `genannt` collects the options seen.
std::string OptionPruefen(const std::string& arg, std::initializer_list<std::string_view> bekannt,
                          std::set<std::string>& genannt);

// The values shared by the subcommands, read into `ziel`: the message when
// `wert` is bad, else empty. --spieler takes four player values 0..8,
// --daten a file name that is no option.
std::string SpielerLesen(const std::string& wert, std::array<int16_t, 4>& ziel);
std::string DateiLesen(const std::string& wert, std::string& ziel);
// --jobs takes a number of threads, 0 for one per core.
std::string JobsLesen(const std::string& wert, int& ziel);

} // namespace simarg
