// The figure images: set-up, placement, clicks, pointer, the proposal's blinking.

#include "Testfenster.h"
#include "board/Platzkoordinaten.h"

namespace pelu::test {
namespace {

class Figuren : public MitFenster {
  protected:
    Figurbild& Bild(int f) { return *t.e().imgFigur[f - 1]; }
    // A shown figure that may move now (ja) or may not; 0 if none.
    int Beweglich(bool ja) {
        for (int f = 1; f <= 16; ++f)
            if (t.Beweglich(f) == ja && Bild(f).isVisible()) return f;
        return 0;
    }
};

TEST_F(Figuren, AufstellungVersteckteFarbenUndGerundeterPlatz) {
    t.Spieler({1, 0, 6, 0});
    Klicken(*t.e().cmdStart);
    t.Takt();
    for (int f = 1; f <= 16; ++f) {
        SCOPED_TRACE(f);
        const int farbe = (f - 1) / 4 + 1;
        EXPECT_EQ(Bild(f).isVisible(), farbe == 1 || farbe == 3);
        EXPECT_EQ(t.z().Figur[f].Feld, 100 + farbe);
        const Punkt p = PlatzKoordinaten(t.spiel().Daten(), static_cast<int16_t>(100 + farbe),
                                         static_cast<int16_t>((f - 1) % 4 + 1));
        if (Bild(f).isVisible()) {
            EXPECT_EQ(Bild(f).geometry(), QRect(p.x - 7, p.y - 7, 15, 15));
        }
    }
    // Positions round ties to even; the board shows through the square's corner.
    t.f().Form().FigurBewegen(1, 10.5f, 11.5f);
    EXPECT_EQ(Bild(1).pos(), QPoint(10, 12));
    t.f().Form().FigurBewegen(1, 30.5f, 199.5f);
    EXPECT_EQ(Bild(1).pos(), QPoint(30, 200));
    const QImage schirm = Bildschirmbild(t.e().picSpielfeld->Flaeche());
    EXPECT_EQ(schirm.pixel(30, 200), t.e().picSpielfeld->Bild().pixel(30, 200));
    EXPECT_NE(schirm.pixel(37, 207), t.e().picSpielfeld->Bild().pixel(37, 207));
}

// Clicks and the hand pointer only on figures that may move; the proposal
// blinks until the mouse comes over a figure.
TEST_F(Figuren, KlickZeigerUndVorschlag) {
    t.Spieler({1, 5, 0, 0});
    Klicken(*t.e().cmdStart);
    bool gesehen = false;
    for (int runde = 0; runde < 60 && !gesehen; ++runde) {
        ASSERT_TRUE(t.BisPhase(Phase::WartenFigurwahl));
        const int ja = Beweglich(true), nein = Beweglich(false), vorschlag = t.z().Hilfsfigur;
        ASSERT_GT(ja, 0);
        ASSERT_TRUE(t.Beweglich(vorschlag));
        if (runde == 0) {
            Klicken(*t.e().cmdHilfe);
            int versteckt = 0;
            for (int i = 0; i < 12; ++i, t.Takt())
                versteckt += Bild(vorschlag).isHidden();
            EXPECT_TRUE(versteckt > 0 && versteckt < 12) << versteckt;
            while (!Bild(vorschlag).isHidden())
                t.Takt();
            MausBewegen(Bild(ja));
            EXPECT_FALSE(t.z().Blinken);
            EXPECT_FALSE(Bild(vorschlag).isHidden());
        }
        if (nein > 0) {
            gesehen = true;
            MausBewegen(Bild(nein));
            EXPECT_EQ(Bild(nein).cursor().shape(), Qt::ArrowCursor);
            Klicken(Bild(nein));
            EXPECT_EQ(t.z().Gewaehlt, 0);
            MausBewegen(Bild(ja));
            EXPECT_EQ(Bild(ja).cursor().shape(), Qt::BitmapCursor);
            EXPECT_EQ(Bild(ja).cursor().hotSpot(), QPoint(12, 1));
            // Neither the right button nor a release outside the image chooses.
            Klicken(Bild(ja), {7, 7}, Qt::RightButton);
            Maus(Bild(ja), QEvent::MouseButtonPress, {7, 7});
            Maus(Bild(ja), QEvent::MouseButtonRelease, {40, 40});
            EXPECT_EQ(t.z().Gewaehlt, 0);
        }
        Klicken(Bild(ja));
        EXPECT_EQ(t.z().Gewaehlt, ja);
        ASSERT_TRUE(t.BisPhase(Phase::Ziehen, 100));
        EXPECT_EQ(t.z().AktFigur, ja);
    }
    EXPECT_TRUE(gesehen);
}

} // namespace
} // namespace pelu::test
