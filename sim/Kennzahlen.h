#pragma once
#include <array>
#include <cstdint>

#include "harness/Skriptwuerfel.h"

namespace pelu {

// Pearson's chi-square of the six face counts against equal chances; 0 when
// nothing was counted.
double ChiQuadrat(const Augenzaehlung& anzahl);

// The 95 % Wilson score interval of a share of `k` in `n` (n >= 1).
struct Intervall {
    double unten = 0.0;
    double oben = 0.0;
};
Intervall Wilsonintervall(int64_t k, int64_t n);

// The chance that a chi-square variable with `freiheitsgrade` (1 or more)
// degrees of freedom is at least `x`: the p-value of the test.
double ChiQuadratP(double x, int freiheitsgrade);

} // namespace pelu
