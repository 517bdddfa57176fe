#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

#include "Nachricht.h"

class QTcpSocket;

namespace pelu::netz {

// One connection, on either side: frames in and out, a deadline for the
// peer's next message, and a bound on what the peer leaves unread. Any fault
// (a broken frame, a deadline passed, too much unread) closes it; it then
// tells `verloren` once and deletes itself later.
class Leitung : public QObject {
    Q_OBJECT
  public:
    // Takes over `socket`.
    Leitung(QTcpSocket* socket, qint64 sendegrenze, QObject* eltern = nullptr);
    ~Leitung() override;

    void Senden(const Nachricht& nachricht) { SendenRahmen(Rahmen(nachricht)); }
    void SendenRahmen(const QByteArray& rahmen);
    // The peer must send a message within `ms`; with `verlaengern` each
    // message grants another `ms`.
    void Frist(int ms, bool verlaengern);
    void Schliessen();
    // Closes after what is written has gone out (a last answer), within a while.
    void Verabschieden();
    bool Offen() const { return offen_; }
    QTcpSocket& Socket() { return *socket_; }
    QString Adresse() const { return adresse_; }
    qint64 Empfangen() const { return empfangen_; }
    qint64 Gesendet() const { return gesendet_; }

    std::function<void(const Nachricht&)> empfangen;
    std::function<void()> verloren;

  private:
    void Lesen();

    QTcpSocket* socket_;
    qint64 sendegrenze_;
    Rahmenpuffer puffer_;
    QTimer frist_;
    bool verlaengern_ = false;
    bool offen_ = true;
    QString adresse_;
    qint64 empfangen_ = 0;
    qint64 gesendet_ = 0;
};

} // namespace pelu::netz
