#include "Spielrunde.h"

#include <chrono>

#include "Fortschritt.h"
#include "Spielverteiler.h"
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

    Spielstatistik statistik;
    Fortschritt anzeige(fortschritt, auftrag.spiele);
    const auto anfang = std::chrono::steady_clock::now();
    SpieleVerteilen(daten, vorgaben, auftrag.spiele, auftrag.jobs, nullptr,
                    [&](int nummer, const Spielergebnis& ergebnis) {
                        if (protokoll != nullptr)
                            std::fwrite(ergebnis.protokoll.data(), 1, ergebnis.protokoll.size(),
                                        protokoll);
                        statistik.Hinzufuegen(ergebnis);
                        anzeige.Melden(nummer);
                    });
    statistik.sekunden =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    return statistik;
}

void Spielstatistik::Hinzufuegen(const Spielergebnis& ergebnis) {
    ++spiele;
    if (ergebnis.abgebrochen) ++abgebrochen;
    wuerfe += ergebnis.wuerfe;
    zuege += ergebnis.zuege;
    for (int c = 1; c <= pelu::FarbAnzahl; ++c)
        ++plaetze[c][ergebnis.platz[c] > 0 ? ergebnis.platz[c] : 5];
    for (int a = 1; a <= 6; ++a) {
        gezogen[a] += ergebnis.gezogen[a];
        gezeigt[a] += ergebnis.gezeigt[a];
    }
}
