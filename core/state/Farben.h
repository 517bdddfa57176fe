#pragma once
#include <array>
#include <cstdint>

namespace pelu {

// The colour table: palette indexes (0..15 of QBColor), entries 0..30.
using Farbtabelle = std::array<int16_t, 31>;

// Named entries of the colour table.
constexpr int FarbeUmriss = 1;      // black: outlines of the home places
constexpr int FarbeArtStrecke = 3;  // yellow: fields of kind 5
constexpr int FarbeArtBank = 4;     // brown: fields of kind 6
constexpr int FarbeWuerfelauge = 6; // white: the pips of a die
constexpr int FarbeHellErste = 11;  // 11..14: light colours of colours 1..4

// The colour table as the window layout sets it once at load; nothing
// changes it afterwards. Entries 21..24 hold the dark colours of colours 1..4.
inline constexpr Farbtabelle Farbe = {0, 0, 7, 14, 6, 8, 15, 0,  15, 3, 0, 9, 10, 5, 12, 0,
                                      0, 0, 0, 0,  0, 1, 2,  13, 4,  0, 0, 0, 0,  0, 0};

// Palette index of the light colour of colour 1..4 (board fields, labels).
constexpr int16_t HelleFarbe(int farbe) {
    return Farbe[FarbeHellErste - 1 + farbe];
}

// The 16-colour palette, index 0..15, as 0xRRGGBB.
uint32_t QBColor(int index);

} // namespace pelu
