#pragma once
#include <QColor>
#include <QImage>
#include <QWidget>

namespace pelu {

// A picture box whose drawing persists: everything is drawn into an image
// once, and a repaint only copies the exposed part of that image. Used for
// the board's inner area and for the dice boxes.
class Bildfeld : public QWidget {
    Q_OBJECT
  public:
    Bildfeld(const QColor& hintergrund, QWidget* eltern);

    // A new size starts a blank picture in the background colour.
    void GroesseSetzen(QSize groesse);
    QImage& Bild() { return bild_; }
    const QImage& Bild() const { return bild_; }
    QColor Hintergrund() const { return hintergrund_; }

  protected:
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    QColor hintergrund_;
    QImage bild_;
};

} // namespace pelu
