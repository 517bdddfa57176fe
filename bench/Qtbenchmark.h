#pragma once
#include <benchmark/benchmark.h>

#include <QtGlobal>
#include <ctime>

// What the benchmarks that run inside a Qt application share.
namespace pelu::test {

// CPU time on the clock `uhr` (CLOCK_THREAD_CPUTIME_ID: this thread's own;
// CLOCK_PROCESS_CPUTIME_ID: the whole process's), in ms.
inline double CpuMs(clockid_t uhr) {
    timespec t{};
    clock_gettime(uhr, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The benchmarks' main: the registered benchmarks run inside the application
// `Anwendung` (QCoreApplication or QApplication), on Qt's offscreen platform
// unless a screen is chosen.
template <class Anwendung> int QtBenchmarksLaufen(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Anwendung anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace pelu::test
