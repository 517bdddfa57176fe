#include "Spieltisch.h"

using namespace pelu;

Tischvorgaben LaufVorgaben(const simarg::Laufoptionen& lauf) {
    Tischvorgaben vorgaben;
    vorgaben.turbo = lauf.turbo;
    vorgaben.saat = lauf.saat ? *lauf.saat : UhrSaat();
    return vorgaben;
}

Spieltisch::Spieltisch(const Tabellen& daten, const Tischvorgaben& vorgaben)
    : vorgaben_(vorgaben), wuerfel_(vorgaben.saat, vorgaben.wuerfel),
      zaehler_(wuerfel_, vorgaben.protokoll), spiel_(daten, form_, wuerfel_) {
    for (int c = 1; c <= FarbAnzahl; ++c)
        form_.Spielerwerte[c] = vorgaben.spieler[c - 1];
    spiel_.BeobachterSetzen(&zaehler_);
    // The start-up rolls only put faces on the dice: they draw from a source
    // of their own, so every game's stream (and a scripted list) starts with
    // that game's first draw.
    Zufallsgenerator anlauf(vorgaben.saat);
    spiel_.Initialisierung(anlauf);
    if (vorgaben.turbo) spiel_.BefehlTurbo(true);
}

void Spieltisch::Spielen(int nummer, Spielergebnis& ergebnis) {
    wuerfel_.NeuesSpiel(nummer);
    zaehler_.Beginnen(nummer, ergebnis);
    spiel_.BefehlStart();
    const Spielzustand& z = spiel_.Zustand();
    bool abbruch = false;
    form_.Uhr.LaufenImZeitraffer(spiel_, [&](VirtuelleUhr::Takt) {
        if (wuerfel_.Aufgebraucht() ||
            (z.Spielphase == Phase::Wuerfeln && zaehler_.Wuerfe() >= vorgaben_.maxWuerfe)) {
            abbruch = true;
            return false;
        }
        // A human player always takes the proposal.
        if (z.Spielphase == Phase::WartenFigurwahl && z.Gewaehlt == 0)
            spiel_.KlickFigur(z.Hilfsfigur);
        return true;
    });
    // A cut-off game is stopped, so the next start cuts its turn off.
    if (abbruch) spiel_.BefehlStopp();
    zaehler_.Beenden(abbruch);
}
