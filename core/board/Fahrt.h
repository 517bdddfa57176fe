#pragma once
#include <cstdint>

#include "board/Platzkoordinaten.h"
#include "state/Tabellen.h"

namespace pelu {

// One move animation: the figure glides in a straight line from its slot to
// the target slot in equal steps, one step per animation tick.
struct Fahrt {
    int16_t FahrFigur = 0;
    int16_t VonFeld = 0; // field and slot the figure left; the refill reads them
    int16_t VonPlatz = 0;
    int16_t StartX = 0;
    int16_t StartY = 0;
    float SchrittX = 0.0f;
    float SchrittY = 0.0f;
    int16_t Schrittzahl = 0;
    int16_t Schrittnummer = 0;
};

// Sets up the animation of `figur` from (vonFeld, vonPlatz) to
// (zielFeld, zielPlatz); step 0, nothing moved yet.
Fahrt FahrtAnlegen(const Tabellen& daten, int16_t figur, int16_t vonFeld, int16_t vonPlatz,
                   int16_t zielFeld, int16_t zielPlatz, float tempo);
Fahrt FahrtAnlegen(const Platztabelle& plaetze, int16_t figur, int16_t vonFeld, int16_t vonPlatz,
                   int16_t zielFeld, int16_t zielPlatz, float tempo);

// Centre of the image after a step, and whether it was the last one.
struct Fahrtpunkt {
    float x = 0.0f;
    float y = 0.0f;
    bool Letzter = false;
};

// One step. Each position is computed from the start point, so rounding
// errors do not accumulate.
inline Fahrtpunkt FahrtWeiter(Fahrt& fahrt) {
    ++fahrt.Schrittnummer;
    const auto n = static_cast<float>(fahrt.Schrittnummer);
    return {n * fahrt.SchrittX + static_cast<float>(fahrt.StartX),
            n * fahrt.SchrittY + static_cast<float>(fahrt.StartY),
            fahrt.Schrittnummer >= fahrt.Schrittzahl};
}

} // namespace pelu
