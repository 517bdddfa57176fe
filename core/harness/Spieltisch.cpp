#include "harness/Spieltisch.h"

#include <utility>

namespace pelu {

bool VorschlagNehmen(Spiel& spiel) {
    const Spielzustand& z = spiel.Zustand();
    if (z.Spielphase != Phase::WartenFigurwahl || z.Gewaehlt != 0) return false;
    spiel.KlickFigur(z.Hilfsfigur);
    return true;
}

Spieltisch::Spieltisch(const Tabellen& tabellen, const std::array<int16_t, FarbAnzahl>& spieler,
                       Skriptwuerfel wuerfelquelle, uint64_t anlaufSaat)
    : daten(tabellen), wuerfel(std::move(wuerfelquelle)), spiel(daten, form, wuerfel) {
    for (int c = 1; c <= FarbAnzahl; ++c)
        form.Spielerwerte[static_cast<std::size_t>(c)] = spieler[static_cast<std::size_t>(c - 1)];
    spiel.BeobachterSetzen(&protokoll);
    Zufallsgenerator anlauf(anlaufSaat);
    spiel.Initialisierung(anlauf);
}

VirtuelleUhr::Takt Spieltisch::Takt() {
    if (wuerfel.Erschoepft()) return VirtuelleUhr::Takt::Keiner;
    return form.Uhr.TaktGeben(spiel);
}

void Spieltisch::Programmtakt() {
    while (Takt() == VirtuelleUhr::Takt::Fahren) {
    }
}

bool Spieltisch::BisPhase(pelu::Phase phase) {
    for (int i = 0; i < 1000000; ++i) {
        if (phase != pelu::Phase::Keine && Phase() == phase) return true;
        if (Takt() == VirtuelleUhr::Takt::Keiner) return phase == pelu::Phase::Keine;
    }
    return false;
}

} // namespace pelu
