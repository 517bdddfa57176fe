#pragma once

namespace pelu {

// A picture drawn at build time (bildmaler, with the drawing code of
// Bilder.h): its picture-cache key and premultiplied ARGB pixels, rows
// packed.
struct VorgemaltesBild {
    const char* schluessel;
    int breite, hoehe;
    const unsigned char* daten;
};
// Written by bildmaler into the build folder; only the program links it.
extern const VorgemaltesBild VorgemalteBilder[];
extern const int VorgemalteBilderAnzahl;

// Puts the pictures into the picture cache, where SymbolBild and FigurBild
// find them instead of drawing them again at start. Without it (the tests)
// they are drawn, as they are for other device pixel ratios.
void VorgemalteBilderEinlegen(const VorgemaltesBild* bilder, int anzahl);

} // namespace pelu
