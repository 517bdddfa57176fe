#include "rules/Zugausfuehrung.h"

#include "rules/Figurenspalte.h"
#include "rules/Gegnerlage.h"

namespace pelu {

namespace {

// State on arrival; later lines win, so a lane field listed as a bench
// still counts as lane.
void ZustandSetzen(FigurZeile<int16_t> fig, const Tabellen& daten, int ziel) {
    if (IstStreckenfeld(ziel)) fig.Zustand = ZustandStrecke;
    if (IstBank(daten, ziel)) fig.Zustand = ZustandBank;
    if (IstHeimfeld(ziel)) {
        fig.Zustand = ZustandHeim;
        fig.Weg = 0;
    }
    if (ziel >= ErstesEinlauffeld && ziel <= LetztesEinlauffeld) fig.Zustand = ZustandEinlauf;
    if (IstZielfeld(ziel)) fig.Zustand = ZustandZiel;
}

} // namespace

int16_t PlatzSuchen(const Figurentabelle& Figur, int16_t ziel) {
    unsigned belegt = 0; // bit p for slot p
    Figurenmenge(Figurenspalte(Figur.Feld).Gleich(ziel)).FuerJedes([&](int16_t g) {
        const unsigned platz = static_cast<uint16_t>(Figur[g].Platz);
        belegt |= static_cast<unsigned>(platz - 1u < 9u) << (platz & 15u);
    });
    // Main slots first, slot 1 last of them; overflow slots after.
    static constexpr int16_t Reihenfolge[] = {2, 3, 4, 1, 5, 6, 7, 8};
    for (int16_t platz : Reihenfolge) {
        if ((belegt & (1u << platz)) == 0) return platz;
    }
    return 9;
}

void FigurSetzen(Figurentabelle& Figur, const Tabellen& daten, int16_t figur, int16_t ziel,
                 int16_t platz, int16_t schritte) {
    if (!IstFigur(figur)) return;
    const auto fig = Figur[figur];
    fig.Weg = static_cast<int16_t>(fig.Weg + schritte);
    const int alt = fig.Feld;

    // The figures that came after it onto the field it leaves move up one
    // place in the arrival order; on the target it arrives after every
    // figure already there (whose order is at least 1, counted after that
    // move up, should the target be the same field).
    const Figurenspalte feld(Figur.Feld), stapel(Figur.Stapel);
    const uint32_t ruecken = feld.Gleich(static_cast<int16_t>(alt)) & stapel.Groesser(fig.Stapel);
    Figurenmenge(ruecken).FuerJedes([&](int16_t g) { --Figur[g].Stapel; });
    const uint32_t angekommen = (stapel.Groesser(0) & ~ruecken) | (stapel.Groesser(1) & ruecken);
    int anzahl = Bitzahl(feld.Gleich(ziel) & angekommen);
    fig.Stapel = static_cast<int16_t>(anzahl + 1);

    const int farbe = FarbeVonFigur(figur);
    anzahl = 0;
    for (int g = ErsteFigur(farbe); g <= LetzteFigur(farbe); ++g) {
        if (Figur[g].Feld == alt && Figur[g].Farbstapel > fig.Farbstapel) --Figur[g].Farbstapel;
        if (Figur[g].Feld == ziel && Figur[g].Farbstapel >= 1) ++anzahl;
    }
    fig.Farbstapel = static_cast<int16_t>(anzahl + 1);

    fig.Feld = ziel;
    fig.Platz = platz;
    ZustandSetzen(fig, daten, ziel);
}

int16_t PlatzNachruecken(const Figurentabelle& Figur, int16_t feld, int16_t platz) {
    // Leaving an overflow slot frees no main place.
    if (platz >= 5) return 0;
    // Of the figures in overflow slots of the field, the one in the highest;
    // the lowest-numbered of equals.
    const uint32_t kandidaten =
        Figurenspalte(Figur.Feld).Gleich(feld) & Figurenspalte(Figur.Platz).Groesser(4);
    int16_t nachruecker = 0;
    Figurenmenge(kandidaten).FuerJedes([&](int16_t g) {
        if (nachruecker == 0 || Figur[g].Platz > Figur[nachruecker].Platz) nachruecker = g;
    });
    return nachruecker;
}

int16_t NaechsterHeimkehrer(Figurenmenge& heimschicken) {
    return heimschicken.ErsteNehmen();
}

} // namespace pelu
