#pragma once
#include <QLabel>

namespace pelu {

// The image of one figure lying on the board: reports clicks and mouse
// moves with its figure number (1..16), so the game decides the pointer.
class Figurbild : public QLabel {
    Q_OBJECT
  public:
    Figurbild(int figur, QWidget* eltern);
    int Figur() const { return figur_; }

  signals:
    void Geklickt(int figur);
    void MausBewegt(int figur);

  protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

  private:
    int figur_;
    bool gedrueckt_ = false;
};

} // namespace pelu
