// The window layout: board size and centre, window size, and the board's
// controls placed from the board's edges.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "Druckfeld.h"
#include "Spielerwahl.h"
#include "Testfenster.h"

namespace pelu::test {
namespace {

class Fensteraufbau : public ::testing::Test {
  protected:
    Testfenster t;
    void SetUp() override { ASSERT_TRUE(t.geladen) << t.fehler.toStdString(); }
};

TEST_F(Fensteraufbau, BrettMitRandUndMitte) {
    const Brettfeld& brett = *t.e().picSpielfeld;
    EXPECT_EQ(brett.geometry(), QRect(80, 8, 601, 551));
    EXPECT_EQ(brett.Innengroesse(), QSize(597, 547));
    EXPECT_EQ(t.e().picSpielfeld->Flaeche().geometry(), QRect(2, 2, 597, 547));
    EXPECT_EQ(t.f().Masse().MitteX, 299);
    EXPECT_EQ(t.f().Masse().MitteY, 274);
    EXPECT_EQ(t.f().Masse().HalbeFigur, 7);
    // The game took the centre and half size as its settings.
    EXPECT_EQ(t.z().Einstellung[9], 299);
    EXPECT_EQ(t.z().Einstellung[10], 274);
    EXPECT_EQ(t.z().Einstellung[12], 7);
}

TEST_F(Fensteraufbau, FensterUmDasBrett) {
    // Board width + left + 20 by top + 20 + 20 + board height.
    EXPECT_EQ(t.f().size(), QSize(601 + 80 + 20, 8 + 40 + 551));
    EXPECT_EQ(t.f().minimumSize(), t.f().maximumSize());
}

TEST_F(Fensteraufbau, WuerfelInDenEcken) {
    const QPoint erwartet[4] = {{18, 502}, {552, 502}, {552, 18}, {18, 18}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(t.e().picWuerfel[i]->geometry(), QRect(erwartet[i], QSize(31, 31)));
        EXPECT_EQ(t.e().picWuerfel[i]->Bild().size(), QSize(31, 31));
    }
}

TEST_F(Fensteraufbau, AnzeigenUndLeisten) {
    const QPoint anzeige[4] = {{100, 515}, {472, 515}, {472, 7}, {100, 7}};
    const QPoint leiste[4] = {{165, 517}, {419, 517}, {419, 7}, {165, 7}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(t.f().Wahl().picSpieler(i)->geometry(), QRect(anzeige[i], QSize(49, 29)));
        EXPECT_EQ(t.f().Wahl().picComputer(i)->geometry(), QRect(anzeige[i], QSize(49, 29)));
        EXPECT_EQ(t.f().Wahl().vsbSpieler(i)->geometry(), QRect(leiste[i], QSize(17, 25)));
    }
}

TEST_F(Fensteraufbau, FigurenRasterInDerMitte) {
    for (int n = 0; n < 16; ++n) {
        SCOPED_TRACE(n);
        const int r = n / 4, k = n % 4;
        EXPECT_EQ(t.e().imgFigur[n]->geometry(),
                  QRect(299 - 45 + 25 * k, 274 - 50 + 25 * r, 15, 15));
        EXPECT_EQ(t.e().imgFigur[n]->parentWidget(), &t.e().picSpielfeld->Flaeche());
    }
    EXPECT_EQ(t.e().imgFigur[15]->pos(), QPoint(299 + 30, 274 + 25));
}

TEST_F(Fensteraufbau, SteuerelementeAusserhalbBehaltenIhrenEntwurf) {
    Bedienelemente& e = t.e();
    // Design twips at 15 twips per pixel, rounded to whole pixels.
    EXPECT_EQ(e.frmBedienung->geometry(), QRect(8, 0, 65, 145));
    EXPECT_EQ(e.cmdFigurenwahl->geometry(), QRect(8, 16, 49, 41));
    EXPECT_EQ(e.cmdStart->geometry(), QRect(8, 64, 49, 33));
    EXPECT_EQ(e.cmdStop->geometry(), QRect(8, 104, 49, 33));
    EXPECT_EQ(e.chkTurbo->geometry(), QRect(16, 152, 49, 17));
    EXPECT_EQ(e.fraZuganzeige->geometry(), QRect(8, 168, 65, 121));
    EXPECT_EQ(e.lblZuganzeigetext->geometry(), QRect(8, 8, 49, 17));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(e.lblRang[i]->geometry(), QRect(8, 24 + 24 * i, 17, 17));
        EXPECT_EQ(e.lblZuganzeige[i]->geometry(), QRect(32, 24 + 24 * i, 25, 17));
    }
    EXPECT_EQ(e.lblInfotext->geometry(), QRect(8, 296, 65, 17));
    EXPECT_EQ(e.lblInfo->geometry(), QRect(8, 312, 65, 17));
    EXPECT_EQ(e.cmdHilfe->geometry(), QRect(16, 336, 49, 33));
    EXPECT_EQ(e.cmdRegeln->geometry(), QRect(16, 376, 49, 33));
    EXPECT_EQ(e.cmdBeenden->geometry(), QRect(16, 416, 49, 33));
}

// Nothing of the left column reaches into the board, and the board's corner
// controls keep clear of each other.
TEST_F(Fensteraufbau, NichtsUeberlappt) {
    const QRect brett = t.e().picSpielfeld->geometry();
    for (QWidget* w : std::initializer_list<QWidget*>{
             t.e().frmBedienung, t.e().chkTurbo, t.e().fraZuganzeige, t.e().lblInfotext,
             t.e().lblInfo, t.e().cmdHilfe, t.e().cmdRegeln, t.e().cmdBeenden}) {
        EXPECT_FALSE(w->geometry().intersects(brett)) << w->objectName().toStdString();
        EXPECT_TRUE(t.f().rect().contains(w->geometry())) << w->objectName().toStdString();
    }
    for (int i = 0; i < 4; ++i) {
        const QRect wuerfel = t.e().picWuerfel[i]->geometry();
        for (int j = 0; j < 4; ++j) {
            EXPECT_FALSE(wuerfel.intersects(t.f().Wahl().picSpieler(j)->geometry()));
            EXPECT_FALSE(wuerfel.intersects(t.f().Wahl().vsbSpieler(j)->geometry()));
            EXPECT_FALSE(t.f().Wahl().picSpieler(i)->geometry().intersects(
                t.f().Wahl().vsbSpieler(j)->geometry()));
        }
    }
}

} // namespace
} // namespace pelu::test
