#pragma once
#include <cstddef>
#include <deque>
#include <vector>

#include "state/Zufall.h"

namespace pelutest {

// A random source that gives scripted draws in turn and counts them. Once
// the script is used up it gives the lowest face and notes that it ran out:
// nothing throws through the game, and the test's own loop ends the game
// when it sees Erschoepft.
class Skriptwuerfel : public pelu::Zufallsquelle {
  public:
    // Die faces 1..6, each as the draw in its sixth of [0, 1).
    void Augen(const std::vector<int>& augen);
    // Raw draws, also strays outside [0, 1).
    void Zahlen(const std::vector<float>& zahlen);

    float Rnd() override;

    std::size_t Gezogen() const { return gezogen_; }
    std::size_t Uebrig() const { return zahlen_.size(); }
    bool Erschoepft() const { return erschoepft_; }

  private:
    std::deque<float> zahlen_;
    std::size_t gezogen_ = 0;
    bool erschoepft_ = false;
};

} // namespace pelutest
