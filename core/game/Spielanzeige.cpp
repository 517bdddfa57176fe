#include <algorithm>
#include <charconv>
#include <string>

#include "game/Spiel.h"
#include "rules/Figurenspalte.h"
#include "state/Figurenmenge.h"

namespace pelu {

void Spiel::LiesSpieler() {
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe) {
        const int16_t wert = form_.Spielerwert(farbe);
        for (int f = ErsteFigur(farbe); f <= LetzteFigur(farbe); ++f)
            z_.Figur[f].Spieler = wert;
    }
}

void Spiel::Rangfolge() {
    // A player has finished when none of its figures is short of the goal.
    const Figurenspalte spieler(z_.Figur.Spieler);
    const uint32_t kurzVorDemZiel = Figurenspalte(z_.Figur.Zustand).Kleiner(ZustandZiel);
    const bool jemandSpielt = (spieler.Groesser(0) & kurzVorDemZiel) != 0;
    // A player's colours are looked at through their first figures; one of
    // his has to be in the goal, or he cannot have finished. Mostly none is.
    // Colours ranked before are out of play.
    uint32_t ersteFiguren = 0;
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe)
        if (!z_.Fertig[static_cast<std::size_t>(farbe)]) ersteFiguren |= 1u << ErsteFigur(farbe);
    const Figurenmenge ersteImZiel(spieler.Groesser(0) & ~kurzVorDemZiel & ersteFiguren);
    ersteImZiel.FuerJedes([&](int16_t g) {
        // Ranked already when an earlier colour of the same player was.
        if (z_.Fertig[static_cast<std::size_t>(FarbeVonFigur(g))]) return;
        const int16_t p = z_.Figur[g].Spieler;
        if ((spieler.Gleich(p) & kurzVorDemZiel) != 0) return;
        ++a_.Rangzaehler;
        const std::string platz = std::to_string(a_.Rangzaehler) + ".";
        // One place per player, on the labels of all its colours in colour order.
        for (int farbe = 1; farbe <= FarbAnzahl; ++farbe) {
            if (z_.Figur[ErsteFigur(farbe)].Spieler != p) continue;
            z_.Fertig[static_cast<std::size_t>(farbe)] = true;
            form_.RangSetzen(farbe, platz);
            beobachter_->Rang(farbe, a_.Rangzaehler);
        }
    });
    // Ranking removes finished players only, so those still playing are known.
    a_.Spielstand = jemandSpielt ? Spielstand::Weiter : Spielstand::AlleFertig;
}

void Spiel::ZeigeInfo(int16_t farbNr, const char* text) {
    const int16_t farbe = farbNr >= 1 ? HelleFarbe(farbNr) : int16_t{0};
    form_.InfoSetzen(text, farbe);
}

void Spiel::ZeigeZugzahl() {
    // A label already showing its count is left alone: this runs at the end
    // of every roll, and a count changes at most once a roll.
    if (std::equal(gezeigteZugzahl_.begin() + 1, gezeigteZugzahl_.end(), z_.Zugzahl.begin() + 1))
        return;
    for (int k = 1; k <= FarbAnzahl; ++k) {
        if (gezeigteZugzahl_[k] == z_.Zugzahl[k]) continue;
        gezeigteZugzahl_[k] = z_.Zugzahl[k];
        char ziffern[8];
        const auto ende = std::to_chars(ziffern, ziffern + sizeof ziffern, z_.Zugzahl[k]).ptr;
        form_.ZuganzeigeSetzen(k,
                               std::string_view(ziffern, static_cast<std::size_t>(ende - ziffern)),
                               HelleFarbe(k), 15);
    }
}

} // namespace pelu
