#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "state/Zufall.h"

namespace pelu {

// Counts of the faces 1..6 (index 0 unused).
using Augenzaehlung = std::array<int64_t, 7>;

// The die of tests, benchmarks and pelu-sim. Random: each game draws from
// its own stream, derived from the seed and the game's number, so a game
// plays the same whichever table plays it and whatever was played before.
// Scripted: the draws of a list in turn. A draw past the end of the list
// gives the lowest face and marks the die used up (it is not counted as a
// face): nothing throws through the game, and its owner drops that roll and
// ends the game between ticks.
class Skriptwuerfel : public Zufallsquelle {
  public:
    // Scripted, with nothing scripted yet.
    Skriptwuerfel() = default;
    // Random, from the streams of `saat`.
    explicit Skriptwuerfel(uint64_t saat) : saat_(saat), strom_(saat), geskriptet_(false) {}

    // Die faces 1..6, each as the draw in the middle of its sixth of [0, 1).
    void Augen(const std::vector<int>& augen);
    // Raw draws, also strays outside [0, 1).
    void Zahlen(const std::vector<float>& zahlen);
    // Switches a random die to the stream of game `nummer` (from 1); clears
    // the face count. A script goes on where it stands.
    void NeuesSpiel(int nummer);

    float Rnd() override;

    bool Erschoepft() const { return erschoepft_; }
    // Draws made, those past the script's end included.
    std::size_t Versuche() const { return versuche_; }
    std::size_t Uebrig() const { return skript_.size() - naechster_; }
    // The faces of every draw since the last NeuesSpiel, extra tries for a 5 included.
    const Augenzaehlung& Gezogen() const { return gezogen_; }

  private:
    uint64_t saat_ = 0;
    Zufallsgenerator strom_{0};
    bool geskriptet_ = true;
    std::vector<float> skript_;
    std::size_t naechster_ = 0;
    bool erschoepft_ = false;
    std::size_t versuche_ = 0;
    Augenzaehlung gezogen_{};
};

// The seed of game `nummer`'s stream in a run seeded with `saat`: distinct
// for distinct games, and well mixed even for neighbouring numbers.
uint64_t Spielsaat(uint64_t saat, int nummer);

} // namespace pelu
