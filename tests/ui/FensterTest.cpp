// The main window: its layout and state after load, the game buttons through
// a game, the player assignment, the rules text, a data file that fails, and
// the real timers.

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <sys/stat.h>

#include "QtZeitgeber.h"
#include "Testfenster.h"
#include "Twips.h"

namespace pelu::test {
namespace {

using Fenster = MitFenster;

// Enabled state of Figurenwahl, Start, Stop and Hilfe, and the face shown:
// light yellow, green, red, cyan, or grey when disabled.
void PruefeKnoepfe(Bedienelemente& e, std::array<bool, 4> an) {
    QPushButton* knoepfe[4] = {e.cmdFigurenwahl, e.cmdStart, e.cmdStop, e.cmdHilfe};
    const QRgb gesicht[4] = {0xFFFF80, 0x80FF80, 0xFF8080, 0x80FFFF};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(knoepfe[i]->isEnabled(), an[i]) << i;
        const QImage bild = knoepfe[i]->grab().toImage();
        EXPECT_EQ(bild.pixel(4, bild.height() / 2) & 0xFFFFFF, an[i] ? gesicht[i] : 0xC0C0C0) << i;
    }
}

TEST_F(Fenster, AufbauUndZustandNachDemLaden) {
    EXPECT_EQ(t.f().windowTitle(), QStringLiteral("Pelu mit Tarro  V1.2"));
    // Client area: board width + left + 20 by the board height with the top
    // margin above and below, at the centre of the screen; it may shrink to
    // half and grow without bound.
    EXPECT_EQ(t.f().size(), QSize(601 + 80 + 20, 8 + 551 + 8));
    EXPECT_EQ(t.f().minimumSize(), QSize(351, 284));
    EXPECT_EQ(t.f().maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_EQ(t.f().geometry().center(), t.f().screen()->availableGeometry().center());
    // Colour 1 bottom left, 2 bottom right, 3 top right, 4 top left: the die,
    // both player indicators and the scroll bar of each corner.
    const int links[] = {1, 0, 0, 1}, oben[] = {0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const int l = links[i], o = oben[i];
        EXPECT_EQ(t.e().picWuerfel[i]->geometry(), QRect(l ? 18 : 552, o ? 18 : 502, 31, 31));
        const QRect anzeige(l ? 100 : 472, o ? 7 : 515, 49, 29);
        EXPECT_EQ(t.f().Wahl().picSpieler(i)->geometry(), anzeige);
        EXPECT_EQ(t.f().Wahl().picComputer(i)->geometry(), anzeige);
        EXPECT_EQ(t.f().Wahl().vsbSpieler(i)->geometry(),
                  QRect(l ? 165 : 419, o ? 7 : 517, 17, 25));
    }
    // The figures in a grid of four rows, one per colour, 25 pixels apart,
    // around the board's centre (299, 274): its four corners.
    for (const auto& [n, ort] : {std::pair{0, QPoint(-45, -50)}, std::pair{3, QPoint(30, -50)},
                                 std::pair{12, QPoint(-45, 25)}, std::pair{15, QPoint(30, 25)}})
        EXPECT_EQ(t.e().imgFigur[n]->geometry(), QRect(QPoint(299, 274) + ort, QSize(15, 15))) << n;
    PruefeKnoepfe(t.e(), {true, true, false, false});
    Spielerwahl& wahl = t.f().Wahl();
    for (int i = 0; i < 4; ++i) { // human 1, computers 1..3, the bars hidden
        SCOPED_TRACE(i);
        EXPECT_EQ(t.f().Form().Spielerwert(i + 1), i == 0 ? 1 : 4 + i);
        EXPECT_EQ(wahl.picSpieler(i)->isVisible(), i == 0);
        EXPECT_EQ(wahl.picComputer(i)->isVisible(), i > 0);
        EXPECT_FALSE(wahl.vsbSpieler(i)->isVisible());
        // Each die shows a face of 1..6: a pip in the middle or the corner.
        const QImage& w = t.e().picWuerfel[i]->Bild();
        EXPECT_TRUE(QColor(w.pixel(15, 15)) == Qt::white || QColor(w.pixel(6, 6)) == Qt::white);
    }
    EXPECT_EQ(t.Takt(), VirtuelleUhr::Takt::Keiner); // both timers off
}

// The window is laid out before it is shown: it shows at its final size.
TEST(Fensterstart, ZeigtSichInSeinerEndgroesse) {
    struct Erstes : QObject {
        QSize groesse;
        bool eventFilter(QObject* fenster, QEvent* ereignis) override {
            if (ereignis->type() == QEvent::Show && groesse.isEmpty())
                groesse = static_cast<QWidget*>(fenster)->size();
            return false;
        }
    } erstes;
    Hauptfenster fenster(Fensteroptionen{PELU_QUELLORDNER "/Peludaten.txt",
                                         std::make_unique<Zufallsgenerator>(1),
                                         std::make_unique<VirtuelleUhr>()});
    fenster.installEventFilter(&erstes);
    ASSERT_TRUE(fenster.Laden());
    EXPECT_EQ(erstes.groesse, QSize(701, 567));
    EXPECT_EQ(fenster.size(), erstes.groesse);
}

// What the game tells the form, the window shows: the info text in its
// colour, every colour's move display and ranking label with their names,
// every die hidden and shown again, every figure's image where and whether
// the game puts it, and in front of the others when brought there. A
// colour or figure that does not exist changes nothing.
TEST_F(Fenster, FormularZeigtJedeAngabe) {
    QtFormular& form = t.f().Form();
    const auto farbe = [](QWidget* w, QPalette::ColorRole rolle) {
        return w->palette().color(rolle).rgb() & 0xFFFFFF;
    };
    // Every control's place in the stack, visibility, geometry and text.
    const auto Ansicht = [&] {
        QStringList ansicht;
        for (const QWidget* w : t.f().findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(w);
            const QRect g = w->geometry();
            ansicht << QStringLiteral("%1 %2 %3,%4,%5,%6 %7")
                           .arg(w->objectName())
                           .arg(w->isHidden())
                           .arg(g.x())
                           .arg(g.y())
                           .arg(g.width())
                           .arg(g.height())
                           .arg(label ? label->text() : QString());
        }
        return ansicht;
    };
    form.InfoSetzen(" 3 mal 12", 12);
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral(" 3 mal 12"));
    EXPECT_EQ(farbe(t.e().lblInfo, QPalette::WindowText), QBColor(12));
    const char* namen[] = {"Blau", "Grün", "Lila", "Rot"};
    for (int c = 1; c <= 4; ++c) {
        SCOPED_TRACE(c);
        form.ZuganzeigeSetzen(c, std::to_string(10 * c), int16_t(8 + c), int16_t(c));
        form.RangSetzen(c, std::to_string(c) + ".");
        QLabel* anzeige = t.e().lblZuganzeige[c - 1];
        EXPECT_EQ(anzeige->text(), QString::number(10 * c));
        EXPECT_EQ(farbe(anzeige, QPalette::Window), QBColor(8 + c));
        EXPECT_EQ(farbe(anzeige, QPalette::WindowText), QBColor(c));
        const QString name = QString::fromUtf8(namen[c - 1]);
        EXPECT_EQ(anzeige->accessibleName(), QStringLiteral("Züge %1: %2").arg(name).arg(10 * c));
        EXPECT_EQ(t.e().lblRang[c - 1]->text(), QString::number(c) + ".");
        EXPECT_EQ(t.e().lblRang[c - 1]->accessibleName(),
                  QStringLiteral("Rang %1: %2.").arg(name).arg(c));
        form.WuerfelVerstecken(c);
        EXPECT_TRUE(t.e().picWuerfel[c - 1]->isHidden());
        form.WuerfelZeichnen(c, 6);
        EXPECT_FALSE(t.e().picWuerfel[c - 1]->isHidden());
    }
    // Positions round to the nearest pixel, halves to the even one.
    for (int f = 1; f <= 16; ++f) {
        form.FigurBewegen(f, 20.5f * f, 10.5f + f);
        form.FigurSichtbar(f, f % 3 != 0);
        Figurbild& bild = *t.e().imgFigur[f - 1];
        EXPECT_EQ(bild.pos(), QPoint(int(std::lrint(20.5 * f)), int(std::lrint(10.5 + f)))) << f;
        EXPECT_EQ(bild.isHidden(), f % 3 == 0) << f;
    }
    // The first and the last figure in front: above every other figure, under
    // the dice, indicators and scroll bars.
    const QObjectList& stapel = t.e().picSpielfeld->Flaeche().children();
    for (int f : {1, 16}) {
        SCOPED_TRACE(f);
        form.FigurNachVorn(f);
        const qsizetype vorn = stapel.indexOf(t.e().imgFigur[f - 1]);
        for (const Figurbild* andere : t.e().imgFigur)
            EXPECT_LE(stapel.indexOf(andere), vorn) << andere->Figur();
        for (int i = 0; i < 4; ++i)
            for (const QWidget* w : {static_cast<QWidget*>(t.e().picWuerfel[i]),
                                     static_cast<QWidget*>(t.f().Wahl().picSpieler(i)),
                                     static_cast<QWidget*>(t.f().Wahl().vsbSpieler(i))})
                EXPECT_GT(stapel.indexOf(w), vorn);
    }
    const QStringList vorher = Ansicht();
    for (int keine : {0, 5}) {
        form.ZuganzeigeSetzen(keine, "99", 1, 2);
        form.RangSetzen(keine, "9.");
        form.WuerfelZeichnen(keine, 3);
        form.WuerfelVerstecken(keine);
        EXPECT_EQ(form.Spielerwert(keine), 0);
    }
    for (int keine : {0, 17}) {
        form.FigurSichtbar(keine, false);
        form.FigurBewegen(keine, 1, 1);
        form.FigurNachVorn(keine);
    }
    EXPECT_EQ(Ansicht(), vorher);
}

TEST_F(Fenster, KnoepfeDurchStartStoppUndSpielende) {
    Klicken(*t.e().cmdFigurenwahl);
    EXPECT_TRUE(t.f().Wahl().vsbSpieler(3)->isVisible());
    t.Spieler({5, 6, 7, 0});
    Klicken(*t.e().cmdStart);
    EXPECT_FALSE(t.f().Wahl().vsbSpieler(3)->isVisible());
    PruefeKnoepfe(t.e(), {false, false, true, true});
    t.Takt();
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Start"));
    while (t.z().Spielphase != Phase::Ziehen)
        ASSERT_NE(t.Takt(), VirtuelleUhr::Takt::Keiner);
    Klicken(*t.e().cmdStop);
    // Start again possible at once, the assignment only once the turn ended.
    PruefeKnoepfe(t.e(), {false, true, false, false});
    ASSERT_TRUE(t.BisRuhe(10000));
    EXPECT_EQ(t.z().Spielphase, Phase::Spielende);
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Ende"));
    PruefeKnoepfe(t.e(), {true, true, false, false});
}

// The arrows count up at the top and down at the bottom, wrapping both ways;
// each value shows its indicator, human or computer, with its number. There
// is no fifth colour, nor one before the first.
TEST_F(Fenster, SpielerwahlLaeuftInBeideRichtungenUm) {
    Spielerwahl& wahl = t.f().Wahl();
    QScrollBar& leiste = *wahl.vsbSpieler(2);
    leiste.setValue(8);
    for (const auto& [y, werte] :
         {std::pair{2, std::array{0, 1, 2, 3, 4, 5, 6, 7, 8, 0}},
          std::pair{leiste.height() - 3, std::array{8, 7, 6, 5, 4, 3, 2, 1, 0, 8}}}) {
        for (const int wert : werte) {
            Klicken(leiste, QPoint(leiste.width() / 2, y));
            PruefeZuteilung(wahl, 2, wert);
        }
    }
    EXPECT_EQ(wahl.Wert(1), 5); // the other colours keep theirs
    for (int i : {-1, 4}) {
        EXPECT_EQ(wahl.Wert(i), 0) << i;
        EXPECT_EQ(wahl.vsbSpieler(i), nullptr) << i;
        EXPECT_EQ(wahl.picSpieler(i), nullptr) << i;
        EXPECT_EQ(wahl.picComputer(i), nullptr) << i;
    }
}

// The rules button opens the rules window; pressed again it shows the same
// window. Seventeen lines of their set lengths in a fixed-pitch font, one
// below the other, fit the box without scrolling. Closed and opened again,
// the window shows the text once, not twice.
TEST_F(Fenster, RegelnPassenOhneRollen) {
    Klicken(*t.e().cmdRegeln);
    RegelnFenster* fenster = t.f().Regeln();
    ASSERT_TRUE(fenster);
    Klicken(*t.e().cmdRegeln);
    EXPECT_EQ(t.f().Regeln(), fenster);
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral(" Regeln"));
    const QStringList zeilen = fenster->GedruckteZeilen();
    ASSERT_EQ(zeilen.size(), 17);
    const int laengen[17] = {0, 34, 42, 0, 26, 0, 66, 65, 51, 64, 58, 0, 66, 38, 0, 63, 60};
    const Druckfeld& feld = *fenster->picRegeln();
    EXPECT_TRUE(QFontInfo(feld.font()).fixedPitch());
    const QFontMetrics mass(feld.font());
    for (int i = 0; i < 17; ++i) {
        SCOPED_TRACE(zeilen[i].toStdString());
        EXPECT_EQ(zeilen[i].size(), laengen[i]);
        EXPECT_EQ(feld.Gedrucktes()[i].ort, QPointF(0, i * feld.Zeilenhoehe()));
        EXPECT_LE(mass.horizontalAdvance(zeilen[i]), feld.contentsRect().width());
    }
    EXPECT_LE(16 * feld.Zeilenhoehe() + mass.height(), feld.contentsRect().height());
    EXPECT_TRUE(zeilen[9].contains(QString::fromUtf8("können"))); // a real umlaut
    fenster->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(t.f().Regeln());
    Klicken(*t.e().cmdRegeln);
    ASSERT_TRUE(t.f().Regeln());
    EXPECT_EQ(t.f().Regeln()->GedruckteZeilen(), zeilen);
}

