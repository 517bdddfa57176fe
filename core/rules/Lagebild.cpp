#include "rules/Lagebild.h"

namespace pelu {

Lagebild::Lagebild(const Figurentabelle& Figur) : figur_(&Figur) {
    for (int g = 1; g <= FigurAnzahl; ++g) {
        const FigurDaten& fig = Figur[g];
        const int16_t zustand = fig.Zustand;
        ImSpiel.HinzufuegenFalls(g, fig.Spieler >= 1);
        ZuHause.HinzufuegenFalls(g, zustand == ZustandHeim);
        Unterwegs.HinzufuegenFalls(g, (zustand != ZustandAusserSpiel) & (zustand != ZustandHeim) &
                                          (zustand != ZustandZiel));
        AufDemRing.HinzufuegenFalls(g, fig.Feld <= Ringlaenge);
        Heimschickbar.HinzufuegenFalls(g, (fig.Farbstapel >= 1) & (zustand == ZustandStrecke));
        // Figures at home or in the goal stack up too, but no passage and no
        // movable figure's field lies there.
        Sperrend.HinzufuegenFalls(g, (fig.Farbstapel >= 2) & (fig.Feld <= LetztesEinlauffeld));
        // Arrival orders are gap-free, so a figure with Stapel 8 marks a full
        // field; of several, the highest-numbered one counts.
        if (fig.Stapel == 8) VollesFeld = fig.Feld;
        if (fig.Spieler >= 0 && fig.Spieler <= 8)
            vonSpieler_[static_cast<std::size_t>(fig.Spieler)].Hinzufuegen(g);
    }
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
