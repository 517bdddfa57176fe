#include "Fensteraufbau.h"

#include <QScrollBar>

#include "Druckfeld.h"
#include "Fenstergroesse.h"
#include "Spielerwahl.h"
#include "state/Spielzustand.h"

namespace pelu {

namespace {

// Positions in the four corners: index 0 bottom left, 1 bottom right,
// 2 top right, 3 top left. `links`/`oben` are the distances of the left
// corners from the left edge and of the top corners from the top edge,
// `rechts`/`unten` those of the control's far edge from the right and
// bottom edges.
void InDieEcke(QWidget& w, int index, QSize brett, int links, int rechts, int oben, int unten) {
    const bool rechtsseitig = index == 1 || index == 2;
    const bool unterseitig = index == 0 || index == 1;
    w.move(rechtsseitig ? brett.width() - w.width() - rechts : links,
           unterseitig ? brett.height() - w.height() - unten : oben);
}

} // namespace

Brettmasse Fensteraufbau(QWidget& fenster, Bedienelemente& e, Spielerwahl& wahl) {
    Brettfeld& brett = *e.picSpielfeld;
    brett.GroesseSetzen(Brettgroesse.width(), Brettgroesse.height());
    const QSize b = brett.size();

    Brettmasse masse;
    masse.MitteX = BrettMitte(brett.Innengroesse().width());
    masse.MitteY = BrettMitte(brett.Innengroesse().height());

    // A margin of 20 right of the board, and below it the margin it has above.
    // The window may grow from there, and shrink to half (FensterGroessen).
    FensterGroessen(fenster, QSize(b.width() + brett.x() + 20, brett.y() + b.height() + brett.y()));

    for (int i = 0; i < 4; ++i) {
        Bildfeld& wuerfel = *e.picWuerfel[static_cast<size_t>(i)];
        wuerfel.GroesseSetzen(QSize(31, 31));
        InDieEcke(wuerfel, i, b, 18, 18, 18, 18);
    }
    for (int i = 0; i < 4; ++i) {
        InDieEcke(*wahl.picSpieler(i), i, b, 100, 100 - 20, 7, 7);
        InDieEcke(*wahl.picComputer(i), i, b, 100, 100 - 20, 7, 7);
    }
    for (int i = 0; i < 4; ++i)
        InDieEcke(*wahl.vsbSpieler(i), i, b, 165, 165, 7, 7 + 2);

    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            Figurbild& figur = *e.imgFigur[static_cast<size_t>(4 * r + k)];
            figur.resize(Figurbild::Seite, Figurbild::Seite);
            figur.OrtSetzen(QPointF(masse.MitteX - 45 + 25 * k, masse.MitteY - 50 + 25 * r));
        }
    }
    masse.HalbeFigur = static_cast<int16_t>((e.imgFigur[0]->width() - 1) / 2);
    return masse;
}

} // namespace pelu
