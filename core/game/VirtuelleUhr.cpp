#include "game/VirtuelleUhr.h"

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

} // namespace pelu
