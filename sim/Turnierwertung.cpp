#include "Turnierwertung.h"

namespace pelu {

std::array<bool, pelu::FarbAnzahl + 1> SitzeVonA(int nummer) {
    static constexpr int paare[Sitzordnungen][2] = {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};
    const int* paar = paare[(nummer - 1) % Sitzordnungen];
    std::array<bool, pelu::FarbAnzahl + 1> a{};
    a[paar[0]] = true;
    a[paar[1]] = true;
    return a;
}

int GanzeRunden(int spiele) {
    return (spiele + Sitzordnungen - 1) / Sitzordnungen * Sitzordnungen;
}

void Turnierstand::Hinzufuegen(int nummer, const Spielergebnis& ergebnis) {
    ++spiele;
    if (ergebnis.abgebrochen) return;
    const auto a = SitzeVonA(nummer);
    for (int c = 1; c <= pelu::FarbAnzahl; ++c)
        if (a[c] && ergebnis.platz[c] == 1) {
            ++siegeA;
            return;
        }
}

} // namespace pelu
