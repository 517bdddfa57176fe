#include "Beitritt.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <algorithm>

#include "Leitung.h"

namespace pelu::netz {

QString AbsageText(Absage grund, int spieler) {
    switch (grund) {
    case Absage::Code: return QCoreApplication::translate("Netz", "Der Code ist falsch.");
    case Absage::Version:
        return QCoreApplication::translate("Netz",
                                           "Das anbietende Fenster spricht eine andere Version.");
    case Absage::Besetzt:
        return QCoreApplication::translate(
                   "Netz", "Spieler %1 wird schon von einem anderen Fenster gespielt.")
            .arg(spieler);
    case Absage::Voll:
        return QCoreApplication::translate("Netz", "Es sind schon zu viele Fenster beigetreten.");
    }
    return {};
}

Beitritt::Beitritt(QString rechner, quint16 port, QString code, int spieler, Netzzeiten zeiten,
                   QObject* eltern)
    : QObject(eltern), rechner_(std::move(rechner)), port_(port), code_(std::move(code)),
      spieler_(spieler), zeiten_(zeiten),
      kennung_(static_cast<int64_t>(QRandomGenerator::system()->generate64() >> 2)),
      lebenszeichen_(this), wiederholung_(this) {
    connect(&lebenszeichen_, &QTimer::timeout, this, [this] {
        if (leitung_ && willkommen_) leitung_->Senden(Lebenszeichen{});
    });
    wiederholung_.setSingleShot(true);
    connect(&wiederholung_, &QTimer::timeout, this, &Beitritt::Versuch);
}

Beitritt::~Beitritt() {
    if (leitung_) leitung_->verloren = nullptr;
}

void Beitritt::Verbinden() {
    Versuch();
}

bool Beitritt::Verbunden() const {
    return leitung_ && willkommen_;
}

qint64 Beitritt::EmpfangenJetzt() const {
    return leitung_ ? leitung_->Empfangen() : 0;
}

void Beitritt::Versuch() {
    socket_ = new QTcpSocket(this);
    QTcpSocket* socket = socket_;
    // A connection that neither succeeds nor fails is given up as failed.
    auto* frist = new QTimer(socket);
    frist->setSingleShot(true);
    connect(frist, &QTimer::timeout, socket, [this, socket] {
        if (socket == socket_)
            Verbindungsfehler(QCoreApplication::translate("Netz", "keine Antwort"));
    });
    frist->start(zeiten_.Beitrittsfrist);
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
        if (socket == socket_) Verbindungsfehler(socket->errorString());
    });
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        if (socket != socket_) return;
        socket_ = nullptr;
        socket->disconnect(this);
        socket->findChild<QTimer*>()->deleteLater();
        willkommen_ = false;
        leitung_ = new Leitung(socket, zeiten_.Sendegrenze, this);
        leitung_->empfangen = [this](const Nachricht& n) { Empfangen(n); };
        leitung_->verloren = [this] { Verloren(); };
        leitung_->Frist(zeiten_.Beitrittsfrist, false);
        leitung_->Senden(Hallo{Protokollversion, code_.toStdString(), spieler_, kennung_});
    });
    socket->connectToHost(rechner_, port_);
}

void Beitritt::Verbindungsfehler(const QString& grund) {
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    if (!beigetreten_) {
        emit Gescheitert(QCoreApplication::translate("Netz", "Keine Verbindung zu %1:%2 (%3).")
                             .arg(rechner_)
                             .arg(port_)
                             .arg(grund));
        return;
    }
    Verloren();
}

void Beitritt::Empfangen(const Nachricht& n) {
    if (!willkommen_) {
        if (const Willkommen* w = std::get_if<Willkommen>(&n);
            w && w->version == Protokollversion && w->spieler == spieler_) {
            willkommen_ = true;
            beigetreten_ = true;
            verlorenSeit_.invalidate();
            leitung_->Frist(zeiten_.Stillefrist, true);
            lebenszeichen_.start(zeiten_.Lebenszeichen);
            emit Beigetreten();
            return;
        }
        const Abgelehnt* a = std::get_if<Abgelehnt>(&n);
        const QString meldung =
            a ? AbsageText(a->grund, spieler_)
              : QCoreApplication::translate("Netz",
                                            "Das anbietende Fenster spricht eine andere Version.");
        // Coming back, only a taken seat or a full table may clear up.
        const bool vorlaeufig =
            beigetreten_ && a && (a->grund == Absage::Besetzt || a->grund == Absage::Voll);
        leitung_->verloren = nullptr;
        leitung_->Schliessen();
        if (vorlaeufig) return Verloren();
        beigetreten_ = false;
        emit Gescheitert(meldung);
        return;
    }
    if (std::holds_alternative<Lebenszeichen>(n)) return;
    if (std::holds_alternative<Hallo>(n) || std::holds_alternative<Wahl>(n) ||
        std::holds_alternative<netz::Hilfe>(n) || std::holds_alternative<netz::MausUeber>(n) ||
        std::holds_alternative<Willkommen>(n) || std::holds_alternative<Abgelehnt>(n))
        return leitung_->Schliessen();
    if (const Wahlstand* w = std::get_if<Wahlstand>(&n)) {
        // After a choice, what was sent before the offering window took it
        // is old: the moment stays closed until it says so itself.
        if (gewaehlt_ && w->spieler == spieler_) return;
        gewaehlt_ = false;
        stand_ = *w;
        mausGemeldet_ = 0;
    }
    emit Bild(n);
}

void Beitritt::Verloren() {
    if (leitung_) empfangenAlt_ += leitung_->Empfangen();
    leitung_ = nullptr;
    lebenszeichen_.stop();
    const bool ersterVerlust = !verlorenSeit_.isValid();
    willkommen_ = false;
    // The choice cannot be made while away.
    stand_ = {};
    gewaehlt_ = false;
    if (ersterVerlust) {
        verlorenSeit_.start();
        emit Bild(stand_);
        emit Getrennt();
    }
    if (verlorenSeit_.elapsed() > zeiten_.Wiederholdauer) {
        emit Aufgegeben();
        return;
    }
    wiederholung_.start(zeiten_.Wiederholung);
}

bool Beitritt::Waehlbar(int figur) const {
    return Verbunden() && stand_.spieler == spieler_ &&
           std::find(stand_.figuren.begin(), stand_.figuren.end(), figur) != stand_.figuren.end();
}

void Beitritt::Waehlen(int figur) {
    if (!Waehlbar(figur)) return;
    leitung_->Senden(Wahl{figur});
    gewaehlt_ = true;
    stand_ = {};
    emit Bild(stand_);
}

void Beitritt::Abbrechen() {
    if (leitung_) leitung_->Schliessen();
}

void Beitritt::Hilfe() {
    if (!Verbunden() || stand_.spieler != spieler_) return;
    leitung_->Senden(netz::Hilfe{});
    // The proposal blinks again: the next move over a figure ends it again.
    mausGemeldet_ = 0;
}

void Beitritt::MausUeber(int figur) {
    if (!Waehlbar(figur) || figur == mausGemeldet_) return;
    leitung_->Senden(netz::MausUeber{figur});
    mausGemeldet_ = figur;
}

} // namespace pelu::netz
