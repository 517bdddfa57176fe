#include <gtest/gtest.h>

#include "board/Fahrt.h"

namespace {

using namespace pelu;

// Moves between two places of home 101: one step more than the whole pace
// lengths in the distance, equal steps on the straight line, the last one
// exactly on the target.
TEST(Fahrt, GleicheSchritteAufDerGeradenBisZumZielplatz) {
    const struct {
        int16_t x1, y1, x2, y2;
        float tempo;
        int schritte;
    } faelle[] = {{100, 100, 100, 116, 8, 3},  {100, 100, 111, 111, 8, 2}, // 15.6 px
                  {100, 100, 149, 100, 50, 1}, {100, 100, 150, 100, 50, 2},
                  {10, 20, 307, 131, 8, 40},   {100, 100, 100, 100, 8, 1},
                  {100, 100, 200, 100, 0, 1},  {100, 100, 200, 100, -8, 1}};
    for (const auto& c : faelle) {
        SCOPED_TRACE(testing::Message() << c.x2 << "," << c.y2 << " at " << c.tempo);
        Tabellen t;
        const int16_t punkte[] = {c.x1, c.y1, c.x2, c.y2};
        std::copy(punkte, punkte + 4, &t.Bilddaten[101][2]);
        Fahrt f = FahrtAnlegen(t, 3, 101, 1, 101, 2, c.tempo);
        EXPECT_TRUE(f.FahrFigur == 3 && f.VonFeld == 101 && f.VonPlatz == 1);
        ASSERT_EQ(f.Schrittzahl, c.schritte);
        for (int i = 1; i <= c.schritte; ++i) {
            const Fahrtpunkt p = FahrtWeiter(f);
            EXPECT_NEAR(p.x, c.x1 + float(c.x2 - c.x1) * i / c.schritte, 1e-3) << i;
            EXPECT_NEAR(p.y, c.y1 + float(c.y2 - c.y1) * i / c.schritte, 1e-3) << i;
            EXPECT_EQ(p.Letzter, i == c.schritte) << i;
        }
    }
}

} // namespace
