// The board and dice pictures: the canvas on an image, the board as the
// core draws it, the dice faces, and that the pictures persist.
#include <gtest/gtest.h>

#include "QtFormular.h"
#include "QtLeinwand.h"
#include "Testfenster.h"
#include "game/Spielzustand.h"

namespace pelu::test {
namespace {

QColor Farbe(const QImage& bild, int x, int y) {
    return QColor(bild.pixel(x, y));
}
QColor Palette(int index) {
    return QColor::fromRgb(QBColor(index));
}

TEST(QtLeinwand, LinieDecktBeideEndpunkte) {
    QImage bild(20, 20, QImage::Format_RGB32);
    QtLeinwand leinwand(bild, Qt::white);
    leinwand.Loeschen();
    leinwand.Linie(3, 5, 9, 5, 0xFF0000);
    for (int x = 2; x <= 10; ++x)
        EXPECT_EQ(Farbe(bild, x, 5), x >= 3 && x <= 9 ? QColor(Qt::red) : QColor(Qt::white)) << x;
    leinwand.Linie(12, 2, 12, 2, 0x0000FF); // a single point
    EXPECT_EQ(Farbe(bild, 12, 2), QColor(Qt::blue));
    leinwand.Linie(0, 19, 19, 0, 0x00FF00); // diagonal, both ends
    EXPECT_EQ(Farbe(bild, 0, 19), QColor(Qt::green));
    EXPECT_EQ(Farbe(bild, 19, 0), QColor(Qt::green));
    EXPECT_EQ(Farbe(bild, 10, 9), QColor(Qt::green));
}

TEST(QtLeinwand, KreisIstGefuellteScheibeMitRand) {
    QImage bild(30, 30, QImage::Format_RGB32);
    QtLeinwand leinwand(bild, Qt::white);
    leinwand.Loeschen();
    leinwand.Kreis(15, 15, 6, 0x000000, 0xFF0000);
    EXPECT_EQ(Farbe(bild, 15, 15), QColor(Qt::red));
    EXPECT_EQ(Farbe(bild, 15 + 5, 15), QColor(Qt::red));
    for (QPoint rand : {QPoint(21, 15), QPoint(9, 15), QPoint(15, 21), QPoint(15, 9)})
        EXPECT_EQ(Farbe(bild, rand.x(), rand.y()), QColor(Qt::black)) << rand.x() << rand.y();
    EXPECT_EQ(Farbe(bild, 22, 15), QColor(Qt::white));
    EXPECT_EQ(Farbe(bild, 20, 20), QColor(Qt::white)); // corners stay free
    // Symmetric about the centre.
    for (int dy = -7; dy <= 7; ++dy)
        for (int dx = -7; dx <= 7; ++dx)
            EXPECT_EQ(bild.pixel(15 + dx, 15 + dy), bild.pixel(15 - dx, 15 + dy));
}

TEST(QtLeinwand, AusserhalbDesBildesWirdNichtsGezeichnet) {
    QImage bild(10, 10, QImage::Format_RGB32);
    QtLeinwand leinwand(bild, Qt::white);
    leinwand.Loeschen();
    leinwand.Linie(-30000, -5, 30000, 20, 0x000000);
    leinwand.Kreis(-20000, -20000, 32767, 0x000000, 0x00FF00);
    leinwand.Kreis(5, 5, -1, 0x000000, 0x000000);
    EXPECT_EQ(Farbe(bild, 0, 0), QColor(Qt::green));
    EXPECT_EQ(Farbe(bild, 9, 9), QColor(Qt::green));
    leinwand.Kreis(5, 5, 0, 0x0000FF, 0x0000FF);
    EXPECT_EQ(Farbe(bild, 5, 5), QColor(Qt::blue));
    EXPECT_NE(Farbe(bild, 6, 5), QColor(Qt::blue));
}

class Brettbild : public ::testing::Test {
  protected:
    Testfenster t;
    void SetUp() override { ASSERT_TRUE(t.geladen) << t.fehler.toStdString(); }
    const QImage& Bild() { return t.e().picSpielfeld->Bild(); }
    const int16_t* Zeile(int feld) { return t.spiel().Daten().Bilddaten[feld]; }
};

TEST_F(Brettbild, FelderInIhrerArtFarbe) {
    int16_t art = 0;
    for (int feld = 1; feld <= 96; ++feld) {
        SCOPED_TRACE(feld);
        const int16_t* z = Zeile(feld);
        if (z[10] >= 1 && z[10] <= 6) art = z[10];
        ASSERT_GE(art, 1);
        const int farbe = art <= 4 ? t.z().Farbe[10 + art] : t.z().Farbe[art == 5 ? 3 : 4];
        const int mx = (z[2] + z[4] + z[6] + z[8]) / 4, my = (z[3] + z[5] + z[7] + z[9]) / 4;
        EXPECT_EQ(Farbe(Bild(), mx, my), Palette(farbe));
        // The outline passes through every corner.
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(Farbe(Bild(), z[2 + 2 * k], z[3 + 2 * k]), QColor(Qt::black)) << k;
    }
}

TEST_F(Brettbild, HeimkreiseInDerFarbeMitSchwarzemRand) {
    for (int c = 1; c <= 4; ++c) {
        const int16_t* z = Zeile(100 + c);
        for (int j = 1; j <= 4; ++j) {
            SCOPED_TRACE(c * 10 + j);
            const int cx = z[2 * j], cy = z[2 * j + 1], r = z[1];
            EXPECT_EQ(Farbe(Bild(), cx, cy), Palette(t.z().Farbe[10 + c]));
            EXPECT_EQ(Farbe(Bild(), cx + r - 1, cy), Palette(t.z().Farbe[10 + c]));
            EXPECT_EQ(Farbe(Bild(), cx + r + 1, cy), QColor(Qt::black));
            EXPECT_EQ(Farbe(Bild(), cx, cy - r - 1), QColor(Qt::black));
        }
    }
}

TEST_F(Brettbild, HintergrundUndBildschirmZeigenDasBild) {
    EXPECT_EQ(Farbe(Bild(), 2, 2), QColor(255, 255, 192));
    // The widget shows the image (figures and dice aside) pixel for pixel.
    const QImage schirm = Bildschirmbild(t.e().picSpielfeld->Flaeche());
    for (int y = 60; y < 480; y += 7)
        for (int x = 60; x < 530; x += 7) {
            bool unterFigur = false;
            for (Figurbild* f : t.e().imgFigur)
                unterFigur |= f->isVisible() && f->geometry().contains(x, y);
            if (unterFigur) continue;
            ASSERT_EQ(schirm.pixel(x, y), Bild().pixel(x, y)) << x << "," << y;
        }
}

// A game moves figures but never draws the board again.
TEST_F(Brettbild, SpielZeichnetDasBrettNichtNeu) {
    const QImage vorher = Bild();
    const qint64 schluessel = Bild().cacheKey();
    t.Spieler(5, 6, 7, 8);
    t.e().chkTurbo->setChecked(true);
    t.e().cmdStart->click();
    for (int i = 0; i < 3000; ++i)
        t.Takt();
    EXPECT_EQ(Bild().cacheKey(), schluessel);
    EXPECT_EQ(Bild(), vorher);
}

class Wuerfelbild : public Brettbild {
  protected:
    const QImage& Wuerfel(int farbe) { return t.e().picWuerfel[farbe - 1]->Bild(); }
};

TEST_F(Wuerfelbild, AugenWeissAufDunkelgrau) {
    // Pip centres: centre (15, 15), corners and middles 9 pixels away.
    struct Auge {
        int x, y;
    };
    const Auge mitte{15, 15}, ol{6, 6}, ur{24, 24}, or_{24, 6}, ul{6, 24}, om{15, 6}, um{15, 24};
    const std::vector<std::vector<Auge>> augen{{},
                                               {mitte},
                                               {ol, ur},
                                               {mitte, ol, ur},
                                               {ol, ur, or_, ul},
                                               {mitte, ol, ur, or_, ul},
                                               {ol, ur, or_, ul, om, um}};
    const Auge alle[] = {mitte, ol, ur, or_, ul, om, um};
    const QColor grau(64, 64, 64);
    for (int wert = 0; wert <= 6; ++wert) {
        SCOPED_TRACE(wert);
        t.f().Form().WuerfelZeichnen(2, static_cast<int16_t>(wert));
        for (const Auge& a : alle) {
            bool gesetzt = false;
            for (const Auge& b : augen[wert])
                gesetzt |= a.x == b.x && a.y == b.y;
            EXPECT_EQ(Farbe(Wuerfel(2), a.x, a.y), gesetzt ? QColor(Qt::white) : grau)
                << a.x << "," << a.y;
            if (gesetzt) { // radius 3
                EXPECT_EQ(Farbe(Wuerfel(2), a.x + 3, a.y), QColor(Qt::white));
                EXPECT_EQ(Farbe(Wuerfel(2), a.x + 4, a.y), grau);
            }
        }
        EXPECT_EQ(Farbe(Wuerfel(2), 0, 0), grau);
        EXPECT_EQ(Farbe(Wuerfel(2), 30, 30), grau);
    }
}

TEST_F(Wuerfelbild, VersteckterWuerfelWirdSichtbar) {
    t.f().Form().WuerfelVerstecken(4);
    EXPECT_TRUE(t.e().picWuerfel[3]->isHidden());
    t.f().Form().WuerfelZeichnen(4, 0);
    EXPECT_FALSE(t.e().picWuerfel[3]->isHidden());
    EXPECT_EQ(Farbe(Wuerfel(4), 15, 15), QColor(64, 64, 64));
}

TEST_F(Wuerfelbild, WuerfelSindUnabhaengig) {
    for (int c = 1; c <= 4; ++c)
        t.f().Form().WuerfelZeichnen(c, static_cast<int16_t>(c + 1));
    const QImage vorher[4] = {Wuerfel(1), Wuerfel(2), Wuerfel(3), Wuerfel(4)};
    t.f().Form().WuerfelZeichnen(3, 1);
    EXPECT_EQ(Wuerfel(1), vorher[0]);
    EXPECT_EQ(Wuerfel(2), vorher[1]);
    EXPECT_NE(Wuerfel(3), vorher[2]);
    EXPECT_EQ(Wuerfel(4), vorher[3]);
    // The screen shows the face drawn.
    const QImage schirm = Bildschirmbild(*t.e().picWuerfel[2]);
    EXPECT_EQ(QColor(schirm.pixel(15, 15)), QColor(Qt::white));
    EXPECT_EQ(QColor(schirm.pixel(6, 6)), QColor(64, 64, 64));
}

TEST_F(Wuerfelbild, NachDemLadenZeigtJederWuerfelEinGesicht) {
    for (int c = 1; c <= 4; ++c) {
        SCOPED_TRACE(c);
        EXPECT_FALSE(t.e().picWuerfel[c - 1]->isHidden());
        int weiss = 0;
        for (int y = 0; y < 31; ++y)
            for (int x = 0; x < 31; ++x)
                weiss += Farbe(Wuerfel(c), x, y) == QColor(Qt::white);
        EXPECT_GT(weiss, 0); // values 1..6, never blank
    }
}

} // namespace
} // namespace pelu::test
