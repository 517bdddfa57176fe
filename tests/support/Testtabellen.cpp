#include "support/Testtabellen.h"

#include <algorithm>

#include "Brettentwurf.h"

namespace pelu::test {

void BankfelderFuellen(pelu::Tabellen& daten) {
    int16_t* bank = &daten.Bankdaten[1];
    for (const auto& reihe : pelu::brett::Bankfelder)
        bank = std::copy(reihe.begin(), reihe.end(), bank);
}

void TaktikFuellen(pelu::Tabellen& daten, const std::function<int(int, int)>& prioritaet) {
    for (int16_t jetzt = 0; jetzt <= 5; ++jetzt) {
        for (int16_t ziel = 0; ziel <= 5; ++ziel) {
            int16_t* reihe = daten.Taktikdaten[1 + 6 * jetzt + ziel];
            reihe[0] = ziel;
            reihe[1] = jetzt;
            reihe[2] = static_cast<int16_t>(prioritaet(ziel, jetzt));
        }
    }
}

pelu::Tabellen Testtabellen() {
    pelu::Tabellen t;
    for (int n = 1; n <= 108; ++n) {
        for (int k = 1; k <= 4 && (n <= 96 || n > 100); ++k) {
            const bool heim = n > 100;
            t.Bilddaten[n][2 * k] = heim ? 100 * (n - 100) + 10 * k : 20 * (n <= 68 ? n : n - 68);
            t.Bilddaten[n][2 * k + 1] =
                heim ? (n <= 104 ? 400 : 450) : (n <= 68 ? 40 : 200) + (k > 2) * 64;
        }
    }
    BankfelderFuellen(t);
    TaktikFuellen(t, [](int ziel, int jetzt) { return 10 + 4 * ziel - jetzt; });
    return t;
}

} // namespace pelu::test
