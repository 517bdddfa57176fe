#include "Spieltisch.h"

#include <sstream>

namespace pelutest {

using namespace pelu;

namespace {

void Feld(Tabellen& t, int feld, int ax, int ay, int bx, int by) {
    int16_t* z = t.Bilddaten[feld];
    z[2] = z[4] = static_cast<int16_t>(ax);
    z[3] = z[5] = static_cast<int16_t>(ay);
    z[6] = z[8] = static_cast<int16_t>(bx);
    z[7] = z[9] = static_cast<int16_t>(by);
}

} // namespace

Tabellen Testtabellen() {
    Tabellen t;
    for (int n = 1; n <= 68; ++n)
        Feld(t, n, 20 * n, 40, 20 * n, 104);
    for (int n = 69; n <= 96; ++n)
        Feld(t, n, 20 * (n - 68), 200, 20 * (n - 68), 264);
    for (int n = 101; n <= 108; ++n) {
        for (int k = 1; k <= 4; ++k) {
            t.Bilddaten[n][2 * k] = static_cast<int16_t>(100 * (n - 100) + 10 * k);
            t.Bilddaten[n][2 * k + 1] = static_cast<int16_t>(n <= 104 ? 400 : 450);
        }
    }
    const int16_t baenke[] = {5, 12, 17, 22, 29, 34, 39, 46, 51, 56, 63, 68};
    for (int i = 0; i < 12; ++i)
        t.Bankdaten[i + 1] = baenke[i];
    int zeile = 1;
    for (int16_t ziel = 0; ziel <= 5; ++ziel) {
        for (int16_t jetzt = 0; jetzt <= 5; ++jetzt, ++zeile) {
            t.Taktikdaten[zeile][0] = ziel;
            t.Taktikdaten[zeile][1] = jetzt;
            t.Taktikdaten[zeile][2] = static_cast<int16_t>(10 + 4 * ziel - jetzt);
        }
    }
    return t;
}

float Skriptwuerfel::Rnd() {
    if (Werte.empty()) throw WuerfelLeer{};
    const int w = Werte.front();
    Werte.pop_front();
    return (static_cast<float>(w) - 0.5f) / 6.0f;
}

Spieltisch::Spieltisch(std::array<int16_t, 4> spieler) {
    for (int c = 1; c <= 4; ++c)
        form.Spielerwerte[c] = spieler[c - 1];
    spiel.BeobachterSetzen(&protokoll);
    Zufallsgenerator anlauf(1);
    spiel.Initialisierung(anlauf);
}

void Spieltisch::Wuerfel(std::initializer_list<int> werte) {
    wuerfel.Werte.insert(wuerfel.Werte.end(), werte);
}

void Spieltisch::Programmtakt() {
    while (Takt() == VirtuelleUhr::Takt::Fahren) {
    }
}

bool Spieltisch::BisPhase(pelu::Phase phase, int grenze) {
    for (int i = 0; i < grenze; ++i) {
        if (Phase() == phase) return true;
        if (Takt() == VirtuelleUhr::Takt::Keiner) return Phase() == phase;
    }
    return Phase() == phase;
}

bool Spieltisch::BisRuhe(int grenze) {
    for (int i = 0; i < grenze; ++i) {
        if (Takt() == VirtuelleUhr::Takt::Keiner) return true;
    }
    return false;
}

std::vector<std::string> Spieltisch::Zeilen() const {
    std::vector<std::string> zeilen;
    std::istringstream text(protokoll.Text);
    for (std::string zeile; std::getline(text, zeile);)
        zeilen.push_back(zeile);
    return zeilen;
}

} // namespace pelutest
