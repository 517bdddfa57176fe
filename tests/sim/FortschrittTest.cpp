// The progress line of a long run.
#include <gtest/gtest.h>

#include "Fortschritt.h"

namespace pelu::test {

namespace {

TEST(Fortschritt, ZeileMitTempoUndRestzeit) {
    struct Fall {
        int gespielt, gesamt;
        double sekunden;
        const char* zeile;
    };
    for (const Fall& f : {
             Fall{0, 100, 0.0, "Spiel 0 von 100"}, // nothing to measure yet
             Fall{10, 100, 0.0, "Spiel 10 von 100"},
             Fall{500, 2000, 0.25, "Spiel 500 von 2000, 2000 Spiele/s, noch 1 s"},
             Fall{1000, 601000, 1.0, "Spiel 1000 von 601000, 1000 Spiele/s, noch 10 min 0 s"},
             Fall{3, 7, 2.0, "Spiel 3 von 7, 2 Spiele/s, noch 3 s"}, // 1.5 games/s: 2.67 s left
             Fall{7, 7, 2.0, "Spiel 7 von 7, 4 Spiele/s, noch 0 s"},
         }) {
        EXPECT_EQ(Fortschrittszeile(f.gespielt, f.gesamt, f.sekunden), f.zeile);
    }
}

} // namespace

} // namespace pelu::test
