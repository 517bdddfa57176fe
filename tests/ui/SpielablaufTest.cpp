// Whole games through the real window, ticks driven by the test: four
// computer players, a human who takes the proposals, and random input.

#include <random>

#include "Testfenster.h"
#include "board/Platzkoordinaten.h"

namespace pelu::test {
namespace {

// The end as the window shows it; gives the places shown, sorted.
QStringList PruefeEnde(Testfenster& t) {
    EXPECT_EQ(t.z().Spielphase, Phase::Spielende);
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Ende"));
    EXPECT_TRUE(t.e().cmdStart->isEnabled() && !t.e().cmdStop->isEnabled());
    QStringList raenge;
    for (QLabel* rang : t.e().lblRang)
        if (!rang->text().isEmpty()) raenge << rang->text();
    raenge.sort();
    return raenge;
}

TEST(Spielablauf, VierComputerSpielenBisZumEnde) {
    Testfenster t(11);
    ASSERT_TRUE(t.geladen) << t.fehler.toStdString();
    const qint64 brett = t.e().picSpielfeld->Bild().cacheKey();
    t.Spieler({5, 6, 7, 8});
    t.e().chkTurbo->click();
    Klicken(*t.e().cmdStart);
    ASSERT_TRUE(t.BisRuhe(3000000));
    EXPECT_EQ(PruefeEnde(t), (QStringList{"1.", "2.", "3.", "4."}));
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(t.e().lblZuganzeige[c - 1]->text().toInt(), t.z().Zugzahl[c]);
        EXPECT_GT(t.z().Zugzahl[c], 0);
    }
    // At least the first three colours home in their goals; every image
    // stands on its figure's slot.
    int imZiel = 0;
    for (int f = 1; f <= 16; ++f) {
        const auto& fd = t.z().Figur[f];
        imZiel += fd.Zustand == 5;
        const Punkt p = PlatzKoordinaten(t.spiel().Daten(), fd.Feld, fd.Platz);
        EXPECT_EQ(t.e().imgFigur[f - 1]->pos(), QPoint(p.x - 7, p.y - 7)) << f;
    }
    EXPECT_GE(imZiel, 12);
    // Figures move over the board; the board itself is never drawn again.
    EXPECT_EQ(t.e().picSpielfeld->Bild().cacheKey(), brett);
}

TEST(Spielablauf, MenschNimmtJedenVorschlag) {
    Testfenster t(5);
    ASSERT_TRUE(t.geladen) << t.fehler.toStdString();
    t.Spieler({1, 6, 0, 1});
    t.e().chkTurbo->click();
    Klicken(*t.e().cmdStart);
    int wahlen = 0;
    const bool fertig = t.BisRuhe(3000000, [&] {
        if (t.z().Spielphase != Phase::WartenFigurwahl || t.z().Gewaehlt != 0) return;
        EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Wählen"));
        const int vorschlag = t.z().Hilfsfigur;
        ASSERT_GT(vorschlag, 0);
        ASSERT_TRUE(t.Beweglich(vorschlag));
        Figurbild& bild = *t.e().imgFigur[vorschlag - 1];
        MausBewegen(bild);
        EXPECT_EQ(bild.cursor().shape(), Qt::BitmapCursor);
        Klicken(bild);
        EXPECT_EQ(t.z().Gewaehlt, vorschlag);
        ++wahlen;
    });
    ASSERT_TRUE(fertig);
    EXPECT_EQ(PruefeEnde(t).size(), 3);
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
    QList<QWidget*> ziele = t.f().findChildren<QWidget*>(); // all but Beenden
    ziele.removeAll(e.cmdBeenden);
    std::mt19937 zufall(99);
    // Games begun and ended, seen after every click and tick.
    int starts = 0, enden = 0;
    bool laeuft = false;
    auto Beobachten = [&] {
        const bool jetzt = t.z().Spielphase != Phase::Spielende && t.z().Spielphase != Phase::Keine;
        starts += jetzt && !laeuft;
        enden += laeuft && !jetzt;
        laeuft = jetzt;
        for (int c = 1; c <= 4; ++c) {
            const int16_t wert = t.f().Form().Spielerwert(c);
            ASSERT_TRUE(wert >= 0 && wert <= 8) << wert;
        }
    };
    for (int schritt = 0; schritt < 20000; ++schritt) {
        QWidget& ziel = *ziele[zufall() % ziele.size()];
        const QPoint ort(static_cast<int>(zufall() % std::max(1, ziel.width())),
                         static_cast<int>(zufall() % std::max(1, ziel.height())));
        if (ziel.isVisible() && zufall() % 3 == 0)
            MausBewegen(ziel, ort);
        else if (ziel.isVisible())
            Klicken(ziel, ort);
        Beobachten();
        for (int i = static_cast<int>(zufall() % 40); i > 0; --i) {
            t.Takt();
            Beobachten();
        }
    }
    if (t.f().Regeln()) t.f().Regeln()->close();
    // Stop and let the turn end; a pending human choice is made.
    Klicken(*e.cmdStop);
    const bool fertig = t.BisRuhe(200000, [&] {
        if (t.z().Spielphase != Phase::WartenFigurwahl) return;
        for (int f = 1; f <= 16; ++f)
            if (t.Beweglich(f)) return Klicken(*e.imgFigur[f - 1]);
    });
    EXPECT_TRUE(fertig);
    Beobachten();
    EXPECT_FALSE(laeuft);
    EXPECT_GT(starts, 10);
    EXPECT_EQ(enden, starts);
    EXPECT_TRUE(e.cmdStart->isEnabled());
}

} // namespace
} // namespace pelu::test
