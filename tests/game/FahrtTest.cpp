#include <gtest/gtest.h>

#include "board/Fahrt.h"
#include "board/Platzkoordinaten.h"

namespace {

using namespace pelu;

// Home field 101 with its four places at chosen points.
Tabellen Heimpunkte(int x1, int y1, int x2, int y2, int x3, int y3) {
    Tabellen t;
    const int punkte[] = {x1, y1, x2, y2, x3, y3, 0, 0};
    for (int i = 0; i < 8; ++i)
        t.Bilddaten[101][2 + i] = static_cast<int16_t>(punkte[i]);
    return t;
}

TEST(Fahrt, SchrittzahlIstEinsMehrAlsGanzeSchrittlaengen) {
    EXPECT_EQ(FahrtSchrittzahl(16.0f, 8.0f), 3);
    EXPECT_EQ(FahrtSchrittzahl(15.9f, 8.0f), 2);
    EXPECT_EQ(FahrtSchrittzahl(49.0f, 50.0f), 1);
    EXPECT_EQ(FahrtSchrittzahl(50.0f, 50.0f), 2);
    EXPECT_EQ(FahrtSchrittzahl(0.0f, 8.0f), 1);
    EXPECT_EQ(FahrtSchrittzahl(100.0f, 8.0f), 13);
}

TEST(Fahrt, UngueltigesTempoEndetNachEinemSchritt) {
    EXPECT_EQ(FahrtSchrittzahl(100.0f, 0.0f), 1);
    EXPECT_EQ(FahrtSchrittzahl(100.0f, -8.0f), 1);
}

TEST(Fahrt, SechzehnPixelBeiTempoAchtInDreiGleichenSchritten) {
    const Tabellen t = Heimpunkte(100, 100, 100, 116, 0, 0);
    Fahrt f = FahrtAnlegen(t, 3, 101, 1, 101, 2, 8.0f);
    EXPECT_EQ(f.FahrFigur, 3);
    EXPECT_EQ(f.VonFeld, 101);
    EXPECT_EQ(f.VonPlatz, 1);
    EXPECT_EQ(f.Schrittzahl, 3);
    EXPECT_EQ(f.Schrittnummer, 0);
    const float erwartetY[] = {100.0f + 16.0f / 3.0f, 100.0f + 32.0f / 3.0f, 116.0f};
    for (int i = 0; i < 3; ++i) {
        const Fahrtpunkt p = FahrtWeiter(f);
        EXPECT_FLOAT_EQ(p.x, 100.0f);
        EXPECT_NEAR(p.y, erwartetY[i], 1e-4);
        EXPECT_EQ(p.Letzter, i == 2);
    }
}

TEST(Fahrt, TurboSchrittNeunundvierzigUndFuenfzigPixel) {
    const Tabellen t = Heimpunkte(100, 100, 149, 100, 150, 100);
    EXPECT_EQ(FahrtAnlegen(t, 1, 101, 1, 101, 2, 50.0f).Schrittzahl, 1);
    EXPECT_EQ(FahrtAnlegen(t, 1, 101, 1, 101, 3, 50.0f).Schrittzahl, 2);
}

TEST(Fahrt, GleicherPlatzIstEinSchrittDerLaengeNull) {
    const Tabellen t = Heimpunkte(100, 100, 0, 0, 0, 0);
    Fahrt f = FahrtAnlegen(t, 1, 101, 1, 101, 1, 8.0f);
    ASSERT_EQ(f.Schrittzahl, 1);
    const Fahrtpunkt p = FahrtWeiter(f);
    EXPECT_TRUE(p.Letzter);
    EXPECT_FLOAT_EQ(p.x, 100.0f);
    EXPECT_FLOAT_EQ(p.y, 100.0f);
}

TEST(Fahrt, SchraegeFahrtBleibtAufDerGeradenUndEndetAmZiel) {
    const Tabellen t = Heimpunkte(10, 20, 307, 131, 0, 0);
    Fahrt f = FahrtAnlegen(t, 1, 101, 1, 101, 2, 8.0f);
    // Distance 317.09: 39 whole steps of 8 pixels, so 40 steps.
    ASSERT_EQ(f.Schrittzahl, 40);
    Fahrtpunkt p;
    for (int i = 1; i <= f.Schrittzahl; ++i) {
        p = FahrtWeiter(f);
        // On the line from start to target, never longer than the pace.
        EXPECT_NEAR((p.x - 10.0f) * 111.0f, (p.y - 20.0f) * 297.0f, 0.05f);
        EXPECT_NEAR(p.x, 10.0f + 297.0f * i / 40.0f, 1e-3);
    }
    EXPECT_TRUE(p.Letzter);
    EXPECT_NEAR(p.x, 307.0f, 1e-3);
    EXPECT_NEAR(p.y, 131.0f, 1e-3);
}

TEST(Fahrt, StartUndZielKommenAusDenPlatzkoordinaten) {
    Tabellen t;
    // A track field from (40, 40) to (40, 104): slots at y 48, 64, 80, 96.
    for (int j : {2, 4, 6, 8})
        t.Bilddaten[7][j] = 40;
    t.Bilddaten[7][3] = t.Bilddaten[7][5] = 40;
    t.Bilddaten[7][7] = t.Bilddaten[7][9] = 104;
    const Fahrt f = FahrtAnlegen(t, 2, 7, 1, 7, 4, 8.0f);
    const Punkt a = PlatzKoordinaten(t, 7, 1);
    const Punkt b = PlatzKoordinaten(t, 7, 4);
    EXPECT_EQ(f.StartX, a.x);
    EXPECT_EQ(f.StartY, a.y);
    EXPECT_EQ(f.ZielX, b.x);
    EXPECT_EQ(f.ZielY, b.y);
    EXPECT_EQ(f.StartY, 48);
    EXPECT_EQ(f.ZielY, 96);
    EXPECT_EQ(f.Schrittzahl, 7);
}

} // namespace
