#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Strict parsing of command-line values: the whole text must be the value.
namespace simarg {

// A decimal integer within [min, max]; nothing else (no blanks, no sign
// glued to text, no empty text).
std::optional<int> Ganzzahl(const std::string& text, int min, int max);

// A comma-separated list of such integers; empty items or an empty list
// are refused.
std::optional<std::vector<int>> Zahlenliste(const std::string& text, int min, int max);

} // namespace simarg
