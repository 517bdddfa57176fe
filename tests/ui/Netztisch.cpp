#include "Netztisch.h"

#include <QTest>

namespace pelu::test {

netz::Netzzeiten Testzeiten() {
    netz::Netzzeiten z;
    z.Beitrittsfrist = 1000;
    z.Stillefrist = 4000;
    z.Lebenszeichen = 200;
    z.Bedenkzeit = 1;
    z.HoechsteBedenkzeit = 4;
    z.Wiederholung = 20;
    z.Wiederholdauer = 20000;
    return z;
}

bool Warten(const std::function<bool()>& bis, int ms) {
    return QTest::qWaitFor(bis, ms);
}

Wirtfenster::Wirtfenster(uint64_t saat, const netz::Netzzeiten& zeiten) : Testfenster(saat) {
    f().NetzzeitenSetzen(zeiten);
    QString fehler;
    if (!f().Anbieten(0, &fehler)) ADD_FAILURE() << fehler.toStdString();
}

bool Wirtfenster::Spielen(const std::function<void()>& nachTakt) {
    return BisRuhe(3000000, [&] {
        QCoreApplication::processEvents();
        if (nachTakt) nachTakt();
    });
}

Gastfenster::Gastfenster(Wirtfenster& wirt, int spieler, const netz::Netzzeiten& zeiten,
                         const std::optional<std::string>& datei)
    : Testfenster(spieler + 100, datei) {
    f().NetzzeitenSetzen(zeiten);
    QObject::connect(&f(), &Hauptfenster::BeitrittGescheitert,
                     [](const QString& meldung) { ADD_FAILURE() << meldung.toStdString(); });
    f().Beitreten(
        {QStringLiteral("127.0.0.1"), wirt.Angebot().Port(), wirt.Angebot().Code(), spieler});
    EXPECT_TRUE(Warten([this] { return Verbunden(); }));
}

Rohgast::Rohgast(quint16 port) {
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    EXPECT_TRUE(socket.waitForConnected(5000));
}

void Rohgast::Senden(const QByteArray& bytes) {
    socket.write(bytes);
    socket.flush();
}

bool Rohgast::Beitreten(const QString& code, int spieler) {
    Senden(netz::Hallo{netz::Protokollversion, code.toStdString(), spieler, spieler});
    const std::optional<netz::Nachricht> antwort = Antwort();
    return antwort && std::holds_alternative<netz::Willkommen>(*antwort);
}

std::optional<netz::Nachricht> Rohgast::Antwort() {
    std::optional<netz::Nachricht> antwort;
    Warten([&] {
        puffer.Anhaengen(socket.readAll());
        if (std::optional<QByteArray> k = puffer.Naechster()) antwort = netz::Entschluesseln(*k);
        return antwort.has_value() || socket.state() != QAbstractSocket::ConnectedState;
    });
    return antwort;
}

bool Rohgast::Geschlossen(int ms) {
    return Warten([this] { return socket.state() == QAbstractSocket::UnconnectedState; }, ms);
}

} // namespace pelu::test
