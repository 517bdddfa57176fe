// The main window: its layout, the state after load, the commands with the
// game buttons' states and faces, and a data file that fails to load.

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <fstream>

#include "RegelnFenster.h"
#include "Testfenster.h"

namespace pelu::test {
namespace {

class Fenster : public MitFenster {
  protected:
    bool LeistenSichtbar(bool ja) {
        for (int i = 0; i < 4; ++i)
            if (t.f().Wahl().vsbSpieler(i)->isVisible() != ja) return false;
        return true;
    }
    // Enabled state of Figurenwahl, Start, Stop and Hilfe, and the face shown:
    // light yellow, green, red, cyan, or grey when disabled.
    void PruefeKnoepfe(std::array<bool, 4> an) {
        QPushButton* knoepfe[4] = {t.e().cmdFigurenwahl, t.e().cmdStart, t.e().cmdStop,
                                   t.e().cmdHilfe};
        const QRgb gesicht[4] = {0xFFFF80, 0x80FF80, 0xFF8080, 0x80FFFF};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(knoepfe[i]->isEnabled(), an[i]) << i;
            const QImage bild = Bildschirmbild(*knoepfe[i]);
            EXPECT_EQ(bild.pixel(4, bild.height() / 2) & 0xFFFFFF, an[i] ? gesicht[i] : 0xC0C0C0)
                << i;
        }
    }
};

TEST_F(Fenster, AufbauVomBrettAus) {
    EXPECT_EQ(t.e().picSpielfeld->geometry(), QRect(80, 8, 601, 551));
    EXPECT_EQ(t.e().picSpielfeld->Innengroesse(), QSize(597, 547));
    // Client area: board width + left + 20 by top + 20 + 20 + board height, fixed.
    EXPECT_EQ(t.f().size(), QSize(601 + 80 + 20, 8 + 40 + 551));
    EXPECT_EQ(t.f().minimumSize(), t.f().maximumSize());
    // The centre and half figure reach the game.
    EXPECT_EQ(t.z().Einstellung[9], 299);
    EXPECT_EQ(t.z().Einstellung[10], 274);
    EXPECT_EQ(t.z().Einstellung[12], 7);
    const QPoint wuerfel[4] = {{18, 502}, {552, 502}, {552, 18}, {18, 18}};
    const QPoint anzeige[4] = {{100, 515}, {472, 515}, {472, 7}, {100, 7}};
    const QPoint leiste[4] = {{165, 517}, {419, 517}, {419, 7}, {165, 7}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(t.e().picWuerfel[i]->geometry(), QRect(wuerfel[i], QSize(31, 31)));
        EXPECT_EQ(t.f().Wahl().picSpieler(i)->geometry(), QRect(anzeige[i], QSize(49, 29)));
        EXPECT_EQ(t.f().Wahl().picComputer(i)->geometry(), QRect(anzeige[i], QSize(49, 29)));
        EXPECT_EQ(t.f().Wahl().vsbSpieler(i)->geometry(), QRect(leiste[i], QSize(17, 25)));
    }
    // The figures' grid around the centre, on the board.
    for (int n = 0; n < 16; ++n)
        EXPECT_EQ(t.e().imgFigur[n]->geometry(),
                  QRect(299 - 45 + 25 * (n % 4), 274 - 50 + 25 * (n / 4), 15, 15));
    EXPECT_EQ(t.e().imgFigur[15]->pos(), QPoint(299 + 30, 274 + 25));
}

TEST_F(Fenster, ZustandNachDemLaden) {
    EXPECT_TRUE(t.f().isVisible());
    EXPECT_EQ(t.f().Pfad(), QDir::currentPath() + QLatin1Char('/'));
    PruefeKnoepfe({true, true, false, false});
    EXPECT_TRUE(LeistenSichtbar(false));
    Spielerwahl& wahl = t.f().Wahl();
    for (int i = 0; i < 4; ++i) { // human 1, computers 1..3
        SCOPED_TRACE(i);
        EXPECT_EQ(wahl.picSpieler(i)->isVisible(), i == 0);
        EXPECT_EQ(wahl.picComputer(i)->isVisible(), i > 0);
        Druckfeld& gezeigt = i == 0 ? *wahl.picSpieler(i) : *wahl.picComputer(i);
        EXPECT_EQ(gezeigt.GedruckteTexte(), QStringList{QStringLiteral(" %1").arg(std::max(i, 1))});
        EXPECT_EQ(t.f().Form().Spielerwert(i + 1), i == 0 ? 1 : 4 + i);
        // Each die shows a face of 1..6: a pip in the middle or the corner.
        const QImage& w = t.e().picWuerfel[i]->Bild();
        EXPECT_TRUE(QColor(w.pixel(15, 15)) == Qt::white || QColor(w.pixel(6, 6)) == Qt::white);
    }
    EXPECT_EQ(t.Takt(), VirtuelleUhr::Takt::Keiner); // both timers off
}

TEST_F(Fenster, KnoepfeDurchStartStoppUndSpielende) {
    Klicken(*t.e().cmdFigurenwahl);
    EXPECT_TRUE(LeistenSichtbar(true));
    t.Spieler({5, 6, 7, 0});
    Klicken(*t.e().cmdStart);
    EXPECT_TRUE(LeistenSichtbar(false));
    PruefeKnoepfe({false, false, true, true});
    Klicken(*t.e().cmdFigurenwahl); // disabled: takes no click
    EXPECT_TRUE(LeistenSichtbar(false));
    // Turbo switches the pace within the running game.
    EXPECT_EQ(t.f().Form().ProgrammTimerIntervall(), 200);
    t.e().chkTurbo->click();
    EXPECT_EQ(t.f().Form().ProgrammTimerIntervall(), 50);
    t.Takt();
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Start"));
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(t.e().lblZuganzeige[c - 1]->text(), QStringLiteral("0"));
        EXPECT_EQ(t.e().lblZuganzeige[c - 1]->palette().color(QPalette::Window),
                  QColor::fromRgb(QBColor(t.z().Farbe[10 + c])));
    }
    ASSERT_TRUE(t.BisPhase(Phase::Ziehen));
    Klicken(*t.e().cmdStop);
    // Start again possible at once, the assignment only once the turn ended.
    PruefeKnoepfe({false, true, false, false});
    ASSERT_TRUE(t.BisRuhe(10000));
    EXPECT_EQ(t.z().Spielphase, Phase::Spielende);
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Ende"));
    PruefeKnoepfe({true, true, false, false});
}

