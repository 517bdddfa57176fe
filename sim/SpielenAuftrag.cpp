#include "SpielenAuftrag.h"

#include <climits>
#include <set>

namespace pelu {

namespace {

std::string Lesen(SpielenAuftrag& auftrag, const std::string& arg, const std::string& wert) {
    if (arg == "--protokoll") {
        auftrag.protokoll = true;
    } else if (arg == "--turbo") {
        auftrag.lauf.turbo = true;
    } else if (arg == "--spieler") {
        return simarg::SpielerLesen(wert, auftrag.spieler);
    } else if (arg == "--wuerfel") {
        const auto liste = simarg::Zahlenliste(wert, 1, 6);
        if (!liste) return "--wuerfel '" + wert + "': Augenzahlen 1..6 mit Kommas erwartet";
        auftrag.wuerfel = *liste;
    } else if (arg == "--max-wuerfe") {
        const auto n = simarg::Ganzzahl(wert, 0, INT_MAX);
        if (!n) return "--max-wuerfe '" + wert + "': Anzahl ab 0 erwartet";
        auftrag.maxWuerfe = *n;
    } else if (arg == "--daten") {
        return simarg::DateiLesen(wert, auftrag.datei);
    } else {
        return simarg::LaufoptionLesen(arg, wert, auftrag.lauf);
    }
    return "";
}

} // namespace

SpielenLesung SpielenArgumenteLesen(const std::vector<std::string>& argumente) {
    SpielenAuftrag auftrag;
    std::set<std::string> genannt;
    const std::string fehler = simarg::OptionenLesen(
        argumente,
        {"--spieler", "--spiele", "--saat", "--wuerfel", "--max-wuerfe", "--jobs", "--daten"},
        {"--protokoll", "--turbo"}, genannt, auftrag.hilfe,
        [&](const std::string& arg, const std::string& wert) { return Lesen(auftrag, arg, wert); });
    // A scripted die plays exactly one game.
    if (auftrag.wuerfel) auftrag.lauf.spiele = 1;
    return SpielenLesung::Aus(auftrag, fehler);
}

} // namespace pelu
