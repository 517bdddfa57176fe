#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "Bilder.h"
#include "QtUmgebung.h"

using namespace pelu;

namespace {

QImage AlsBild(const QPixmap& bild) {
    return bild.toImage().convertToFormat(QImage::Format_ARGB32);
}

int Abstand(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

int Helligkeit(QColor farbe) {
    return farbe.red() + farbe.green() + farbe.blue();
}

struct Figurfall {
    int farbe;
    QColor mitte;
};

class FigurBildTest : public testing::TestWithParam<Figurfall> {
  protected:
    void SetUp() override { test::QtAnwendung(); }
};

} // namespace

TEST_P(FigurBildTest, DiscFillsTheSquareOnATransparentBackground) {
    const QImage bild = AlsBild(FigurBild(GetParam().farbe));
    ASSERT_EQ(bild.size(), QSize(15, 15));
    for (QPoint ecke : {QPoint(0, 0), QPoint(14, 0), QPoint(0, 14), QPoint(14, 14)})
        EXPECT_EQ(bild.pixelColor(ecke).alpha(), 0) << ecke.x() << "," << ecke.y();
    for (QPoint innen : {QPoint(7, 7), QPoint(2, 7), QPoint(12, 7), QPoint(7, 2), QPoint(7, 12)})
        EXPECT_EQ(bild.pixelColor(innen).alpha(), 255) << innen.x() << "," << innen.y();
    // The outline reaches the edge of the square: black at the middle of each side.
    for (QPoint rand : {QPoint(7, 0), QPoint(0, 7), QPoint(14, 7), QPoint(7, 14)}) {
        EXPECT_GT(bild.pixelColor(rand).alpha(), 180);
        EXPECT_LT(Helligkeit(bild.pixelColor(rand)), 200);
    }
}

TEST_P(FigurBildTest, SaturatedMiddlePalestAtTheUpperLeftRim) {
    const QImage bild = AlsBild(FigurBild(GetParam().farbe));
    EXPECT_LE(Abstand(bild.pixelColor(7, 7), GetParam().mitte), 15);
    const QColor obenLinks = bild.pixelColor(3, 3);
    const QColor untenRechts = bild.pixelColor(11, 11);
    EXPECT_GT(Helligkeit(obenLinks), Helligkeit(untenRechts));
    EXPECT_GT(Helligkeit(obenLinks), Helligkeit(bild.pixelColor(7, 7)) + 60);
}

INSTANTIATE_TEST_SUITE_P(VierFarben, FigurBildTest,
                         testing::Values(Figurfall{1, QColor(0, 0, 153)},
                                         Figurfall{2, QColor(51, 153, 102)},
                                         Figurfall{3, QColor(255, 102, 255)},
                                         Figurfall{4, QColor(153, 0, 0)}));

TEST(FigurBild, UnknownColourStillGivesADisc) {
    test::QtAnwendung();
    for (int farbe : {0, 5, -3}) {
        const QImage bild = AlsBild(FigurBild(farbe));
        EXPECT_EQ(bild.size(), QSize(15, 15));
        EXPECT_EQ(bild.pixelColor(7, 7).alpha(), 255);
    }
}

TEST(HandZeiger, HotSpotAtTheOpaqueFingertip) {
    test::QtAnwendung();
    const QCursor zeiger = HandZeiger();
    EXPECT_EQ(zeiger.hotSpot(), QPoint(12, 1));
    const QImage bild = AlsBild(zeiger.pixmap());
    ASSERT_EQ(bild.size(), QSize(32, 32));
    EXPECT_GT(bild.pixelColor(12, 1).alpha(), 200);
    EXPECT_EQ(bild.pixelColor(12, 0).alpha(), 0); // nothing above the tip
    EXPECT_EQ(bild.pixelColor(0, 0).alpha(), 0);
    // White hand, blue cuff.
    EXPECT_GT(Helligkeit(bild.pixelColor(12, 8)), 720);
    const QColor manschette = bild.pixelColor(19, 28);
    EXPECT_GT(manschette.blue(), manschette.red() + 80);
}

namespace {

struct Symbolfall {
    const char* name;
    Symbol symbol;
    QPoint ort;   // a pixel that shows the symbol's main colour
    QColor farbe; // that colour, roughly
    int toleranz;
};

class SymbolTest : public testing::TestWithParam<Symbolfall> {
  protected:
    void SetUp() override { test::QtAnwendung(); }
};

} // namespace

TEST_P(SymbolTest, DrawnAt32And16WithItsColours) {
    const QImage bild = AlsBild(SymbolBild(GetParam().symbol, 32));
    ASSERT_EQ(bild.size(), QSize(32, 32));
    int deckend = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            deckend += bild.pixelColor(x, y).alpha() > 128;
    EXPECT_GT(deckend, 150);
    const QColor gesehen = bild.pixelColor(GetParam().ort);
    EXPECT_LE(Abstand(gesehen, GetParam().farbe), GetParam().toleranz)
        << gesehen.red() << "," << gesehen.green() << "," << gesehen.blue();

    const QIcon icon = SymbolIcon(GetParam().symbol);
    const QList<QSize> groessen = icon.availableSizes();
    EXPECT_TRUE(groessen.contains(QSize(32, 32)));
    EXPECT_TRUE(groessen.contains(QSize(16, 16)));
    EXPECT_EQ(AlsBild(icon.pixmap(QSize(16, 16))).size(), QSize(16, 16));
}

INSTANTIATE_TEST_SUITE_P(
    AlleSymbole, SymbolTest,
    testing::Values(Symbolfall{"MannFrau", Symbol::MannFrau, {10, 13}, Qt::black, 10},
                    Symbolfall{"Computer", Symbol::Computer, {20, 14}, QColor(10, 60, 140), 120},
                    Symbolfall{"Pfeil", Symbol::Pfeil, {8, 16}, QColor(20, 80, 230), 120},
                    Symbolfall{"Stopp", Symbol::Stopp, {16, 6}, QColor(220, 30, 30), 120},
                    Symbolfall{
                        "Fragezeichen", Symbol::Fragezeichen, {5, 16}, QColor(0, 160, 40), 120},
                    Symbolfall{"Kreuz", Symbol::Kreuz, {16, 16}, Qt::white, 10},
                    // The board: each colour's lane on its own arm.
                    Symbolfall{"BrettLinks", Symbol::Brett, {5, 15}, QColor(0, 0, 153), 10},
                    Symbolfall{"BrettUnten", Symbol::Brett, {15, 27}, QColor(51, 153, 102), 10},
                    Symbolfall{"BrettRechts", Symbol::Brett, {27, 15}, QColor(255, 102, 255), 10},
                    Symbolfall{"BrettOben", Symbol::Brett, {15, 5}, QColor(153, 0, 0), 10}),
    [](const testing::TestParamInfo<Symbolfall>& fall) { return std::string(fall.param.name); });

TEST(SymbolBild, SizeFollowsTheRequestAndBadSizesAreClamped) {
    test::QtAnwendung();
    EXPECT_EQ(SymbolBild(Symbol::Pfeil, 64).size(), QSize(64, 64));
    EXPECT_EQ(SymbolBild(Symbol::Pfeil, 0).size(), QSize(1, 1));
    EXPECT_EQ(SymbolBild(Symbol::Pfeil, -5).size(), QSize(1, 1));
}
