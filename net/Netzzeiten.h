#pragma once
#include <QtGlobal>

namespace pelu::netz {

// The limits of a connection; tests shorten them.
struct Netzzeiten {
    int Beitrittsfrist = 10000; // ms from connecting to a valid join
    int Stillefrist = 30000;    // ms a joined peer may stay silent
    int Lebenszeichen = 10000;  // ms between keep-alives sent
    int Bedenkzeit = 500;       // ms before answering the 4th wrong code from one address,
                                // doubled for each further one
    int HoechsteBedenkzeit = 8000;
    qint64 Sendegrenze = 4 << 20; // bytes a peer may leave unread before it is dropped
    int Wiederholung = 1000;      // ms between tries to reconnect
    int Wiederholdauer = 60000;   // ms a lost joined window keeps trying
};

} // namespace pelu::netz
