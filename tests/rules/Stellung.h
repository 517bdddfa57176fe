#pragma once
#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "game/Spielzustand.h"
#include "game/Tabellen.h"
#include "rules/Stellungsaufbau.h"

namespace pelutest {

// A position built as a game would have left it. Default players: colour 1
// human 1, colours 2..4 computers 5, 6, 7.
struct Stellung {
    pelu::Figurentabelle Figur;
    pelu::Tabellen daten{};

    explicit Stellung(std::array<int16_t, 4> spieler = {1, 5, 6, 7})
        : Figur(pelu::Grundstellung(spieler)) {}

    // Bench fields; set them before placing figures, which read them.
    Stellung& Baenke(std::initializer_list<int16_t> felder) {
        int i = 1;
        for (int16_t feld : felder)
            daten.Bankdaten[i++] = feld;
        return *this;
    }

    // Figures arrive on `feld` in the order given.
    Stellung& Setze(int16_t feld, std::initializer_list<int16_t> figuren) {
        pelu::FigurenHinstellen(Figur, daten, feld, std::vector<int16_t>(figuren));
        return *this;
    }

    pelu::FigurDaten& operator[](int f) { return Figur[f]; }

    // Figures with a target, ascending.
    std::vector<int> MitZiel() const {
        std::vector<int> liste;
        for (int f = 1; f <= pelu::FigurAnzahl; ++f)
            if (Figur[f].Zielfeld > 0) liste.push_back(f);
        return liste;
    }

    // Figures marked to go home, ascending.
    std::vector<int> Markiert() const {
        std::vector<int> liste;
        for (int f = 1; f <= pelu::FigurAnzahl; ++f)
            if (Figur[f].Heimschicken == 1) liste.push_back(f);
        return liste;
    }
};

// Tactic table rows with one priority for every pair of categories:
// prioritaet(katZiel, katJetzt).
template <typename Regel> void TaktikFuellen(pelu::Tabellen& daten, Regel prioritaet) {
    int zeile = 1;
    for (int16_t jetzt = 0; jetzt <= 5; ++jetzt) {
        for (int16_t ziel = 0; ziel <= 5; ++ziel, ++zeile) {
            daten.Taktikdaten[zeile][0] = ziel;
            daten.Taktikdaten[zeile][1] = jetzt;
            daten.Taktikdaten[zeile][2] = static_cast<int16_t>(prioritaet(ziel, jetzt));
        }
    }
}

} // namespace pelutest
