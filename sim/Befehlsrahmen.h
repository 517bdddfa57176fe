#pragma once
#include <iostream>
#include <optional>
#include <string>

#include "SimDaten.h"
#include "state/Tabellen.h"

namespace pelu {

// The parsed arguments of a subcommand, or the one-line message naming the
// first bad one.
template <class Auftrag> struct Lesung {
    std::optional<Auftrag> auftrag;
    std::string fehler;

    // The order when `meldung` is empty, else the refusal.
    static Lesung Aus(Auftrag auftrag, const std::string& meldung) {
        if (!meldung.empty()) return {std::nullopt, meldung};
        return {std::move(auftrag), ""};
    }
};

// The start every subcommand shares: a refusal goes to stderr with exit
// code 2, --help prints `hilfe` with 0; empty when the command goes on.
template <class Auftrag>
std::optional<int> Vorspann(const char* befehl, const Lesung<Auftrag>& lesung, const char* hilfe) {
    if (!lesung.auftrag) {
        std::cerr << "pelu-sim " << befehl << ": " << lesung.fehler << "\n";
        return 2;
    }
    if (lesung.auftrag->hilfe) {
        std::cout << hilfe;
        return 0;
    }
    return std::nullopt;
}

// The opening every game subcommand shares: the arguments (a refusal or
// --help ends it here), then the order's data file (exit code 1 when it
// cannot be loaded); `rumpf(auftrag, tabellen)` gives the exit code.
template <class Auftrag, class Rumpf>
int BefehlAusfuehren(const char* befehl, const Lesung<Auftrag>& lesung, const char* hilfe,
                     Rumpf&& rumpf) {
    if (const auto ende = Vorspann(befehl, lesung, hilfe)) return *ende;
    const std::optional<Tabellen> daten = SimDatenLaden(lesung.auftrag->datei);
    if (!daten) return 1;
    return rumpf(*lesung.auftrag, *daten);
}

} // namespace pelu
