#pragma once
#include <QObject>
#include <array>
#include <cstdint>

class QScrollBar;
class QWidget;

namespace pelu {

class Druckfeld;

// The player assignment of the four colours on the board: per colour index
// i = colour - 1 a scroll bar vsbSpieler(i) with the values 0 (not in play),
// 1..4 (human player) and 5..8 (computer player 1..4), and the two indicators
// picSpieler(i) and picComputer(i) showing that choice. The controls are
// children of the board widget; the window layout places them.
class Spielerwahl : public QObject {
    Q_OBJECT
  public:
    explicit Spielerwahl(QWidget* brett);

    // The player values of colours 1..4 at start; the designed ones
    // (Vorgabespieler) are colour 1 human player 1, colours 2..4 computer
    // players 1..3.
    void SetzeVorgabe(const std::array<int16_t, 4>& werte);
    // The indicators' icons, drawn for the screen's device pixel ratio.
    void BilderSetzen(double faktor);
    // Shows or hides the four scroll bars, in index order.
    void Vsbaktiv(bool funkt);
    // Player value of colour index 0..3; 0 for any other index.
    int16_t Wert(int index) const;

    // The controls of colour index 0..3; nullptr for any other index.
    QScrollBar* vsbSpieler(int index) const;
    Druckfeld* picSpieler(int index) const;
    Druckfeld* picComputer(int index) const;

  private:
    void Aenderung(int index);
    void AnzeigeWechseln(int index);
    void Benennen(int index);

    std::array<QScrollBar*, 4> vsbSpieler_{};
    std::array<Druckfeld*, 4> picSpieler_{};
    std::array<Druckfeld*, 4> picComputer_{};
    // Whether assistive tools were last told each picture is there (a
    // picture made is there until first hidden).
    std::array<bool, 4> spielerGezeigt_{true, true, true, true};
    std::array<bool, 4> computerGezeigt_{true, true, true, true};
};

} // namespace pelu
