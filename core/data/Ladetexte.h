#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Marks a text for the translators' tools (lupdate reads it as
// QT_TRANSLATE_NOOP); the core uses the German text as it stands.
#define PELU_UEBERSETZBAR(kontext, text) text

namespace pelu {

// The texts a load error is made of, German, with places %1, %2 for values.
enum class Ladetext : uint8_t {
    Rahmen,      // file, section, sentences
    RahmenZeile, // file, section, line, sentences
    NichtGefunden,
    Ordner,
    Unlesbar,
    ZuGross,
    Stumm,
    Nirgends,          // the data folder
    UeberschriftFehlt, // the header
    NurDataZeilen,     // line of the comment
    WertAussen,        // the field
    KoordinateAussen,  // axis, value
    FeldnummerAussen,  // field number
    EndeVorErstemSatz,
    EndeImSatz,        // field number
    EndeNachSatz,      // field number
    EndeInBankdaten,   // benches read
    EndeInTaktikdaten, // row
};

// The German text of `text`.
const char* Ladevorlage(Ladetext text);

// One sentence of a load error: its text and the values of its places.
struct Ladesatz {
    Ladetext text;
    std::vector<std::string> werte;
};

// `vorlage` with %1 to %9 replaced by `werte`, in one pass: a value is not
// searched for places again (a file name may hold "%1").
std::string Einsetzen(std::string_view vorlage, const std::vector<std::string>& werte);

} // namespace pelu
