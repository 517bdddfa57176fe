// The window taken from its designed size to a full-HD client area and
// back, each time laid out, drawn afresh (board, dice, figures, icons) and
// painted whole: what one resize costs, to hold against a frame of 16.7 ms.
#include <QApplication>
#include <memory>

#include "../Qtbenchmark.h"
#include "Hauptfenster.h"

namespace pelu::test {

namespace {

std::unique_ptr<Hauptfenster> Fenster() {
    // The window's own timers, which stay off: no game runs.
    auto fenster = std::make_unique<Hauptfenster>(Fensteroptionen{
        PELU_QUELLORDNER "/Peludaten.txt", std::make_unique<Zufallsgenerator>(1), nullptr});
    if (!fenster->Laden()) return nullptr;
    return fenster;
}

// One resize to `ziel` from `von`, timed with its repaint; the way back is not.
void Groessenwechsel(benchmark::State& state, QSize von, QSize ziel) {
    const auto fenster = Fenster();
    if (!fenster) return state.SkipWithError("data file not loaded");
    for (auto _ : state) {
        fenster->resize(ziel);
        fenster->repaint();
        state.PauseTiming();
        fenster->resize(von);
        fenster->repaint();
        state.ResumeTiming();
    }
}

void EntwurfAufFullHd(benchmark::State& state) {
    Groessenwechsel(state, QSize(701, 567), QSize(1920, 1080));
}
void FullHdAufEntwurf(benchmark::State& state) {
    Groessenwechsel(state, QSize(1920, 1080), QSize(701, 567));
}
// A drag of the frame: a few pixels at a time near full HD.
void FullHdUmWenigePixel(benchmark::State& state) {
    Groessenwechsel(state, QSize(1912, 1076), QSize(1920, 1080));
}

} // namespace

BENCHMARK(EntwurfAufFullHd)->Unit(benchmark::kMillisecond);
BENCHMARK(FullHdAufEntwurf)->Unit(benchmark::kMillisecond);
BENCHMARK(FullHdUmWenigePixel)->Unit(benchmark::kMillisecond);

} // namespace pelu::test

int main(int argc, char** argv) {
    return pelu::test::QtBenchmarksLaufen<QApplication>(argc, argv);
}
