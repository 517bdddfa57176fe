#pragma once
#include <QColor>
#include <QPushButton>

namespace pelu {

// Graphical command buttons: the picture lies on a face of its own colour.
// A disabled button is shown with its face turned grey by the caller.
void KnopfgesichtSetzen(QPushButton& knopf, const QColor& gesicht);
QColor Knopfgesicht(const QPushButton& knopf);
// The raised border grows with the window's factor (2 pixels at 1).
void KnopfskalaSetzen(QPushButton& knopf, double skala);

// Faces of the game buttons.
namespace Gesicht {
inline const QColor Grau(192, 192, 192);
inline const QColor Hellgelb(255, 255, 128);
inline const QColor Hellgruen(128, 255, 128);
inline const QColor Hellrot(255, 128, 128);
inline const QColor Hellcyan(128, 255, 255);
} // namespace Gesicht

} // namespace pelu
