// The window on a screen of any device pixel ratio: the same geometry in
// window pixels, and pictures drawn with the screen's own pixels instead of
// enlarged ones. ctest runs these tests on a plain screen and again on screens
// scaled by 1.5 and 2 (QT_SCALE_FACTOR).

#include <QPixmap>
#include <cmath>

#include "Testfenster.h"

namespace pelu::test {
namespace {

class Feinzeichnung : public MitFenster {
  protected:
    void SetUp() override {
        MitFenster::SetUp();
        faktor = t.f().devicePixelRatioF();
        bild = t.f().grab().toImage();
    }
    // Where a window pixel's square begins in the grab.
    QPoint Geraet(QPoint fensterpunkt) const {
        return {int(std::floor(fensterpunkt.x() * faktor + 1e-9)),
                int(std::floor(fensterpunkt.y() * faktor + 1e-9))};
    }
    bool Schwarz(int x, int y) const { return (bild.pixel(x, y) & 0xFFFFFF) == 0; }
    // Whether some square of faktor x faktor pixels, one window pixel, holds
    // two colours within `bereich` of `teil`: a picture enlarged from window
    // pixels has none.
    bool FeinerAlsFensterpixel(const QWidget& teil, QRect bereich) {
        const int n = int(faktor);
        const QPoint ecke = Geraet(teil.mapTo(&t.f(), bereich.topLeft()));
        for (int y = 0; y < bereich.height(); ++y)
            for (int x = 0; x < bereich.width(); ++x)
                for (int k = 1; k < n * n; ++k)
                    if (bild.pixel(ecke.x() + n * x + k % n, ecke.y() + n * y + k / n) !=
                        bild.pixel(ecke.x() + n * x, ecke.y() + n * y))
                        return true;
        return false;
    }
    double faktor = 1;
    QImage bild;
};

TEST_F(Feinzeichnung, GeometrieInFensterpixelnBleibt) {
    EXPECT_EQ(t.e().picSpielfeld->geometry(), QRect(80, 8, 601, 551));
    EXPECT_EQ(t.e().picWuerfel[1]->pos(), QPoint(552, 502));
    EXPECT_EQ(t.e().imgFigur[15]->geometry(), QRect(299 + 30, 274 + 25, 15, 15));
    EXPECT_EQ(bild.size(), QSize(int(std::ceil(t.f().width() * faktor)),
                                 int(std::ceil(t.f().height() * faktor))));
    const QImage& brett = t.e().picSpielfeld->Bild();
    EXPECT_EQ(brett.size(), QSize(int(std::ceil(597 * faktor)), int(std::ceil(547 * faktor))));
}

// The home places of colour 1 (radius 12, the outer outline at 13): on every
// pixel row the disc begins where a true circle of that size begins, within
// one of the screen's pixels, and the outline is one window pixel wide.
TEST_F(Feinzeichnung, HeimkreiseFolgenDemKreisAufSchirmpixel) {
    const int16_t* heim = t.f().Partie()->Daten().Bilddaten[101];
    const QPoint innen = t.e().picSpielfeld->Flaeche().mapTo(&t.f(), QPoint(0, 0));
    const double radius = (heim[1] + 1.5) * faktor;
    const int strich = std::max(1, int(std::nearbyint(faktor)));
    for (int j = 1; j <= 4; ++j) {
        SCOPED_TRACE(j);
        const double mx = (innen.x() + heim[2 * j] + 0.5) * faktor;
        const double my = (innen.y() + heim[2 * j + 1] + 0.5) * faktor;
        for (int y = int(std::ceil(my - radius)); y < my + radius - 1; ++y) {
            const double hoehe = y + 0.5 - my;
            if (hoehe * hoehe > radius * radius) continue;
            const double kante = mx - std::sqrt(radius * radius - hoehe * hoehe);
            int x = int(std::floor(kante)) - 2;
            while (x < mx && !Schwarz(x, y))
                ++x;
            EXPECT_GE(x + 0.5, kante) << y;
            EXPECT_LT(x + 0.5, kante + 1) << y;
            if (std::abs(hoehe) >= 1) continue;
            int breite = 0;
            while (Schwarz(x + breite, y))
                ++breite;
            EXPECT_EQ(breite, strich) << y;
        }
    }
}

// Figures and button icons are pictures of the screen's pixels (enlarged
// ones would be smoothed, so the grab cannot tell them apart); dice faces and
// indicators, which would be enlarged pixel by pixel, have edges finer than a
// window pixel on a screen of whole-numbered ratio.
TEST_F(Feinzeichnung, BilderMitDenPixelnDesSchirms) {
    for (const Figurbild* figur : t.e().imgFigur)
        EXPECT_EQ(figur->pixmap().devicePixelRatio(), faktor);
    for (const QPushButton* knopf :
         {t.e().cmdFigurenwahl, t.e().cmdStart, t.e().cmdStop, t.e().cmdHilfe, t.e().cmdBeenden}) {
        const QPixmap symbol = knopf->icon().pixmap(knopf->iconSize(), faktor);
        EXPECT_EQ(symbol.size(), knopf->iconSize() * faktor);
        EXPECT_EQ(symbol.devicePixelRatio(), faktor);
    }
    if (faktor < 2 || faktor != std::floor(faktor)) return;
    t.f().Form().WuerfelZeichnen(1, 5);
    bild = t.f().grab().toImage();
    EXPECT_TRUE(FeinerAlsFensterpixel(*t.e().picWuerfel[0], t.e().picWuerfel[0]->rect()));
    EXPECT_TRUE(FeinerAlsFensterpixel(*t.f().Wahl().picSpieler(0), QRect(0, 0, 32, 28)));
}

} // namespace
} // namespace pelu::test
