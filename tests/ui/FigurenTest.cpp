// The figure images: set-up at home, placement, clicks and the pointer,
// the proposal's blinking.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "QtFormular.h"
#include "Testfenster.h"
#include "board/Platzkoordinaten.h"

namespace pelu::test {
namespace {

class Figuren : public ::testing::Test {
  protected:
    Testfenster t{3};
    void SetUp() override { ASSERT_TRUE(t.geladen) << t.fehler.toStdString(); }
    Figurbild& Bild(int f) { return *t.e().imgFigur[f - 1]; }

    // Runs until a human must choose; false if the game ends first.
    bool BisWahl() {
        for (int i = 0; i < 200000; ++i) {
            if (t.z().Spielphase == Phase::WartenFigurwahl) return true;
            if (t.Takt() == VirtuelleUhr::Takt::Keiner) return false;
        }
        return false;
    }
    int Beweglich(bool ja) {
        for (int f = 1; f <= 16; ++f)
            if ((t.z().Figur[f].Zielfeld >= 1 && t.z().Figur[f].Spieler >= 1) == ja &&
                Bild(f).isVisible())
                return f;
        return 0;
    }
};

TEST_F(Figuren, AufstellungZuHauseUndVersteckteFarben) {
    t.Spieler(1, 0, 6, 0);
    Klicken(*t.e().cmdStart);
    t.Takt();
    for (int f = 1; f <= 16; ++f) {
        SCOPED_TRACE(f);
        const int farbe = (f - 1) / 4 + 1;
        const bool spielt = farbe == 1 || farbe == 3;
        EXPECT_EQ(Bild(f).isVisible(), spielt);
        EXPECT_EQ(t.z().Figur[f].Feld, 100 + farbe);
        if (!spielt) continue;
        const Punkt p = PlatzKoordinaten(t.spiel().Daten(), static_cast<int16_t>(100 + farbe),
                                         static_cast<int16_t>((f - 1) % 4 + 1));
        EXPECT_EQ(Bild(f).geometry(), QRect(p.x - 7, p.y - 7, 15, 15));
    }
}

TEST_F(Figuren, BewegenRundetGerade) {
    t.f().Form().FigurBewegen(1, 10.5f, 11.5f);
    EXPECT_EQ(Bild(1).pos(), QPoint(10, 12));
    t.f().Form().FigurBewegen(1, -2.5f, 99.49f);
    EXPECT_EQ(Bild(1).pos(), QPoint(-2, 99));
    EXPECT_EQ(Bild(1).size(), QSize(15, 15));
}

TEST_F(Figuren, NachVornUeberAlleFigurenAberUnterDenWuerfeln) {
    QWidget& flaeche = t.e().picSpielfeld->Flaeche();
    t.f().Form().FigurNachVorn(5);
    const QObjectList kinder = flaeche.children();
    const auto stelle = [&](QObject* o) { return kinder.indexOf(o); };
    for (int f = 1; f <= 16; ++f) {
        if (f == 5) continue;
        EXPECT_LT(stelle(&Bild(f)), stelle(&Bild(5))) << f;
    }
    EXPECT_LT(stelle(&Bild(5)), stelle(t.e().picWuerfel[0]));
}

TEST_F(Figuren, FigurBildIstTransparentAufDemBrett) {
    t.f().Form().FigurBewegen(1, 30.0f, 200.0f);
    const QImage schirm = Bildschirmbild(t.e().picSpielfeld->Flaeche());
    // The corner of the 15 x 15 square shows the board, the middle the disc.
    EXPECT_EQ(schirm.pixel(30, 200), t.e().picSpielfeld->Bild().pixel(30, 200));
    EXPECT_NE(schirm.pixel(37, 207), t.e().picSpielfeld->Bild().pixel(37, 207));
}

TEST_F(Figuren, KlickUndZeigerNurAufBeweglichenFiguren) {
    t.Spieler(1, 5, 0, 0);
    Klicken(*t.e().cmdStart);
    bool gesehen = false;
    for (int runde = 0; runde < 60 && !gesehen; ++runde) {
        ASSERT_TRUE(BisWahl());
        const int ja = Beweglich(true), nein = Beweglich(false);
        ASSERT_GT(ja, 0);
        if (nein > 0) {
            gesehen = true;
            MausBewegen(Bild(nein));
            EXPECT_EQ(Bild(nein).cursor().shape(), Qt::ArrowCursor);
            Klicken(Bild(nein));
            EXPECT_EQ(t.z().Gewaehlt, 0);
            t.Takt();
            EXPECT_EQ(t.z().Spielphase, Phase::WartenFigurwahl);
            MausBewegen(Bild(ja));
            EXPECT_EQ(Bild(ja).cursor().shape(), Qt::BitmapCursor);
            EXPECT_EQ(Bild(ja).cursor().hotSpot(), QPoint(12, 1));
        }
        Klicken(Bild(ja));
        EXPECT_EQ(t.z().Gewaehlt, ja);
        ASSERT_TRUE(t.BisPhase(Phase::Ziehen, 100));
        EXPECT_EQ(t.z().AktFigur, ja);
    }
    EXPECT_TRUE(gesehen);
}

TEST_F(Figuren, RechterKlickUndLoslassenDanebenWaehlenNicht) {
    t.Spieler(1, 0, 0, 0);
    Klicken(*t.e().cmdStart);
    ASSERT_TRUE(BisWahl());
    const int ja = Beweglich(true);
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(7, 7), QPointF(7, 7), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&Bild(ja), &druck);
    QMouseEvent los(QEvent::MouseButtonRelease, QPointF(7, 7), QPointF(7, 7), Qt::RightButton,
                    Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&Bild(ja), &los);
    EXPECT_EQ(t.z().Gewaehlt, 0);
    QMouseEvent links(QEvent::MouseButtonPress, QPointF(7, 7), QPointF(7, 7), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Bild(ja), &links);
    QMouseEvent weg(QEvent::MouseButtonRelease, QPointF(40, 40), QPointF(40, 40), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&Bild(ja), &weg);
    EXPECT_EQ(t.z().Gewaehlt, 0);
}

TEST_F(Figuren, VorschlagBlinktBisDieMausKommt) {
    t.Spieler(1, 0, 0, 0);
    Klicken(*t.e().cmdStart);
    ASSERT_TRUE(BisWahl());
    const int vorschlag = t.z().Hilfsfigur;
    ASSERT_GT(vorschlag, 0);
    Klicken(*t.e().cmdHilfe);
    EXPECT_TRUE(t.z().Blinken);
    int versteckt = 0, sichtbar = 0;
    for (int i = 0; i < 12; ++i) {
        t.Takt();
        (Bild(vorschlag).isHidden() ? versteckt : sichtbar)++;
    }
    EXPECT_GT(versteckt, 0);
    EXPECT_GT(sichtbar, 0);
    while (!Bild(vorschlag).isHidden())
        t.Takt();
    MausBewegen(Bild(Beweglich(true)));
    EXPECT_FALSE(t.z().Blinken);
    EXPECT_FALSE(Bild(vorschlag).isHidden());
}

} // namespace
} // namespace pelu::test
