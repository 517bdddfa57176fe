#include "Spielrunde.h"

#include "Spielverteiler.h"

namespace pelu {

Spielstatistik SpieleSpielen(const pelu::Tabellen& daten, const SpielenAuftrag& auftrag,
                             std::FILE* protokoll, bool fortschritt) {
    Tischvorgaben vorgaben = LaufVorgaben(auftrag.lauf);
    vorgaben.spieler = auftrag.spieler;
    vorgaben.protokoll = protokoll != nullptr;
    vorgaben.maxWuerfe = auftrag.maxWuerfe;
    vorgaben.wuerfel = auftrag.wuerfel ? &*auftrag.wuerfel : nullptr;

    Spielstatistik statistik;
    statistik.sekunden = SpieleVerteilen(
        daten, vorgaben, auftrag.lauf.spiele, auftrag.lauf.jobs, fortschritt, nullptr,
        [&](int, const Spielergebnis& ergebnis) {
            if (protokoll != nullptr)
                std::fwrite(ergebnis.protokoll.data(), 1, ergebnis.protokoll.size(), protokoll);
            statistik.Hinzufuegen(ergebnis);
        });
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

} // namespace pelu
