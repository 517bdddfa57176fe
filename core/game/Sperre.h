#pragma once

namespace pelu {

// Sets a guard flag False for the length of a step and True again after it,
// however the step is left, so the game stays steppable.
class Sperre {
  public:
    explicit Sperre(bool& frei) : frei_(frei) { frei_ = false; }
    ~Sperre() { frei_ = true; }
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;

  private:
    bool& frei_;
};

} // namespace pelu
