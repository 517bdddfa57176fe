#pragma once
#include <QSize>
#include <QWidget>
#include <cstdint>

#include "Entwurf.h"

namespace pelu {

class Spielerwahl;

// What the layout computes for the game: the board centre from the board's
// inner size and the figure images' half size.
struct Brettmasse {
    int16_t MitteX = 0;
    int16_t MitteY = 0;
    int16_t HalbeFigur = 0;
};

constexpr QSize Brettgroesse(601, 551);

// Sizes the board, sizes the window around it and places the board's
// controls from the board's edges. Runs once at load; the start-up values
// of the game are then applied from the result.
Brettmasse Fensteraufbau(QWidget& fenster, Bedienelemente& e, Spielerwahl& wahl);

} // namespace pelu
