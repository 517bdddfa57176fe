#include "harness/VirtuelleUhr.h"

#include <algorithm>

namespace pelu {

void VirtuelleUhr::Schalten(Timer& timer, bool an) {
    timer.an = an;
    if (!an) return;
    timer.faellig = jetzt_ + timer.intervall;
    timer.lauf = ++laeufe_;
}

void VirtuelleUhr::ProgrammAn(bool an) {
    Schalten(programm_, an);
}

void VirtuelleUhr::ProgrammIntervall(int millisekunden) {
    // A non-positive interval would tick forever at one instant.
    programm_.intervall = millisekunden > 0 ? millisekunden : 1;
    if (programm_.an) Schalten(programm_, true);
}

void VirtuelleUhr::FahrenAn(bool an) {
    Schalten(fahren_, an);
}

int64_t VirtuelleUhr::FahrtUeberspringen(Spiel& spiel, int64_t hoechstens) {
    const int rest = spiel.WartendeFahrschritte();
    if (rest < 2 || !fahren_.an) return 0;
    const int64_t letzterFahrtakt = fahren_.faellig + int64_t{rest - 1} * fahren_.intervall;
    // The program ticks that come before the last animation tick: those due
    // earlier, and at the same time those of a run started earlier.
    int64_t programmtakte = 0;
    if (programm_.an) {
        const int64_t grenze =
            programm_.lauf < fahren_.lauf ? letzterFahrtakt + 1 : letzterFahrtakt;
        if (programm_.faellig < grenze)
            programmtakte = (grenze - 1 - programm_.faellig) / programm_.intervall + 1;
    }
    if (rest - 1 + programmtakte > hoechstens) return 0;
    spiel.FahrtVorspulen(static_cast<int16_t>(rest - 1));
    jetzt_ = letzterFahrtakt - fahren_.intervall;
    fahren_.faellig = letzterFahrtakt;
    if (programmtakte > 0) {
        programm_.faellig += programmtakte * programm_.intervall;
        jetzt_ = std::max(jetzt_, programm_.faellig - programm_.intervall);
    }
    return rest - 1 + programmtakte;
}

} // namespace pelu
