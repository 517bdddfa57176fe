#include "game/VirtuelleUhr.h"

namespace pelu {

void VirtuelleUhr::Starten(Timer& timer) {
    timer.an = true;
    timer.faellig = jetzt_ + timer.intervall;
    timer.lauf = ++laeufe_;
}

void VirtuelleUhr::ProgrammAn(bool an) {
    if (an) {
        Starten(programm_);
    } else {
        programm_.an = false;
    }
}

void VirtuelleUhr::ProgrammIntervall(int millisekunden) {
    // A non-positive interval would tick forever at one instant.
    programm_.intervall = millisekunden > 0 ? millisekunden : 1;
    if (programm_.an) Starten(programm_);
}

void VirtuelleUhr::FahrenAn(bool an) {
    if (an) {
        Starten(fahren_);
    } else {
        fahren_.an = false;
    }
}

} // namespace pelu
