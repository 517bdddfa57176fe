#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPointer>
#include <QPushButton>

#include "Druckfeld.h"
#include "QtUmgebung.h"
#include "RegelnFenster.h"
#include "Twips.h"

using namespace pelu;

namespace {

class RegelnFensterTest : public testing::Test {
  protected:
    void SetUp() override {
        test::QtAnwendung();
        fenster = new RegelnFenster;
    }
    void TearDown() override { delete fenster.data(); }

    static void GeloeschteAufraeumen() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QPointer<RegelnFenster> fenster;
};

} // namespace

TEST_F(RegelnFensterTest, SeventeenLinesWithTheirLengths) {
    const QStringList zeilen = fenster->GedruckteZeilen();
    ASSERT_EQ(zeilen.size(), 17);
    // Line number (from 1) and length; 0 is a blank line.
    const int laengen[17] = {0, 34, 42, 0, 26, 0, 66, 65, 51, 64, 58, 0, 66, 38, 0, 63, 60};
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(zeilen[i].size(), laengen[i])
            << "line " << i + 1 << ": " << zeilen[i].toStdString();
        if (laengen[i] > 0) {
            EXPECT_TRUE(zeilen[i].startsWith(u' ')) << "line " << i + 1;
        }
    }
    EXPECT_TRUE(zeilen[1].startsWith(QStringLiteral(" Pelu mit Tarro Vb.1.2   (")));
    EXPECT_TRUE(zeilen[1].endsWith(QStringLiteral(") ")));
    EXPECT_EQ(zeilen[2], QStringLiteral(" ") + QString(40, u'*') + QStringLiteral(" "));
    EXPECT_EQ(zeilen[4], QStringLiteral(" REGELN des PELU mit TARRO"));
    EXPECT_TRUE(zeilen[10].endsWith(QStringLiteral("heimgeschickt! ")));
}

TEST_F(RegelnFensterTest, UmlautsAreRealCharacters) {
    const QStringList zeilen = fenster->GedruckteZeilen();
    ASSERT_EQ(zeilen.size(), 17);
    EXPECT_TRUE(zeilen[9].contains(QString::fromUtf8("können")));
    EXPECT_TRUE(zeilen[13].contains(QString::fromUtf8("für alle Farben")));
    EXPECT_TRUE(zeilen[15].contains(QString::fromUtf8("gewürfelt")));
}

TEST_F(RegelnFensterTest, LinesStackFromOneLineBelowTheTop) {
    const auto& gedruckt = fenster->picRegeln()->Gedrucktes();
    ASSERT_EQ(gedruckt.size(), 17u);
    const int hoehe = fenster->picRegeln()->Zeilenhoehe();
    ASSERT_GT(hoehe, 0);
    for (std::size_t i = 0; i < gedruckt.size(); ++i) {
        EXPECT_EQ(gedruckt[i].ort.x(), 0.0);
        EXPECT_EQ(gedruckt[i].ort.y(), double(i) * hoehe);
    }
}

TEST_F(RegelnFensterTest, TextFitsThePictureBoxWithoutWrapping) {
    Druckfeld* bild = fenster->picRegeln();
    EXPECT_TRUE(QFontInfo(bild->font()).fixedPitch());
    const QFontMetrics mass(bild->font());
    const QRect innen = bild->contentsRect();
    int breiteste = 0;
    for (const QString& zeile : fenster->GedruckteZeilen())
        breiteste = std::max(breiteste, mass.horizontalAdvance(zeile));
    EXPECT_GT(breiteste, 0);
    EXPECT_LE(breiteste, innen.width());
    const auto& letzte = bild->Gedrucktes().back();
    EXPECT_LE(letzte.ort.y() + mass.height(), innen.height());
}

TEST_F(RegelnFensterTest, DesignSizesCaptionAndIcon) {
    const int tpp = TwipsProPixel();
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral(" Regeln"));
    EXPECT_FALSE(fenster->windowIcon().isNull());
    EXPECT_EQ(fenster->size(), QSize(TwipsZuPixel(8430, tpp), TwipsZuPixel(4905, tpp)));
    EXPECT_EQ(fenster->picRegeln()->geometry(), TwipsRechteck(120, 120, 8172, 4212, tpp));
    EXPECT_EQ(fenster->cmdSchliessen()->geometry(), TwipsRechteck(3360, 4440, 1812, 372, tpp));
    EXPECT_EQ(fenster->cmdSchliessen()->text(), QStringLiteral("Schliessen"));
    const QColor grund = fenster->picRegeln()->palette().color(QPalette::Window);
    EXPECT_EQ(grund, QColor(224, 224, 224));
}

TEST_F(RegelnFensterTest, CloseButtonHasTheFocusAndUnloadsTheWindow) {
    fenster->show();
    EXPECT_EQ(fenster->focusWidget(), fenster->cmdSchliessen());
    fenster->cmdSchliessen()->click();
    EXPECT_FALSE(fenster->isVisible());
    GeloeschteAufraeumen();
    EXPECT_TRUE(fenster.isNull());
}

TEST_F(RegelnFensterTest, ReopenedWindowPrintsTheTextOnceAgain) {
    fenster->show();
    fenster->close();
    GeloeschteAufraeumen();
    ASSERT_TRUE(fenster.isNull());
    fenster = new RegelnFenster;
    fenster->show();
    EXPECT_EQ(fenster->GedruckteZeilen().size(), 17);
}

TEST_F(RegelnFensterTest, CentresOverAnotherWindowFramesIncluded) {
    QWidget haupt;
    haupt.setGeometry(100, 80, 901, 700);
    haupt.show();
    fenster->ZentrierenUeber(haupt);
    fenster->show();
    const QPoint abweichung = fenster->frameGeometry().center() - haupt.frameGeometry().center();
    EXPECT_LE(abweichung.manhattanLength(), 1);
}
