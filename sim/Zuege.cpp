#include <iostream>
#include <string>
#include <vector>

#include "Befehle.h"
#include "Befehlsrahmen.h"
#include "ZuegeAuftrag.h"
#include "rules/Computerzug.h"
#include "rules/Stellungsaufbau.h"
#include "rules/Zugregeln.h"

namespace pelu {

namespace {

const char* const Hilfe =
    "Aufruf: pelu-sim zuege --spieler P1,P2,P3,P4 --farbe C --wurf W [--wurfzahl K]\n"
    "                       [--daten DATEI] [STELLUNG ...]\n"
    "\n"
    "Zeigt fuer eine Stellung und einen Wurf die Ziele aller Figuren, wen jeder Zug\n"
    "heimschickt, und welche Figur der Computer zieht.\n"
    "\n"
    "  --spieler P1,P2,P3,P4  Spielerwert der Farben 1..4 (0 = spielt nicht mit,\n"
    "                         1..4 Mensch, 5..8 Computer)\n"
    "  --farbe C              die Farbe am Zug (1..4, muss mitspielen)\n"
    "  --wurf W               die Augenzahl 1..6\n"
    "  --wurfzahl K           der wievielte Wurf der Farbe in diesem Zug (1..3, Vorgabe 1)\n"
    "  --daten DATEI          die Datendatei (Vorgabe: Peludaten.txt im aktuellen Ordner,\n"
    "                         sonst im Datenordner des Spiels)\n"
    "  --help                 diese Hilfe\n"
    "  STELLUNG               FELD:F1,F2,... die Figuren auf FELD in der Reihenfolge, in der\n"
    "                         sie ankamen; nicht genannte Figuren stehen zu Hause\n"
    "\n"
    "Ausgabe: schritte S / moeglich 0|1 / ziel F Z E A / heim F G... /\n"
    "         computer F / wertung F GefahrJetzt GefahrZiel Prioritaet\n";

pelu::Figurentabelle StellungAufbauen(const ZuegeAuftrag& auftrag, const pelu::Tabellen& daten) {
    pelu::Figurentabelle Figur = pelu::Grundstellung(auftrag.spieler);
    for (const ZuegeStellung& s : auftrag.stellung)
        pelu::FigurenHinstellen(Figur, daten, static_cast<int16_t>(s.feld), s.figuren);
    return Figur;
}

void Ausgeben(const pelu::Figurentabelle& Figur, const pelu::Tabellen& daten,
              const ZuegeAuftrag& auftrag) {
    const int16_t spieler = auftrag.spieler[auftrag.farbe - 1];
    const pelu::Zugmoeglichkeit z = pelu::ZuegeErmitteln(Figur, spieler, auftrag.wurf);
    std::cout << "schritte " << z.Schritte << "\nmoeglich " << (z.Moeglich ? 1 : 0) << "\n";

    std::vector<int16_t> kandidaten;
    for (int16_t f = 1; f <= pelu::FigurAnzahl; ++f)
        if (z.Ziele[f].Zielfeld > 0) kandidaten.push_back(f);
    for (const int16_t f : kandidaten)
        std::cout << "ziel " << f << ' ' << z.Ziele[f].Zielfeld << ' ' << z.Ziele[f].Abschnittende
                  << ' ' << z.Ziele[f].Abschnittanfang << "\n";
    for (const int16_t f : kandidaten) {
        const pelu::Figurenmenge opfer = pelu::HeimschickenMarkieren(Figur, z.Ziele, spieler, f);
        std::cout << "heim " << f;
        for (int g = 1; g <= pelu::FigurAnzahl; ++g)
            if (opfer.Enthaelt(g)) std::cout << ' ' << g;
        std::cout << "\n";
    }
    if (!z.Moeglich) return;

    const pelu::Computerwahl wahl =
        pelu::ComputerZug(Figur, z.Ziele, daten, spieler, auftrag.wurf, auftrag.wurfzahl);
    std::cout << "computer " << wahl.Figur << "\n";
    for (const int16_t f : kandidaten) {
        const pelu::Wertung& w = wahl.Wertungen[f];
        std::cout << "wertung " << f << ' ' << w.GefahrJetzt << ' ' << w.GefahrZiel << ' '
                  << w.Prioritaet << "\n";
    }
}

} // namespace

int BefehlZuege(const std::vector<std::string>& argumente) {
    return BefehlAusfuehren("zuege", ZuegeArgumenteLesen(argumente), Hilfe,
                            [](const ZuegeAuftrag& auftrag, const Tabellen& daten) {
                                Ausgeben(StellungAufbauen(auftrag, daten), daten, auftrag);
                                return 0;
                            });
}

} // namespace pelu
