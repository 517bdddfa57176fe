#include "rules/Wurf.h"

#include <algorithm>

namespace pelu {

int16_t Augenzahl(float r) {
    // A source that strays outside [0, 1) must still give a die face.
    if (!(r >= 0.0f)) return 1;
    if (r >= 1.0f) return 6;
    // Int of a value in [1, 7): dropping the fraction is the same and needs
    // no library call on every draw.
    return std::min<int16_t>(static_cast<int16_t>(6.0f * r + 1.0f), 6);
}

int16_t WurfWert(const Figurentabelle& Figur, int farbe, Zufallsquelle& zufall) {
    return WurfWert(Lagebild(Figur), farbe, zufall);
}

int16_t WurfWert(const Lagebild& lage, int farbe, Zufallsquelle& zufall) {
    const int imHaus =
        IstFarbe(farbe) ? lage.ZuHause.Und(Figurenmenge::DerFarbe(farbe)).Anzahl() : 0;
    // Three or four figures at home: extra tries for the 5 that brings one out.
    const int versuche = imHaus >= 3 ? imHaus - 1 : 1;
    int16_t wurf = 0;
    for (int i = 0; i < versuche; ++i) {
        wurf = Augenzahl(zufall.Rnd());
        if (wurf == 5) break;
    }
    return wurf;
}

} // namespace pelu
