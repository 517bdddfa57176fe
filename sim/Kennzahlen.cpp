#include "Kennzahlen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelu {

double ChiQuadrat(const Augenzaehlung& anzahl) {
    int64_t summe = 0;
    for (int a = 1; a <= 6; ++a)
        summe += anzahl[a];
    if (summe == 0) return 0.0;
    const double erwartet = static_cast<double>(summe) / 6.0;
    double chi = 0.0;
    for (int a = 1; a <= 6; ++a) {
        const double abweichung = static_cast<double>(anzahl[a]) - erwartet;
        chi += abweichung * abweichung / erwartet;
    }
    return chi;
}

Intervall Wilsonintervall(int64_t k, int64_t n) {
    constexpr double z = 1.959963984540054; // the normal quantile of 97.5 %
    const double anzahl = static_cast<double>(n);
    const double anteil = static_cast<double>(k) / anzahl;
    const double zz = z * z / anzahl;
    const double mitte = (anteil + zz / 2.0) / (1.0 + zz);
    const double halb =
        z * std::sqrt(anteil * (1.0 - anteil) / anzahl + zz / (4.0 * anzahl)) / (1.0 + zz);
    return {mitte - halb, mitte + halb};
}

double ChiQuadratP(double x, int freiheitsgrade) {
    if (x <= 0.0) return 1.0;
    // The upper tail in closed form: a finite series times exp(-x/2), plus
    // for odd degrees of freedom the tail of one squared normal variable.
    const double h = x / 2.0;
    double glied;
    double summe;
    int k;
    if (freiheitsgrade % 2 == 0) {
        glied = std::exp(-h); // (x/2)^j / j! e^(-x/2), j = 0
        summe = glied;
        k = 2;
    } else {
        glied = std::sqrt(2.0 * x / std::numbers::pi) * std::exp(-h); // j = 0 of the odd series
        summe = std::erfc(std::sqrt(h));
        if (freiheitsgrade >= 3) summe += glied;
        k = 3;
    }
    for (; k < freiheitsgrade; k += 2) {
        glied *= x / k;
        summe += glied;
    }
    return std::min(1.0, summe);
}

} // namespace pelu
