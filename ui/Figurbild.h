#pragma once
#include <QLabel>
#include <QPointF>

#include "Skalierung.h"

namespace pelu {

// The image of one figure lying on the board: reports clicks and mouse
// moves with its figure number (1..16), so the game decides the pointer.
// The game places it in designed board pixels; at another factor the image
// grows with the window and keeps its centre on the scaled place.
class Figurbild : public QLabel, public Skalierbar {
    Q_OBJECT
  public:
    // Designed width and height of the image.
    static constexpr int Seite = 15;

    Figurbild(int figur, QWidget* eltern);
    int Figur() const { return figur_; }

    // Top left corner in designed board pixels.
    void OrtSetzen(QPointF ort);
    QPointF Ort() const { return ort_; }
    // The disc of the figure's colour at the image's size, for the device
    // pixel ratio `faktor`.
    void BildSetzen(double faktor);

    void SkalaSetzen(double skala) override;
    bool EigeneLage() const override { return true; }

  signals:
    void Geklickt(int figur);
    void MausBewegt(int figur);

  protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

  private:
    void Platzieren();

    int figur_;
    bool gedrueckt_ = false;
    QPointF ort_;
    double skala_ = 1.0;
};

} // namespace pelu
