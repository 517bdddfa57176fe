#include "SpielenAuftrag.h"

#include <climits>
#include <set>

#include "Argumente.h"

namespace {

SpielenLesung Fehler(const std::string& text) {
    return {std::nullopt, text};
}

} // namespace

SpielenLesung SpielenArgumenteLesen(const std::vector<std::string>& argumente) {
    SpielenAuftrag auftrag;
    std::set<std::string> genannt;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& arg = argumente[i];
        if (arg == "--help" || arg == "-h") {
            auftrag.hilfe = true;
            return {auftrag, ""};
        }
        const bool schalter = arg == "--protokoll" || arg == "--turbo";
        const bool mitWert = arg == "--spieler" || arg == "--spiele" || arg == "--saat" ||
                             arg == "--wuerfel" || arg == "--max-wuerfe" || arg == "--daten";
        if (!schalter && !mitWert) return Fehler("unbekanntes Argument '" + arg + "'");
        if (!genannt.insert(arg).second) return Fehler(arg + " ist mehrfach angegeben");
        if (arg == "--protokoll") {
            auftrag.protokoll = true;
            continue;
        }
        if (arg == "--turbo") {
            auftrag.turbo = true;
            continue;
        }
        if (i + 1 >= argumente.size()) return Fehler(arg + " braucht einen Wert");
        const std::string& wert = argumente[++i];
        if (arg == "--spieler") {
            const auto liste = simarg::Zahlenliste(wert, 0, 8);
            if (!liste || liste->size() != 4)
                return Fehler("--spieler '" + wert + "': vier Werte 0..8 mit Kommas erwartet");
            for (int c = 0; c < 4; ++c)
                auftrag.spieler[c] = static_cast<int16_t>((*liste)[c]);
        } else if (arg == "--spiele") {
            const auto n = simarg::Ganzzahl(wert, 1, INT_MAX);
            if (!n) return Fehler("--spiele '" + wert + "': Anzahl ab 1 erwartet");
            auftrag.spiele = *n;
        } else if (arg == "--saat") {
            const auto s = simarg::Ganzzahl(wert, 0, INT_MAX);
            if (!s)
                return Fehler("--saat '" + wert + "': ganze Zahl 0.." + std::to_string(INT_MAX) +
                              " erwartet");
            auftrag.saat = static_cast<uint64_t>(*s);
        } else if (arg == "--wuerfel") {
            const auto liste = simarg::Zahlenliste(wert, 1, 6);
            if (!liste)
                return Fehler("--wuerfel '" + wert + "': Augenzahlen 1..6 mit Kommas erwartet");
            auftrag.wuerfel = *liste;
        } else if (arg == "--max-wuerfe") {
            const auto n = simarg::Ganzzahl(wert, 0, INT_MAX);
            if (!n) return Fehler("--max-wuerfe '" + wert + "': Anzahl ab 0 erwartet");
            auftrag.maxWuerfe = *n;
        } else {
            if (wert.empty() || wert.rfind("--", 0) == 0)
                return Fehler("--daten braucht einen Dateinamen");
            auftrag.datei = wert;
        }
    }
    // A scripted die plays exactly one game.
    if (auftrag.wuerfel) auftrag.spiele = 1;
    return {auftrag, ""};
}
