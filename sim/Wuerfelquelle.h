#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Kennzahlen.h"
#include "state/Zufall.h"

// The die of one simulator table: each game draws from its own random
// stream, derived from the run's seed and the game's number, so a game plays
// the same whichever table plays it and whatever was played before; or the
// die gives the faces of a scripted list. A draw past the end of the list gives some face and marks
// the list used up (it is not counted); the simulator then drops that roll and ends the game
// between ticks, so nothing unusual ever runs through the core.
class Wuerfelquelle : public pelu::Zufallsquelle {
  public:
    // `liste` (faces 1..6), when not null, must outlive the source.
    Wuerfelquelle(uint64_t saat, const std::vector<int>* liste);

    // Switches to the stream of game `nummer` (from 1) and clears the count.
    void NeuesSpiel(int nummer);

    float Rnd() override;
    bool Aufgebraucht() const { return aufgebraucht_; }
    // The faces of every draw of this game, extra tries for a 5 included.
    const Augenzaehlung& Gezogen() const { return gezogen_; }

  private:
    uint64_t saat_;
    pelu::Zufallsgenerator strom_;
    const std::vector<int>* liste_;
    std::size_t naechster_ = 0;
    bool aufgebraucht_ = false;
    Augenzaehlung gezogen_{};
};

// The seed of game `nummer`'s stream in a run seeded with `saat`: distinct
// for distinct games, and well mixed even for neighbouring numbers.
uint64_t Spielsaat(uint64_t saat, int nummer);
