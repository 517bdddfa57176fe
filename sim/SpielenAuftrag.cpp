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
        if (simarg::IstHilfe(arg)) {
            auftrag.hilfe = true;
            return {auftrag, ""};
        }
        const std::string falsch =
            simarg::OptionPruefen(arg,
                                  {"--protokoll", "--turbo", "--spieler", "--spiele", "--saat",
                                   "--wuerfel", "--max-wuerfe", "--jobs", "--daten"},
                                  genannt);
        if (!falsch.empty()) return Fehler(falsch);
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
            const std::string fehler = simarg::SpielerLesen(wert, auftrag.spieler);
            if (!fehler.empty()) return Fehler(fehler);
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
        } else if (arg == "--jobs") {
            const std::string fehler = simarg::JobsLesen(wert, auftrag.jobs);
            if (!fehler.empty()) return Fehler(fehler);
        } else {
            const std::string fehler = simarg::DateiLesen(wert, auftrag.datei);
            if (!fehler.empty()) return Fehler(fehler);
        }
    }
    // A scripted die plays exactly one game.
    if (auftrag.wuerfel) auftrag.spiele = 1;
    return {auftrag, ""};
}
