#include "Spielrunde.h"

#include <chrono>

#include "Fortschritt.h"
#include "Spieltisch.h"
#include "state/Zufall.h"

Spielstatistik SpieleSpielen(const pelu::Tabellen& daten, const SpielenAuftrag& auftrag,
                             std::FILE* protokoll, bool fortschritt) {
    Tischvorgaben vorgaben;
    vorgaben.spieler = auftrag.spieler;
    vorgaben.turbo = auftrag.turbo;
    vorgaben.protokoll = protokoll != nullptr;
    vorgaben.maxWuerfe = auftrag.maxWuerfe;
    vorgaben.saat = auftrag.saat ? *auftrag.saat : pelu::UhrSaat();
    vorgaben.wuerfel = auftrag.wuerfel ? &*auftrag.wuerfel : nullptr;
    Spieltisch tisch(daten, vorgaben);

    Spielstatistik statistik;
    Fortschritt anzeige(fortschritt, auftrag.spiele);
    Spielergebnis ergebnis;
    const auto anfang = std::chrono::steady_clock::now();
    for (int n = 1; n <= auftrag.spiele; ++n) {
        tisch.Spielen(n, ergebnis);
        if (protokoll != nullptr)
            std::fwrite(ergebnis.protokoll.data(), 1, ergebnis.protokoll.size(), protokoll);
        ++statistik.spiele;
        if (ergebnis.abgebrochen) ++statistik.abgebrochen;
        statistik.wuerfe += ergebnis.wuerfe;
        statistik.zuege += ergebnis.zuege;
        for (int c = 1; c <= pelu::FarbAnzahl; ++c)
            ++statistik.plaetze[c][ergebnis.platz[c] > 0 ? ergebnis.platz[c] : 5];
        anzeige.Melden(n);
    }
    statistik.sekunden =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    return statistik;
}
