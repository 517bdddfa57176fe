#pragma once
#include <QString>
#include <optional>

namespace pelu {

// Where a joining window finds the offering one, and whom it plays.
struct Beitrittsdaten {
    QString Rechner;
    quint16 Port = 47474;
    QString Code;
    int Spieler = 1;
};

// What the command line asks of the network: offer on a port, or join.
struct Netzauftrag {
    std::optional<quint16> Anbieten;
    std::optional<Beitrittsdaten> Beitreten;
};

// The values of the command line's network options, read strictly: plain
// digits, nothing around them.

// A port 0..65535.
std::optional<quint16> PortLesen(const QString& text);
// HOST or HOST:PORT (an IPv6 address in brackets: [::1]:47474); the port
// 47474 when none is given.
struct Netzziel {
    QString Rechner;
    quint16 Port = 47474;
};
std::optional<Netzziel> ZielLesen(const QString& text);
// Six digits.
bool CodeGueltig(const QString& text);
// A human player 1..4.
std::optional<int> SpielernummerLesen(const QString& text);

} // namespace pelu
