// The pictures: the board as drawn and the dice faces.

#include <QPixmapCache>
#include <vector>

#include "Bilder.h"
#include "QtLeinwand.h"
#include "Testfenster.h"
#include "Vorgemalt.h"

namespace pelu::test {
namespace {

QColor Farbe(const QImage& bild, int x, int y) {
    return QColor(bild.pixel(x, y));
}
const QColor Dunkelgrau(64, 64, 64);

using Bilder = MitFenster;

// Lines, as a data file with slanted fields draws them: every pixel between
// the end points, both included, one per step along the longer axis, a
// pixel halfway between two rows or columns on the side of the end point;
// the same in all eight directions, and for level and upright lines and a
// single point.
TEST(Leinwand, LinienInAlleRichtungen) {
    const std::vector<QPoint> rechtsUnten = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}};
    const std::vector<QPoint> untenRechts = {{0, 0}, {1, 1}, {1, 2}};
    const std::vector<QPoint> waagrecht = {{0, 0}, {1, 0}, {2, 0}, {3, 0}};
    const std::vector<QPoint> senkrecht = {{0, 0}, {0, 1}, {0, 2}};
    const std::vector<QPoint> punkt = {{0, 0}};
    for (const auto& [strecke, spiegel] :
         {std::pair{rechtsUnten, QPoint(1, 1)}, std::pair{rechtsUnten, QPoint(-1, 1)},
          std::pair{rechtsUnten, QPoint(1, -1)}, std::pair{rechtsUnten, QPoint(-1, -1)},
          std::pair{untenRechts, QPoint(1, 1)}, std::pair{untenRechts, QPoint(-1, 1)},
          std::pair{untenRechts, QPoint(1, -1)}, std::pair{untenRechts, QPoint(-1, -1)},
          std::pair{waagrecht, QPoint(1, 1)}, std::pair{waagrecht, QPoint(-1, 1)},
          std::pair{senkrecht, QPoint(1, 1)}, std::pair{senkrecht, QPoint(1, -1)},
          std::pair{punkt, QPoint(1, 1)}}) {
        QImage bild(11, 11, QImage::Format_RGB32);
        QtLeinwand leinwand(bild, Qt::white);
        leinwand.Loeschen();
        const QPoint mitte(5, 5);
        const auto ort = [&](QPoint p) {
            return mitte + QPoint(p.x() * spiegel.x(), p.y() * spiegel.y());
        };
        const QPoint ende = ort(strecke.back());
        leinwand.Linie(mitte.x(), mitte.y(), ende.x(), ende.y(), 0x000000);
        int schwarz = 0;
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 11; ++x)
                schwarz += QColor(bild.pixel(x, y)) == Qt::black;
        EXPECT_EQ(schwarz, static_cast<int>(strecke.size())) << spiegel.x() << "," << spiegel.y();
        for (const QPoint p : strecke)
            EXPECT_EQ(QColor(bild.pixel(ort(p))), QColor(Qt::black)) << p.x() << "," << p.y();
    }
}

// A disc takes every pixel whose centre lies within the radius, those exactly
// on it too: radius 2 about a pixel centre gives 13 pixels.
TEST(Leinwand, KreisMitDenPixelnAufDemRand) {
    QImage bild(11, 11, QImage::Format_RGB32);
    QtLeinwand leinwand(bild, Qt::white);
    leinwand.Loeschen();
    leinwand.Kreis(5.5, 5.5, 2.0, 1, 0x000000, 0x000000);
    int schwarz = 0;
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x)
            schwarz += QColor(bild.pixel(x, y)) == Qt::black;
    EXPECT_EQ(schwarz, 13);
    for (const QPoint p : {QPoint(7, 5), QPoint(3, 5), QPoint(5, 7), QPoint(5, 3)})
        EXPECT_EQ(QColor(bild.pixel(p)), QColor(Qt::black)) << p.x() << "," << p.y();
}

