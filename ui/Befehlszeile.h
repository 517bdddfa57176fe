#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "Netzbefehl.h"

namespace pelu {

// What the command line asks of the game. Read before any window or
// display exists, so --help, --version and a bad argument need neither.
struct Befehlszeile {
    enum class Aktion { Spielen, Hilfe, Version, Fehler };
    Aktion aktion = Aktion::Spielen;
    // --spieler: the player values (0..8) of colours 1..4 at start.
    std::optional<std::array<int16_t, 4>> spieler;
    // Hilfe and Version: the text for stdout; Fehler: the one line for
    // stderr, naming the bad argument (no line break).
    QString text;
    // --anbieten[=PORT], or --beitreten HOST[:PORT] --code CODE [--als N].
    Netzauftrag netz;
};

// `argumente` without the program name.
Befehlszeile BefehlszeileLesen(const QStringList& argumente);

} // namespace pelu
