#include "Dateiwerte.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "state/Rundung.h"
#include "state/Spielzustand.h"

namespace pelu::brett {

namespace {

// One axis of the conversion: the loader's single-precision factor, the
// exact ratio behind it, and the centre.
struct Achse {
    float faktor;
    double verhaeltnis;
    int mitte;
    const char* name;
};

// The shipped file is made for the desktop board's centre.
const Achse Waagrecht{640.0f / 600.0f, 16.0 / 15.0, BrettmitteX, "x"};
const Achse Senkrecht{480.0f / 330.0f, 16.0 / 11.0, BrettmitteY, "y"};

int Umrechnen(int16_t wert, const Achse& achse) {
    const float produkt = static_cast<float>(wert) * achse.faktor;
    const float pixel = produkt + static_cast<float>(achse.mitte);
    // A value close to a half would make the board depend on how a loader
    // rounds; with these ratios none comes closer than 1/22 pixel.
    const double genau = wert * achse.verhaeltnis + achse.mitte;
    if (std::abs(genau - std::floor(genau) - 0.5) < 0.01)
        throw std::runtime_error("file value " + std::to_string(wert) + " lies on a half pixel");
    return RundeGerade(pixel);
}

int16_t Dateiwert(int versatz, const Achse& achse) {
    const long naechster = std::lround(versatz / achse.verhaeltnis);
    for (long v = naechster - 2; v <= naechster + 2; ++v)
        if (Umrechnen(static_cast<int16_t>(v), achse) == achse.mitte + versatz)
            return static_cast<int16_t>(v);
    throw std::runtime_error(std::string("no file value gives the ") + achse.name + " offset " +
                             std::to_string(versatz));
}

} // namespace

int16_t DateiwertX(int versatz) {
    return Dateiwert(versatz, Waagrecht);
}
int16_t DateiwertY(int versatz) {
    return Dateiwert(versatz, Senkrecht);
}

} // namespace pelu::brett
