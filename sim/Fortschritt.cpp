#include "Fortschritt.h"

#include <cmath>
#include <cstdio>

namespace pelu {

Fortschritt::Fortschritt(bool an, int gesamt) : an_(an), gesamt_(gesamt) {}

Fortschritt::~Fortschritt() {
    if (gezeigt_) std::fprintf(stderr, "\r\033[K");
}

void Fortschritt::Melden(int gespielt) {
    if (!an_) return;
    const auto jetzt = Uhr::now();
    if (jetzt - zuletzt_ < std::chrono::milliseconds(200)) return;
    zuletzt_ = jetzt;
    const double sekunden = std::chrono::duration<double>(jetzt - anfang_).count();
    std::fprintf(stderr, "\r%s\033[K", Fortschrittszeile(gespielt, gesamt_, sekunden).c_str());
    std::fflush(stderr);
    gezeigt_ = true;
}

std::string Fortschrittszeile(int gespielt, int gesamt, double sekunden) {
    std::string zeile = "Spiel " + std::to_string(gespielt) + " von " + std::to_string(gesamt);
    if (gespielt <= 0 || sekunden <= 0.0) return zeile;
    const double tempo = gespielt / sekunden;
    const long rest = std::lround((gesamt - gespielt) / tempo);
    zeile += ", " + std::to_string(std::lround(tempo)) + " Spiele/s, noch ";
    if (rest >= 60) zeile += std::to_string(rest / 60) + " min ";
    return zeile + std::to_string(rest % 60) + " s";
}

} // namespace pelu
