#include "board/Fahrt.h"

#include <cmath>

#include "board/Platzkoordinaten.h"

namespace pelu {

namespace {

// Steps for a distance `d` (single precision) at `tempo` pixels per step:
// one more than the whole step lengths in the distance, so no step is longer
// than `tempo` and a zero distance still takes one step.
int16_t FahrtSchrittzahl(float d, float tempo) {
    // A pace of zero or less would give endless steps; finish at once instead.
    if (!(tempo > 0.0f)) return 1;
    const float anteil = d / tempo;
    if (!(anteil < 32766.0f)) return 32767;
    // A distance is never negative, so cutting off the fraction is the
    // floor, without the library call the floor takes on the x86-64 baseline.
    return static_cast<int16_t>(static_cast<int16_t>(anteil) + 1);
}

} // namespace

Fahrt FahrtAnlegen(const Tabellen& daten, int16_t figur, int16_t vonFeld, int16_t vonPlatz,
                   int16_t zielFeld, int16_t zielPlatz, float tempo) {
    return FahrtAnlegen(Platztabelle(daten), figur, vonFeld, vonPlatz, zielFeld, zielPlatz, tempo);
}

Fahrt FahrtAnlegen(const Platztabelle& plaetze, int16_t figur, int16_t vonFeld, int16_t vonPlatz,
                   int16_t zielFeld, int16_t zielPlatz, float tempo) {
    Fahrt f;
    f.FahrFigur = figur;
    f.VonFeld = vonFeld;
    f.VonPlatz = vonPlatz;
    const Punkt start = plaetze(vonFeld, vonPlatz);
    const Punkt ziel = plaetze(zielFeld, zielPlatz);
    f.StartX = start.x;
    f.StartY = start.y;
    const auto dx = static_cast<float>(static_cast<int16_t>(ziel.x - start.x));
    const auto dy = static_cast<float>(static_cast<int16_t>(ziel.y - start.y));
    const auto d = static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    f.Schrittzahl = FahrtSchrittzahl(d, tempo);
    f.SchrittX = dx / static_cast<float>(f.Schrittzahl);
    f.SchrittY = dy / static_cast<float>(f.Schrittzahl);
    f.Schrittnummer = 0;
    return f;
}

} // namespace pelu
