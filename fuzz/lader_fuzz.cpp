// libFuzzer target for the data file loader: any text must either load or
// end in a Ladefehler, never crash, hang or hit undefined behaviour.
//
// `./pelu.sh testen` builds it with clang into build-fuzz/ and runs it for a
// minute on the seed files in tests/fuzz-korpus/ and tests/data/dateien/
// (function `fuzzen` there); run it longer by hand with the same options
// and a larger -max_total_time.
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