// The load reports the loader's message naming the file; the window, left
// without a game, shows a blank board and blank dice and ignores every
// command.
TEST(Ladefehler, DateiFehltOderIstUnvollstaendig) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ordner.path()));
    std::ofstream("kaputt.txt") << "bilddaten\n1,2,3\n";
    mkfifo("rohr", 0600);                                  // a named pipe nobody writes to
    for (const char* datei : {"", "kaputt.txt", "rohr"}) { // none: Peludaten.txt from here
        SCOPED_TRACE(datei);
        Testfenster t(1, datei);
        EXPECT_FALSE(t.geladen);
        EXPECT_TRUE(t.fehler.contains(*datei ? datei : "Peludaten.txt")) << t.fehler.toStdString();
        for (const Bildfeld* feld : {&t.e().picSpielfeld->Flaeche(), t.e().picWuerfel[0]}) {
            // Compared in colours: the picture keeps its own colour table.
            QImage leer(feld->Bild().size(), QImage::Format_RGB32);
            leer.fill(feld->Hintergrund());
            EXPECT_TRUE(feld->Bild().convertToFormat(QImage::Format_RGB32) == leer)
                << feld->objectName().toStdString();
        }
        Klicken(*t.e().cmdStart);
        Klicken(*t.e().imgFigur[0]);
        Maus(*t.e().imgFigur[0], QEvent::MouseMove);
        t.f().ProgrammTakt();
        t.f().FahrTakt();
        EXPECT_FALSE(t.uhr->ProgrammLaeuft());
        EXPECT_EQ(t.f().Partie(), nullptr);
    }
    QDir::setCurrent(vorher);
}

