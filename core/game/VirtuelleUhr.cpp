#include "game/VirtuelleUhr.h"

#include "game/Spiel.h"

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

VirtuelleUhr::Takt VirtuelleUhr::Weiter() {
    Timer* naechster = nullptr;
    Takt takt = Takt::Keiner;
    if (programm_.an) {
        naechster = &programm_;
        takt = Takt::Programm;
    }
    if (fahren_.an && (naechster == nullptr || fahren_.faellig < naechster->faellig ||
                       (fahren_.faellig == naechster->faellig && fahren_.lauf < naechster->lauf))) {
        naechster = &fahren_;
        takt = Takt::Fahren;
    }
    if (naechster == nullptr) return Takt::Keiner;
    jetzt_ = naechster->faellig;
    naechster->faellig += naechster->intervall;
    return takt;
}

VirtuelleUhr::Takt VirtuelleUhr::TaktGeben(Spiel& spiel) {
    const Takt t = Weiter();
    if (t == Takt::Programm) spiel.ProgrammTakt();
    if (t == Takt::Fahren) spiel.FahrTakt();
    return t;
}

} // namespace pelu
