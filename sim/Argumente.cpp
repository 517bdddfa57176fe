#include "Argumente.h"

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

} // namespace simarg
