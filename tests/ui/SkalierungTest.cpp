// The window at any size: everything inside at one factor with even margins,
// the board drawn afresh at the scaled places, clicks, hover and the hand on
// the figures under the pointer, animations that keep their path through a
// resize; the start size on a small screen; full screen; the rules window.
// ctest runs the Skalierung tests again on a screen of device pixel ratio 2.

#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <set>

#include "Auswahlring.h"
#include "Fenstergroesse.h"
#include "Testfenster.h"
#include "board/Platzkoordinaten.h"

namespace pelu::test {
namespace {

const QSize Entwurf(701, 567);

// Client sizes at the factors 0.5, 0.75, 1.5 and 2: the designed size times
// the factor, and the same once more with room to spare across or down.
std::vector<QSize> Groessen() {
    std::vector<QSize> groessen;
    for (double f : {0.5, 0.75, 1.5, 2.0}) {
        const QSize knapp(int(std::ceil(Entwurf.width() * f)),
                          int(std::ceil(Entwurf.height() * f)));
        groessen.push_back(knapp);
        groessen.push_back(f < 1 ? knapp + QSize(0, 90) : knapp + QSize(250, 0));
    }
    return groessen;
}

// Where a designed window point lies at a client size: the factor, and the
// margins that centre the scaled design.
struct Abbild {
    double s;
    QPointF rand;
    explicit Abbild(QSize client)
        : s(std::min(double(client.width()) / Entwurf.width(),
                     double(client.height()) / Entwurf.height())),
          rand((client.width() - Entwurf.width() * s) / 2,
               (client.height() - Entwurf.height() * s) / 2) {}
    QPointF Punkt(QPointF entwurf) const { return rand + entwurf * s; }
};

QRect ImFenster(const QWidget& w, const QWidget& fenster) {
    return {w.mapTo(&fenster, QPoint(0, 0)), w.size()};
}

class Skalierung : public MitFenster {
  protected:
    void SetUp() override {
        MitFenster::SetUp();
        innen = t.e().picSpielfeld->Flaeche().mapTo(&t.f(), QPoint(0, 0));
    }
    // The window point at the middle of designed board pixel `p`.
    QPoint Brettpunkt(const Abbild& a, QPointF p) const {
        const QPointF punkt = a.Punkt(QPointF(innen) + p + QPointF(0.5, 0.5));
        return {int(std::floor(punkt.x())), int(std::floor(punkt.y()))};
    }
    // Whether the figure's image is centred on the designed board point `p`
    // (pixel middle) at its scaled size, within one pixel.
    void PruefeFigur(const Abbild& a, int figur, QPointF p) {
        const Figurbild& bild = *t.e().imgFigur[figur - 1];
        const QPointF mitte = QRectF(ImFenster(bild, t.f())).center();
        const QPointF soll = a.Punkt(QPointF(innen) + p + QPointF(0.5, 0.5));
        EXPECT_NEAR(mitte.x(), soll.x(), 1.0) << figur;
        EXPECT_NEAR(mitte.y(), soll.y(), 1.0) << figur;
        EXPECT_NEAR(bild.width(), Figurbild::Seite * a.s, 0.5) << figur;
    }
    QPoint innen;
};

// Every control at its designed place times the factor, shifted by the
// margins, within a pixel on each edge; the figures centred on their scaled
// places; fonts, icons, the check box's square and the scroll bars' arrows
// in proportion. Back at the designed size everything is where it was.
TEST_F(Skalierung, JedesBedienelementMitDemFaktor) {
    std::vector<std::pair<QWidget*, QRect>> entwurf;
    for (QWidget* w : t.f().findChildren<QWidget*>())
        if (!qobject_cast<Figurbild*>(w) && !qobject_cast<Auswahlring*>(w))
            entwurf.emplace_back(w, ImFenster(*w, t.f()));
    std::vector<QPointF> figuren;
    for (const Figurbild* bild : t.e().imgFigur)
        figuren.push_back(QPointF(bild->pos()) + QPointF(7, 7));
    const double punkt = t.e().lblInfo->font().pointSizeF();
    const QStyleOptionButton kasten = [&] {
        QStyleOptionButton option;
        option.initFrom(t.e().chkTurbo);
        return option;
    }();
    const auto quadrat = [&] {
        return t.e().chkTurbo->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &kasten,
                                                       t.e().chkTurbo);
    };
    const QSize quadrat1 = quadrat().size();
    for (const QSize groesse : Groessen()) {
        SCOPED_TRACE(testing::Message() << groesse.width() << " x " << groesse.height());
        t.f().resize(groesse);
        ASSERT_EQ(t.f().size(), groesse);
        const Abbild a(groesse);
        EXPECT_DOUBLE_EQ(t.f().Skala().Lage().skala, a.s);
        for (const auto& [w, ort] : entwurf) {
            SCOPED_TRACE(w->objectName().toStdString());
            const QRect ist = ImFenster(*w, t.f());
            const QPointF oben = a.Punkt(ort.topLeft());
            const QPointF unten = a.Punkt(QPointF(ort.x() + ort.width(), ort.y() + ort.height()));
            EXPECT_NEAR(ist.x(), oben.x(), 1.0);
            EXPECT_NEAR(ist.y(), oben.y(), 1.0);
            EXPECT_NEAR(ist.x() + ist.width(), unten.x(), 1.0);
            EXPECT_NEAR(ist.y() + ist.height(), unten.y(), 1.0);
        }
        for (int f = 1; f <= 16; ++f)
            PruefeFigur(a, f, figuren[f - 1]);
        EXPECT_DOUBLE_EQ(t.e().lblInfo->font().pointSizeF(), punkt * a.s);
        EXPECT_EQ(t.e().cmdStart->iconSize(), QSize(32, 32) * a.s);
        const double dpr = t.f().devicePixelRatioF();
        const QPixmap symbol = t.e().cmdStart->icon().pixmap(t.e().cmdStart->iconSize(), dpr);
        EXPECT_EQ(symbol.deviceIndependentSize().toSize(), t.e().cmdStart->iconSize());
        EXPECT_NEAR(quadrat().width(), quadrat1.width() * a.s, 1.0);
        const QScrollBar& leiste = *t.f().Wahl().vsbSpieler(0);
        QStyleOptionSlider schieber;
        schieber.initFrom(&leiste);
        schieber.orientation = Qt::Vertical;
        schieber.minimum = leiste.minimum();
        schieber.maximum = leiste.maximum();
        const QRect pfeil = leiste.style()->subControlRect(QStyle::CC_ScrollBar, &schieber,
                                                           QStyle::SC_ScrollBarSubLine, &leiste);
        EXPECT_EQ(pfeil.height(), leiste.height() / 2);
    }
    t.f().resize(Entwurf);
    for (const auto& [w, ort] : entwurf)
        EXPECT_EQ(ImFenster(*w, t.f()), ort) << w->objectName().toStdString();
    EXPECT_DOUBLE_EQ(t.e().lblInfo->font().pointSizeF(), punkt);
}

// The fields and homes of the board are drawn at their scaled places: the
// window shows at the scaled middle of each field and home place the colour
// it shows there at the designed size.
TEST_F(Skalierung, BrettfelderUndHeimeAnIhrenOrten) {
    const Tabellen& daten = t.f().Partie()->Daten();
    std::vector<QPointF> orte;
    for (int feld = 1; feld <= 96; ++feld) {
        const int16_t* z = daten.Bilddaten[feld];
        orte.emplace_back((z[2] + z[4] + z[6] + z[8]) / 4, (z[3] + z[5] + z[7] + z[9]) / 4);
    }
    for (int heim = 101; heim <= 104; ++heim)
        for (int j = 1; j <= 4; ++j)
            orte.emplace_back(daten.Bilddaten[heim][2 * j], daten.Bilddaten[heim][2 * j + 1]);
    const auto Farben = [&] {
        const QImage bild = t.f().grab().toImage();
        const double dpr = bild.devicePixelRatio();
        const Abbild a(t.f().size());
        std::vector<QRgb> farben;
        for (const QPointF& ort : orte) {
            const QPointF p = a.Punkt(QPointF(innen) + ort + QPointF(0.5, 0.5)) * dpr;
            farben.push_back(bild.pixel(int(p.x()), int(p.y())));
        }
        return farben;
    };
    const std::vector<QRgb> entwurf = Farben();
    // Lanes, exits, benches, track and the four home colours at least.
    EXPECT_GE(std::set<QRgb>(entwurf.begin(), entwurf.end()).size(), 6u);
    for (const QSize groesse : Groessen()) {
        t.f().resize(groesse);
        const std::vector<QRgb> farben = Farben();
        for (size_t i = 0; i < orte.size(); ++i)
            EXPECT_EQ(farben[i], entwurf[i])
                << groesse.width() << " x " << groesse.height() << ", place " << i;
    }
}

// Seed 5, colour 1 human: at each choice the window takes the next size;
// the pointer over the scaled middle of each movable figure shows the hand,
// scaled with its hot spot, and a click there takes the proposal.
TEST_F(Skalierung, KlickUndHandAufDerSkaliertenFigur) {
    t.Spieler({1, 6, 0, 0});
    t.e().chkTurbo->click();
    Klicken(*t.e().cmdStart);
    const std::vector<QSize> groessen = Groessen();
    QWindow& fenster = *t.f().windowHandle();
    size_t wahlen = 0;
    while (t.Takt() != VirtuelleUhr::Takt::Keiner) {
        if (t.z().Spielphase != Phase::WartenFigurwahl || t.z().Gewaehlt != 0) continue;
        const QSize groesse = groessen[wahlen++ % groessen.size()];
        SCOPED_TRACE(testing::Message() << groesse.width() << " x " << groesse.height());
        t.f().resize(groesse);
        const Abbild a(groesse);
        const auto Mitte = [&](int f) {
            const FigurDaten& d = t.z().Figur[f];
            const Punkt p = PlatzKoordinaten(t.f().Partie()->Daten(), d.Feld, d.Platz);
            return Brettpunkt(a, QPointF(p.x, p.y));
        };
        for (int f = 1; f <= 4; ++f) {
            if (!t.Beweglich(f)) continue;
            QTest::mouseMove(&fenster, Mitte(f));
            const QCursor zeiger = t.e().imgFigur[f - 1]->cursor();
            EXPECT_EQ(zeiger.shape(), Qt::BitmapCursor) << f;
            EXPECT_NEAR(zeiger.pixmap().width(), 32 * a.s, 0.5);
            EXPECT_NEAR(zeiger.hotSpot().x(), 12 * a.s, 0.5);
        }
        QTest::mouseClick(&fenster, Qt::LeftButton, Qt::NoModifier, Mitte(t.z().Hilfsfigur));
        // A click that missed would leave the game waiting for ever.
        ASSERT_EQ(t.z().Gewaehlt, t.z().Hilfsfigur);
    }
    EXPECT_GT(wahlen, 2 * groessen.size());
}

// Four computers, normal pace: in the middle of every tenth move the window
// takes the next size. The moving figure stays on its path, and each figure
// ends on its slot at the last size.
TEST_F(Skalierung, GroessenwechselMittenInDerFahrt) {
    t.Spieler({5, 6, 7, 8});
    Klicken(*t.e().cmdStart);
    const std::vector<QSize> groessen = Groessen();
    int fahrten = 0;
    size_t wechsel = 0;
    ASSERT_TRUE(t.BisRuhe(3000000, [&] {
        const Fahrt& fahrt = t.f().Partie()->Fahrtzustand();
        if (!t.uhr->FahrenLaeuft() || fahrt.Schrittnummer != fahrt.Schrittzahl / 2 ||
            fahrt.Schrittzahl < 4 || ++fahrten % 10 != 0)
            return;
        const QSize groesse = groessen[wechsel++ % groessen.size()];
        SCOPED_TRACE(testing::Message() << groesse.width() << " x " << groesse.height());
        t.f().resize(groesse);
        const float n = fahrt.Schrittnummer;
        PruefeFigur(Abbild(groesse), fahrt.FahrFigur,
                    QPointF(n * fahrt.SchrittX + fahrt.StartX, n * fahrt.SchrittY + fahrt.StartY));
    }));
    EXPECT_GT(wechsel, groessen.size());
    EXPECT_EQ(t.z().Spielphase, Phase::Spielende);
    const Abbild a(t.f().size());
    for (int f = 1; f <= 16; ++f) {
        const FigurDaten& d = t.z().Figur[f];
        const Punkt p = PlatzKoordinaten(t.f().Partie()->Daten(), d.Feld, d.Platz);
        PruefeFigur(a, f, QPointF(p.x, p.y));
    }
}

// F11 fills the screen with the window and gives the next press back the
// designed size; the content follows each time.
TEST_F(Skalierung, VollbildMitF11UndZurueck) {
    const QRect schirm = t.f().screen()->geometry();
    Taste(t.f(), QKeyCombination(Qt::Key_F11));
    EXPECT_TRUE(t.f().isFullScreen());
    // The window system answers with the new size later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.f().geometry() == schirm; }));
    EXPECT_DOUBLE_EQ(t.f().Skala().Lage().skala, Abbild(t.f().size()).s);
    Taste(t.f(), QKeyCombination(Qt::Key_F11));
    EXPECT_FALSE(t.f().isFullScreen());
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.f().size() == Entwurf; }));
    EXPECT_DOUBLE_EQ(t.f().Skala().Lage().skala, 1.0);
}

