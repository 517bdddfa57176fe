// Playing with the keyboard: the commands' keys, the figure choice with the
// arrows, Return and the digits, mixed with the mouse, and the player
// assignment with the arrow keys.

#include <QTest>
#include <set>

#include "Auswahlring.h"
#include "Testfenster.h"
#include "Wahlsteuerung.h"

namespace pelu::test {
namespace {

using Tastatur = MitFenster;

// Each key clicks its control, only while the control is enabled; the
// tooltip names the key. Quitting works from the rules window too.
TEST_F(Tastatur, BefehlstastenKlickenIhrBedienelement) {
    struct Fall {
        QAbstractButton* knopf;
        QKeyCombination taste;
        QString tooltip;
        bool imRegelfenster = false;
    };
    // In this order each control is enabled when its turn comes.
    const Fall faelle[] = {
        {t.e().cmdStart, Qt::CTRL | Qt::Key_N, "Spiel starten (Strg+N)"},
        {t.e().cmdHilfe, QKeyCombination(Qt::Key_H), "Figur-Vorschlag (H)"},
        {t.e().cmdStop, Qt::CTRL | Qt::Key_E, "Spiel stoppen/abbrechen (Strg+E)"},
        {t.e().cmdRegeln, QKeyCombination(Qt::Key_F1), "Zeigt die Regeln (F1)"},
        {t.e().chkTurbo, QKeyCombination(Qt::Key_T), "Spiel im Schnellgang (T)"},
        {t.e().cmdBeenden, Qt::CTRL | Qt::Key_Q, "Beenden (Strg+Q)", true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.tooltip.toStdString());
        EXPECT_EQ(fall.knopf->toolTip(), fall.tooltip);
        int klicks = 0;
        const auto verbindung =
            QObject::connect(fall.knopf, &QAbstractButton::clicked, [&] { ++klicks; });
        ASSERT_TRUE(fall.knopf->isEnabled());
        QWidget* fenster = fall.imRegelfenster ? static_cast<QWidget*>(t.f().Regeln()) : &t.f();
        ASSERT_TRUE(fenster);
        fall.knopf->setEnabled(false);
        Taste(*fenster, fall.taste);
        EXPECT_EQ(klicks, 0);
        fall.knopf->setEnabled(true);
        Taste(*fenster, fall.taste);
        EXPECT_EQ(klicks, 1);
        QObject::disconnect(verbindung);
    }
    // What the clicks did: started, stopped, Turbo on, rules shown, both
    // windows closed.
    EXPECT_EQ(t.z().Spielphase, Phase::Start);
    EXPECT_TRUE(t.z().Stopp);
    EXPECT_TRUE(t.e().chkTurbo->isChecked());
    EXPECT_EQ(t.uhr->Programmintervall(), 50);
    EXPECT_FALSE(t.f().isVisible());
    EXPECT_TRUE(!t.f().Regeln() || !t.f().Regeln()->isVisible());
    // Turbo off again: the normal interval.
    t.e().chkTurbo->click();
    EXPECT_EQ(t.uhr->Programmintervall(), 200);
}

// Keys that the figure choice uses reach the focused control while no
// choice is open: Space clicks the focused button.
TEST_F(Tastatur, AusserhalbDerWahlGehenTastenAnDenFokus) {
    t.e().cmdRegeln->setFocus();
    Taste(t.f(), QKeyCombination(Qt::Key_Space));
    ASSERT_TRUE(t.f().Regeln());
    EXPECT_TRUE(t.f().Regeln()->isVisible());
    EXPECT_EQ(t.f().Steuerung().Markiert(), 0);
}

// Colour 1 and 4 human player 1, colour 2 a computer. At every choice the
// ring marks the lowest movable figure; Right and Down, Left and Up walk the
// movable figures with wrap-round; H moves the mark to the proposal. The
// ring lies above the figures and under the dice, and lets the mouse through
// to the figure. The choice is made in turn by Return, Enter, Space, a digit
// (each of 1..4 in turn where it names a movable figure; one that names a
// figure that cannot move does nothing), and a mouse click while the mark is
// elsewhere; after it the mark is gone. The game plays to its end.
TEST(TastaturSpiel, MenschWaehltMitDenTasten) {
    Testfenster t(5);
    ASSERT_TRUE(t.geladen) << t.fehler.toStdString();
    t.Spieler({1, 6, 0, 1});
    Taste(t.f(), QKeyCombination(Qt::Key_T));
    Taste(t.f(), Qt::CTRL | Qt::Key_N);
    const Wahlsteuerung& steuerung = t.f().Steuerung();
    int wahlen = 0;
    std::set<int> ziffern;
    ASSERT_TRUE(t.BisRuhe(3000000, [&] {
        if (t.z().Spielphase != Phase::WartenFigurwahl || t.z().Gewaehlt != 0) {
            EXPECT_EQ(steuerung.Markiert(), 0);
            EXPECT_FALSE(steuerung.Ring().isVisible());
            return;
        }
        std::vector<int> beweglich;
        for (int f = 1; f <= 16; ++f)
            if (t.Beweglich(f)) beweglich.push_back(f);
        ASSERT_FALSE(beweglich.empty());
        EXPECT_EQ(steuerung.Markiert(), beweglich.front());
        for (size_t k = 1; k <= beweglich.size(); ++k) {
            Taste(t.f(), QKeyCombination(k % 2 ? Qt::Key_Right : Qt::Key_Down));
            EXPECT_EQ(steuerung.Markiert(), beweglich[k % beweglich.size()]);
        }
        Taste(t.f(), QKeyCombination(Qt::Key_Left));
        EXPECT_EQ(steuerung.Markiert(), beweglich.back());
        const Figurbild* ring = static_cast<const Figurbild*>(steuerung.Ring().Figur());
        EXPECT_TRUE(steuerung.Ring().isVisible());
        EXPECT_EQ(ring, t.e().imgFigur[beweglich.back() - 1]);
        EXPECT_EQ(steuerung.Ring().geometry().center(), ring->geometry().center());
        const QObjectList& stapel = t.e().picSpielfeld->Flaeche().children();
        EXPECT_GT(stapel.indexOf(&steuerung.Ring()), stapel.indexOf(ring));
        EXPECT_LT(stapel.indexOf(&steuerung.Ring()), stapel.indexOf(t.e().picWuerfel[0]));
        EXPECT_EQ(t.e().picSpielfeld->Flaeche().childAt(ring->geometry().center()), ring);
        Taste(t.f(), QKeyCombination(Qt::Key_Up));
        EXPECT_EQ(steuerung.Markiert(), beweglich[(2 * beweglich.size() - 2) % beweglich.size()]);
        Taste(t.f(), QKeyCombination(Qt::Key_H));
        const int vorschlag = t.z().Hilfsfigur;
        EXPECT_EQ(steuerung.Markiert(), vorschlag);
        int gewaehlt = vorschlag;
        switch (wahlen++ % 5) {
        case 0: Taste(t.f(), QKeyCombination(Qt::Key_Return)); break;
        case 1: Taste(t.f(), Qt::KeypadModifier | Qt::Key_Enter); break;
        case 2: Taste(t.f(), QKeyCombination(Qt::Key_Space)); break;
        case 3: { // the next digit in turn that names a movable figure, else Return
            const int erste = 4 * t.z().AktFarbe - 3;
            int ziffer = 0;
            for (int n = 0; n < 4 && ziffer == 0; ++n) {
                const int k = (static_cast<int>(ziffern.size()) + n) % 4 + 1;
                if (t.Beweglich(erste + k - 1))
                    ziffer = k;
                else
                    Taste(t.f(), QKeyCombination(Qt::Key(Qt::Key_0 + k)));
            }
            EXPECT_EQ(t.z().Gewaehlt, 0);
            if (ziffer > 0) gewaehlt = erste + ziffer - 1, ziffern.insert(ziffer);
            Taste(t.f(),
                  QKeyCombination(ziffer > 0 ? Qt::Key(Qt::Key_0 + ziffer) : Qt::Key_Return));
            break;
        }
        default:
            gewaehlt = beweglich.front();
            Maus(*t.e().imgFigur[gewaehlt - 1], QEvent::MouseMove);
            EXPECT_FALSE(t.z().Blinken);
            EXPECT_EQ(steuerung.Markiert(), vorschlag); // the mouse leaves the mark
            Klicken(*t.e().imgFigur[gewaehlt - 1]);
        }
        EXPECT_EQ(t.z().Gewaehlt, gewaehlt);
        EXPECT_EQ(steuerung.Markiert(), 0);
        EXPECT_FALSE(steuerung.Ring().isVisible());
    }));
    EXPECT_EQ(t.z().Spielphase, Phase::Spielende);
    EXPECT_GT(wahlen, 20);
    EXPECT_EQ(ziffern, (std::set{1, 2, 3, 4}));
}

// The assignment opens with colour 1's scroll bar in the focus, which a
// dotted frame shows; Tab goes on in colour order, then to the rules, Turbo
// and Beenden and round to the enabled game buttons. Up, Right and Page Up
// count up, Down, Left and Page Down down, the keypad's arrows too, wrapping
// as the arrows do; each value shows its indicator.
TEST_F(Tastatur, ZuteilungMitDenPfeiltasten) {
    Spielerwahl& wahl = t.f().Wahl();
    const QKeyCombination hoch[] = {Qt::Key_Up, Qt::Key_Right, Qt::Key_PageUp,
                                    Qt::KeypadModifier | Qt::Key_Up,
                                    Qt::KeypadModifier | Qt::Key_Right};
    const QKeyCombination runter[] = {Qt::Key_Down, Qt::Key_Left, Qt::Key_PageDown,
                                      Qt::KeypadModifier | Qt::Key_Down,
                                      Qt::KeypadModifier | Qt::Key_Left};
    const auto Rahmen = [](QWidget& w) { return QColor(w.grab().toImage().pixel(0, 0)); };
    Klicken(*t.e().cmdFigurenwahl);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        QScrollBar& leiste = *wahl.vsbSpieler(i);
        ASSERT_EQ(t.f().focusWidget(), &leiste);
        const int start = wahl.Wert(i);
        for (int k = 1; k <= 9; ++k) {
            Taste(t.f(), hoch[k % 5]);
            PruefeZuteilung(wahl, i, (start + k) % 9);
        }
        EXPECT_EQ(Rahmen(leiste), QColor(Qt::black));
        for (int k = 1; k <= 10; ++k) {
            Taste(t.f(), runter[k % 5]);
            PruefeZuteilung(wahl, i, ((start - k) % 9 + 9) % 9);
        }
        Taste(t.f(), QKeyCombination(Qt::Key_Tab));
        EXPECT_NE(Rahmen(leiste), QColor(Qt::black));
    }
    for (QWidget* w :
         {static_cast<QWidget*>(t.e().cmdRegeln), static_cast<QWidget*>(t.e().chkTurbo),
          static_cast<QWidget*>(t.e().cmdBeenden), static_cast<QWidget*>(t.e().cmdFigurenwahl),
          static_cast<QWidget*>(t.e().cmdStart), static_cast<QWidget*>(wahl.vsbSpieler(0))}) {
        EXPECT_EQ(t.f().focusWidget(), w) << w->objectName().toStdString();
        Taste(t.f(), QKeyCombination(Qt::Key_Tab));
    }
    EXPECT_EQ(t.f().Form().Spielerwert(1), 0); // 1 - 10 + 9
}

} // namespace
} // namespace pelu::test
