#include "Argumente.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace pelu {

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

std::string OptionenLesen(const std::vector<std::string>& argumente,
                          std::initializer_list<std::string_view> mitWert,
                          std::initializer_list<std::string_view> schalter,
                          std::set<std::string>& genannt, bool& hilfe, const Argumentleser& lesen,
                          const Argumentleser& frei) {
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& arg = argumente[i];
        if (IstHilfe(arg)) {
            hilfe = true;
            return "";
        }
        std::string fehler;
        if (frei && arg.rfind("-", 0) != 0) {
            fehler = frei(arg, "");
        } else if (std::find(schalter.begin(), schalter.end(), arg) != schalter.end()) {
            fehler = OptionPruefen(arg, schalter, genannt);
            if (fehler.empty()) fehler = lesen(arg, "");
        } else {
            fehler = OptionPruefen(arg, mitWert, genannt);
            if (fehler.empty()) fehler = lesen(arg, i + 1 < argumente.size() ? argumente[++i] : "");
        }
        if (!fehler.empty()) return fehler;
    }
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

std::string DateiLesen(const std::string& wert, std::string& ziel, const std::string& option) {
    if (wert.empty() || wert.rfind("--", 0) == 0) return option + " braucht einen Dateinamen";
    ziel = wert;
    return "";
}

std::string LaufoptionLesen(const std::string& option, const std::string& wert,
                            Laufoptionen& ziel) {
    if (option == "--spiele") {
        // Room to round a count up to whole rounds of a tournament.
        const auto n = Ganzzahl(wert, 1, 1000000000);
        if (!n) return "--spiele '" + wert + "': Anzahl 1..1000000000 erwartet";
        ziel.spiele = *n;
    } else if (option == "--saat") {
        const auto s = Ganzzahl(wert, 0, INT_MAX);
        if (!s)
            return "--saat '" + wert + "': ganze Zahl 0.." + std::to_string(INT_MAX) + " erwartet";
        ziel.saat = static_cast<uint64_t>(*s);
    } else {
        // More threads than this only waste memory on any machine in sight.
        const auto jobs = Ganzzahl(wert, 0, 1024);
        if (!jobs) return "--jobs '" + wert + "': Anzahl 0..1024 erwartet (0 = je Kern einer)";
        ziel.jobs = *jobs;
    }
    return "";
}

} // namespace simarg

} // namespace pelu
