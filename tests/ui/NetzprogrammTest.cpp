#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "Netztisch.h"

namespace pelu::test {
namespace {

// The program as a user starts it, on Qt's offscreen platform, from the
// folder of the shipped data file unless another is given.
struct Programm : QProcess {
    explicit Programm(const QStringList& argumente,
                      const QString& ordner = QStringLiteral(PELU_QUELLORDNER)) {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        setProcessEnvironment(umgebung);
        setWorkingDirectory(ordner);
        start(QStringLiteral(PELU_FENSTERPROGRAMM), argumente);
    }
    ~Programm() override {
        kill();
        waitForFinished(5000);
    }
    QString Fehlerausgabe() { return QString::fromLocal8Bit(readAllStandardError()); }
};

// --anbieten=0 tells port and code on one line; the same port again is in
// use; a program joined with the code takes its player's seat, even from a
// folder whose data file is broken (a joined window draws the board it is
// sent); a wrong code and a port nobody offers on are told on stderr and
// end the program with 1.
TEST(Netzprogramm, AnbietenUndBeitretenVonDerBefehlszeile) {
    Programm wirt({QStringLiteral("--anbieten=0")});
    ASSERT_TRUE(Warten([&] { return wirt.canReadLine(); }, 30000));
    const QString zeile = QString::fromLatin1(wirt.readLine());
    const QRegularExpressionMatch treffer =
        QRegularExpression(QStringLiteral("^anbieten ([0-9]+) ([0-9]{6})\n$")).match(zeile);
    ASSERT_TRUE(treffer.hasMatch()) << zeile.toStdString();
    const QString port = treffer.captured(1), code = treffer.captured(2);
    ASSERT_NE(port.toInt(), 0);

    Programm belegt({QStringLiteral("--anbieten=") + port});
    ASSERT_TRUE(belegt.waitForFinished(30000));
    EXPECT_EQ(belegt.exitCode(), 1);
    EXPECT_TRUE(belegt.Fehlerausgabe().contains(port));
    EXPECT_TRUE(belegt.readAllStandardOutput().isEmpty());

    QTemporaryDir ordner;
    QFile kaputt(ordner.filePath(QStringLiteral("Peludaten.txt")));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("bilddaten:\nDATA 1, 2\n");
    kaputt.close();
    Programm gast({QStringLiteral("--beitreten"), QStringLiteral("127.0.0.1:") + port,
                   QStringLiteral("--code"), code, QStringLiteral("--als"), QStringLiteral("2")},
                  ordner.path());
    // The probe below asks for the same seat; asked before the program has
    // joined, it would take the seat itself and the program would be refused.
    ASSERT_TRUE(gast.waitForStarted(30000));
    QTest::qWait(3000);
    std::optional<netz::Nachricht> antwort;
    EXPECT_TRUE(Warten(
        [&] {
            Rohgast spaeter(static_cast<quint16>(port.toInt()));
            spaeter.Senden(netz::Hallo{netz::Protokollversion, code.toStdString(), 2, 7});
            antwort = spaeter.Antwort();
            return antwort && std::holds_alternative<netz::Abgelehnt>(*antwort) &&
                   std::get<netz::Abgelehnt>(*antwort).grund == netz::Absage::Besetzt;
        },
        30000));

    const QString falsch =
        QStringLiteral("%1").arg((code.toInt() + 1) % 1000000, 6, 10, QLatin1Char('0'));
    Programm abgewiesen({QStringLiteral("--beitreten"), QStringLiteral("127.0.0.1:") + port,
                         QStringLiteral("--code"), falsch});
    ASSERT_TRUE(abgewiesen.waitForFinished(30000));
    EXPECT_EQ(abgewiesen.exitCode(), 1);
    EXPECT_TRUE(abgewiesen.Fehlerausgabe().contains(QStringLiteral("Der Code ist falsch.")));
    EXPECT_EQ(gast.state(), QProcess::Running);

    // The offering program ends; its port is free again.
    wirt.kill();
    ASSERT_TRUE(wirt.waitForFinished(30000));
    Programm niemand({QStringLiteral("--beitreten"), QStringLiteral("127.0.0.1:") + port,
                      QStringLiteral("--code"), code});
    ASSERT_TRUE(niemand.waitForFinished(30000));
    EXPECT_EQ(niemand.exitCode(), 1);
    EXPECT_TRUE(
        niemand.Fehlerausgabe().contains(QStringLiteral("Keine Verbindung zu 127.0.0.1:") + port));
}

} // namespace
} // namespace pelu::test
