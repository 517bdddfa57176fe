#include "TurnierAuftrag.h"

#include <set>

#include "Turnierwertung.h"

namespace pelu {

TurnierLesung TurnierArgumenteLesen(const std::vector<std::string>& argumente) {
    TurnierAuftrag auftrag;
    auftrag.lauf.spiele = TurnierVorgabeSpiele;
    std::set<std::string> genannt;
    std::string fehler = simarg::OptionenLesen(
        argumente, {"--gegner", "--daten", "--spiele", "--saat", "--jobs"}, {"--turbo"}, genannt,
        auftrag.hilfe, [&](const std::string& arg, const std::string& wert) -> std::string {
            if (arg == "--turbo") {
                auftrag.lauf.turbo = true;
                return "";
            }
            if (arg == "--gegner") return simarg::DateiLesen(wert, auftrag.gegner, arg);
            if (arg == "--daten") return simarg::DateiLesen(wert, auftrag.datei);
            return simarg::LaufoptionLesen(arg, wert, auftrag.lauf);
        });
    if (fehler.empty() && !auftrag.hilfe && !genannt.count("--gegner"))
        fehler = "--gegner fehlt (die Datendatei mit Tabelle B)";
    auftrag.lauf.spiele = GanzeRunden(auftrag.lauf.spiele);
    return TurnierLesung::Aus(auftrag, fehler);
}

} // namespace pelu