TEST_F(Bilder, BrettfelderNachArtMitSchwarzemRandUndHeimkreise) {
    const QImage& brett = t.e().picSpielfeld->Bild();
    const auto& zeilen = t.f().Partie()->Daten().Bilddaten;
    int16_t art = 0;
    for (int feld = 1; feld <= 96; ++feld) {
        SCOPED_TRACE(feld);
        const int16_t* z = zeilen[feld];
        if (z[10] >= 1 && z[10] <= 6) art = z[10]; // a kind holds until the next
        const int farbe =
            art <= 4 ? HelleFarbe(art) : pelu::Farbe[art == 5 ? FarbeArtStrecke : FarbeArtBank];
        const int mx = (z[2] + z[4] + z[6] + z[8]) / 4, my = (z[3] + z[5] + z[7] + z[9]) / 4;
        EXPECT_EQ(Farbe(brett, mx, my), QColor::fromRgb(QBColor(farbe)));
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(Farbe(brett, z[2 + 2 * k], z[3 + 2 * k]), QColor(Qt::black)) << k;
    }
    for (int c = 1; c <= 4; ++c) {
        const int16_t* z = zeilen[100 + c];
        for (int j = 1; j <= 4; ++j) {
            SCOPED_TRACE(c * 10 + j);
            const int cx = z[2 * j], cy = z[2 * j + 1], r = z[1];
            EXPECT_EQ(Farbe(brett, cx + r - 1, cy), QColor::fromRgb(QBColor(HelleFarbe(c))));
            EXPECT_EQ(Farbe(brett, cx + r + 1, cy), QColor(Qt::black));
            EXPECT_EQ(Farbe(brett, cx, cy - r - 1), QColor(Qt::black));
        }
    }
}

// Pips of radius 3: the middle and points 9 pixels from it; per face a bit
// for each point that carries one. Drawing one die leaves the others.
TEST_F(Bilder, WuerfelaugenWeissAufDunkelgrauJederWuerfelFuerSich) {
    const QPoint punkte[7] = {{15, 15}, {6, 6}, {24, 24}, {24, 6}, {6, 24}, {15, 6}, {15, 24}};
    const int augen[7] = {0, 0b1, 0b110, 0b111, 0b11110, 0b11111, 0b1111110};
    const QImage& bild = t.e().picWuerfel[1]->Bild();
    for (int wert = 0; wert <= 6; ++wert) {
        SCOPED_TRACE(wert);
        t.f().Form().WuerfelZeichnen(2, static_cast<int16_t>(wert));
        EXPECT_EQ(Farbe(bild, 0, 0), Dunkelgrau);
        for (int k = 0; k < 7; ++k) {
            const QPoint a = punkte[k];
            const bool gesetzt = (augen[wert] >> k) & 1;
            EXPECT_EQ(Farbe(bild, a.x(), a.y()), gesetzt ? QColor(Qt::white) : Dunkelgrau);
            if (!gesetzt) continue;
            EXPECT_EQ(Farbe(bild, a.x() + 3, a.y()), QColor(Qt::white));
            EXPECT_EQ(Farbe(bild, a.x() + 4, a.y()), Dunkelgrau);
        }
    }
    for (int c = 1; c <= 4; ++c)
        t.f().Form().WuerfelZeichnen(c, static_cast<int16_t>(c + 1));
    const QImage vorher[4] = {t.e().picWuerfel[0]->Bild(), t.e().picWuerfel[1]->Bild(),
                              t.e().picWuerfel[2]->Bild(), t.e().picWuerfel[3]->Bild()};
    t.f().Form().WuerfelZeichnen(3, 1);
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(t.e().picWuerfel[c - 1]->Bild() == vorher[c - 1], c != 3) << c;
    // The screen shows the new face: 1's middle pip, absent from the 4 before.
    EXPECT_EQ(Farbe(t.e().picWuerfel[2]->grab().toImage(), 15, 15), QColor(Qt::white));
}

} // namespace
} // namespace pelu::test

namespace pelu::test {
namespace {

// The pictures bildmaler drew at build time, which the program shows at
// start, are the ones the drawing code gives: the window looks the same
// with them as without.
TEST(Vorgemalt, FensterWieGemalt) {
    ASSERT_GT(VorgemalteBilderAnzahl, 0);
    QPixmapCache::clear();
    Testfenster gemalt;
    ASSERT_TRUE(gemalt.geladen);
    const QImage erwartet = gemalt.f().grab().toImage();
    QPixmapCache::clear();
    VorgemalteBilderEinlegen(VorgemalteBilder, VorgemalteBilderAnzahl);
    QPixmap vorher;
    ASSERT_TRUE(QPixmapCache::find(SymbolSchluessel(Symbol::Stopp, 32, 1.0), &vorher));
    Testfenster vorgemalt;
    ASSERT_TRUE(vorgemalt.geladen);
    EXPECT_EQ(vorgemalt.f().grab().toImage(), erwartet);
    QPixmap nachher;
    ASSERT_TRUE(QPixmapCache::find(SymbolSchluessel(Symbol::Stopp, 32, 1.0), &nachher));
    EXPECT_EQ(nachher.cacheKey(), vorher.cacheKey()); // taken, not drawn again
    QPixmapCache::clear();
}

} // namespace
} // namespace pelu::test
