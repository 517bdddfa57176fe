#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace pelu {

// Numbering of the game.
constexpr int FarbAnzahl = 4;
constexpr int FigurAnzahl = 16;

// Whether a number names a colour (1..4) or a figure (1..16); numbers from
// outside are ignored by whoever receives them.
constexpr bool IstFarbe(int farbe) {
    return farbe >= 1 && farbe <= FarbAnzahl;
}
constexpr bool IstFigur(int figur) {
    return figur >= 1 && figur <= FigurAnzahl;
}

constexpr int FarbeVonFigur(int figur) {
    return (figur - 1) / 4 + 1;
}
constexpr int ErsteFigur(int farbe) {
    return 4 * farbe - 3;
}
constexpr int LetzteFigur(int farbe) {
    return 4 * farbe;
}

// States of a figure (Zustand).
enum : int16_t {
    ZustandAusserSpiel = 0,
    ZustandHeim = 1,
    ZustandBank = 2,
    ZustandStrecke = 3,
    ZustandEinlauf = 4,
    ZustandZiel = 5,
};

// What describes a figure, by the game's attribute names, as plain values.
// What one roll computes for it (its target, the figures its move would
// send home, the computer's ratings) is returned by the rules as a result
// instead.
struct FigurDaten {
    int16_t Feld = 0;
    int16_t Platz = 0;
    int16_t Weg = 0;
    int16_t Zustand = 0;
    int16_t Spieler = 0;
    int16_t Wendefeld = 0;
    int16_t Einlauf = 0;
    int16_t Stapel = 0;
    int16_t Heimfeld = 0;
    int16_t Farbstapel = 0;
};

// One figure's row of the table: its attributes where the table keeps them,
// read (`Wert` const) or written through it.
template <class Wert> struct FigurZeile {
    Wert& Feld;
    Wert& Platz;
    Wert& Weg;
    Wert& Zustand;
    Wert& Spieler;
    Wert& Wendefeld;
    Wert& Einlauf;
    Wert& Stapel;
    Wert& Heimfeld;
    Wert& Farbstapel;

    operator FigurDaten() const {
        return {Feld, Platz, Weg, Zustand, Spieler, Wendefeld, Einlauf, Stapel, Heimfeld, Farbstapel};
    }
    const FigurZeile& operator=(const FigurDaten& d) const {
        Feld = d.Feld;
        Platz = d.Platz;
        Weg = d.Weg;
        Zustand = d.Zustand;
        Spieler = d.Spieler;
        Wendefeld = d.Wendefeld;
        Einlauf = d.Einlauf;
        Stapel = d.Stapel;
        Heimfeld = d.Heimfeld;
        Farbstapel = d.Farbstapel;
        return *this;
    }
};

// One attribute of every figure: entry g for figure g (entry 0 is never
// used), so that figures 1..8 and 9..16 lie side by side and a rule can
// compare one attribute of all sixteen at once. The entries after 16 pad
// the second group of eight and stay 0.
using Figurenwerte = std::array<int16_t, 24>;

// The figure table, figure by figure as `Figur[g].Feld` or attribute by
// attribute as `Figur.Feld`. Cleared in one step with `Figur = {}`.
struct Figurentabelle {
    Figurenwerte Feld{};
    Figurenwerte Platz{};
    Figurenwerte Weg{};
    Figurenwerte Zustand{};
    Figurenwerte Spieler{};
    Figurenwerte Wendefeld{};
    Figurenwerte Einlauf{};
    Figurenwerte Stapel{};
    Figurenwerte Heimfeld{};
    Figurenwerte Farbstapel{};

    FigurZeile<int16_t> operator[](std::size_t g) {
        return {Feld[g],      Platz[g],   Weg[g],   Zustand[g],  Spieler[g],
                Wendefeld[g], Einlauf[g], Stapel[g], Heimfeld[g], Farbstapel[g]};
    }
    FigurZeile<const int16_t> operator[](std::size_t g) const {
        return {Feld[g],      Platz[g],   Weg[g],   Zustand[g],  Spieler[g],
                Wendefeld[g], Einlauf[g], Stapel[g], Heimfeld[g], Farbstapel[g]};
    }
    bool operator==(const Figurentabelle&) const = default;
};

} // namespace pelu
