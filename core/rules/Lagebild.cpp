#include "rules/Lagebild.h"

namespace pelu {

Lagebild::Lagebild(const Figurentabelle& Figur) : figur_(&Figur) {
    // Bit g for figure g, gathered in plain words without a branch on any
    // figure and made sets at the end.
    uint32_t imSpiel = 0, zuHause = 0, unterwegs = 0, aufDemRing = 0, heimschickbar = 0,
             sperrend = 0;
    std::array<uint32_t, 9> vonSpieler{};
    for (int g = 1; g <= FigurAnzahl; ++g) {
        const FigurDaten& fig = Figur[g];
        const int16_t zustand = fig.Zustand;
        const auto bit = [g](bool ja) { return static_cast<uint32_t>(ja) << g; };
        imSpiel |= bit(fig.Spieler >= 1);
        zuHause |= bit(zustand == ZustandHeim);
        unterwegs |= bit((zustand != ZustandAusserSpiel) & (zustand != ZustandHeim) &
                         (zustand != ZustandZiel));
        aufDemRing |= bit(fig.Feld <= Ringlaenge);
        heimschickbar |= bit((fig.Farbstapel >= 1) & (zustand == ZustandStrecke));
        // Figures at home or in the goal stack up too, but no passage and no
        // movable figure's field lies there.
        sperrend |= bit((fig.Farbstapel >= 2) & (fig.Feld <= LetztesEinlauffeld));
        // Arrival orders are gap-free, so a figure with Stapel 8 marks a full
        // field; of several, the highest-numbered one counts.
        VollesFeld = fig.Stapel == 8 ? fig.Feld : VollesFeld;
        if (fig.Spieler >= 0 && fig.Spieler <= 8)
            vonSpieler[static_cast<std::size_t>(fig.Spieler)] |= bit(true);
    }
    ImSpiel = Figurenmenge(imSpiel);
    ZuHause = Figurenmenge(zuHause);
    Unterwegs = Figurenmenge(unterwegs);
    AufDemRing = Figurenmenge(aufDemRing);
    Heimschickbar = Figurenmenge(heimschickbar);
    Sperrend = Figurenmenge(sperrend);
    for (std::size_t p = 0; p < vonSpieler.size(); ++p)
        vonSpieler_[p] = Figurenmenge(vonSpieler[p]);
}

Figurenmenge Lagebild::Eigene(int16_t spieler) const {
    if (spieler >= 0 && spieler <= 8) return vonSpieler_[static_cast<std::size_t>(spieler)];
    // A player value no scroll bar gives: only a faulty table has it.
    Figurenmenge eigene;
    for (int g = 1; g <= FigurAnzahl; ++g)
        eigene.HinzufuegenFalls(g, (*figur_)[g].Spieler == spieler);
    return eigene;
}

Figurenmenge Lagebild::Gegner(int16_t spieler) const {
    return ImSpiel.Ohne(Eigene(spieler));
}

} // namespace pelu
