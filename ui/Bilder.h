#pragma once
#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace pelu {

// Every picture of the game is drawn here in code; nothing is read from files.

// Figure of colour 1..4: a shaded disc filling 15 x 15 pixels on a transparent
// background. Any other colour number gives a grey disc.
QPixmap FigurBild(int farbe);

// Pointing hand, 32 x 32, hot spot (12, 1) at the tip of the index finger.
QCursor HandZeiger();
QPixmap HandZeigerBild();

enum class Symbol { MannFrau, Computer, Pfeil, Stopp, Fragezeichen, Kreuz, Brett };

// A symbol drawn at groesse x groesse pixels (designed for 32).
QPixmap SymbolBild(Symbol symbol, int groesse = 32);
// The symbol as an icon holding the 32 x 32 and 16 x 16 pictures.
QIcon SymbolIcon(Symbol symbol);

inline QIcon SymbolMannFrau() {
    return SymbolIcon(Symbol::MannFrau);
}
inline QIcon SymbolComputer() {
    return SymbolIcon(Symbol::Computer);
}
inline QIcon SymbolPfeil() {
    return SymbolIcon(Symbol::Pfeil);
}
inline QIcon SymbolStopp() {
    return SymbolIcon(Symbol::Stopp);
}
inline QIcon SymbolFragezeichen() {
    return SymbolIcon(Symbol::Fragezeichen);
}
inline QIcon SymbolKreuz() {
    return SymbolIcon(Symbol::Kreuz);
}
inline QIcon BrettSymbol() {
    return SymbolIcon(Symbol::Brett);
}

} // namespace pelu