TEST_F(Fenster, RegelnEinmalGeoeffnetUndBeendenSchliesstBeide) {
    Klicken(*t.e().cmdRegeln);
    QPointer<RegelnFenster> regeln = t.f().Regeln();
    ASSERT_TRUE(regeln);
    EXPECT_TRUE(regeln->isVisible());
    EXPECT_FALSE(regeln->isModal());
    EXPECT_LE((regeln->frameGeometry().center() - t.f().frameGeometry().center()).manhattanLength(),
              2);
    regeln->hide();
    Klicken(*t.e().cmdRegeln);
    EXPECT_EQ(t.f().Regeln(), regeln.data());
    EXPECT_TRUE(regeln->isVisible());
    EXPECT_EQ(regeln->GedruckteZeilen().size(), 17);
    EXPECT_EQ(regeln->focusWidget(), regeln->cmdSchliessen());
    // Closing unloads it; the next one is made anew and prints the text once.
    regeln->cmdSchliessen()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(regeln.isNull());
    Klicken(*t.e().cmdRegeln);
    regeln = t.f().Regeln();
    ASSERT_TRUE(regeln);
    EXPECT_EQ(regeln->GedruckteZeilen().size(), 17);
    Klicken(*t.e().cmdStart); // the main window stays usable
    EXPECT_TRUE(t.f().Form().ProgrammTimerLaeuft());
    Klicken(*t.e().cmdBeenden);
    EXPECT_FALSE(t.f().isVisible());
    EXPECT_TRUE(!regeln || !regeln->isVisible());
}

// The load reports the loader's message naming the file; the window, left
// without a game, ignores every command.
TEST(Ladefehler, DateiFehltOderIstUnvollstaendig) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ordner.path()));
    std::ofstream("kaputt.txt") << "bilddaten\n1,2,3\n";
    for (const char* datei : {"", "kaputt.txt"}) { // none: Peludaten.txt from here
        SCOPED_TRACE(datei);
        Testfenster t(1, datei);
        EXPECT_FALSE(t.geladen);
        EXPECT_TRUE(t.fehler.contains(*datei ? datei : "Peludaten.txt")) << t.fehler.toStdString();
        EXPECT_EQ(t.f().Partie(), nullptr);
        Klicken(*t.e().cmdStart);
        Klicken(*t.e().imgFigur[0]);
        MausBewegen(*t.e().imgFigur[0]);
        t.e().chkTurbo->click();
        t.f().ProgrammTakt();
        t.f().FahrTakt();
        EXPECT_FALSE(t.f().Form().ProgrammTimerLaeuft());
    }
    QDir::setCurrent(vorher);
}

} // namespace
} // namespace pelu::test
