// Whole games through the real window, ticks driven by the test: four
// computer players, a human who takes the proposals, and random input.

#include <random>
#include <tuple>
#include <vector>

#include "Testfenster.h"
#include "board/Platzkoordinaten.h"

namespace pelu::test {
namespace {

// The end as the window shows it; gives the places shown, sorted.
QStringList PruefeEnde(Testfenster& t) {
    EXPECT_EQ(t.z().Spielphase, Phase::Spielende);
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Ende"));
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
    // Every image stands on its figure's slot; the move counts shown are the game's.
    for (int f = 1; f <= 16; ++f) {
        const auto& fd = t.z().Figur[f];
        const Punkt p = PlatzKoordinaten(t.f().Partie()->Daten(), fd.Feld, fd.Platz);
        EXPECT_EQ(t.e().imgFigur[f - 1]->pos(), QPoint(p.x - 7, p.y - 7)) << f;
        const int farbe = (f - 1) / 4 + 1;
        EXPECT_EQ(t.e().lblZuganzeige[farbe - 1]->text().toInt(), t.z().Zugzahl[farbe]);
    }
    EXPECT_EQ(t.e().picSpielfeld->Bild().cacheKey(), brett); // never drawn again
    for (const Figurbild* bild : t.e().imgFigur)
        EXPECT_EQ(bild->accessibleDescription(), QStringLiteral("im Ziel")) << bild->Figur();
}

// At each choice the hand, with its fingertip as the hot spot, shows on the
// movable figures only, and they alone are described as selectable; clicks
// on the others choose nothing. On the proposal the right button, a press
// with one button and a release with the other, a left press that another
// button's press cancels, a release just beyond each edge and a release
// without a press choose nothing; a left press and release anywhere on it,
// each corner in turn, choose it.
TEST(Spielablauf, MenschNimmtJedenVorschlag) {
    Testfenster t(5);
    ASSERT_TRUE(t.geladen) << t.fehler.toStdString();
    t.Spieler({1, 6, 0, 1});
    t.e().chkTurbo->click();
    Klicken(*t.e().cmdStart);
    const QEvent::Type drueck = QEvent::MouseButtonPress, los = QEvent::MouseButtonRelease;
    const Qt::MouseButton l = Qt::LeftButton, r = Qt::RightButton, m = Qt::MiddleButton;
    const std::vector<std::vector<std::tuple<QEvent::Type, QPoint, Qt::MouseButton>>> ohneWahl = {
        {{drueck, {7, 7}, r}, {los, {7, 7}, r}},
        {{drueck, {7, 7}, r}, {los, {7, 7}, l}},
        {{drueck, {7, 7}, l}, {los, {7, 7}, r}},
        {{drueck, {7, 7}, m}, {los, {7, 7}, l}},
        {{drueck, {7, 7}, l}, {drueck, {7, 7}, m}, {los, {7, 7}, l}},
        {{drueck, {7, 7}, l}, {los, {15, 7}, l}, {los, {7, 7}, l}},
        {{drueck, {7, 7}, l}, {los, {7, 15}, l}},
        {{drueck, {7, 7}, l}, {los, {-1, 7}, l}},
        {{drueck, {7, 7}, l}, {los, {7, -1}, l}},
    };
    const QPoint ecken[] = {{7, 7}, {0, 0}, {14, 0}, {0, 14}, {14, 14}};
    int wahlen = 0, gesperrt = 0;
    ASSERT_TRUE(t.BisRuhe(3000000, [&] {
        if (t.z().Spielphase != Phase::WartenFigurwahl || t.z().Gewaehlt != 0) return;
        EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Wählen"));
        for (int f = 1; f <= 16; ++f) {
            Figurbild& bild = *t.e().imgFigur[f - 1];
            Maus(bild, QEvent::MouseMove);
            EXPECT_EQ(bild.cursor().shape(), t.Beweglich(f) ? Qt::BitmapCursor : Qt::ArrowCursor);
            if (t.Beweglich(f)) {
                EXPECT_EQ(bild.cursor().hotSpot(), QPoint(12, 1));
            }
            EXPECT_EQ(bild.accessibleDescription().contains(QStringLiteral(", wählbar")),
                      t.Beweglich(f));
            if (!t.Beweglich(f) && bild.isVisible()) {
                Klicken(bild);
                ++gesperrt;
            }
        }
        const int vorschlag = t.z().Hilfsfigur;
        ASSERT_TRUE(vorschlag > 0 && t.Beweglich(vorschlag)) << vorschlag;
        Figurbild& bild = *t.e().imgFigur[vorschlag - 1];
        for (const auto& geste : ohneWahl) {
            for (const auto& [art, ort, knopf] : geste)
                Maus(bild, art, ort, knopf);
            EXPECT_EQ(t.z().Gewaehlt, 0) << &geste - ohneWahl.data();
        }
        Klicken(bild, ecken[wahlen % 5]);
        EXPECT_EQ(t.z().Gewaehlt, vorschlag);
        ++wahlen;
    }));
    EXPECT_EQ(PruefeEnde(t).size(), 3);
    EXPECT_EQ(t.e().lblRang[0]->text(), t.e().lblRang[3]->text()); // one player, one place
    EXPECT_GT(wahlen, 20);
    EXPECT_GT(gesperrt, 20);
}

// Random clicks and moves on every control but Beenden, between random
// numbers of ticks: nothing crashes or hangs, and every game started ends.
TEST(Spielablauf, AffeKlicktUeberall) {
    Testfenster t(23);
    ASSERT_TRUE(t.geladen) << t.fehler.toStdString();
    QList<QWidget*> ziele = t.f().findChildren<QWidget*>();
    ziele.removeAll(t.e().cmdBeenden);
    std::mt19937 zufall(99);
    int starts = 0, enden = 0;
    bool laeuft = false;
    auto Beobachten = [&] {
        const bool jetzt = t.z().Spielphase != Phase::Spielende && t.z().Spielphase != Phase::Keine;
        starts += jetzt && !laeuft;
        enden += laeuft && !jetzt;
        laeuft = jetzt;
    };
    for (int schritt = 0; schritt < 20000; ++schritt) {
        QWidget& ziel = *ziele[zufall() % ziele.size()];
        const QPoint ort(static_cast<int>(zufall() % std::max(1, ziel.width())),
                         static_cast<int>(zufall() % std::max(1, ziel.height())));
        if (ziel.isVisible()) {
            if (zufall() % 3 != 0)
                Klicken(ziel, ort);
            else
                Maus(ziel, QEvent::MouseMove, ort);
        }
        for (int i = static_cast<int>(zufall() % 40); i >= 0; --i) {
            Beobachten();
            t.Takt();
        }
    }
    if (t.f().Regeln()) t.f().Regeln()->close();
    // Stop and let the turn end; a pending human choice is made.
    Klicken(*t.e().cmdStop);
    EXPECT_TRUE(t.BisRuhe(200000, [&] {
        if (t.z().Spielphase != Phase::WartenFigurwahl) return;
        for (int f = 1; f <= 16; ++f) {
            if (!t.Beweglich(f)) continue;
            Klicken(*t.e().imgFigur[f - 1]);
            return;
        }
    }));
    Beobachten();
    EXPECT_FALSE(laeuft);
    EXPECT_GT(starts, 10);
    EXPECT_EQ(enden, starts);
}

} // namespace
} // namespace pelu::test
