#include <QRandomGenerator>
#include <QtEndian>

#include "Netztisch.h"
#include "Wahlstand.h"
#include "Wahlsteuerung.h"
#include "game/Spiel.h"

namespace pelu::test {
namespace {

QByteArray Laenge(quint32 n) {
    QByteArray kopf(4, Qt::Uninitialized);
    qToBigEndian(n, kopf.data());
    return kopf;
}

// An offering window whose player 1 is played from a joined window that
// chooses the lowest movable figure; the offering window's user takes the
// highest for any other human player.
class MitGegnern : public ::testing::Test {
  protected:
    Wirtfenster wirt{21};
    std::unique_ptr<Gastfenster> eins;
    void SetUp() override {
        ASSERT_TRUE(wirt.geladen);
        wirt.Spieler({1, 2, 5, 6});
        wirt.e().chkTurbo->click();
        eins = std::make_unique<Gastfenster>(wirt, 1);
        ASSERT_TRUE(eins->Verbunden());
    }
    void Waehlen() {
        if (const Wahllage& lage = eins->f().Steuerung().Lage(); lage.offen)
            for (int f = 1; f <= 16; ++f)
                if (lage.waehlbar[static_cast<size_t>(f)]) return eins->Beitritt().Waehlen(f);
        if (const Wahllage& lage = wirt.f().Steuerung().Lage(); lage.offen)
            for (int f = 16; f >= 1; --f)
                if (lage.waehlbar[static_cast<size_t>(f)]) return wirt.f().Partie()->KlickFigur(f);
    }
    // A whole game to its end, with the joined window still in its seat.
    void SpielGehtWeiter() {
        Klicken(*wirt.e().cmdStart);
        ASSERT_TRUE(wirt.Spielen([this] { Waehlen(); }));
        EXPECT_TRUE(eins->Verbunden());
        EXPECT_EQ(wirt.Angebot().Gastzahl(), 1);
    }
    quint16 Port() { return wirt.Angebot().Port(); }
};

// Bytes that are no message, a length over 64 KiB, a message cut short
// inside its frame or a frame cut short, messages at the wrong time or
// from the wrong side, and silence: each closes that connection only.
TEST_F(MitGegnern, JederFehlerSchliesstNurSeineVerbindung) {
    QRandomGenerator zufall(5);
    QByteArray muell(1000, Qt::Uninitialized);
    for (char& c : muell)
        c = static_cast<char>(zufall.bounded(256));
    const QByteArray hallo = netz::Rahmen(netz::Hallo{netz::Protokollversion, "000000", 3, 0});
    const QByteArray falscheVersion = netz::Rahmen(
        netz::Hallo{netz::Protokollversion + 1, wirt.Angebot().Code().toStdString(), 3, 0});
    // The first version sent no board: its windows would draw their own.
    const QByteArray ersteVersion =
        netz::Rahmen(netz::Hallo{1, wirt.Angebot().Code().toStdString(), 3, 0});
    const std::vector<std::pair<const char*, QByteArray>> faelle = {
        {"http", QByteArrayLiteral("GET / HTTP/1.0\r\n\r\n")},
        {"muell", muell},
        {"zu lang", Laenge(netz::RahmenGrenze + 1) + QByteArray(netz::RahmenGrenze + 1, '\xa0')},
        {"leer", Laenge(0)},
        {"kein cbor", Laenge(5) + QByteArrayLiteral("hallo")},
        {"angeschnitten", Laenge(quint32(hallo.size() - 7)) + hallo.mid(4, hallo.size() - 7)},
        {"rahmen halb", Laenge(100) + QByteArray(10, '\xa1')},
        {"wahl zuerst", netz::Rahmen(netz::Wahl{1})},
        {"hilfe zuerst", netz::Rahmen(netz::Hilfe{})},
        {"falsche seite", netz::Rahmen(netz::Info{"x", 1})},
        {"andere version", falscheVersion},
        {"erste version", ersteVersion},
        {"still", QByteArray()},
    };
    for (const auto& [name, bytes] : faelle) {
        Rohgast gegner(Port());
        gegner.Senden(bytes);
        EXPECT_TRUE(gegner.Geschlossen()) << name;
        EXPECT_TRUE(eins->Verbunden()) << name;
    }
    // Joined, then a second join, messages of the offering side, a choice,
    // the proposal or the mouse over a figure while nobody must choose.
    for (const netz::Nachricht& n :
         {netz::Nachricht{netz::Hallo{netz::Protokollversion, "000000", 3, 0}},
          netz::Nachricht{netz::Knoepfe{0}},
          netz::Nachricht{netz::Brett{std::vector<std::array<int16_t, 12>>(netz::Brett::Zeilen)}},
          netz::Nachricht{netz::Wahl{9}}, netz::Nachricht{netz::Hilfe{}},
          netz::Nachricht{netz::MausUeber{9}}}) {
        Rohgast gegner(Port());
        ASSERT_TRUE(gegner.Beitreten(wirt.Angebot().Code(), 3));
        gegner.Senden(n);
        EXPECT_TRUE(gegner.Geschlossen()) << n.index();
    }
    EXPECT_EQ(wirt.Angebot().Verbindungen(), 1);
    SpielGehtWeiter();
}

// A player's choice from a window that plays another player, and a choice
// of a figure that may not move, at that player's moment: the connection
// closes, the choice is not made, and the player falls back to the
// offering window's user.
TEST_F(MitGegnern, WahlFuerAnderenSpielerOderUnbeweglicheFigurSchliesst) {
    auto zwei = std::make_unique<Rohgast>(Port());
    ASSERT_TRUE(zwei->Beitreten(wirt.Angebot().Code(), 2));
    EXPECT_TRUE(wirt.Angebot().Besetzt(2));
    int fremd = 0, unbeweglich = 0;
    Klicken(*wirt.e().cmdStart);
    ASSERT_TRUE(wirt.Spielen([&] {
        const Spiel& spiel = *wirt.f().Partie();
        const netz::Wahlstand stand = netz::WahlstandVon(spiel);
        if (stand.spieler == 1 && zwei && fremd == 0) {
            // Player 2's window points at, then picks player 1's figure.
            const int f = stand.figuren.front();
            for (const netz::Nachricht& n :
                 {netz::Nachricht{netz::MausUeber{f}}, netz::Nachricht{netz::Wahl{f}}}) {
                zwei->Senden(n);
                EXPECT_TRUE(zwei->Geschlossen());
                EXPECT_EQ(spiel.Zustand().Gewaehlt, 0);
                ++fremd;
                zwei = std::make_unique<Rohgast>(Port());
                EXPECT_TRUE(zwei->Beitreten(wirt.Angebot().Code(), 2));
            }
        }
        if (stand.spieler == 2 && zwei && unbeweglich == 0) {
            int f = 5;
            while (spiel.Waehlbar(f))
                ++f;
            zwei->Senden(netz::Wahl{f});
            EXPECT_TRUE(zwei->Geschlossen());
            EXPECT_EQ(spiel.Zustand().Gewaehlt, 0);
            ++unbeweglich;
            zwei.reset();
            // The seat is free: the offering window's user chooses.
            EXPECT_TRUE(Warten([&] { return !wirt.Angebot().Besetzt(2); }));
            EXPECT_TRUE(Warten([&] { return wirt.f().Steuerung().Lage().offen; }));
        }
        Waehlen();
    }));
    EXPECT_EQ(fremd, 2);
    EXPECT_EQ(unbeweglich, 1);
    EXPECT_TRUE(eins->Verbunden());
}

// A thousand wrong codes from one address, eight at a time: each is
// refused and closed, the answers come ever more slowly, and the right
// code still joins.
TEST_F(MitGegnern, TausendFalscheCodes) {
    const QString code = wirt.Angebot().Code();
    const QString falsch =
        QStringLiteral("%1").arg((code.toInt() + 1) % 1000000, 6, 10, QLatin1Char('0'));
    int abgelehnt = 0;
    for (int runde = 0; runde < 125; ++runde) {
        std::vector<std::unique_ptr<Rohgast>> gegner;
        for (int i = 0; i < 8; ++i) {
            gegner.push_back(std::make_unique<Rohgast>(Port()));
            gegner.back()->Senden(netz::Hallo{netz::Protokollversion, falsch.toStdString(), 3, 0});
        }
        for (auto& g : gegner) {
            EXPECT_TRUE(g->Geschlossen());
            abgelehnt += g->socket.readAll() == netz::Rahmen(netz::Abgelehnt{netz::Absage::Code});
        }
    }
    EXPECT_EQ(abgelehnt, 1000);
    EXPECT_EQ(wirt.Angebot().Verbindungen(), 1);
    // Loopback as an IPv4 peer of a server on all addresses is written either way.
    EXPECT_EQ(std::max(wirt.Angebot().Bedenkzeit(QStringLiteral("127.0.0.1")),
                       wirt.Angebot().Bedenkzeit(QStringLiteral("::ffff:127.0.0.1"))),
              Testzeiten().HoechsteBedenkzeit);
    Rohgast richtig(Port());
    EXPECT_TRUE(richtig.Beitreten(code, 3));
    SpielGehtWeiter();
}

// A peer that joins and then reads nothing is dropped once it has left
// more than the limit unread; the game never waits for it.
TEST(Netzgegner, WerNichtLiestWirdFallengelassen) {
    netz::Netzzeiten zeiten = Testzeiten();
    zeiten.Sendegrenze = 16 * 1024;
    Wirtfenster wirt(4, zeiten);
    ASSERT_TRUE(wirt.geladen);
    wirt.Spieler({5, 6, 7, 8});
    wirt.e().chkTurbo->click();
    Rohgast taub(wirt.Angebot().Port());
    taub.socket.setReadBufferSize(1024);
    ASSERT_TRUE(taub.Beitreten(wirt.Angebot().Code(), 1));
    int spiele = 0;
    while (wirt.Angebot().Gastzahl() == 1 && spiele < 50) {
        Klicken(*wirt.e().cmdStart);
        ASSERT_TRUE(wirt.Spielen());
        ++spiele;
    }
    EXPECT_EQ(wirt.Angebot().Gastzahl(), 0) << spiele;
    EXPECT_EQ(wirt.Angebot().Verbindungen(), 0);
}

} // namespace
} // namespace pelu::test
