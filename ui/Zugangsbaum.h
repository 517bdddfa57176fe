#pragma once

class QWidget;

namespace pelu {

// The shape of the tree assistive tools read: the game's windows are frames
// (not anonymous fillers), and of each colour's two player pictures on the
// board (person and computer, at one place) only the one shown is there.
// Once per program, before the first window; more calls do nothing.
void ZugangsbaumEinrichten();

// After a player picture on the board may have been shown or hidden: tells
// assistive tools that it came into the tree or left it when that differs
// from `gezeigt`, what they were last told, and updates it.
void SpielerbildGewechselt(QWidget& bild, bool& gezeigt);

} // namespace pelu
