#include "Angebot.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>

#include "Bildspiegel.h"
#include "Leitung.h"
#include "Wahlstand.h"

namespace pelu::netz {

namespace {

// Joined windows at most, and connections not yet joined at most beside them.
constexpr int HoechsteGaeste = 8;
constexpr int HoechsteWartende = 8;
// Wrong codes from an address are forgotten after a quiet minute.
constexpr qint64 Vergessensfrist = 60000;

} // namespace

// A connection and the seat it holds: player 0 until it has joined.
class Gast : public QObject {
  public:
    Gast(Leitung* l, QObject* eltern) : QObject(eltern), leitung(l) {}
    Leitung* leitung;
    int spieler = 0;
    int64_t kennung = 0;
    bool prueft = false; // a join waits for its answer
};

Angebot::Angebot(Bildspiegel& spiegel, Anbieterseite seite, Netzzeiten zeiten, QObject* eltern)
    : QObject(eltern), spiegel_(spiegel), seite_(std::move(seite)), zeiten_(zeiten),
      server_(new QTcpServer(this)),
      code_(QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(1000000), 6, 10,
                                     QLatin1Char('0'))),
      lebenszeichen_(this) {
    connect(server_, &QTcpServer::newConnection, this, &Angebot::Neu);
    spiegel_.Zuhoerer([this](const Nachricht& n) { Rundsenden(n); });
    connect(&lebenszeichen_, &QTimer::timeout, this, [this] { Rundsenden(Lebenszeichen{}); });
    lebenszeichen_.start(zeiten_.Lebenszeichen);
}

Angebot::~Angebot() {
    spiegel_.Zuhoerer({});
    for (Gast* g : gaeste_)
        g->leitung->verloren = nullptr;
}

bool Angebot::Starten(quint16 port, QString* fehler) {
    if (server_->listen(QHostAddress::Any, port)) return true;
    if (fehler)
        *fehler = QCoreApplication::translate("Netz", "Port %1 kann nicht geöffnet werden: %2")
                      .arg(port)
                      .arg(server_->errorString());
    return false;
}

quint16 Angebot::Port() const {
    return server_->serverPort();
}

bool Angebot::Besetzt(int spieler) const {
    return std::any_of(gaeste_.begin(), gaeste_.end(),
                       [spieler](const Gast* g) { return g->spieler == spieler; });
}

int Angebot::Gastzahl() const {
    return static_cast<int>(
        std::count_if(gaeste_.begin(), gaeste_.end(), [](const Gast* g) { return g->spieler; }));
}

int Angebot::Bedenkzeit(const QString& adresse) const {
    const auto it = fehlversuche_.constFind(adresse);
    if (it == fehlversuche_.cend() || it->anzahl < 3) return 0;
    if (QDateTime::currentMSecsSinceEpoch() - it->zuletzt > Vergessensfrist) return 0;
    const int stufe = std::min(it->anzahl - 3, 16);
    return static_cast<int>(
        std::min<qint64>(qint64(zeiten_.Bedenkzeit) << stufe, zeiten_.HoechsteBedenkzeit));
}

void Angebot::Neu() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        auto* leitung = new Leitung(socket, zeiten_.Sendegrenze, this);
        if (Verbindungen() - Gastzahl() >= HoechsteWartende) {
            leitung->Schliessen();
            continue;
        }
        auto* gast = new Gast(leitung, this);
        gaeste_.push_back(gast);
        leitung->empfangen = [this, gast](const Nachricht& n) { Empfangen(*gast, n); };
        leitung->verloren = [this, gast] { Weg(gast); };
        leitung->Frist(zeiten_.Beitrittsfrist, false);
    }
}

void Angebot::Empfangen(Gast& gast, const Nachricht& nachricht) {
    const Spiel* spiel = seite_.spiel ? seite_.spiel() : nullptr;
    if (gast.spieler == 0) {
        // Only one join, and nothing before it.
        const Hallo* hallo = std::get_if<Hallo>(&nachricht);
        if (!hallo || gast.prueft) return gast.leitung->Schliessen();
        gast.prueft = true;
        const Hallo kopie = *hallo;
        const int warten = Bedenkzeit(gast.leitung->Adresse());
        if (warten == 0) return Begruessen(gast, kopie);
        QTimer::singleShot(warten, gast.leitung, [this, &gast, kopie] { Begruessen(gast, kopie); });
        return;
    }
    if (std::holds_alternative<Lebenszeichen>(nachricht)) return;
    if (const Wahl* wahl = std::get_if<Wahl>(&nachricht)) {
        if (!spiel || !DarfWaehlen(*spiel, gast.spieler, wahl->figur))
            return gast.leitung->Schliessen();
        seite_.waehlen(wahl->figur);
        return;
    }
    // Over a figure: checked as its choice would be.
    if (const MausUeber* maus = std::get_if<MausUeber>(&nachricht)) {
        if (!spiel || !DarfWaehlen(*spiel, gast.spieler, maus->figur))
            return gast.leitung->Schliessen();
        if (seite_.mausUeber) seite_.mausUeber(maus->figur);
        return;
    }
    if (std::holds_alternative<Hilfe>(nachricht) && spiel && DarfHilfe(*spiel, gast.spieler)) {
        seite_.hilfe();
        return;
    }
    gast.leitung->Schliessen();
}

void Angebot::Begruessen(Gast& gast, const Hallo& hallo) {
    if (!gast.leitung->Offen()) return;
    if (hallo.version != Protokollversion) return Abweisen(gast, Absage::Version);
    if (QString::fromStdString(hallo.code) != code_) {
        Fehlversuche& f = fehlversuche_[gast.leitung->Adresse()];
        const qint64 jetzt = QDateTime::currentMSecsSinceEpoch();
        if (jetzt - f.zuletzt > Vergessensfrist) f.anzahl = 0;
        ++f.anzahl;
        f.zuletzt = jetzt;
        return Abweisen(gast, Absage::Code);
    }
    // The same window coming back takes its seat from its lost connection.
    for (Gast* alt : gaeste_)
        if (alt != &gast && alt->spieler == hallo.spieler) {
            if (alt->kennung != hallo.kennung) return Abweisen(gast, Absage::Besetzt);
            alt->leitung->Schliessen();
            break;
        }
    if (Gastzahl() >= HoechsteGaeste) return Abweisen(gast, Absage::Voll);
    gast.spieler = hallo.spieler;
    gast.kennung = hallo.kennung;
    gast.leitung->Frist(zeiten_.Stillefrist, true);
    gast.leitung->Senden(Willkommen{Protokollversion, hallo.spieler});
    for (const Nachricht& n : spiegel_.Gesamtbild())
        gast.leitung->Senden(n);
    if (seite_.besetzungGeaendert) seite_.besetzungGeaendert();
}

void Angebot::Abweisen(Gast& gast, Absage grund) {
    gast.leitung->Senden(Abgelehnt{grund});
    gast.leitung->Verabschieden();
}

void Angebot::Weg(Gast* gast) {
    std::erase(gaeste_, gast);
    const bool hatteSitz = gast->spieler != 0;
    gast->deleteLater();
    if (hatteSitz && seite_.besetzungGeaendert) seite_.besetzungGeaendert();
}

void Angebot::Rundsenden(const Nachricht& nachricht) {
    if (Gastzahl() == 0) return;
    const QByteArray rahmen = Rahmen(nachricht);
    // A copy: a peer dropped on the way leaves the list.
    const std::vector<Gast*> alle = gaeste_;
    for (Gast* g : alle)
        if (g->spieler != 0) g->leitung->SendenRahmen(rahmen);
}

} // namespace pelu::netz
