// Whole games through the real window, ticks driven by the test: four
// computer players, a human who takes the proposals, and random input.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <random>

#include "QtFormular.h"
#include "Spielerwahl.h"
#include "Testfenster.h"
#include "board/Platzkoordinaten.h"

namespace pelu::test {
namespace {

bool Beweglich(Spielzustand& z, int f) {
    return z.Figur[f].Zielfeld >= 1 && z.Figur[f].Spieler >= 1;
}

void PruefeEnde(Testfenster& t, int farben) {
    EXPECT_EQ(t.z().Spielphase, Phase::Spielende);
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Ende"));
    EXPECT_TRUE(t.e().cmdStart->isEnabled());
    EXPECT_FALSE(t.e().cmdStop->isEnabled());
    QStringList raenge;
    for (QLabel* rang : t.e().lblRang)
        if (!rang->text().isEmpty()) raenge << rang->text();
    EXPECT_EQ(raenge.size(), farben);
}

TEST(Spielablauf, VierComputerSpielenBisZumEnde) {
    Testfenster t(11);
    ASSERT_TRUE(t.geladen) << t.fehler.toStdString();
    t.Spieler(5, 6, 7, 8);
    t.e().chkTurbo->click();
    Klicken(*t.e().cmdStart);
    ASSERT_TRUE(t.BisRuhe(3000000));
    PruefeEnde(t, 4);
    // Every figure of the first three players stands in its goal, on the
    // goal's slot position.
    int imZiel = 0;
    for (int f = 1; f <= 16; ++f)
        imZiel += t.z().Figur[f].Zustand == 5;
    EXPECT_GE(imZiel, 12);
    for (int f = 1; f <= 16; ++f) {
        const auto& fd = t.z().Figur[f];
        const Punkt p = PlatzKoordinaten(t.spiel().Daten(), fd.Feld, fd.Platz);
        EXPECT_EQ(t.e().imgFigur[f - 1]->pos(), QPoint(p.x - 7, p.y - 7)) << f;
    }
}

TEST(Spielablauf, MenschNimmtJedenVorschlag) {
    Testfenster t(5);
    ASSERT_TRUE(t.geladen) << t.fehler.toStdString();
    t.Spieler(1, 6, 0, 1);
    t.e().chkTurbo->click();
    Klicken(*t.e().cmdStart);
    int wahlen = 0;
    const bool fertig = t.BisRuhe(3000000, [&] {
        if (t.z().Spielphase != Phase::WartenFigurwahl || t.z().Gewaehlt != 0) return;
        EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Wählen"));
        const int vorschlag = t.z().Hilfsfigur;
        ASSERT_GT(vorschlag, 0);
        ASSERT_TRUE(Beweglich(t.z(), vorschlag));
        Figurbild& bild = *t.e().imgFigur[vorschlag - 1];
        MausBewegen(bild);
        EXPECT_EQ(bild.cursor().shape(), Qt::BitmapCursor);
        Klicken(bild);
        EXPECT_EQ(t.z().Gewaehlt, vorschlag);
        ++wahlen;
    });
    ASSERT_TRUE(fertig);
    PruefeEnde(t, 3);
    // Colours 1 and 4 are one player and share the place.
    EXPECT_EQ(t.e().lblRang[0]->text(), t.e().lblRang[3]->text());
    EXPECT_GT(wahlen, 20);
}

// Random clicks and moves on every control of the window, between random
// numbers of ticks; the game never crashes or hangs, and every game started
// comes to its end.
TEST(Spielablauf, AffeKlicktUeberall) {
    Testfenster t(23);
    ASSERT_TRUE(t.geladen) << t.fehler.toStdString();
    Bedienelemente& e = t.e();
    std::vector<QWidget*> ziele{e.cmdFigurenwahl, e.cmdStart,     e.cmdStop,
                                e.cmdHilfe,       e.cmdRegeln,    e.chkTurbo,
                                e.lblInfo,        e.picSpielfeld, &e.picSpielfeld->Flaeche()};
    for (QWidget* w : e.imgFigur)
        ziele.push_back(w);
    for (QWidget* w : e.picWuerfel)
        ziele.push_back(w);
    for (int i = 0; i < 4; ++i)
        ziele.push_back(t.f().Wahl().vsbSpieler(i));
    std::mt19937 zufall(99);
    int starts = 0;
    for (int schritt = 0; schritt < 20000; ++schritt) {
        QWidget& ziel = *ziele[zufall() % ziele.size()];
        const QPoint ort(static_cast<int>(zufall() % std::max(1, ziel.width())),
                         static_cast<int>(zufall() % std::max(1, ziel.height())));
        if (ziel.isVisible()) {
            if (zufall() % 3 == 0)
                MausBewegen(ziel, ort);
            else
                Klicken(ziel, ort);
        }
        if (&ziel == e.cmdStart && e.cmdStart->isEnabled()) ++starts;
        const int takte = static_cast<int>(zufall() % 40);
        for (int i = 0; i < takte; ++i)
            t.Takt();
        for (int c = 1; c <= 4; ++c) {
            const int16_t wert = t.f().Form().Spielerwert(c);
            ASSERT_GE(wert, 0);
            ASSERT_LE(wert, 8);
        }
    }
    EXPECT_GT(starts, 10);
    if (t.f().Regeln()) t.f().Regeln()->close();
    // Stop and let the turn end; a pending human choice is made.
    Klicken(*e.cmdStop);
    const bool fertig = t.BisRuhe(200000, [&] {
        if (t.z().Spielphase != Phase::WartenFigurwahl) return;
        for (int f = 1; f <= 16; ++f)
            if (Beweglich(t.z(), f)) return Klicken(*e.imgFigur[f - 1]);
    });
    EXPECT_TRUE(fertig);
    EXPECT_TRUE(t.z().Spielphase == Phase::Spielende || t.z().Spielphase == Phase::Keine);
    EXPECT_TRUE(e.cmdStart->isEnabled());
}

} // namespace
} // namespace pelu::test
