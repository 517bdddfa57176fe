#include "Argumente.h"

#include <algorithm>
#include <charconv>

namespace simarg {

std::optional<int> Ganzzahl(const std::string& text, int min, int max) {
    if (text.empty()) return std::nullopt;
    long long wert = 0;
    const char* anfang = text.data();
    const char* ende = text.data() + text.size();
    // One sign at most: "+5" is 5, "+-5" is no number.
    if (*anfang == '+') {
        ++anfang;
        if (anfang != ende && *anfang == '-') return std::nullopt;
    }
    auto [stelle, fehler] = std::from_chars(anfang, ende, wert);
    if (fehler != std::errc() || stelle != ende || anfang == ende) return std::nullopt;
    if (wert < min || wert > max) return std::nullopt;
    return static_cast<int>(wert);
}

std::optional<std::vector<int>> Zahlenliste(const std::string& text, int min, int max) {
    std::vector<int> liste;
    std::size_t anfang = 0;
    while (true) {
        const std::size_t komma = text.find(',', anfang);
        const std::string teil =
            text.substr(anfang, komma == std::string::npos ? std::string::npos : komma - anfang);
        const auto wert = Ganzzahl(teil, min, max);
        if (!wert) return std::nullopt;
        liste.push_back(*wert);
        if (komma == std::string::npos) break;
        anfang = komma + 1;
    }
    return liste;
}

bool IstHilfe(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

std::string OptionPruefen(const std::string& arg, std::initializer_list<std::string_view> bekannt,
                          std::set<std::string>& genannt) {
    if (std::find(bekannt.begin(), bekannt.end(), arg) == bekannt.end())
        return "unbekanntes Argument '" + arg + "'";
    if (!genannt.insert(arg).second) return arg + " ist mehrfach angegeben";
    return "";
}

std::string SpielerLesen(const std::string& wert, std::array<int16_t, 4>& ziel) {
    const auto liste = Zahlenliste(wert, 0, 8);
    if (!liste || liste->size() != 4)
        return "--spieler '" + wert + "': vier Werte 0..8 mit Kommas erwartet";
    for (std::size_t c = 0; c < 4; ++c)
        ziel[c] = static_cast<int16_t>((*liste)[c]);
    return "";
}

std::string DateiLesen(const std::string& wert, std::string& ziel) {
    if (wert.empty() || wert.rfind("--", 0) == 0) return "--daten braucht einen Dateinamen";
    ziel = wert;
    return "";
}

std::string JobsLesen(const std::string& wert, int& ziel) {
    // More threads than this only waste memory on any machine in sight.
    const auto jobs = Ganzzahl(wert, 0, 1024);
    if (!jobs) return "--jobs '" + wert + "': Anzahl 0..1024 erwartet (0 = je Kern einer)";
    ziel = *jobs;
    return "";
}

} // namespace simarg
