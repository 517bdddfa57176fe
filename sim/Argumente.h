#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace pelu {

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

// Reads one argument into the order: the message when it is bad, else empty.
using Argumentleser = std::function<std::string(const std::string& arg, const std::string& wert)>;

// The option loop of a subcommand. Stops at --help (setting `hilfe`);
// refuses an option not in `mitWert` or `schalter`, or named twice; hands a
// switch to `lesen` with an empty value, any other option with the argument
// after it (empty when missing, which each option's check refuses), and an
// argument that is no option to `frei` (refused when there is none).
// Returns the first message, else empty; `genannt` collects the options.
std::string OptionenLesen(const std::vector<std::string>& argumente,
                          std::initializer_list<std::string_view> mitWert,
                          std::initializer_list<std::string_view> schalter,
                          std::set<std::string>& genannt, bool& hilfe, const Argumentleser& lesen,
                          const Argumentleser& frei = nullptr);

// The values shared by the subcommands, read into `ziel`: the message when
// `wert` is bad, else empty. --spieler takes four player values 0..8,
// --daten (or `option`) a file name that is no option.
std::string SpielerLesen(const std::string& wert, std::array<int16_t, 4>& ziel);
std::string DateiLesen(const std::string& wert, std::string& ziel,
                       const std::string& option = "--daten");

// What every run of games takes: --spiele N, --saat S, --jobs J (threads,
// 0 for one per core), --turbo.
struct Laufoptionen {
    int spiele = 1;
    std::optional<uint64_t> saat; // none: seeded from the clock
    int jobs = 1;
    bool turbo = false;
};
// Reads the value of --spiele, --saat or --jobs (`option`) into `ziel`.
std::string LaufoptionLesen(const std::string& option, const std::string& wert, Laufoptionen& ziel);

} // namespace simarg

} // namespace pelu
