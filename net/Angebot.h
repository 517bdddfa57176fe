#pragma once
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

#include "Nachricht.h"
#include "Netzzeiten.h"

class QTcpServer;

namespace pelu {
class Spiel;
}

namespace pelu::netz {

class Bildspiegel;
class Gast;

// What the offering window lends the offer: its game, and the ways a joined
// window's user acts on it, the same a click, the proposal button and a
// mouse move over a figure take.
struct Anbieterseite {
    std::function<const Spiel*()> spiel;
    std::function<void(int figur)> waehlen;
    std::function<void()> hilfe;
    std::function<void(int figur)> mausUeber;
    // A joined window has taken or left its seat.
    std::function<void()> besetzungGeaendert;
};

// The offering side: listens for joining windows, lets in those with the
// code, shows them the picture of `spiegel` and takes their choices. Never
// waits on a peer: every socket is served by the window's event loop.
class Angebot : public QObject {
    Q_OBJECT
  public:
    Angebot(Bildspiegel& spiegel, Anbieterseite seite, Netzzeiten zeiten = {},
            QObject* eltern = nullptr);
    ~Angebot() override;

    // Listens on `port` (0: a free one) on all addresses; false with the
    // reason in `fehler` when it cannot.
    bool Starten(quint16 port, QString* fehler = nullptr);
    quint16 Port() const;
    // The six-digit join code, drawn for this offer.
    const QString& Code() const { return code_; }
    // A joined window plays human player `spieler` now.
    bool Besetzt(int spieler) const;
    int Gastzahl() const;
    // Connections open, joined or not.
    int Verbindungen() const { return static_cast<int>(gaeste_.size()); }
    // How long the next join from `adresse` is held back, in ms.
    int Bedenkzeit(const QString& adresse) const;

  private:
    friend class Gast;
    void Neu();
    void Empfangen(Gast& gast, const Nachricht& nachricht);
    void Begruessen(Gast& gast, const Hallo& hallo);
    void Abweisen(Gast& gast, Absage grund);
    void Weg(Gast* gast);
    void Rundsenden(const Nachricht& nachricht);

    Bildspiegel& spiegel_;
    Anbieterseite seite_;
    Netzzeiten zeiten_;
    QTcpServer* server_;
    QString code_;
    std::vector<Gast*> gaeste_;
    QTimer lebenszeichen_;
    struct Fehlversuche {
        int anzahl = 0;
        qint64 zuletzt = 0; // ms since the epoch
    };
    QHash<QString, Fehlversuche> fehlversuche_;
};

} // namespace pelu::netz
