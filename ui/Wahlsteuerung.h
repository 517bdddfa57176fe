#pragma once
#include <QObject>
#include <functional>
#include <vector>

#include "Entwurf.h"
#include "game/Tastenwahl.h"

class QShortcut;

namespace pelu {

class Auswahlring;

// The figure choice with the keys: the mark of the choice rule, the ring
// that shows it, and the keys that move and take it. Right and Down move the
// mark on, Left and Up back; Return, Enter and Space take the marked figure,
// the digits 1..4 that figure of the colour on turn. The keys act only while
// a human must choose, so at other times they reach the focused control.
// A figure taken goes the way of a click on its image (Gewaehlt).
class Wahlsteuerung : public QObject {
    Q_OBJECT
  public:
    // `lage` tells what this window's user may choose now.
    Wahlsteuerung(QWidget& fenster, const Bedienelemente& e, std::function<Wahllage()> lage);

    // Follows the game; called after every event that may change it.
    void Nachfuehren();
    int16_t Markiert() const { return wahl_.Markiert(); }
    // The game as the last Nachfuehren saw it.
    const Wahllage& Lage() const { return lage_; }
    const Auswahlring& Ring() const { return *ring_; }

  signals:
    void Gewaehlt(int figur);

  private:
    Wahllage Lesen() const;
    void Taste(QKeyCombination taste, std::function<void()> aktion);

    const Bedienelemente& e_;
    std::function<Wahllage()> lesen_;
    Tastenwahl wahl_;
    Wahllage lage_;
    Auswahlring* ring_;
    std::vector<QShortcut*> tasten_;
};

} // namespace pelu
