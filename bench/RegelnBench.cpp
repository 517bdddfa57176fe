// Rule work of one roll as the game does it: the picture of the table, every
// figure's target, then the computer's choice with all its ratings.
#include <benchmark/benchmark.h>

#include <vector>

#include "rules/Computerzug.h"
#include "rules/Stellungsaufbau.h"
#include "rules/Zugregeln.h"
#include "support/Testtabellen.h"

namespace pelu::test {

namespace {

struct Aufstellung {
    int16_t feld;
    std::vector<int16_t> figuren;
};

struct Testlage {
    Figurentabelle Figur;
    int16_t spieler;
};

Tabellen Daten() {
    Tabellen daten{};
    BankfelderFuellen(daten);
    // Safe targets first; leaving a dangerous field is worth a little.
    TaktikFuellen(daten, [](int ziel, int jetzt) { return 12 + 4 * ziel - 2 * jetzt; });
    return daten;
}

Testlage Lage(const Tabellen& daten, std::array<int16_t, 4> spieler, int16_t amZug,
              const std::vector<Aufstellung>& felder) {
    Testlage lage{Grundstellung(spieler), amZug};
    for (const Aufstellung& a : felder)
        FigurenHinstellen(lage.Figur, daten, a.feld, a.figuren);
    return lage;
}

std::vector<Testlage> Lagen(const Tabellen& daten) {
    return {
        // Early: one or two figures out per colour, most still at home.
        Lage(daten, {5, 6, 7, 8}, 5,
             {{9, {1}}, {5, {2}}, {30, {5}}, {22, {6}}, {41, {9}}, {60, {13}}}),
        // Crowded middle game with blocks and opponents close behind.
        Lage(daten, {5, 6, 7, 8}, 6,
             {{14, {1}},
              {27, {2, 3}},
              {44, {4}},
              {25, {5}},
              {31, {6}},
              {50, {7}},
              {3, {8}},
              {40, {9, 10}},
              {20, {11}},
              {58, {13}},
              {8, {14}},
              {33, {15}}}),
        // Late: lanes filling up, two colours for one player.
        Lage(daten, {5, 6, 5, 8}, 5,
             {{72, {1}},
              {64, {2}},
              {105, {3}},
              {52, {4}},
              {79, {5}},
              {12, {6}},
              {106, {7, 8}},
              {87, {9}},
              {29, {10}},
              {38, {11}},
              {62, {13}},
              {47, {14, 15}}}),
    };
}

void EinWurf(benchmark::State& state) {
    const Tabellen daten = Daten();
    const Taktik taktik(daten); // prepared once, as the game does
    Testlage lage = Lagen(daten)[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        for (int16_t wurf = 1; wurf <= 6; ++wurf) {
            const Lagebild bild(lage.Figur);
            const Zugmoeglichkeit z = ZuegeErmitteln(lage.Figur, bild, lage.spieler, wurf);
            int16_t wahl = 0;
            if (z.Moeglich)
                wahl = ComputerZug(lage.Figur, bild, z.Ziele, taktik, lage.spieler, wurf, 1).Figur;
            benchmark::DoNotOptimize(wahl);
        }
    }
    // Six rolls per iteration; report the time of one.
    state.counters["Zeit_pro_Wurf"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 6,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(EinWurf)->Arg(0)->Arg(1)->Arg(2);

} // namespace pelu::test
