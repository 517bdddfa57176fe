#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <ostream>

#include "Befehle.h"
#include "Befehlsrahmen.h"
#include "Kennzahlen.h"
#include "SpielenAuftrag.h"
#include "Spielrunde.h"

namespace pelu {

namespace {

const char* const Hilfe =
    "Aufruf: pelu-sim spielen [OPTIONEN]\n"
    "\n"
    "Spielt ganze Spiele ohne Fenster und ohne Warten, ueber dieselbe Spielsteuerung\n"
    "wie das Spiel selbst. Die Zusammenfassung zaehlt Plaetze, Wuerfe, Zuege und die\n"
    "gezogenen und gezeigten Augen, mit einem Chi-Quadrat-Test der gezogenen.\n"
    "\n"
    "  --spieler P1,P2,P3,P4  Spielerwerte der Farben 1..4, je 0..8 (Vorgabe 5,6,7,8);\n"
    "                         ein Mensch (1..4) nimmt immer den Vorschlag des Computers\n"
    "  --spiele N             Anzahl der Spiele (Vorgabe 1)\n"
    "  --saat S               Saat des Zufalls, damit ein Lauf wiederholbar ist\n"
    "  --wuerfel W1,W2,...    statt des Zufalls diese Augenzahlen, eine je Wurfversuch;\n"
    "                         sind sie aufgebraucht, endet das Spiel mit 'abbruch'\n"
    "                         (nur ein Spiel)\n"
    "  --max-wuerfe N         ein Spiel nach N Wuerfen abbrechen (Vorgabe 100000)\n"
    "  --protokoll            jedes Ereignis als Zeile auf stdout, Zusammenfassung auf stderr\n"
    "  --turbo                im Schnellgang spielen\n"
    "  --jobs J               auf J Threads spielen (Vorgabe 1, 0 = einer je Kern); jedes\n"
    "                         Spiel hat seinen eigenen Zufall aus Saat und Spielnummer,\n"
    "                         Protokoll und Zusammenfassung haengen nicht von J ab\n"
    "  --daten DATEI          die Datendatei (Vorgabe: Peludaten.txt im aktuellen Ordner,\n"
    "                         sonst im Datenordner des Spiels)\n"
    "  --help                 diese Hilfe\n";

void Augenzeile(std::ostream& aus, const char* titel, const Augenzaehlung& anzahl) {
    aus << titel;
    for (int a = 1; a <= 6; ++a)
        aus << ' ' << anzahl[a];
    aus << "\n";
}

// For players who doubt the dice: every draw should be uniform; what is shown
// is not, by design.
void Wuerfelbericht(std::ostream& aus, const Spielstatistik& s) {
    Augenzeile(aus, "Augen 1..6 gezogen (jeder Versuch):", s.gezogen);
    Augenzeile(aus, "Augen 1..6 gezeigt (nach den Zusatzversuchen):", s.gezeigt);
    aus << "  (gezeigt ist die 5 mit Absicht haeufiger: mit drei oder vier Figuren zu Hause\n"
           "   gibt es weitere Versuche fuer die 5)\n";
    aus << "Gleichverteilung der gezogenen Augen: ";
    int64_t gezogen = 0;
    for (int a = 1; a <= 6; ++a)
        gezogen += s.gezogen[a];
    if (gezogen == 0) {
        aus << "nichts gezogen\n";
        return;
    }
    const double chi = ChiQuadrat(s.gezogen);
    aus << "Chi-Quadrat " << chi << " bei 5 Freiheitsgraden, p = " << ChiQuadratP(chi, 5)
        << "\n  (erst ein p unter 0.01 waere auffaellig)\n";
}

void Zusammenfassung(std::ostream& aus, const Spielstatistik& s) {
    const double spiele = s.spiele > 0 ? s.spiele : 1;
    aus << "Spiele: " << s.spiele;
    if (s.abgebrochen > 0) aus << " (abgebrochen: " << s.abgebrochen << ")";
    aus << "\n";
    aus << "Wuerfe je Spiel: " << static_cast<double>(s.wuerfe) / spiele << "\n";
    aus << "Zuege je Spiel: " << static_cast<double>(s.zuege) / spiele << "\n";
    aus << "Plaetze je Farbe (1. 2. 3. 4. ohne Platz):\n";
    for (int c = 1; c <= 4; ++c) {
        aus << "  Farbe " << c << ":";
        for (int p = 1; p <= 5; ++p)
            aus << ' ' << s.plaetze[c][p];
        aus << "\n";
    }
    Wuerfelbericht(aus, s);
    aus << "Spiele je Sekunde: ";
    if (s.sekunden > 0) {
        aus << static_cast<double>(s.spiele) / s.sekunden;
    } else {
        aus << "-";
    }
    aus << "\n";
}

} // namespace

int BefehlSpielen(const std::vector<std::string>& argumente) {
    return BefehlAusfuehren(
        "spielen", SpielenArgumenteLesen(argumente), Hilfe,
        [](const SpielenAuftrag& auftrag, const Tabellen& daten) {
            const bool fortschritt = isatty(STDERR_FILENO) != 0;
            const Spielstatistik statistik =
                SpieleSpielen(daten, auftrag, auftrag.protokoll ? stdout : nullptr, fortschritt);
            std::fflush(stdout);
            Zusammenfassung(auftrag.protokoll ? std::cerr : std::cout, statistik);
            return 0;
        });
}

} // namespace pelu
