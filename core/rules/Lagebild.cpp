#include "rules/Lagebild.h"

#include <bit>

#include "rules/Figurenspalte.h"

namespace pelu {

Lagebild::Lagebild(const Figurentabelle& Figur) : spieler_(Figur.Spieler) {
    // Each set is a comparison of one or two attributes across all sixteen
    // figures, without a branch on any figure.
    const Figurenspalte feld(Figur.Feld), zustand(Figur.Zustand), stapel(Figur.Stapel),
        farbstapel(Figur.Farbstapel);
    ImSpiel = Figurenmenge(spieler_.Groesser(0));
    ZuHause = Figurenmenge(zustand.Gleich(ZustandHeim));
    Unterwegs = Figurenmenge(~(zustand.Gleich(ZustandAusserSpiel) | zustand.Gleich(ZustandHeim) |
                               zustand.Gleich(ZustandZiel)));
    AufDemRing = Figurenmenge(feld.Kleiner(Ringlaenge + 1));
    Heimschickbar = Figurenmenge(farbstapel.Groesser(0) & zustand.Gleich(ZustandStrecke));
    // Figures at home or in the goal stack up too, but no passage and no
    // movable figure's field lies there.
    Sperrend = Figurenmenge(farbstapel.Groesser(1) & feld.Kleiner(LetztesEinlauffeld + 1));
    // Arrival orders are gap-free, so a figure with Stapel 8 marks a full
    // field; of several, the highest-numbered one counts.
    const uint32_t volle = stapel.Gleich(8);
    VollesFeld = volle == 0 ? int16_t{0} : Figur[std::bit_width(volle) - 1].Feld;
}

Figurenmenge Lagebild::Eigene(int16_t spieler) const {
    return Figurenmenge(spieler_.Gleich(spieler));
}

Figurenmenge Lagebild::Gegner(int16_t spieler) const {
    return ImSpiel.Ohne(Eigene(spieler));
}

} // namespace pelu
