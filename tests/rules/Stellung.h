#pragma once
#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "rules/Stellungsaufbau.h"
#include "rules/Zugregeln.h"
#include "support/Testtabellen.h"

namespace pelu::test {

// A position built as a game would have left it, written as words
// "feld:figur,figur,..." (the figures arrive in this order), after an
// optional "spieler:a,b,c,d" (players of colours 1..4, else 5, 6, 7, 8) and
// "bank:feld,..." (bench fields, which arriving figures read).
struct Stellung {
    pelu::Figurentabelle Figur = pelu::Grundstellung({5, 6, 7, 8});
    pelu::Tabellen daten{};

    explicit Stellung(const std::string& text = "") {
        std::istringstream woerter(text);
        for (std::string wort; woerter >> wort;) {
            const std::string kopf = wort.substr(0, wort.find(':'));
            std::istringstream liste(wort.substr(kopf.size() + 1));
            std::vector<int16_t> z;
            for (std::string zahl; std::getline(liste, zahl, ',');)
                z.push_back(static_cast<int16_t>(std::stoi(zahl)));
            if (kopf == "spieler")
                Figur = pelu::Grundstellung({z.at(0), z.at(1), z.at(2), z.at(3)});
            else if (kopf == "bank")
                std::copy(z.begin(), z.end(), daten.Bankdaten + 1);
            else
                pelu::FigurenHinstellen(Figur, daten, static_cast<int16_t>(std::stoi(kopf)), z);
        }
    }

    pelu::FigurZeile<int16_t> operator[](int f) { return Figur[static_cast<std::size_t>(f)]; }
};

// The target of every figure that has one, by figure.
inline std::map<int, int> Zielfelder(const pelu::Zugziele& ziele) {
    std::map<int, int> felder;
    for (int f = 1; f <= pelu::FigurAnzahl; ++f)
        if (ziele[f].Zielfeld != 0) felder[f] = ziele[f].Zielfeld;
    return felder;
}

// The members of a set of figures, ascending.
inline std::vector<int> Figuren(const pelu::Figurenmenge& menge) {
    std::vector<int> figuren;
    for (int f = 1; f <= pelu::FigurAnzahl; ++f)
        if (menge.Enthaelt(f)) figuren.push_back(f);
    return figuren;
}

} // namespace pelu::test
