#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Aufnahmeleinwand.h"
#include "board/Wuerfelbild.h"
#include "game/Spielzustand.h"

namespace pelu {
namespace {

using Orte = std::vector<std::pair<int, int>>;

Orte Augen(int16_t wert) {
    const Wuerfelaugen a = WuerfelAugen(wert, 15, 15, 9);
    Orte orte;
    for (int i = 0; i < a.anzahl; ++i)
        orte.push_back({a.mitte[i].x, a.mitte[i].y});
    return orte;
}

TEST(WuerfelAugen, JedeSeiteInZeichenreihenfolge) {
    const std::pair<int, int> mitte{15, 15}, oL{6, 6}, uR{24, 24}, oR{24, 6}, uL{6, 24}, oM{15, 6},
        uM{15, 24};
    EXPECT_EQ(Augen(0), Orte{});
    EXPECT_EQ(Augen(1), (Orte{mitte}));
    EXPECT_EQ(Augen(2), (Orte{oL, uR}));
    EXPECT_EQ(Augen(3), (Orte{mitte, oL, uR}));
    EXPECT_EQ(Augen(4), (Orte{oL, uR, oR, uL}));
    EXPECT_EQ(Augen(5), (Orte{mitte, oL, uR, oR, uL}));
    EXPECT_EQ(Augen(6), (Orte{oL, uR, oR, uL, oM, uM}));
}

TEST(WuerfelAugen, WerteAusserhalbZeigenNichts) {
    for (int16_t wert : {int16_t(-1), int16_t(7), int16_t(-32768), int16_t(32767)})
        EXPECT_EQ(WuerfelAugen(wert, 15, 15, 9).anzahl, 0) << wert;
}

std::vector<test::Aufnahmeleinwand::Aufruf> Zeichne(int16_t wert, int breite = 31, int hoehe = 31,
                                                    float massstab = 1.0f) {
    Spielzustand z;
    StartwerteSetzen(z, 299, 274, 7);
    test::Aufnahmeleinwand a;
    WuerfelZeichnen(a, breite, hoehe, wert, z.Farbe, massstab);
    return a.aufrufe;
}

TEST(WuerfelZeichnen, LoeschtUndZeichntWeisseAugen) {
    const auto aufrufe = Zeichne(5);
    ASSERT_EQ(aufrufe.size(), 6u);
    EXPECT_EQ(aufrufe[0].art, test::Aufnahmeleinwand::Aufruf::Loeschen);
    for (size_t i = 1; i < aufrufe.size(); ++i) {
        EXPECT_EQ(aufrufe[i].art, test::Aufnahmeleinwand::Aufruf::Kreis);
        EXPECT_EQ(aufrufe[i].c, Augenradius);
        EXPECT_EQ(aufrufe[i].farbe, 0xFFFFFFu);
        EXPECT_EQ(aufrufe[i].fuellung, 0xFFFFFFu);
    }
    EXPECT_EQ(std::pair(aufrufe[1].a, aufrufe[1].b), std::pair(15, 15));
}

TEST(WuerfelZeichnen, LeererWuerfelNurGeloescht) {
    for (int16_t wert : {int16_t(0), int16_t(7), int16_t(-2)}) {
        const auto aufrufe = Zeichne(wert);
        ASSERT_EQ(aufrufe.size(), 1u) << wert;
        EXPECT_EQ(aufrufe[0].art, test::Aufnahmeleinwand::Aufruf::Loeschen);
    }
}

TEST(WuerfelZeichnen, MitteAusDerInnengroesseUndAbstandAusDemMassstab) {
    // Inner size 30 x 27: centre (15, 13); scale 1.5 gives pips Int(13.5) = 13 apart.
    const auto aufrufe = Zeichne(2, 30, 27, 1.5f);
    ASSERT_EQ(aufrufe.size(), 3u);
    EXPECT_EQ(std::pair(aufrufe[1].a, aufrufe[1].b), std::pair(2, 0));
    EXPECT_EQ(std::pair(aufrufe[2].a, aufrufe[2].b), std::pair(28, 26));
}

} // namespace
} // namespace pelu
