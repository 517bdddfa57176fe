// The statistics of the summaries, against values from published tables.
#include <gtest/gtest.h>

#include "Kennzahlen.h"

namespace pelu::test {

namespace {

TEST(Kennzahlen, ChiQuadratDerAugen) {
    struct Fall {
        Augenzaehlung anzahl;
        double chi;
    };
    for (const Fall& f : {
             Fall{{0, 10, 10, 10, 10, 10, 10}, 0.0},
             Fall{{0, 5, 8, 9, 8, 10, 20}, 13.4}, // expected 10 each
             Fall{{0, 0, 0, 0, 0, 0, 60}, 300.0}, Fall{{0, 0, 0, 0, 0, 0, 0}, 0.0}, // nothing drawn
         }) {
        EXPECT_NEAR(ChiQuadrat(f.anzahl), f.chi, 1e-9);
    }
}

// Critical values of the chi-square distribution and their tail chances.
TEST(Kennzahlen, ChiQuadratPWieInDerTafel) {
    struct Fall {
        double x;
        int freiheitsgrade;
        double p;
    };
    for (const Fall& f : {
             Fall{3.841459, 1, 0.05},
             Fall{6.634897, 1, 0.01},
             Fall{5.991465, 2, 0.05},
             Fall{7.814728, 3, 0.05},
             Fall{11.070498, 5, 0.05},
             Fall{15.086272, 5, 0.01},
             Fall{20.515006, 5, 0.001},
             Fall{4.351460, 5, 0.5}, // the median
             Fall{1.145476, 5, 0.95},
             Fall{12.591587, 6, 0.05},
             Fall{0.0, 5, 1.0},
         }) {
        SCOPED_TRACE(testing::Message() << f.x << " bei " << f.freiheitsgrade);
        EXPECT_NEAR(ChiQuadratP(f.x, f.freiheitsgrade), f.p, 1e-6);
    }
    EXPECT_LT(ChiQuadratP(300.0, 5), 1e-60);
}

// Newcombe's worked examples of the score interval (Statistics in Medicine
// 17, 1998), and a few plain ones.
TEST(Kennzahlen, WilsonintervallWieVeroeffentlicht) {
    struct Fall {
        int64_t k, n;
        double unten, oben;
    };
    for (const Fall& f : {
             Fall{81, 263, 0.2553, 0.3662},
             Fall{15, 148, 0.0624, 0.1605},
             Fall{0, 20, 0.0, 0.1611},
             Fall{1, 29, 0.0061, 0.1718},
             Fall{29, 29, 0.8830, 1.0},
             Fall{0, 10, 0.0, 0.2775},
             Fall{50, 100, 0.4038, 0.5962},
             Fall{3000, 6000, 0.4874, 0.5126},
         }) {
        SCOPED_TRACE(testing::Message() << f.k << " von " << f.n);
        const Intervall i = Wilsonintervall(f.k, f.n);
        EXPECT_NEAR(i.unten, f.unten, 5e-5);
        EXPECT_NEAR(i.oben, f.oben, 5e-5);
    }
}

} // namespace

} // namespace pelu::test
