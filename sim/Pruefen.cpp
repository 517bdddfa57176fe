#include <iostream>
#include <set>
#include <string>

#include "Argumente.h"
#include "Befehle.h"
#include "Befehlsrahmen.h"

namespace pelu {

namespace {

const char* const Hilfe =
    "Aufruf: pelu-sim pruefen [--daten DATEI] [--tabellen]\n"
    "\n"
    "Laedt eine Datendatei wie das Spiel und meldet, was darin fehlt oder falsch ist.\n"
    "Welche Datei geladen wurde, steht auf stderr.\n"
    "\n"
    "  --daten DATEI   die Datendatei (Vorgabe: Peludaten.txt im aktuellen Ordner,\n"
    "                  sonst im Datenordner des Spiels)\n"
    "  --tabellen      statt der Zusammenfassung die geladenen Tabellen ausgeben\n"
    "  --help          diese Hilfe\n";

struct PruefenAuftrag {
    std::string datei; // empty: Peludaten.txt, looked for as the window does
    bool tabellen = false;
    bool hilfe = false;
};

Lesung<PruefenAuftrag> PruefenArgumenteLesen(const std::vector<std::string>& argumente) {
    PruefenAuftrag auftrag;
    std::set<std::string> genannt;
    const std::string fehler =
        simarg::OptionenLesen(argumente, {"--daten"}, {"--tabellen"}, genannt, auftrag.hilfe,
                              [&](const std::string& arg, const std::string& wert) {
                                  if (arg != "--tabellen")
                                      return simarg::DateiLesen(wert, auftrag.datei);
                                  auftrag.tabellen = true;
                                  return std::string();
                              });
    return Lesung<PruefenAuftrag>::Aus(auftrag, fehler);
}

bool ZeileBelegt(const int16_t (&zeile)[12]) {
    for (int j = 1; j <= 10; ++j)
        if (zeile[j] != 0) return true;
    return false;
}

void TabellenAusgeben(const pelu::Tabellen& t) {
    for (int n = 0; n <= 130; ++n) {
        if (!ZeileBelegt(t.Bilddaten[n])) continue;
        std::cout << "bilddaten " << n;
        for (int j = 1; j <= 10; ++j)
            std::cout << ' ' << t.Bilddaten[n][j];
        std::cout << '\n';
    }
    std::cout << "bankdaten";
    for (int i = 1; i <= 12; ++i)
        std::cout << ' ' << t.Bankdaten[i];
    std::cout << '\n';
    for (int i = 1; i <= 36; ++i)
        std::cout << "taktikdaten " << i << ' ' << t.Taktikdaten[i][0] << ' ' << t.Taktikdaten[i][1]
                  << ' ' << t.Taktikdaten[i][2] << '\n';
}

// The rows a usable board needs (track, lanes, homes, goals) that no record
// filled, as ranges "3..96, 102".
std::string FehlendeFelder(const pelu::Tabellen& t) {
    std::string liste;
    auto fehlt = [&](int n) { return (n <= 96 || n > 100) && !ZeileBelegt(t.Bilddaten[n]); };
    for (int n = 1; n <= 108; ++n) {
        if (!fehlt(n) || (n > 1 && fehlt(n - 1))) continue;
        int ende = n;
        while (ende < 108 && fehlt(ende + 1))
            ++ende;
        if (!liste.empty()) liste += ", ";
        liste += std::to_string(n);
        if (ende > n) liste += ".." + std::to_string(ende);
    }
    return liste;
}

void ZusammenfassungAusgeben(const pelu::Tabellen& t) {
    int zeilen = 0;
    for (const auto& zeile : t.Bilddaten)
        zeilen += ZeileBelegt(zeile) ? 1 : 0;
    const std::string fehlend = FehlendeFelder(t);
    std::cout << "bilddaten: " << zeilen << " Felder mit Geometrie geladen";
    if (!fehlend.empty()) std::cout << "; ohne Geometrie: " << fehlend;
    std::cout << "\n"
              << "bankdaten: 12 Bankfelder geladen\n"
              << "taktikdaten: 36 Reihen zu je 3 Werten geladen\n";
}

} // namespace

int BefehlPruefen(const std::vector<std::string>& argumente) {
    const Lesung<PruefenAuftrag> lesung = PruefenArgumenteLesen(argumente);
    if (const auto ende = Vorspann("pruefen", lesung, Hilfe)) return *ende;
    std::string geladen;
    const std::optional<Tabellen> tabellen = SimDatenLaden(lesung.auftrag->datei, &geladen);
    if (!tabellen) return 1;
    // Which file it was, the working directory's or the installed one; on
    // stderr, so the lines on stdout stay as they are.
    std::cerr << "pelu-sim pruefen: geladen aus " << geladen << "\n";
    if (lesung.auftrag->tabellen) {
        TabellenAusgeben(*tabellen);
    } else {
        ZusammenfassungAusgeben(*tabellen);
    }
    return 0;
}

} // namespace pelu
