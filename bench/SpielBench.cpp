// Whole games as pelu-sim plays them: four computer players on the shipped
// data file, through the phase state machine on the virtual clock.
#include <benchmark/benchmark.h>

#include "data/Laden.h"
#include "game/Spiel.h"
#include "harness/KopflosesFormular.h"
#include "harness/VirtuelleUhr.h"
#include "state/Zufall.h"

namespace pelu::test {

namespace {

void EinSpiel(benchmark::State& state) {
    const Tabellen daten = DatendateiLaden(PELU_QUELLORDNER "/Peludaten.txt");
    KopflosesFormular form;
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe)
        form.Spielerwerte[static_cast<std::size_t>(farbe)] = static_cast<int16_t>(4 + farbe);
    Zufallsgenerator zufall(1);
    Spiel spiel(daten, form, zufall);
    spiel.Initialisierung();
    int64_t wuerfe = 0;
    for (auto _ : state) {
        spiel.BefehlStart();
        form.Uhr.LaufenImZeitraffer(spiel, [&](VirtuelleUhr::Takt) {
            wuerfe += spiel.Zustand().Spielphase == Phase::Wuerfeln;
            return true;
        });
    }
    state.counters["Spiele_pro_Sekunde"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["Wuerfe_pro_Spiel"] =
        static_cast<double>(wuerfe) / static_cast<double>(state.iterations());
}

} // namespace

BENCHMARK(EinSpiel)->Unit(benchmark::kMicrosecond);

} // namespace pelu::test
