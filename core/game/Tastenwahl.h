#pragma once
#include <array>
#include <cstdint>

#include "state/Spielzustand.h"

namespace pelu {

class Spiel;

// What the keyboard's figure choice needs to know of the game.
struct Wahllage {
    // A human player must choose a figure now and has not done so yet.
    bool offen = false;
    // By figure 1..16: may be picked now (entry 0 unused).
    std::array<bool, FigurAnzahl + 1> waehlbar{};
    // The proposal while it is shown (blinking); 0 = none shown.
    int16_t vorschlag = 0;
    // The colour whose turn it is.
    int16_t farbe = 0;
};

Wahllage WahllageVon(const Spiel& spiel);

// The keyboard's choice of a figure: a mark on one movable figure, moved
// through the movable figures with the arrow keys and taken with Return.
//
// The mark appears when a human's choice begins, on the lowest-numbered
// movable figure; it jumps to the proposal whenever the proposal begins to
// show; it stays on its figure while that can move and goes when the choice
// is made. The digits 1..4 name the figures of the colour whose turn it is
// (the die just rolled), also when the player owns several colours: figures
// of his other colours are reached with the arrow keys.
class Tastenwahl {
  public:
    // Follows the game; called after every event that may change it.
    void Abgleichen(const Wahllage& lage);
    // The marked figure; 0 = no mark.
    int16_t Markiert() const { return markiert_; }
    // The mark to the next or previous movable figure in figure order,
    // wrapping round.
    void Weiter(const Wahllage& lage);
    void Zurueck(const Wahllage& lage);
    // Figure `ziffer` (1..4) of the colour whose turn it is, if it may be
    // picked now; 0 otherwise.
    static int16_t FigurZurZiffer(const Wahllage& lage, int ziffer);

  private:
    void Schritt(const Wahllage& lage, int richtung);

    int16_t markiert_ = 0;
    int16_t gezeigterVorschlag_ = 0;
};

} // namespace pelu
