// libFuzzer target for the data file loader: any text must either load or
// end in a Ladefehler, never crash, hang or hit undefined behaviour.
//
// Build (clang, sanitizers) and run about three minutes on the test files:
//   CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DPELU_FUZZ=ON -DPELU_FENSTER=OFF \
//       -DPELU_TESTS=OFF -DPELU_BENCHMARKS=OFF
//   cmake --build build-fuzz --target lader_fuzz
//   mkdir -p build-fuzz/korpus && cp tests/data/dateien/* build-fuzz/korpus/
//   build-fuzz/fuzz/lader_fuzz -max_total_time=180 -timeout=5 build-fuzz/korpus
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/Datentext.h"
#include "data/Laden.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    try {
        const pelu::Tabellen t = pelu::DatentextLaden(text, "fuzz.txt", 299, 274);
        // Row 0 may be filled, but nothing outside columns 1..10.
        for (const auto& zeile : t.Bilddaten)
            if (zeile[0] != 0 || zeile[11] != 0) __builtin_trap();
    } catch (const pelu::Ladefehler& fehler) {
        if (std::string(fehler.what()).rfind("fuzz.txt, Abschnitt \"", 0) != 0) __builtin_trap();
    }
    return 0;
}
