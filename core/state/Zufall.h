#pragma once
#include <cstdint>
#include <random>

namespace pelu {

// The one source of randomness: uniform floats in [0, 1).
class Zufallsquelle {
  public:
    virtual ~Zufallsquelle() = default;
    virtual float Rnd() = 0;
};

// Seeded pseudo-random source; the desktop program seeds it from a
// high-resolution clock, tests and the simulator with a fixed seed.
class Zufallsgenerator : public Zufallsquelle {
  public:
    explicit Zufallsgenerator(uint64_t saat) : motor_(saat) {}
    float Rnd() override {
        // 24 random bits give every float in [0, 1) with a 2^-24 grid.
        return static_cast<float>(motor_() >> 40) / 16777216.0f;
    }

  private:
    std::mt19937_64 motor_;
};

// Seed from a high-resolution clock, so two programs started in the same
// second still roll differently.
uint64_t UhrSaat();

} // namespace pelu
