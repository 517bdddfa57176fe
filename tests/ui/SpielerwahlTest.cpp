#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <memory>

#include "Druckfeld.h"
#include "QtUmgebung.h"
#include "Spielerwahl.h"

using namespace pelu;

namespace {

// A click on one of the scroll bar's arrows, as the user gives it.
void PfeilKlicken(QScrollBar& leiste, QStyle::SubControl pfeil) {
    QStyleOptionSlider option;
    option.initFrom(&leiste);
    option.orientation = leiste.orientation();
    option.minimum = leiste.minimum();
    option.maximum = leiste.maximum();
    option.sliderPosition = leiste.sliderPosition();
    option.sliderValue = leiste.value();
    option.singleStep = leiste.singleStep();
    option.pageStep = leiste.pageStep();
    option.upsideDown = leiste.invertedAppearance();
    const QPointF ort =
        leiste.style()->subControlRect(QStyle::CC_ScrollBar, &option, pfeil, &leiste).center();
    QMouseEvent druck(QEvent::MouseButtonPress, ort, leiste.mapToGlobal(ort), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&leiste, &druck);
    QMouseEvent los(QEvent::MouseButtonRelease, ort, leiste.mapToGlobal(ort), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&leiste, &los);
}

void Hoch(QScrollBar& leiste) {
    PfeilKlicken(leiste, QStyle::SC_ScrollBarSubLine);
}
void Runter(QScrollBar& leiste) {
    PfeilKlicken(leiste, QStyle::SC_ScrollBarAddLine);
}

class SpielerwahlTest : public testing::Test {
  protected:
    void SetUp() override {
        test::QtAnwendung();
        brett = std::make_unique<QWidget>();
        brett->resize(601, 551);
        wahl = new Spielerwahl(brett.get());
    }

    bool Sichtbar(QWidget* w) const { return w->isVisibleTo(brett.get()); }

    // What the indicators of colour index i show: nothing, the human or the
    // computer indicator, and the text printed on the shown one.
    void ErwarteAnzeige(int i, bool mensch, bool computer, const QString& text) {
        EXPECT_EQ(Sichtbar(wahl->picSpieler(i)), mensch) << "index " << i;
        EXPECT_EQ(Sichtbar(wahl->picComputer(i)), computer) << "index " << i;
        Druckfeld* gezeigt = mensch ? wahl->picSpieler(i) : wahl->picComputer(i);
        if (!mensch && !computer) {
            EXPECT_TRUE(wahl->picSpieler(i)->GedruckteTexte().isEmpty());
            return;
        }
        EXPECT_EQ(gezeigt->GedruckteTexte(), QStringList{text}) << "index " << i;
        EXPECT_EQ(gezeigt->Gedrucktes().front().ort, QPointF(30, 5));
    }

    std::unique_ptr<QWidget> brett;
    Spielerwahl* wahl = nullptr;
};

} // namespace

TEST_F(SpielerwahlTest, DesignValuesOfTheControls) {
    for (int i = 0; i < 4; ++i) {
        QScrollBar* leiste = wahl->vsbSpieler(i);
        ASSERT_NE(leiste, nullptr);
        EXPECT_EQ(leiste->parentWidget(), brett.get());
        EXPECT_EQ(leiste->orientation(), Qt::Vertical);
        EXPECT_EQ(leiste->minimum(), -1);
        EXPECT_EQ(leiste->maximum(), 9);
        EXPECT_EQ(leiste->value(), -1);
        EXPECT_EQ(leiste->size(), QSize(17, 25));
        for (Druckfeld* anzeige : {wahl->picSpieler(i), wahl->picComputer(i)}) {
            EXPECT_EQ(anzeige->parentWidget(), brett.get());
            EXPECT_EQ(anzeige->size(), QSize(49, 29));
            EXPECT_EQ(anzeige->palette().color(QPalette::Window), QColor(255, 255, 192));
            EXPECT_TRUE(anzeige->font().bold());
        }
    }
}

TEST_F(SpielerwahlTest, DefaultsShowHumanOneAndComputersOneToThree) {
    wahl->SetzeVorgabe();
    EXPECT_EQ(wahl->Wert(0), 1);
    EXPECT_EQ(wahl->Wert(1), 5);
    EXPECT_EQ(wahl->Wert(2), 6);
    EXPECT_EQ(wahl->Wert(3), 7);
    ErwarteAnzeige(0, true, false, QStringLiteral(" 1"));
    ErwarteAnzeige(1, false, true, QStringLiteral(" 1"));
    ErwarteAnzeige(2, false, true, QStringLiteral(" 2"));
    ErwarteAnzeige(3, false, true, QStringLiteral(" 3"));
}

