#pragma once
#include <QWidget>

namespace pelu {

// The keyboard's mark on a figure: a ring around the figure image, white
// between two black lines, so it shows on every field colour, drawn at the
// screen's own pixels. It lets the mouse through to the figures below.
class Auswahlring : public QWidget {
    Q_OBJECT
  public:
    // A ring on the board `brett`, lying above the figures and under
    // `darueber` (the board's first windowed control).
    Auswahlring(QWidget* brett, QWidget* darueber);

    // Around `figur` (a figure image on the same board), or hidden for none.
    void Umlegen(const QWidget* figur);
    const QWidget* Figur() const { return figur_; }

  protected:
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    QWidget* darueber_;
    const QWidget* figur_ = nullptr;
};

} // namespace pelu
