#pragma once
#include <QTcpSocket>
#include <functional>

#include "Angebot.h"
#include "Beitritt.h"
#include "Testfenster.h"

namespace pelu::test {

// Limits short enough that a test sees them pass, long enough for a slow
// machine under the sanitizers.
netz::Netzzeiten Testzeiten();

// Serves the event loop (the sockets) until `bis` holds; false after `ms`.
bool Warten(const std::function<bool()>& bis, int ms = 10000);

// An offering window on a free port of the loopback address.
struct Wirtfenster : Testfenster {
    explicit Wirtfenster(uint64_t saat, const netz::Netzzeiten& zeiten = Testzeiten());
    netz::Angebot& Angebot() { return *f().Angebot(); }
    // Plays until both timers are off, serving the sockets after every tick.
    bool Spielen(const std::function<void()>& nachTakt = {});
};

// A window joined to `wirt` as human player `spieler`.
struct Gastfenster : Testfenster {
    Gastfenster(Wirtfenster& wirt, int spieler, const netz::Netzzeiten& zeiten = Testzeiten(),
                const std::optional<std::string>& datei = PELU_QUELLORDNER "/Peludaten.txt");
    netz::Beitritt& Beitritt() { return *f().Beitritt(); }
    bool Verbunden() { return f().Beitritt()->Verbunden(); }
};

// A peer speaking raw bytes.
struct Rohgast {
    QTcpSocket socket;
    netz::Rahmenpuffer puffer;
    explicit Rohgast(quint16 port);
    void Senden(const QByteArray& bytes);
    void Senden(const netz::Nachricht& n) { Senden(netz::Rahmen(n)); }
    // Joins with the right code as `spieler`; true when welcomed.
    bool Beitreten(const QString& code, int spieler);
    // The first message that comes back; nothing when none comes.
    std::optional<netz::Nachricht> Antwort();
    // Waits until the offering window has closed the connection.
    bool Geschlossen(int ms = 10000);
};

} // namespace pelu::test