// The rules window grows and shrinks with its text; Escape closes it.
TEST_F(Skalierung, RegelfensterSkaliertUndSchliesstMitEscape) {
    Klicken(*t.e().cmdRegeln);
    QPointer<RegelnFenster> regeln = t.f().Regeln();
    ASSERT_TRUE(regeln);
    const QSize entwurf = regeln->size();
    EXPECT_EQ(regeln->minimumSize(), Kleinstgroesse(entwurf));
    const QRect feld = regeln->picRegeln()->geometry();
    regeln->resize(entwurf * 2);
    EXPECT_EQ(regeln->picRegeln()->geometry(), QRect(feld.topLeft() * 2, feld.size() * 2));
    EXPECT_EQ(regeln->GedruckteZeilen().size(), 17);
    Taste(*regeln, QKeyCombination(Qt::Key_Escape));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(regeln);
}

// Where the window opens: at the designed size, its client area centred,
// where that fits with the frame; else at the largest factor that fits,
// frame and all; half the designed size on a screen too small even for that,
// from the free area's top left corner.
TEST(Startgroesse, PasstMitRahmenAufDenSchirm) {
    const QMargins rahmen(4, 30, 4, 4);
    struct Fall {
        QRect frei;
        QRect ort;
    };
    const Fall faelle[] = {
        {{0, 0, 800, 800}, {49, 116, 701, 567}},   {{0, 0, 709, 601}, {4, 30, 701, 567}},
        {{100, 0, 960, 540}, {267, 30, 625, 506}}, {{0, 0, 1280, 600}, {290, 30, 699, 566}},
        {{0, 20, 300, 200}, {4, 50, 351, 284}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(testing::Message() << fall.frei.width() << " x " << fall.frei.height());
        const QRect ort = Startlage(Entwurf, fall.frei, rahmen);
        EXPECT_EQ(ort, fall.ort);
        if (ort.size() != QSize(351, 284)) {
            EXPECT_TRUE(fall.frei.contains(ort.marginsAdded(rahmen)));
        }
    }
}

// The window opens with its frame on the screen: at the designed size
// where that fits, else smaller, everything inside at the factor. ctest runs
// it once more on a screen of 960 x 540 (PELU_KLEINER_SCHIRM).
TEST(Startgroesse, FensterGanzAufDemSchirm) {
    Testfenster t;
    ASSERT_TRUE(t.geladen);
    const QRect frei = t.f().screen()->availableGeometry();
    const QMargins rahmen = t.f().windowHandle()->frameMargins();
    const bool passt = frei.width() >= Entwurf.width() + rahmen.left() + rahmen.right() &&
                       frei.height() >= Entwurf.height() + rahmen.top() + rahmen.bottom();
    if (qEnvironmentVariableIsSet("PELU_KLEINER_SCHIRM")) {
        ASSERT_FALSE(passt);
    }
    EXPECT_TRUE(frei.contains(t.f().frameGeometry()))
        << t.f().frameGeometry().x() << ", " << t.f().frameGeometry().y();
    const double s = t.f().Skala().Lage().skala;
    if (passt) {
        EXPECT_EQ(t.f().size(), Entwurf);
    } else {
        EXPECT_LT(s, 1.0);
        EXPECT_GT(s, 0.8);
    }
    EXPECT_NEAR(t.e().picSpielfeld->width(), 601 * s, 1.0);
}

} // namespace
} // namespace pelu::test
