// The desktop program's command line: read without a window, and the
// program itself run with a cleared environment (so without any display).

#include <QProcess>

#include "Anzeigewaechter.h"
#include "Befehlszeile.h"
#include "Testfenster.h"

namespace pelu::test {
namespace {

using Aktion = Befehlszeile::Aktion;

Befehlszeile Lesen(const QString& zeile) {
    return BefehlszeileLesen(zeile.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

TEST(Befehlszeile, OptionenUndSpielerwerte) {
    EXPECT_EQ(Lesen("").aktion, Aktion::Spielen);
    EXPECT_FALSE(Lesen("").spieler);
    for (const char* zeile : {"--help", "-h", "--spieler 1,2,3,4 --help"}) {
        SCOPED_TRACE(zeile);
        const Befehlszeile b = Lesen(zeile);
        EXPECT_EQ(b.aktion, Aktion::Hilfe);
        EXPECT_TRUE(b.text.startsWith("Aufruf: pelu [--spieler P1,P2,P3,P4] [--anbieten[=PORT]]\n"));
    }
    EXPECT_EQ(Lesen("--version").aktion, Aktion::Version);
    EXPECT_EQ(Lesen("--version").text, "pelu 1.2\n");
    for (const char* zeile : {"--spieler 0,8,4,5", "--spieler=0,8,4,5", "-spieler 0,8,4,5"}) {
        SCOPED_TRACE(zeile);
        const Befehlszeile b = Lesen(zeile);
        EXPECT_EQ(b.aktion, Aktion::Spielen);
        ASSERT_TRUE(b.spieler);
        EXPECT_EQ(*b.spieler, (std::array<int16_t, 4>{0, 8, 4, 5}));
    }
}

// One line naming the bad argument.
TEST(Befehlszeile, FalscheArgumenteWerdenBenannt) {
    const std::pair<const char*, const char*> faelle[] = {
        {"--bla", "unbekannte Option --bla"},
        {"-x", "unbekannte Option -x"},
        {"-platform xcb", "unbekannte Option -platform"},
        {"--spieler", "--spieler ohne Wert"},
        {"--version=2", "--version nimmt keinen Wert"},
        {"datei.txt", "unerwartetes Argument datei.txt"},
        {"--spieler 1,5,6", "--spieler 1,5,6: erwartet vier Spielerwerte"},
        {"--spieler 1,5,6,9", "--spieler 1,5,6,9:"},
        {"--spieler 1,5,-1,7", "--spieler 1,5,-1,7:"},
        {"--spieler 1,5,,7", "--spieler 1,5,,7:"},
        {"--spieler 1,5,+6,7", "--spieler 1,5,+6,7:"},
        {"--spieler 1,5,6,7,8", "--spieler 1,5,6,7,8:"},
        {"--spieler eins,5,6,7", "--spieler eins,5,6,7:"},
        {"--spieler 1,5,6,7 --spieler 1,5,6,7", "--spieler ist mehrfach angegeben"},
        {"--help --bla", "unbekannte Option --bla"},
    };
    for (const auto& [zeile, meldung] : faelle) {
        SCOPED_TRACE(zeile);
        const Befehlszeile b = Lesen(zeile);
        EXPECT_EQ(b.aktion, Aktion::Fehler);
        EXPECT_TRUE(b.text.startsWith(QStringLiteral("pelu: ") + meldung)) << b.text.toStdString();
        EXPECT_FALSE(b.text.contains('\n'));
    }
}

// The scroll bars show the values given at start.
TEST(Befehlszeile, SpielerwerteInDenRollbalken) {
    Fensteroptionen optionen;
    optionen.Timer = std::make_unique<VirtuelleUhr>();
    optionen.Datendatei = PELU_QUELLORDNER "/Peludaten.txt";
    optionen.Spieler = std::array<int16_t, 4>{0, 2, 8, 3};
    Hauptfenster fenster(std::move(optionen));
    ASSERT_TRUE(fenster.Laden());
    for (int i = 0; i < 4; ++i)
        PruefeZuteilung(fenster.Wahl(), i, std::array{0, 2, 8, 3}[static_cast<size_t>(i)]);
}

struct Lauf {
    int code;
    QByteArray aus, fehler;
};

// The program with nothing in its environment but `umgebung`.
Lauf Starten(const QStringList& argumente, const QStringList& umgebung = {}) {
    QProcess programm;
    QProcessEnvironment leer;
    for (const QString& eintrag : umgebung)
        leer.insert(eintrag.section('=', 0, 0), eintrag.section('=', 1));
    programm.setProcessEnvironment(leer);
    programm.start(QStringLiteral(PELU_FENSTERPROGRAMM), argumente);
    if (!programm.waitForFinished(60000)) programm.kill();
    programm.waitForFinished();
    return {programm.exitStatus() == QProcess::NormalExit ? programm.exitCode() : -1,
            programm.readAllStandardOutput(), programm.readAllStandardError()};
}

TEST(Programm, HilfeUndVersionOhneAnzeige) {
    Lauf l = Starten({QStringLiteral("--help")});
    EXPECT_EQ(l.code, 0);
    EXPECT_TRUE(l.aus.startsWith("Aufruf: pelu")) << l.aus.toStdString();
    EXPECT_EQ(l.fehler, "");
    l = Starten({QStringLiteral("--version")});
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.aus, "pelu 1.2\n");
    EXPECT_EQ(l.fehler, "");
}

TEST(Programm, FalschesArgumentGibtZwei) {
    for (const QStringList& argumente :
         {QStringList{"--bla"}, QStringList{"--spieler", "1,2,3"}, QStringList{"x"}}) {
        SCOPED_TRACE(argumente.join(' ').toStdString());
        const Lauf l = Starten(argumente);
        EXPECT_EQ(l.code, 2);
        EXPECT_EQ(l.aus, "");
        EXPECT_EQ(l.fehler.count('\n'), 1) << l.fehler.toStdString();
        EXPECT_TRUE(l.fehler.contains(argumente.constLast().toUtf8())) << l.fehler.toStdString();
    }
}

// No X server and no Wayland compositor: one line and exit 1, not the
// toolkit's abort; for the default platform and for each one named.
TEST(Programm, OhneAnzeigeEineZeileUndEins) {
    const QByteArray meldung = QByteArray(KeineAnzeigeMeldung()) + "\n";
    for (const QStringList& umgebung :
         {QStringList{}, QStringList{"DISPLAY=:59999"}, QStringList{"QT_QPA_PLATFORM=xcb"},
          QStringList{"QT_QPA_PLATFORM=wayland", "XDG_RUNTIME_DIR=/tmp",
                      "WAYLAND_DISPLAY=pelu-kein-compositor"}}) {
        SCOPED_TRACE(umgebung.join(' ').toStdString());
        const Lauf l = Starten({}, umgebung);
        EXPECT_EQ(l.code, 1);
        EXPECT_EQ(l.aus, "");
        EXPECT_EQ(l.fehler, meldung);
    }
}

} // namespace
} // namespace pelu::test
