#include <gtest/gtest.h>

#include "board/Fahrt.h"

namespace {

using namespace pelu;

// Moves between two places of home 101: one step more than the whole pace
// lengths in the distance, equal steps on the straight line, the last one
// exactly on the target.
TEST(Fahrt, GleicheSchritteAufDerGeradenBisZumZielplatz) {
    const struct {
        int16_t x2, y2;
        float tempo;
        int schritte;
    } faelle[] = {{100, 116, 8, 3}, {149, 100, 50, 1}, {150, 100, 50, 2}};
    for (const auto& c : faelle) {
        SCOPED_TRACE(testing::Message() << c.x2 << "," << c.y2 << " at " << c.tempo);
        Tabellen t;
        const int16_t punkte[] = {100, 100, c.x2, c.y2};
        std::copy(punkte, punkte + 4, &t.Bilddaten[101][2]);
        Fahrt f = FahrtAnlegen(t, 3, 101, 1, 101, 2, c.tempo);
        ASSERT_EQ(f.Schrittzahl, c.schritte);
        for (int i = 1; i <= c.schritte; ++i) {
            const Fahrtpunkt p = FahrtWeiter(f);
            EXPECT_NEAR(p.x, 100 + float(c.x2 - 100) * i / c.schritte, 1e-3) << i;
            EXPECT_NEAR(p.y, 100 + float(c.y2 - 100) * i / c.schritte, 1e-3) << i;
            EXPECT_EQ(p.Letzter, i == c.schritte) << i;
        }
    }
}

} // namespace
