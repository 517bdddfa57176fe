#pragma once
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace pelu {

// Every picture of the game is drawn here in code; nothing is read from files.
// Sizes are in pixels of the window; `faktor`, the screen's device pixel
// ratio, gives the picture that many pixels per window pixel, so it is drawn
// with the screen's detail instead of being enlarged.

// Figure of colour 1..4: a shaded disc filling 15 x 15 pixels on a transparent
// background. Any other colour number gives a grey disc.
QPixmap FigurBild(int farbe, double faktor = 1.0);

// The picture cache's keys of a figure and of a symbol (Vorgemalt.h puts
// pictures drawn at build time there).
QString FigurSchluessel(int farbe, double faktor);

// Pointing hand, 32 x 32, hot spot (12, 1) at the tip of the index finger;
// `skala` times that in a scaled window.
QCursor HandZeiger(double skala = 1.0);
QPixmap HandZeigerBild(double skala = 1.0);

enum class Symbol { MannFrau, Computer, Pfeil, Stopp, Fragezeichen, Kreuz, Brett };

// A symbol drawn at groesse x groesse pixels (designed for 32).
QPixmap SymbolBild(Symbol symbol, int groesse = 32, double faktor = 1.0);
QString SymbolSchluessel(Symbol symbol, int groesse, double faktor);
// The symbol as an icon holding the 32 x 32 and 16 x 16 pictures, and both
// again at the device pixel ratio `faktor` when that is not 1; shown at
// another size (`groesse`, a button's icon in a scaled window) it holds
// that one too.
QIcon SymbolIcon(Symbol symbol, double faktor = 1.0, int groesse = 32);

} // namespace pelu
