#include "rules/Zugregeln.h"

#include <array>

#include "rules/Figurenspalte.h"
#include "rules/Gegnerlage.h"
#include "rules/Lagebild.h"

namespace pelu {

namespace {

// The figures standing strictly between `von` and the target of `zug`
// along its passage, which may break after Abschnittende and resume at
// Abschnittanfang (Abschnittende 0: unbroken); bit g for figure g. All
// sixteen are compared at once: whether a figure stands on a passage cannot
// be foreseen, and this is asked for every candidate of every roll.
uint32_t AufDemDurchgang(const Figurentabelle& Figur, int16_t von, const Zugziel& zug) {
    const Figurenspalte feld(Figur.Feld);
    const uint32_t nachVon = feld.Groesser(von), vorZiel = feld.Kleiner(zug.Zielfeld);
    if (zug.Abschnittende == 0) return nachVon & vorZiel;
    // x <= Abschnittende and Abschnittanfang <= x, without stepping past
    // the ends of the number range.
    return (nachVon & ~feld.Groesser(zug.Abschnittende)) |
           (~feld.Kleiner(zug.Abschnittanfang) & vorZiel);
}

// The blocking figures and the full field, the same for every figure of the
// roll. Blocks are few, so the checks of each figure look at them only
// instead of at the whole table.
class Sperrlage {
  public:
    explicit Sperrlage(const Lagebild& lage)
        : sperrend_(lage.Sperrend), vollesFeld_(lage.VollesFeld) {}

    // A figure that arrived after a blocking figure on its field stays there
    // while that figure blocks; on the exit field only its own colour's
    // earlier exits (distance 5 as well) hold it.
    bool Gehalten(const Figurentabelle& Figur, int f) const {
        const auto fig = Figur[f];
        return sperrend_.Irgendeins([&](int16_t g) {
            const auto andere = Figur[g];
            if (andere.Feld != fig.Feld || andere.Stapel >= fig.Stapel) return false;
            return fig.Weg > 5 || (fig.Weg == 5 && andere.Weg == 5);
        });
    }

    bool Gesperrt(const Figurentabelle& Figur, int16_t von, const Zugziel& zug) const {
        return !sperrend_.Leer() &&
               !Figurenmenge(AufDemDurchgang(Figur, von, zug)).Und(sperrend_).Leer();
    }

    // Nobody may become the ninth figure on a field; 0 when no field is full.
    int VollesFeld() const { return vollesFeld_; }

  private:
    Figurenmenge sperrend_;
    int vollesFeld_;
};

// Target and passage of a figure on the board; Zielfeld 0 when it cannot move.
Zugziel ZielBestimmen(const Figurentabelle& Figur, const Sperrlage& sperren, int f, int s) {
    const auto fig = Figur[f];
    const int p = fig.Feld;
    const int d = fig.Weg;
    const int summe = d + s;
    Zugziel zug;
    int ziel = 0;    // target as the block test sees it
    int endziel = 0; // target actually taken
    if (summe <= WegAmWendefeld) {
        ziel = p + s;
        if (ziel > Ringlaenge) {
            ziel -= Ringlaenge;
            zug.Abschnittende = Ringlaenge;
            zug.Abschnittanfang = 1;
        }
        endziel = ziel;
    } else if (summe < WegImZiel && d > WegAmWendefeld) {
        ziel = endziel = p + s;
    } else if (summe < WegImZiel) {
        ziel = endziel = p + s - fig.Wendefeld + fig.Einlauf - 1;
        zug.Abschnittende = fig.Wendefeld;
        zug.Abschnittanfang = fig.Einlauf;
    } else if (summe == WegImZiel) {
        ziel = fig.Einlauf + Einlauflaenge;
        if (d <= WegAmWendefeld) {
            zug.Abschnittende = fig.Wendefeld;
            zug.Abschnittanfang = fig.Einlauf;
        }
        endziel = fig.Heimfeld + 4;
    } else {
        return zug; // the goal needs an exact roll
    }
    const Zugziel durchgang{static_cast<int16_t>(ziel), zug.Abschnittende, zug.Abschnittanfang};
    if (!sperren.Gesperrt(Figur, fig.Feld, durchgang))
        zug.Zielfeld = static_cast<int16_t>(endziel);
    return zug;
}

} // namespace

Zugmoeglichkeit ZuegeErmitteln(const Figurentabelle& Figur, int16_t spieler, int16_t wurf) {
    return ZuegeErmitteln(Figur, Lagebild(Figur), spieler, wurf);
}

Zugmoeglichkeit ZuegeErmitteln(const Figurentabelle& Figur, const Lagebild& lage, int16_t spieler,
                               int16_t wurf) {
    Zugmoeglichkeit ergebnis;
    ergebnis.Schritte = wurf == 6 ? int16_t{12} : wurf;
    const int s = ergebnis.Schritte;

    // A die never shows anything else; such a value moves nobody.
    if (wurf < 1 || wurf > 6) return ergebnis;

    // Nobody may become the ninth figure on a field: a target there is none.
    const Sperrlage sperren(lage);
    const int voll = sperren.VollesFeld();
    const auto zielSetzen = [&](int f, const Zugziel& zug) {
        if (zug.Zielfeld == voll) return;
        ergebnis.Ziele[f] = zug;
        if (zug.Zielfeld > 0) ergebnis.Moeglich = true;
    };

    // The player's figures at home and those on the board.
    const Figurenmenge eigene = lage.Eigene(spieler);
    const Figurenmenge zuHause = lage.ZuHause.Und(eigene);
    const Figurenmenge unterwegs = lage.Unterwegs.Und(eigene);

    if (s == 5 && !zuHause.Leer()) {
        // With a 5, a player with a figure at home must bring one out.
        zuHause.FuerJedes([&](int16_t f) {
            const int ausgang = AufDemRing(Figur[f].Wendefeld + WegAmAusgang);
            zielSetzen(f, {static_cast<int16_t>(ausgang), 0, 0});
        });
    } else {
        unterwegs.FuerJedes([&](int16_t f) {
            if (!sperren.Gehalten(Figur, f)) zielSetzen(f, ZielBestimmen(Figur, sperren, f, s));
        });
    }
    return ergebnis;
}

Figurenmenge Heimschickbare(const Lagebild& lage, int16_t spieler) {
    return lage.Heimschickbar.Und(lage.Gegner(spieler));
}

Figurenmenge HeimschickenMarkieren(const Figurentabelle& Figur, const Figurenmenge& heimschickbare,
                                   int16_t figur, const Zugziel& zug) {
    // A figure without a target does not move and passes nobody.
    if (!IstFigur(figur) || zug.Zielfeld <= 0) return {};
    return Figurenmenge(AufDemDurchgang(Figur, Figur[figur].Feld, zug)).Und(heimschickbare);
}

Figurenmenge HeimschickenMarkieren(const Figurentabelle& Figur, const Zugziele& ziele,
                                   int16_t spieler, int16_t figur) {
    if (!IstFigur(figur)) return {};
    return HeimschickenMarkieren(Figur, Heimschickbare(Lagebild(Figur), spieler), figur,
                                 ziele[figur]);
}

} // namespace pelu
