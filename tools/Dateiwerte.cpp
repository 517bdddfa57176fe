#include "Dateiwerte.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "game/Rundung.h"

namespace pelu::brett {

namespace {

const float Waagrecht = 640.0f / 600.0f;
const float Senkrecht = 480.0f / 330.0f;

int Umrechnen(int16_t wert, float faktor, int mitte) {
    const float produkt = static_cast<float>(wert) * faktor;
    const float pixel = produkt + static_cast<float>(mitte);
    // A value close to a half would make the board depend on how a loader
    // rounds; with these factors none comes closer than 1/22 pixel.
    const double genau = wert * (faktor == Waagrecht ? 16.0 / 15.0 : 16.0 / 11.0) + mitte;
    if (std::abs(genau - std::floor(genau) - 0.5) < 0.01)
        throw std::runtime_error("file value " + std::to_string(wert) + " lies on a half pixel");
    return RundeGerade(pixel);
}

int16_t Dateiwert(int versatz, float faktor, int mitte, const char* achse) {
    const long naechster = std::lround(versatz / static_cast<double>(faktor));
    for (long v = naechster - 2; v <= naechster + 2; ++v)
        if (Umrechnen(static_cast<int16_t>(v), faktor, mitte) == mitte + versatz)
            return static_cast<int16_t>(v);
    throw std::runtime_error(std::string("no file value gives the ") + achse + " offset " +
                             std::to_string(versatz));
}

} // namespace

int16_t DateiwertX(int versatz) {
    return Dateiwert(versatz, Waagrecht, MitteX, "x");
}
int16_t DateiwertY(int versatz) {
    return Dateiwert(versatz, Senkrecht, MitteY, "y");
}
int PixelX(int16_t wert) {
    return Umrechnen(wert, Waagrecht, MitteX);
}
int PixelY(int16_t wert) {
    return Umrechnen(wert, Senkrecht, MitteY);
}

} // namespace pelu::brett
