#pragma once
#include <QFrame>

#include "Bildfeld.h"
#include "Skalierung.h"

namespace pelu {

// The board picture box `picSpielfeld`: a 2-pixel sunken border around the
// inner area. The inner area keeps the board drawing for the whole run and
// holds the board's controls (dice, indicators, scroll bars, figures), so
// their positions are in board pixels. In a scaled window the border fills
// the space the window leaves around the inner area.
class Brettfeld : public QFrame, public Skalierbar {
    Q_OBJECT
  public:
    static constexpr int Rand = 2;
    static const QColor Hintergrund;

    explicit Brettfeld(QWidget* eltern);

    // Outer size including the border; the inner area follows.
    void GroesseSetzen(int breite, int hoehe);
    QSize Innengroesse() const { return flaeche_->size(); }
    Bildfeld& Flaeche() { return *flaeche_; }
    const QImage& Bild() const { return flaeche_->Bild(); }

    void SkalaSetzen(double skala) override;

  protected:
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    Bildfeld* flaeche_;
    double skala_ = 1.0;
};

} // namespace pelu
