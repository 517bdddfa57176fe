#pragma once
#include <array>
#include <vector>

namespace pelu::brett {

// A point in board pixels relative to the board centre (299, 274):
// x to the right, y downwards.
struct Versatz {
    int x = 0;
    int y = 0;
};

// One record of section "bilddaten", still in pixels.
struct Feldsatz {
    int nummer = 0;
    int groesse = 0;
    std::array<Versatz, 4> punkte{};
    int art = 0;
};

// The measures of the cross, in pixels. Every arm is three rows wide; each
// row is eight fields long and ends at the central square.
inline constexpr int ArmHalbbreite = 100;                      // arm spans -100..100
inline constexpr int MittelreiheHalbbreite = 32;               // lane row spans -32..32
inline constexpr int Feldlaenge = 19;                          // along the track
inline constexpr int Armende = ArmHalbbreite + 8 * Feldlaenge; // 252

// Homes: four places around a corner centre, places 30 px apart.
inline constexpr int HeimMitteX = 176;
inline constexpr int HeimMitteY = 162;
inline constexpr int HeimAbstand = 15;
inline constexpr int HeimRadius = 12;

// Goal places of colour 1: a column in the central square, left of the centre.
inline constexpr int ZielX = -70;
inline constexpr std::array<int, 4> ZielY = {26, 9, -9, -26};

// The twelve bench fields, as the file lists them: the exit fields, the
// turning fields and one more bench in each arm.
inline constexpr std::array<std::array<int, 4>, 3> Bankfelder = {
    {{5, 22, 39, 56}, {68, 17, 34, 51}, {12, 29, 46, 63}}};

// Records for fields 1..96 and 101..108, in that order.
std::vector<Feldsatz> BrettEntwerfen();

} // namespace pelu::brett
