#include "Leitung.h"

#include <QPointer>
#include <QTcpSocket>

namespace pelu::netz {

Leitung::Leitung(QTcpSocket* socket, qint64 sendegrenze, QObject* eltern)
    : QObject(eltern), socket_(socket), sendegrenze_(sendegrenze), frist_(this),
      adresse_(socket->peerAddress().toString()) {
    socket_->setParent(this);
    // Qt reads no more than this ahead of us; the rest waits in the kernel.
    socket_->setReadBufferSize(RahmenGrenze + 4);
    frist_.setSingleShot(true);
    connect(&frist_, &QTimer::timeout, this, &Leitung::Schliessen);
    connect(socket_, &QTcpSocket::readyRead, this, &Leitung::Lesen);
    connect(socket_, &QTcpSocket::disconnected, this, &Leitung::Schliessen);
    connect(socket_, &QTcpSocket::errorOccurred, this, &Leitung::Schliessen);
}

Leitung::~Leitung() {
    // The socket, deleted after us, must not call back.
    socket_->disconnect(this);
}

void Leitung::SendenRahmen(const QByteArray& rahmen) {
    if (!offen_) return;
    // A peer that does not read is not waited for.
    if (socket_->bytesToWrite() + rahmen.size() > sendegrenze_) {
        Schliessen();
        return;
    }
    socket_->write(rahmen);
    gesendet_ += rahmen.size();
}

void Leitung::Frist(int ms, bool verlaengern) {
    verlaengern_ = verlaengern;
    frist_.start(ms);
}

void Leitung::Schliessen() {
    if (!offen_) return;
    offen_ = false;
    frist_.stop();
    socket_->disconnect(this);
    socket_->abort();
    deleteLater();
    if (verloren) verloren();
}

void Leitung::Verabschieden() {
    if (!offen_) return;
    offen_ = false;
    frist_.stop();
    socket_->disconnect(this);
    connect(socket_, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    QTimer::singleShot(2000, this, &QObject::deleteLater);
    socket_->disconnectFromHost();
    if (verloren) verloren();
}

void Leitung::Lesen() {
    QPointer<Leitung> selbst(this);
    while (offen_ && socket_->bytesAvailable() > 0) {
        const QByteArray stueck = socket_->read(RahmenGrenze + 4);
        empfangen_ += stueck.size();
        puffer_.Anhaengen(stueck);
        while (offen_) {
            const std::optional<QByteArray> koerper = puffer_.Naechster();
            if (!koerper) break;
            const std::optional<Nachricht> nachricht = Entschluesseln(*koerper);
            if (!nachricht) {
                Schliessen();
                return;
            }
            if (verlaengern_) frist_.start();
            if (empfangen) empfangen(*nachricht);
            if (!selbst) return;
        }
        if (puffer_.Verdorben()) Schliessen();
    }
}

} // namespace pelu::netz
