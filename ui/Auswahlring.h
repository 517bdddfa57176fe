#pragma once
#include <QWidget>

#include "Skalierung.h"

namespace pelu {

// The keyboard's mark on a figure: a ring around the figure image, white
// between two black lines, so it shows on every field colour, drawn at the
// screen's own pixels and grown with the window's factor. It lets the mouse
// through to the figures below.
class Auswahlring : public QWidget, public Skalierbar {
    Q_OBJECT
  public:
    // A ring on the board `brett`, lying above the figures and under
    // `darueber` (the board's first windowed control).
    Auswahlring(QWidget* brett, QWidget* darueber);

    // Around `figur` (a figure image on the same board), or hidden for none.
    void Umlegen(const QWidget* figur);
    const QWidget* Figur() const { return figur_; }

    // Laid round its figure again, at the figure's new size.
    void SkalaSetzen(double skala) override;
    bool EigeneLage() const override { return true; }

  protected:
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    QWidget* darueber_;
    const QWidget* figur_ = nullptr;
    double skala_ = 1.0;
};

} // namespace pelu
