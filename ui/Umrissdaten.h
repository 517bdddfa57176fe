#pragma once
#include <QPainterPath>
#include <QString>

namespace pelu {

// An outline of SymbolTexte as umrissmaler stored it at build time.
struct GespeicherterUmriss {
    const char* text;
    const unsigned char* daten;
    int laenge;
};
// Written by umrissmaler into the build folder (Umrisstabelle.cpp).
extern const GespeicherterUmriss GespeicherteUmrisse[];
extern const int GespeicherteUmrissAnzahl;

// SchriftUmriss(text): the stored outline when there is one, else from the
// fonts.
QPainterPath TextUmriss(const QString& text);

} // namespace pelu
