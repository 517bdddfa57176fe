#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>

#include "Befehle.h"
#include "Befehlsrahmen.h"
#include "Kennzahlen.h"
#include "SimDaten.h"
#include "Spielverteiler.h"
#include "TurnierAuftrag.h"
#include "Turnierwertung.h"

namespace pelu {

namespace {

const char* const Hilfe =
    "Aufruf: pelu-sim turnier --gegner DATEI [--daten DATEI] [--spiele N] [--saat S]\n"
    "                         [--jobs J] [--turbo]\n"
    "\n"
    "Laesst die Taktiktabelle der Datendatei (Tabelle A) gegen die einer zweiten\n"
    "Datendatei (Tabelle B) spielen: vier Computerspieler (5, 6, 7, 8), zwei Farben mit\n"
    "Tabelle A, zwei mit Tabelle B; die Sitzordnung wechselt von Spiel zu Spiel durch\n"
    "alle sechs Paare von Farben (12, 13, 14, 23, 24, 34 fuer A). Brett und Baenke\n"
    "kommen aus der Datendatei, von B zaehlt nur die Taktiktabelle.\n"
    "\n"
    "  --gegner DATEI   die Datendatei mit Tabelle B (muss fehlerfrei laden)\n"
    "  --daten DATEI    die Datendatei mit Tabelle A (Vorgabe: Peludaten.txt im aktuellen\n"
    "                   Ordner, sonst im Datenordner des Spiels)\n"
    "  --spiele N       Anzahl der Spiele, aufgerundet auf ein Vielfaches von 6 (Vorgabe 6000)\n"
    "  --saat S         Saat des Zufalls, damit ein Lauf wiederholbar ist\n"
    "  --jobs J         auf J Threads spielen (Vorgabe 1, 0 = einer je Kern)\n"
    "  --turbo          im Schnellgang spielen\n"
    "  --help           diese Hilfe\n"
    "\n"
    "Ausgabe: spiele N / siege_a K (Spiele, die eine Farbe mit Tabelle A gewann) /\n"
    "         anteil K/N / intervall L U (95-%-Wilson-Intervall des Anteils).\n"
    "Gleich gute Tabellen ergeben einen Anteil nahe 0.5; abgebrochene Spiele gewinnt keiner.\n";

// A's tables with B's tactic rows: B plays on A's board and benches.
pelu::Tabellen MitTaktikVon(const pelu::Tabellen& brett, const pelu::Tabellen& taktik) {
    pelu::Tabellen gemischt = brett;
    std::memcpy(gemischt.Taktikdaten, taktik.Taktikdaten, sizeof gemischt.Taktikdaten);
    return gemischt;
}

int TurnierSpielen(const TurnierAuftrag& auftrag, const Tabellen& a, const Tabellen& b) {
    const Tabellen tabelleB = MitTaktikVon(a, b);

    Turnierstand stand;
    SpieleVerteilen(
        a, LaufVorgaben(auftrag.lauf), auftrag.lauf.spiele, auftrag.lauf.jobs,
        isatty(STDERR_FILENO) != 0,
        [&](pelu::Spiel& spiel, int nummer) {
            const auto sitzeA = SitzeVonA(nummer);
            for (int c = 1; c <= pelu::FarbAnzahl; ++c)
                spiel.TaktikSetzen(c, sitzeA[c] ? a : tabelleB);
        },
        [&](int nummer, const Spielergebnis& ergebnis) { stand.Hinzufuegen(nummer, ergebnis); });

    const Intervall intervall = Wilsonintervall(stand.siegeA, stand.spiele);
    std::printf("spiele %lld\nsiege_a %lld\nanteil %.4f\nintervall %.4f %.4f\n",
                static_cast<long long>(stand.spiele), static_cast<long long>(stand.siegeA),
                static_cast<double>(stand.siegeA) / static_cast<double>(stand.spiele),
                intervall.unten, intervall.oben);
    return 0;
}

} // namespace

int BefehlTurnier(const std::vector<std::string>& argumente) {
    return BefehlAusfuehren("turnier", TurnierArgumenteLesen(argumente), Hilfe,
                            [](const TurnierAuftrag& auftrag, const Tabellen& a) {
                                const std::optional<Tabellen> b = SimDatenLaden(auftrag.gegner);
                                if (!b) return 1;
                                return TurnierSpielen(auftrag, a, *b);
                            });
}

} // namespace pelu
