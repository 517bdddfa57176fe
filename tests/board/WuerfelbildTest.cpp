#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Aufnahmeleinwand.h"
#include "board/Wuerfelbild.h"
#include "game/Spielzustand.h"

namespace pelu {
namespace {

using Orte = std::vector<std::pair<int, int>>;
using Aufruf = test::Aufnahmeleinwand::Aufruf;

// What drawing `wert` on a box of the given inner size records: the clear,
// then one white disc of the pip radius per pip, whose centres are returned.
Orte Zeichne(int16_t wert, int breite = 31, int hoehe = 31, float massstab = 1.0f) {
    Spielzustand z;
    StartwerteSetzen(z, 299, 274, 7);
    test::Aufnahmeleinwand a;
    WuerfelZeichnen(a, breite, hoehe, wert, z.Farbe, massstab);
    EXPECT_EQ(a.aufrufe.at(0).art, Aufruf::Loeschen);
    Orte orte;
    for (size_t i = 1; i < a.aufrufe.size(); ++i) {
        const Aufruf& k = a.aufrufe[i];
        EXPECT_EQ((std::array{int(k.art), k.c, int(k.farbe), int(k.fuellung)}),
                  (std::array{int(Aufruf::Kreis), Augenradius, 0xFFFFFF, 0xFFFFFF}));
        orte.push_back({k.a, k.b});
    }
    return orte;
}

TEST(WuerfelZeichnen, JedeSeiteInZeichenreihenfolge) {
    const std::pair<int, int> m{15, 15}, oL{6, 6}, uR{24, 24}, oR{24, 6}, uL{6, 24}, oM{15, 6},
        uM{15, 24};
    const Orte seiten[] = {{},
                           {m},
                           {oL, uR},
                           {m, oL, uR},
                           {oL, uR, oR, uL},
                           {m, oL, uR, oR, uL},
                           {oL, uR, oR, uL, oM, uM}};
    for (int16_t wert = 0; wert <= 6; ++wert)
        EXPECT_EQ(Zeichne(wert), seiten[wert]) << wert;
    for (int16_t wert : {int16_t(-1), int16_t(7), int16_t(-32768), int16_t(32767)})
        EXPECT_EQ(Zeichne(wert), Orte{}) << wert;
}

TEST(WuerfelZeichnen, MitteAusDerInnengroesseUndAbstandAusDemMassstab) {
    // Inner size 30 x 27: centre (15, 13); scale 1.5 gives pips Int(13.5) = 13 apart.
    EXPECT_EQ(Zeichne(2, 30, 27, 1.5f), (Orte{{2, 0}, {28, 26}}));
}

} // namespace
} // namespace pelu
