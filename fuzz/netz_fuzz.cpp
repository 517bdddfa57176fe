// libFuzzer target for the network message decoder: any byte stream a peer
// may send is cut into frames and decoded without crashing, hanging or
// undefined behaviour; what decodes encodes to the same message again.
//
// `./pelu.sh testen` runs it for a minute beside the loader's target, from
// the seed frames in tests/fuzz-netz/.
#include <cstddef>
#include <cstdint>

#include "Nachricht.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    using namespace pelu::netz;
    const QByteArray strom(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    // As a stream of frames, in two pieces (a frame cut at any point).
    Rahmenpuffer puffer;
    const qsizetype mitte = strom.size() / 2;
    for (QByteArrayView stueck :
         {QByteArrayView(strom).first(mitte), QByteArrayView(strom).sliced(mitte)}) {
        puffer.Anhaengen(stueck);
        while (std::optional<QByteArray> koerper = puffer.Naechster()) {
            if (koerper->isEmpty() || koerper->size() > RahmenGrenze) __builtin_trap();
            if (std::optional<Nachricht> n = Entschluesseln(*koerper))
                if (Entschluesseln(Verschluesseln(*n)) != n) __builtin_trap();
        }
    }
    // And the whole input as one frame body.
    if (std::optional<Nachricht> n = Entschluesseln(strom))
        if (Entschluesseln(Verschluesseln(*n)) != n) __builtin_trap();
    return 0;
}
