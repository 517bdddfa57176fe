#include "ZuegeAuftrag.h"

#include <climits>
#include <set>

#include "Argumente.h"
#include "rules/Stellungsaufbau.h"
#include "state/Spielzustand.h"

namespace pelu {

namespace {

std::string Zahl(int wert) {
    return std::to_string(wert);
}

bool IstFeld(int feld) {
    return (feld >= 1 && feld <= 96) || (feld >= 101 && feld <= 108);
}

// Why a figure cannot stand on `feld`, or empty when it can.
std::string Standfehler(int figur, int feld) {
    const int farbe = pelu::FarbeVonFigur(figur);
    if (feld >= 101 && feld <= 104)
        return "Feld " + Zahl(feld) + " ist ein Heimfeld; Figuren zu Hause nennt man nicht";
    const int16_t weg = pelu::WegAufFeld(farbe, static_cast<int16_t>(feld));
    if (weg < 0)
        return "Figur " + Zahl(figur) + " (Farbe " + Zahl(farbe) + ") kann nicht auf Feld " +
               Zahl(feld) + " stehen: Einlauf oder Ziel einer anderen Farbe";
    if (feld <= 68 && weg < 5)
        return "Figur " + Zahl(figur) + " (Farbe " + Zahl(farbe) + ") kann nicht auf Feld " +
               Zahl(feld) + " stehen: Weg " + Zahl(weg) + " liegt vor ihrem Ausgangsfeld";
    return "";
}

// One FELD:F1,F2,... argument, syntax only.
std::optional<ZuegeStellung> StellungLesen(const std::string& text) {
    const std::size_t doppelpunkt = text.find(':');
    if (doppelpunkt == std::string::npos) return std::nullopt;
    const auto feld = simarg::Ganzzahl(text.substr(0, doppelpunkt), INT_MIN, INT_MAX);
    const auto figuren = simarg::Zahlenliste(text.substr(doppelpunkt + 1), 1, 16);
    if (!feld || !figuren) return std::nullopt;
    ZuegeStellung stellung;
    stellung.feld = *feld;
    for (int f : *figuren)
        stellung.figuren.push_back(static_cast<int16_t>(f));
    return stellung;
}

// Checks the position against the players in play.
std::string StellungPruefen(const ZuegeAuftrag& auftrag) {
    std::set<int> felder;
    std::set<int> figuren;
    for (const ZuegeStellung& s : auftrag.stellung) {
        const std::string name = "Stellung " + Zahl(s.feld) + ": ";
        if (!IstFeld(s.feld)) return name + "Feld " + Zahl(s.feld) + " gibt es nicht";
        if (!felder.insert(s.feld).second)
            return name + "Feld " + Zahl(s.feld) + " ist mehrfach genannt";
        if (s.figuren.size() > 9) return name + "mehr als neun Figuren auf einem Feld";
        for (const int16_t f : s.figuren) {
            if (!figuren.insert(f).second)
                return name + "Figur " + Zahl(f) + " ist mehrfach genannt";
            const int farbe = pelu::FarbeVonFigur(f);
            if (auftrag.spieler[farbe - 1] < 1)
                return name + "Figur " + Zahl(f) + " gehoert zu Farbe " + Zahl(farbe) +
                       ", die nicht mitspielt";
            const std::string grund = Standfehler(f, s.feld);
            if (!grund.empty()) return name + grund;
        }
    }
    return "";
}

std::string Lesen(ZuegeAuftrag& auftrag, const std::string& arg, const std::string& wert) {
    if (arg == "--spieler") return simarg::SpielerLesen(wert, auftrag.spieler);
    if (arg == "--daten") return simarg::DateiLesen(wert, auftrag.datei);
    if (arg == "--farbe") {
        const auto farbe = simarg::Ganzzahl(wert, 1, 4);
        if (!farbe) return "--farbe '" + wert + "': Farbe 1..4 erwartet";
        auftrag.farbe = static_cast<int16_t>(*farbe);
    } else if (arg == "--wurf") {
        const auto wurf = simarg::Ganzzahl(wert, 1, 6);
        if (!wurf) return "--wurf '" + wert + "': Augenzahl 1..6 erwartet";
        auftrag.wurf = static_cast<int16_t>(*wurf);
    } else {
        const auto wurfzahl = simarg::Ganzzahl(wert, 1, 3);
        if (!wurfzahl) return "--wurfzahl '" + wert + "': 1..3 erwartet";
        auftrag.wurfzahl = static_cast<int16_t>(*wurfzahl);
    }
    return "";
}

// The checks of the whole order, after every argument was read.
std::string AuftragPruefen(const ZuegeAuftrag& auftrag, const std::set<std::string>& genannt) {
    for (const char* pflicht : {"--spieler", "--farbe", "--wurf"}) {
        if (!genannt.count(pflicht)) return std::string(pflicht) + " fehlt";
    }
    if (auftrag.spieler[auftrag.farbe - 1] < 1)
        return "--farbe " + Zahl(auftrag.farbe) + ": Farbe " + Zahl(auftrag.farbe) +
               " spielt nicht mit";
    return StellungPruefen(auftrag);
}

} // namespace

ZuegeLesung ZuegeArgumenteLesen(const std::vector<std::string>& argumente) {
    ZuegeAuftrag auftrag;
    std::set<std::string> genannt;
    std::string fehler = simarg::OptionenLesen(
        argumente, {"--spieler", "--farbe", "--wurf", "--wurfzahl", "--daten"}, {}, genannt,
        auftrag.hilfe,
        [&](const std::string& arg, const std::string& wert) { return Lesen(auftrag, arg, wert); },
        [&](const std::string& arg, const std::string&) -> std::string {
            const auto stellung = StellungLesen(arg);
            if (!stellung) return "Stellung '" + arg + "' ist fehlerhaft (FELD:F1,F2,...)";
            auftrag.stellung.push_back(*stellung);
            return "";
        });
    if (fehler.empty() && !auftrag.hilfe) fehler = AuftragPruefen(auftrag, genannt);
    return ZuegeLesung::Aus(auftrag, fehler);
}

} // namespace pelu
