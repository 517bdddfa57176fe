// The player assignment: values wrapping both ways and their indicators.

#include "Testfenster.h"

namespace pelu::test {
namespace {

class SpielerwahlTest : public MitFenster {
  protected:
    Spielerwahl& wahl = t.f().Wahl();
};

TEST_F(SpielerwahlTest, JederWertZeigtSeineAnzeigeUndDieRaenderLaufenUm) {
    for (int gesetzt = -1; gesetzt <= 9; ++gesetzt) {
        SCOPED_TRACE(gesetzt);
        wahl.vsbSpieler(2)->setValue(gesetzt);
        const int wert = gesetzt == -1 ? 8 : gesetzt == 9 ? 0 : gesetzt;
        EXPECT_EQ(wahl.Wert(2), wert);
        EXPECT_EQ(wahl.picSpieler(2)->isVisible(), wert >= 1 && wert <= 4);
        EXPECT_EQ(wahl.picComputer(2)->isVisible(), wert >= 5);
        if (wert == 0) continue;
        Druckfeld& gezeigt = wert <= 4 ? *wahl.picSpieler(2) : *wahl.picComputer(2);
        EXPECT_EQ(gezeigt.GedruckteTexte(),
                  QStringList{QStringLiteral(" %1").arg((wert - 1) % 4 + 1)});
        EXPECT_EQ(gezeigt.Gedrucktes().front().ort, QPointF(30, 5));
        // Reprinting keeps the picture: the man's body, the computer's screen.
        const QPoint bildpunkt = wert <= 4 ? QPoint(10, 13) : QPoint(20, 14);
        EXPECT_LT(gezeigt.grab().toImage().pixelColor(bildpunkt).lightness(), 100);
    }
    EXPECT_EQ(wahl.Wert(1), 5); // the other colours keep theirs
    for (int i : {-1, 4}) {     // bad indexes are ignored
        EXPECT_EQ(wahl.Wert(i), 0);
        EXPECT_TRUE(!wahl.vsbSpieler(i) && !wahl.picSpieler(i) && !wahl.picComputer(i));
    }
}

TEST_F(SpielerwahlTest, PfeileZaehlenObenHochUntenRunterUndLaufenUm) {
    QScrollBar& leiste = *wahl.vsbSpieler(1);
    leiste.setValue(8);
    for (int erwartet : {0, 1, 2, 3, 4, 5, 6, 7, 8, 0}) {
        Klicken(leiste, {leiste.width() / 2, 2});
        EXPECT_EQ(wahl.Wert(1), erwartet);
    }
    for (int erwartet : {8, 7, 6, 5, 4, 3, 2, 1, 0, 8}) {
        Klicken(leiste, {leiste.width() / 2, leiste.height() - 3});
        EXPECT_EQ(wahl.Wert(1), erwartet);
    }
    EXPECT_EQ(wahl.picComputer(1)->GedruckteTexte(), QStringList{QStringLiteral(" 4")});
}

} // namespace
} // namespace pelu::test
