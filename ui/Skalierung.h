#pragma once
#include <QFont>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

class QWidget;

namespace pelu {

class Skalenstil;

// A control that fits its content to the window's factor itself: the window
// tells it the factor, then gives it its place.
class Skalierbar {
  public:
    virtual void SkalaSetzen(double skala) = 0;
    // True for a control that places itself (a figure, the ring); the
    // window then leaves its geometry alone.
    virtual bool EigeneLage() const { return false; }

  protected:
    ~Skalierbar() = default;
};

// Where the designed client area lies in a client area of any size: reduced
// or enlarged by one factor, the aspect kept, never below half, the space
// left over split evenly into margins on both sides.
struct Skalenlage {
    double skala = 1.0;
    QPointF rand;
    bool operator==(const Skalenlage&) const = default;
};
Skalenlage SkalenlageFuer(QSize entwurf, QSize client);

// The smallest factor; below it the window shrinks no further.
inline constexpr double KleinsteSkala = 0.5;

// A length of the design at factor `skala`, rounded.
int Skaliert(double laenge, double skala);
// A rectangle of the design in window pixels at the factor and margins of
// `lage`, each edge rounded on its own, so neighbours stay neighbours.
QRect Skaliert(const QRect& entwurf, const Skalenlage& lage);

// Lays a window's controls out at one factor: every control at its designed
// place in the window times the factor, shifted by the margins, so each edge
// is within half a pixel of its exact place; fonts, icons, frame lines,
// check boxes and scroll bars in proportion. Controls that draw their content themselves are told
// the factor (Skalierbar). Factor 1 in a client area of the designed size leaves everything exactly
// as designed.
class Skalierung {
  public:
    explicit Skalierung(QWidget& fenster);
    ~Skalierung();
    Skalierung(const Skalierung&) = delete;
    Skalierung& operator=(const Skalierung&) = delete;

    // Takes the window's current client size and every control's geometry
    // as the design: once, after the layout, with the window at factor 1.
    void Erfassen();
    bool Erfasst() const { return !entwurf_.isEmpty(); }
    // Lays the controls out for the window's current client size.
    void Anwenden();

    QSize Entwurf() const { return entwurf_; }
    const Skalenlage& Lage() const { return lage_; }

  private:
    struct Eintrag {
        QPointer<QWidget> w;
        std::optional<QRect> ort; // in the window; none: the control places itself
        std::optional<QFont> schrift;
        QSize symbol;  // icon size of a button
        int linie = 0; // line width of a box frame
    };

    QWidget& fenster_;
    QSize entwurf_;
    QFont schrift_;
    std::vector<Eintrag> eintraege_;
    Skalenlage lage_;
    // Made at the first factor other than 1, so the design keeps the
    // application's own style untouched.
    Skalenstil* stil_ = nullptr;
};

} // namespace pelu