TEST_F(SpielerwahlTest, EveryValueShowsItsIndicator) {
    wahl->SetzeVorgabe();
    for (int wert = 0; wert <= 8; ++wert) {
        SCOPED_TRACE(wert);
        wahl->vsbSpieler(2)->setValue(wert);
        EXPECT_EQ(wahl->Wert(2), wert);
        if (wert == 0)
            ErwarteAnzeige(2, false, false, {});
        else if (wert <= 4)
            ErwarteAnzeige(2, true, false, QStringLiteral(" %1").arg(wert));
        else
            ErwarteAnzeige(2, false, true, QStringLiteral(" %1").arg(wert - 4));
    }
    // The other colours keep their defaults.
    ErwarteAnzeige(1, false, true, QStringLiteral(" 1"));
}

TEST_F(SpielerwahlTest, OuterValuesWrapRound) {
    wahl->vsbSpieler(0)->setValue(9);
    EXPECT_EQ(wahl->Wert(0), 0);
    ErwarteAnzeige(0, false, false, {});
    wahl->vsbSpieler(0)->setValue(-1);
    EXPECT_EQ(wahl->Wert(0), 8);
    ErwarteAnzeige(0, false, true, QStringLiteral(" 4"));
}

TEST_F(SpielerwahlTest, UpperArrowCountsUpAndCyclesThroughAllChoices) {
    QScrollBar& leiste = *wahl->vsbSpieler(1);
    leiste.setValue(3);
    Hoch(leiste);
    EXPECT_EQ(wahl->Wert(1), 4);
    leiste.setValue(8);
    Hoch(leiste);
    EXPECT_EQ(wahl->Wert(1), 0);
    for (int erwartet = 1; erwartet <= 8; ++erwartet) {
        Hoch(leiste);
        EXPECT_EQ(wahl->Wert(1), erwartet);
    }
}

TEST_F(SpielerwahlTest, LowerArrowCountsDownAndWrapsFromZeroToEight) {
    QScrollBar& leiste = *wahl->vsbSpieler(3);
    leiste.setValue(1);
    Runter(leiste);
    EXPECT_EQ(wahl->Wert(3), 0);
    Runter(leiste);
    EXPECT_EQ(wahl->Wert(3), 8);
    ErwarteAnzeige(3, false, true, QStringLiteral(" 4"));
    Runter(leiste);
    EXPECT_EQ(wahl->Wert(3), 7);
}

TEST_F(SpielerwahlTest, ClearingKeepsTheIconAndTheNumberFitsBesideIt) {
    wahl->vsbSpieler(0)->setValue(4);
    wahl->vsbSpieler(0)->setValue(3);
    Druckfeld* anzeige = wahl->picSpieler(0);
    EXPECT_EQ(anzeige->GedruckteTexte(), QStringList{QStringLiteral(" 3")});
    const QImage bild = anzeige->grab().toImage();
    EXPECT_LT(bild.pixelColor(10, 13).lightness(), 60); // the man's body
    const QFontMetrics mass(anzeige->font());
    const QRect innen = anzeige->contentsRect();
    for (int zahl = 1; zahl <= 4; ++zahl) {
        EXPECT_LE(30 + mass.horizontalAdvance(QStringLiteral(" %1").arg(zahl)), innen.width());
        EXPECT_LE(5 + mass.height(), innen.height());
    }
}

TEST_F(SpielerwahlTest, VsbaktivShowsAndHidesAllFourScrollBars) {
    wahl->Vsbaktiv(true);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Sichtbar(wahl->vsbSpieler(i)));
    wahl->Vsbaktiv(false);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(Sichtbar(wahl->vsbSpieler(i)));
    // Hidden scroll bars still hold and change the values.
    wahl->vsbSpieler(0)->setValue(6);
    EXPECT_EQ(wahl->Wert(0), 6);
}

TEST_F(SpielerwahlTest, BadIndexesAreIgnored) {
    for (int i : {-1, 4, 100}) {
        EXPECT_EQ(wahl->Wert(i), 0);
        EXPECT_EQ(wahl->vsbSpieler(i), nullptr);
        EXPECT_EQ(wahl->picSpieler(i), nullptr);
        EXPECT_EQ(wahl->picComputer(i), nullptr);
    }
}
