#pragma once
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <vector>

#include "Skalierung.h"

namespace pelu {

// A picture box that prints text like the classic forms runtime: text goes
// to the print position, every print ends with a line end (x back to 0, y one
// text line down), and what is printed stays until Cls. Coordinates are
// designed pixels of the inner area (inside the sunken border); in a scaled
// window text and picture are drawn at the window's factor.
class Druckfeld : public QFrame, public Skalierbar {
    Q_OBJECT
  public:
    struct Druck {
        QPointF ort; // top left of the text
        QString text;
        QFont schrift;
        QColor farbe;
    };

    explicit Druckfeld(QWidget* eltern = nullptr);

    void HintergrundfarbeSetzen(const QColor& farbe);
    // Drawn at the top left of the inner area, below the text; survives Cls.
    void HintergrundbildSetzen(const QPixmap& bild);
    void RahmenSetzen(bool eingesunken);

    // Clears the printed text and returns the print position to (0, 0).
    void Cls();
    void DruckpositionSetzen(QPointF ort) { position = ort; }
    QPointF Druckposition() const { return position; }
    // Prints with the current font and text colour, then a line end.
    void Drucken(const QString& text);

    const std::vector<Druck>& Gedrucktes() const { return gedrucktes; }
    QStringList GedruckteTexte() const;
    // Height of one text line in the current font.
    int Zeilenhoehe() const;

    void SkalaSetzen(double skala) override;

  protected:
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    QPixmap hintergrundbild;
    std::vector<Druck> gedrucktes;
    QPointF position;
    double skala = 1.0;
};

} // namespace pelu
