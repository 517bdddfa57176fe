// The state after load and the commands: start, stop, proposal, turbo,
// assignment, rules, quit; the game buttons' states and faces.
#include <gtest/gtest.h>

#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <fstream>

#include "Druckfeld.h"
#include "Knopfgesicht.h"
#include "QtFormular.h"
#include "RegelnFenster.h"
#include "Spielerwahl.h"
#include "Testfenster.h"

namespace pelu::test {
namespace {

// Enabled state and face of the four game buttons, as the user sees them:
// the face is checked on the screen, beside the picture.
struct Knoepfe {
    bool figurenwahl, start, stop, hilfe;
};

void PruefeKnoepfe(Bedienelemente& e, Knoepfe an) {
    struct {
        QPushButton* knopf;
        bool an;
        QColor gesicht;
    } const reihe[] = {{e.cmdFigurenwahl, an.figurenwahl, QColor(255, 255, 128)},
                       {e.cmdStart, an.start, QColor(128, 255, 128)},
                       {e.cmdStop, an.stop, QColor(255, 128, 128)},
                       {e.cmdHilfe, an.hilfe, QColor(128, 255, 255)}};
    for (const auto& k : reihe) {
        SCOPED_TRACE(k.knopf->objectName().toStdString());
        EXPECT_EQ(k.knopf->isEnabled(), k.an);
        const QColor erwartet = k.an ? k.gesicht : QColor(192, 192, 192);
        EXPECT_EQ(Knopfgesicht(*k.knopf), erwartet);
        EXPECT_EQ(QColor(Bildschirmbild(*k.knopf).pixel(4, k.knopf->height() / 2)), erwartet);
    }
}

class Befehle : public ::testing::Test {
  protected:
    Testfenster t;
    void SetUp() override { ASSERT_TRUE(t.geladen) << t.fehler.toStdString(); }
};

TEST_F(Befehle, ZustandNachDemLaden) {
    EXPECT_TRUE(t.f().isVisible());
    EXPECT_EQ(t.f().Pfad(), QDir::currentPath() + QLatin1Char('/'));
    PruefeKnoepfe(t.e(), {true, true, false, false});
    Spielerwahl& wahl = t.f().Wahl();
    EXPECT_TRUE(wahl.picSpieler(0)->isVisible());
    EXPECT_FALSE(wahl.picComputer(0)->isVisible());
    EXPECT_EQ(wahl.picSpieler(0)->GedruckteTexte(), QStringList{" 1"});
    for (int i = 1; i < 4; ++i) {
        EXPECT_FALSE(wahl.picSpieler(i)->isVisible());
        EXPECT_TRUE(wahl.picComputer(i)->isVisible());
        EXPECT_EQ(wahl.picComputer(i)->GedruckteTexte(), QStringList{QStringLiteral(" %1").arg(i)});
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(wahl.vsbSpieler(i)->isVisible());
    const int16_t werte[4] = {1, 5, 6, 7};
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(t.f().Form().Spielerwert(c), werte[c - 1]);
    // Nothing moves.
    EXPECT_FALSE(t.f().Form().ProgrammTimerLaeuft());
    EXPECT_FALSE(t.f().Form().FahrTimerLaeuft());
    EXPECT_EQ(t.f().Form().ProgrammTimerIntervall(), 200);
    EXPECT_EQ(t.Takt(), VirtuelleUhr::Takt::Keiner);
}

TEST_F(Befehle, StartStoppUndSpielende) {
    t.Spieler(5, 6, 0, 0);
    Klicken(*t.e().cmdStart);
    PruefeKnoepfe(t.e(), {false, false, true, true});
    EXPECT_TRUE(t.f().Form().ProgrammTimerLaeuft());
    ASSERT_TRUE(t.BisPhase(Phase::Ziehen));
    Klicken(*t.e().cmdStop);
    // Stopped: start again possible at once, the assignment only at the end.
    PruefeKnoepfe(t.e(), {false, true, false, false});
    EXPECT_TRUE(t.z().Stopp);
    ASSERT_TRUE(t.BisRuhe(10000));
    EXPECT_EQ(t.z().Spielphase, Phase::Spielende);
    PruefeKnoepfe(t.e(), {true, true, false, false});
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Ende"));
}

TEST_F(Befehle, AnzeigenWaehrendDesSpiels) {
    t.Spieler(5, 6, 7, 0);
    Klicken(*t.e().cmdStart);
    t.Takt();
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Start"));
    for (int c = 1; c <= 4; ++c) {
        QLabel& zug = *t.e().lblZuganzeige[c - 1];
        EXPECT_EQ(zug.text(), QStringLiteral("0"));
        EXPECT_EQ(zug.palette().color(QPalette::Window),
                  QColor::fromRgb(QBColor(t.z().Farbe[10 + c])));
        EXPECT_EQ(zug.palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_TRUE(t.e().lblRang[c - 1]->text().isEmpty());
    }
    // Colour 4 does not play: its figures are hidden, the others at home.
    for (int f = 1; f <= 16; ++f)
        EXPECT_EQ(t.e().imgFigur[f - 1]->isVisible(), f <= 12) << f;
    EXPECT_TRUE(t.BisRuhe(2000000));
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Ende"));
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(t.e().lblZuganzeige[c - 1]->text().toInt(), t.z().Zugzahl[c]);
        EXPECT_GT(t.z().Zugzahl[c], 0);
    }
    QStringList raenge;
    for (int c = 1; c <= 3; ++c)
        raenge << t.e().lblRang[c - 1]->text();
    raenge.sort();
    EXPECT_EQ(raenge, (QStringList{"1.", "2.", "3."}));
    EXPECT_TRUE(t.e().lblRang[3]->text().isEmpty());
}

TEST_F(Befehle, TurboSchaltetTaktUndSchritte) {
    t.e().chkTurbo->click();
    EXPECT_EQ(t.f().Form().ProgrammTimerIntervall(), 50);
    EXPECT_EQ(t.z().Einstellung[2], 50);
    t.e().chkTurbo->click();
    EXPECT_EQ(t.f().Form().ProgrammTimerIntervall(), 200);
    EXPECT_EQ(t.z().Einstellung[2], 8);
    // During a game, without stopping it.
    Klicken(*t.e().cmdStart);
    t.e().chkTurbo->click();
    EXPECT_TRUE(t.f().Form().ProgrammTimerLaeuft());
    EXPECT_EQ(t.f().Form().ProgrammTimerIntervall(), 50);
}

TEST_F(Befehle, FigurenwahlZeigtDieLeistenBisZumStart) {
    Klicken(*t.e().cmdFigurenwahl);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(t.f().Wahl().vsbSpieler(i)->isVisible());
    t.f().Wahl().vsbSpieler(2)->setValue(0);
    EXPECT_FALSE(t.f().Wahl().picComputer(2)->isVisible());
    Klicken(*t.e().cmdStart);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(t.f().Wahl().vsbSpieler(i)->isVisible());
    t.Takt(); // phase Start reads the scroll bars
    for (int f = 9; f <= 12; ++f) {
        EXPECT_EQ(t.z().Figur[f].Spieler, 0);
        EXPECT_FALSE(t.e().imgFigur[f - 1]->isVisible());
    }
    // A disabled button takes no click.
    Klicken(*t.e().cmdFigurenwahl);
    EXPECT_FALSE(t.f().Wahl().vsbSpieler(0)->isVisible());
}

TEST_F(Befehle, RegelnFensterEinmalUndMittig) {
    Klicken(*t.e().cmdRegeln);
    QPointer<RegelnFenster> regeln = t.f().Regeln();
    ASSERT_TRUE(regeln);
    EXPECT_TRUE(regeln->isVisible());
    EXPECT_FALSE(regeln->isModal());
    EXPECT_EQ(regeln->parentWidget(), nullptr);
    EXPECT_LE((regeln->frameGeometry().center() - t.f().frameGeometry().center()).manhattanLength(),
              2)
        << regeln->frameGeometry().x() << "," << regeln->frameGeometry().y() << " "
        << regeln->frameGeometry().width() << "x" << regeln->frameGeometry().height() << " in "
        << t.f().frameGeometry().x() << "," << t.f().frameGeometry().y() << " "
        << t.f().frameGeometry().width() << "x" << t.f().frameGeometry().height();
    regeln->hide();
    Klicken(*t.e().cmdRegeln);
    EXPECT_EQ(t.f().Regeln(), regeln.data());
    EXPECT_TRUE(regeln->isVisible());
    EXPECT_EQ(t.f().findChildren<RegelnFenster*>().size(), 0);
    // The main window stays usable.
    Klicken(*t.e().cmdStart);
    EXPECT_TRUE(t.f().Form().ProgrammTimerLaeuft());
}

TEST_F(Befehle, BeendenSchliesstBeideFenster) {
    Klicken(*t.e().cmdRegeln);
    QPointer<RegelnFenster> regeln = t.f().Regeln();
    Klicken(*t.e().cmdStart);
    Klicken(*t.e().cmdBeenden);
    EXPECT_FALSE(t.f().isVisible());
    EXPECT_TRUE(!regeln || !regeln->isVisible());
}

// A data file that cannot be loaded: the load reports the loader's message
// naming the file, and the window stays harmless.
class Ladefehler : public ::testing::Test {
  protected:
    QTemporaryDir ordner;
};

TEST_F(Ladefehler, FehlendeDatei) {
    const std::string datei = ordner.filePath("fehlt.txt").toStdString();
    Testfenster t(1, datei);
    EXPECT_FALSE(t.geladen);
    EXPECT_TRUE(t.fehler.contains(QStringLiteral("fehlt.txt"))) << t.fehler.toStdString();
    EXPECT_EQ(t.f().Partie(), nullptr);
    Klicken(*t.e().cmdStart);
    Klicken(*t.e().imgFigur[0]);
    MausBewegen(*t.e().imgFigur[0]);
    t.f().ProgrammTakt();
    t.f().FahrTakt();
    t.e().chkTurbo->click();
    EXPECT_FALSE(t.f().Form().ProgrammTimerLaeuft());
}

TEST_F(Ladefehler, UnvollstaendigeDatei) {
    const QString pfad = ordner.filePath("kaputt.txt");
    std::ofstream(pfad.toStdString()) << "bilddaten\n1,2,3\n";
    Testfenster t(1, pfad.toStdString());
    EXPECT_FALSE(t.geladen);
    EXPECT_FALSE(t.fehler.isEmpty());
    EXPECT_EQ(t.f().Partie(), nullptr);
}

TEST_F(Ladefehler, StandarddateiAusDemArbeitsordner) {
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ordner.path()));
    Testfenster ohne(1, "");
    EXPECT_FALSE(ohne.geladen);
    EXPECT_TRUE(ohne.fehler.contains(QStringLiteral("Peludaten.txt")));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(Standarddatei()),
                            ordner.filePath(QStringLiteral("Peludaten.txt"))));
    Testfenster mit(1, "");
    EXPECT_TRUE(mit.geladen) << mit.fehler.toStdString();
    EXPECT_EQ(mit.f().Pfad(), QDir::currentPath() + QLatin1Char('/'));
    QDir::setCurrent(vorher);
}

} // namespace
} // namespace pelu::test
