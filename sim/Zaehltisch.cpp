#include "Zaehltisch.h"

namespace pelu {

namespace {

Skriptwuerfel Tischwuerfel(const Tischvorgaben& vorgaben) {
    Skriptwuerfel wuerfel(vorgaben.saat);
    if (vorgaben.wuerfel != nullptr) wuerfel.Augen(*vorgaben.wuerfel);
    return wuerfel;
}

} // namespace

Tischvorgaben LaufVorgaben(const simarg::Laufoptionen& lauf) {
    Tischvorgaben vorgaben;
    vorgaben.turbo = lauf.turbo;
    vorgaben.saat = lauf.saat ? *lauf.saat : UhrSaat();
    return vorgaben;
}

Zaehltisch::Zaehltisch(const Tabellen& daten, const Tischvorgaben& vorgaben)
    : vorgaben_(vorgaben), tisch_(daten, vorgaben.spieler, Tischwuerfel(vorgaben), vorgaben.saat),
      zaehler_(tisch_.wuerfel, vorgaben.protokoll) {
    tisch_.spiel.BeobachterSetzen(&zaehler_);
    if (vorgaben.turbo) tisch_.spiel.BefehlTurbo(true);
}

void Zaehltisch::Spielen(int nummer, Spielergebnis& ergebnis) {
    tisch_.wuerfel.NeuesSpiel(nummer);
    zaehler_.Beginnen(nummer, ergebnis);
    tisch_.spiel.BefehlStart();
    const bool beendet = tisch_.ZuEndeSpielen([&](const Spielzustand& z) {
        return z.Spielphase != Phase::Wuerfeln || zaehler_.Wuerfe() < vorgaben_.maxWuerfe;
    });
    zaehler_.Beenden(!beendet);
}

} // namespace pelu
