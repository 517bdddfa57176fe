#pragma once
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace pelu {

// The window opens at its designed client size `entwurf`; it may grow from
// there without bound and shrink to half of it.
void FensterGroessen(QWidget& fenster, QSize entwurf);
QSize Kleinstgroesse(QSize entwurf);

// Where a window of the designed client size `entwurf` opens on a screen
// whose free area is `verfuegbar`, with a frame `rahmen` wide around its
// client area: at the designed size, the client area centred, when that
// fits with the frame; else at the largest factor that fits (half at
// least). Either way the frame lies within the free area, or, on a screen
// too small for half the window, begins at its top left.
QRect Startlage(QSize entwurf, const QRect& verfuegbar, const QMargins& rahmen);

// The window's frame: the window system's once it is known, before the
// first show a common title bar and border.
QMargins Rahmenschaetzung(const QWidget& fenster);

// F11 switches full screen on and off; a maximised window comes back
// maximised.
void VollbildTasteAnlegen(QWidget& fenster);

} // namespace pelu
