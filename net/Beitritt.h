#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "Nachricht.h"
#include "Netzzeiten.h"

class QTcpSocket;

namespace pelu::netz {

class Leitung;

// The joining side: one connection to an offering window, the join with
// code and player, the picture messages handed on, the player's choices
// sent back, and after a loss new tries for a while.
class Beitritt : public QObject {
    Q_OBJECT
  public:
    Beitritt(QString rechner, quint16 port, QString code, int spieler, Netzzeiten zeiten = {},
             QObject* eltern = nullptr);
    ~Beitritt() override;

    void Verbinden();
    bool Verbunden() const;
    int Spieler() const { return spieler_; }
    // Who must choose now, as last told.
    const Wahlstand& Stand() const { return stand_; }
    // This window's player chooses `figur`, or asks for the proposal: sent
    // only at its moment, and only once per choice.
    void Waehlen(int figur);
    void Hilfe();
    // The mouse is over `figur`: sent only at the player's moment, for a
    // figure it may choose, once until the choice or the proposal changes.
    void MausUeber(int figur);
    // Drops the connection as a network fault would; new tries follow.
    void Abbrechen();
    // Bytes received so far (measurements).
    qint64 EmpfangeneBytes() const { return empfangenAlt_ + EmpfangenJetzt(); }

  signals:
    void Beigetreten();
    // A message that changes what the window shows (picture, assignment,
    // Turbo, the choice).
    void Bild(const pelu::netz::Nachricht& nachricht);
    // The first join failed: no connection, wrong code, other version,
    // player taken, too many windows. Nothing is tried again.
    void Gescheitert(const QString& meldung);
    // The connection is lost; new tries follow.
    void Getrennt();
    // No new connection within the time allowed.
    void Aufgegeben();

  private:
    // This window's player may choose `figur` now, as last told.
    bool Waehlbar(int figur) const;
    void Versuch();
    void Verbindungsfehler(const QString& grund);
    void Empfangen(const Nachricht& nachricht);
    void Verloren();
    qint64 EmpfangenJetzt() const;

    QString rechner_;
    quint16 port_;
    QString code_;
    int spieler_;
    Netzzeiten zeiten_;
    int64_t kennung_;
    QTcpSocket* socket_ = nullptr; // connecting, not yet handed to a Leitung
    QPointer<Leitung> leitung_;
    bool beigetreten_ = false; // joined at least once
    bool willkommen_ = false;  // this connection has joined
    Wahlstand stand_;
    int mausGemeldet_ = 0;  // the figure last reported under the mouse
    bool gewaehlt_ = false; // a choice is sent, its moment not yet seen closed
    QTimer lebenszeichen_;
    QTimer wiederholung_;
    QElapsedTimer verlorenSeit_;
    qint64 empfangenAlt_ = 0;
};

// The message for a refused join, in German.
QString AbsageText(Absage grund, int spieler);

} // namespace pelu::netz
