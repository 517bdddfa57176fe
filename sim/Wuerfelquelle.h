#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "state/Zufall.h"

// The die of one simulator table: the seeded random source, or a scripted
// list of faces. A draw past the end of the list gives some face and marks
// the list used up; the simulator then drops that roll and ends the game
// between ticks, so nothing unusual ever runs through the core.
class Wuerfelquelle : public pelu::Zufallsquelle {
  public:
    // `liste` (faces 1..6), when not null, must outlive the source.
    Wuerfelquelle(uint64_t saat, const std::vector<int>* liste);

    float Rnd() override;
    bool Aufgebraucht() const { return aufgebraucht_; }
    // The random source behind the die, also when the faces are scripted.
    pelu::Zufallsgenerator& Strom() { return strom_; }

  private:
    pelu::Zufallsgenerator strom_;
    const std::vector<int>* liste_;
    std::size_t naechster_ = 0;
    bool aufgebraucht_ = false;
};