// Without a visible desktop the error box waits unseen, so the program
// tells its stderr first. The box never closes here; the test ends it.
TEST(Ladefehler, MeldungAuchAufStderr) {
    QTemporaryDir ordner;
    std::ofstream((ordner.path() + "/Peludaten.txt").toStdString()) << "bilddaten:\n1,2,3\n";
    QProcess programm;
    programm.setWorkingDirectory(ordner.path());
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    programm.setProcessEnvironment(umgebung);
    programm.setReadChannel(QProcess::StandardError);
    programm.start(QStringLiteral(PELU_FENSTERPROGRAMM), {});
    const QByteArray erwartet = "/Peludaten.txt, Abschnitt \"bilddaten\", Zeile 2: Die Datei "
                                "endet mitten im Datensatz für Feld 1 (ein Datensatz hat 11 "
                                "Werte).\n";
    QByteArray fehler; // Qt's own warnings may come first
    while (!fehler.contains(erwartet) && programm.waitForReadyRead(60000))
        fehler += programm.readAllStandardError();
    programm.kill();
    programm.waitForFinished();
    EXPECT_TRUE(fehler.contains(erwartet)) << fehler.toStdString();
}

} // namespace
} // namespace pelu::test

namespace pelu::test {
namespace {

// Design twips in pixels: to the nearest pixel, halves to the even one (at
// 16 twips per pixel 8 twips are half a pixel); a screen reported at under
// one twip per pixel counts as one.
TEST(Twips, ZurNaechstenGanzenZahlHalbeZurGeraden) {
    const std::array<int, 3> faelle[] = {{7212, 15, 481}, {8, 16, 0},  {24, 16, 2},
                                         {40, 16, 2},     {56, 16, 4}, {100, 0, 100}};
    for (const auto& [twips, proPixel, pixel] : faelle)
        EXPECT_EQ(TwipsZuPixel(twips, proPixel), pixel) << twips << " / " << proPixel;
    EXPECT_EQ(TwipsRechteck(1200, 120, 7212, 6612, 15), QRect(80, 8, 481, 441));
}

// The window's real timers: each hands its ticks to its own handler while
// it is on and none after it is switched off; a new interval applies.
TEST(QtZeitgeber, TicksNurWaehrendDerTimerLaeuft) {
    int programm = 0, fahren = 0;
    QtZeitgeber zeitgeber([&] { ++programm; }, [&] { ++fahren; });
    EXPECT_EQ(zeitgeber.Programm().interval(), 200);
    EXPECT_EQ(zeitgeber.Fahren().interval(), 50);
    zeitgeber.ProgrammIntervall(5);
    EXPECT_EQ(zeitgeber.Programm().interval(), 5);
    zeitgeber.ProgrammAn(true);
    QElapsedTimer uhr;
    uhr.start();
    while (programm < 3 && uhr.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(programm, 3);
    EXPECT_EQ(fahren, 0);
    zeitgeber.ProgrammAn(false);
    zeitgeber.FahrenAn(true);
    const int bisher = programm;
    while (fahren < 1 && uhr.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(fahren, 1);
    EXPECT_EQ(programm, bisher);
    zeitgeber.FahrenAn(false);
    EXPECT_FALSE(zeitgeber.Programm().isActive() || zeitgeber.Fahren().isActive());
}

} // namespace
} // namespace pelu::test
