#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "Bildfeld.h"
#include "Brettfeld.h"
#include "Figurbild.h"

namespace pelu {

// The controls of the main window `frmPelu`, by their design names.
struct Bedienelemente {
    Brettfeld* picSpielfeld = nullptr;
    std::array<Figurbild*, 16> imgFigur{};
    std::array<Bildfeld*, 4> picWuerfel{};
    QGroupBox* frmBedienung = nullptr;
    QPushButton* cmdFigurenwahl = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdStop = nullptr;
    QCheckBox* chkTurbo = nullptr;
    QGroupBox* fraZuganzeige = nullptr;
    QLabel* lblZuganzeigetext = nullptr;
    std::array<QLabel*, 4> lblRang{};
    std::array<QLabel*, 4> lblZuganzeige{};
    QLabel* lblInfotext = nullptr;
    QLabel* lblInfo = nullptr;
    QPushButton* cmdHilfe = nullptr;
    QPushButton* cmdRegeln = nullptr;
    QPushButton* cmdBeenden = nullptr;
};

// Design size of the window's client area, in twips.
constexpr int EntwurfBreiteTwips = 8565;
constexpr int EntwurfHoeheTwips = 6810;

// Creates every control of the main window with its design values:
// kind, container, position and size (design twips in pixels), captions,
// tooltips, faces, colours, borders and fonts. The board's own controls
// get their design positions here; the window layout places them anew.
// The player indicators and scroll bars are not part of it (see Spielerwahl).
Bedienelemente EntwurfAufbauen(QWidget& fenster);

// Puts the pictures on the controls (window icon, figure images, button
// icons), drawn for the device pixel ratio `faktor` of the window's screen
// and the size the window's factor `skala` gives them.
void BilderSetzen(QWidget& fenster, Bedienelemente& e, double faktor, double skala = 1.0);

} // namespace pelu
