#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The arguments of `pelu-sim spielen`, checked completely before any file is read.
struct SpielenAuftrag {
    std::array<int16_t, 4> spieler{5, 6, 7, 8}; // player value of colours 1..4
    int spiele = 1;
    std::optional<uint64_t> saat;            // none: seeded from the clock
    std::optional<std::vector<int>> wuerfel; // scripted die values; one game
    int64_t maxWuerfe = 100000;
    int jobs = 1; // threads; 0 = one per core
    bool protokoll = false;
    bool turbo = false;
    std::string datei; // empty: Peludaten.txt, looked for as the window does
    bool hilfe = false;
};

// The parsed arguments, or the one-line message naming the first bad one.
struct SpielenLesung {
    std::optional<SpielenAuftrag> auftrag;
    std::string fehler;
};

SpielenLesung SpielenArgumenteLesen(const std::vector<std::string>& argumente);
