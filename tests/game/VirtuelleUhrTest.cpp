#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/VirtuelleUhr.h"

namespace {

using pelu::VirtuelleUhr;

// Plays a script on a fresh clock: P/p and F/f switch the program and the
// animation timer on/off, I<n> sets the program interval, a number delivers
// that many ticks, written as "P@t" / "F@t" ("-@t" for no tick).
std::string Ablauf(const std::string& skript) {
    VirtuelleUhr uhr;
    std::istringstream woerter(skript);
    std::string aus;
    for (std::string w; woerter >> w;) {
        switch (w[0]) {
        case 'P': uhr.ProgrammAn(true); break;
        case 'p': uhr.ProgrammAn(false); break;
        case 'F': uhr.FahrenAn(true); break;
        case 'f': uhr.FahrenAn(false); break;
        case 'I': uhr.ProgrammIntervall(std::stoi(w.substr(1))); break;
        default:
            for (int n = std::stoi(w); n > 0; --n) {
                aus += "-PF"[static_cast<int>(uhr.Weiter())]; // Keiner, Programm, Fahren
                aus += "@" + std::to_string(uhr.Jetzt()) + " ";
            }
        }
    }
    return aus;
}

TEST(VirtuelleUhr, TaktfolgeWieInEchtzeit) {
    const std::pair<const char*, const char*> faelle[] = {
        {"1", "-@0 "},
        {"P 3 p 1", "P@200 P@400 P@600 -@600 "},
        // An animation started by a program step ticks after it at equal times.
        {"P 1 F 6", "P@200 F@250 F@300 F@350 P@400 F@400 F@450 "},
        {"F I50 P 4", "F@50 P@50 F@100 P@100 "},
        // An interval change restarts a running program timer ...
        {"P 1 F 1 I50 4", "P@200 F@250 F@300 P@300 F@350 P@350 "},
        // ... but waits for a stopped one to be switched on.
        {"F 2 I50 1 P f 2", "F@50 F@100 F@150 P@200 P@250 "},
        // Switching a running timer on restarts it.
        {"P F 3 P f 2", "F@50 F@100 F@150 P@350 P@550 "},
        {"I0 P 2", "P@1 P@2 "},
    };
    for (const auto& [skript, erwartet] : faelle)
        EXPECT_EQ(Ablauf(skript), erwartet) << skript;
}

} // namespace
