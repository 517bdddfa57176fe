// The figure table's two views, a figure's row and an attribute's column; the
// picture of the table that the rules of a roll read: each set for positions
// with every kind of field, and the comparison of all sixteen figures at once
// against the plain loop.

#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "rules/Figurenspalte.h"
#include "rules/Lagebild.h"
#include "rules/Stellung.h"

namespace pelu::test {

namespace {

struct Bildfall {
    const char* stellung;
    std::vector<int> imSpiel, zuHause, unterwegs, aufDemRing, heimschickbar, sperrend;
    int vollesFeld;
    std::vector<int> vonSpieler6;
};

} // namespace

// Colour 4 out of play stands at home but belongs to nobody; a bench, a lane
// and the goal each leave a figure off some sets; a block is marked on the
// second and later figures of one colour on a ring or lane field; the full
// field is named by its highest-numbered figure's field.
TEST(Lagebild, JedeMengeFuerJedeFeldart) {
    const std::vector<Bildfall> faelle = {
        {"spieler:5,6,6,0 bank:22 20:1,2 22:5 40:9 75:3 105:4",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         {6, 7, 8, 10, 11, 12},
         {1, 2, 3, 5, 9},
         {1, 2, 5, 9},
         {1, 2, 9},
         {2},
         0,
         {5, 6, 7, 8, 9, 10, 11, 12}},
        // A lane block, a block of the fourth figures, and a full ring field
        // of eight figures of four colours, the last of them figure 16.
        {"spieler:5,6,7,8 70:1,2 68:4,8 50:3,5,9,10,13,14,15,16",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
         {6, 7, 11, 12},
         {1, 2, 3, 4, 5, 8, 9, 10, 13, 14, 15, 16},
         {3, 4, 5, 8, 9, 10, 13, 14, 15, 16},
         {3, 4, 5, 8, 9, 10, 13, 14, 15, 16},
         {2, 10, 14, 15, 16},
         50,
         {5, 6, 7, 8}},
    };
    for (const Bildfall& fall : faelle) {
        const Stellung s(fall.stellung);
        const Lagebild bild(s.Figur);
        SCOPED_TRACE(fall.stellung);
        EXPECT_EQ(Figuren(bild.ImSpiel), fall.imSpiel);
        EXPECT_EQ(Figuren(bild.ZuHause), fall.zuHause);
        EXPECT_EQ(Figuren(bild.Unterwegs), fall.unterwegs);
        EXPECT_EQ(Figuren(bild.AufDemRing), fall.aufDemRing);
        EXPECT_EQ(Figuren(bild.Heimschickbar), fall.heimschickbar);
        EXPECT_EQ(Figuren(bild.Sperrend), fall.sperrend);
        EXPECT_EQ(bild.VollesFeld, fall.vollesFeld);
        EXPECT_EQ(Figuren(bild.Eigene(6)), fall.vonSpieler6);
        EXPECT_EQ(bild.Gegner(6), bild.ImSpiel.Ohne(bild.Eigene(6)));
    }
}

// Every comparison, on tables full of values at and around the limits the
// rules compare with and at both ends of the number range, gives the same
// figures in the vector form as in the loop.
TEST(Lagebild, SpalteVergleichtWieDieSchleife) {
    const std::vector<int16_t> werte = {-32768, -1, 0, 1, 2, 3, 5, 8, 9, 68, 69, 96, 97, 32767};
    std::mt19937 zufall(7);
    std::uniform_int_distribution<std::size_t> wahl(0, werte.size() - 1);
    for (int runde = 0; runde < 500; ++runde) {
        Figurentabelle Figur{};
        for (int16_t& feld : Figur.Feld)
            feld = werte[wahl(zufall)];
        const FigurenspalteEinzeln schleife(Figur.Feld);
        const Figurenspalte spalte(Figur.Feld);
        for (const int16_t w : werte) {
            ASSERT_EQ(spalte.Gleich(w), schleife.Gleich(w)) << runde << " == " << w;
            ASSERT_EQ(spalte.Groesser(w), schleife.Groesser(w)) << runde << " > " << w;
            ASSERT_EQ(spalte.Kleiner(w), schleife.Kleiner(w)) << runde << " < " << w;
        }
    }
    // The loop itself, on a table counting up from figure 1.
    Figurentabelle Figur{};
    for (int g = 0; g <= FigurAnzahl; ++g)
        Figur[g].Feld = static_cast<int16_t>(g * 10);
    const FigurenspalteEinzeln schleife(Figur.Feld);
    EXPECT_EQ(schleife.Gleich(10), 1u << 1);
    EXPECT_EQ(schleife.Gleich(160), 1u << 16);
    EXPECT_EQ(schleife.Gleich(0), 0u); // row 0 is no figure
    EXPECT_EQ(schleife.Groesser(150), 1u << 16);
    EXPECT_EQ(schleife.Kleiner(30), (1u << 1) | (1u << 2));
}

// A figure's row and the attributes' columns are the same values: what is
// written to a row (attribute by attribute or as a whole) is read from the
// columns at that figure only, and the row reads back as written.
TEST(Figurentabelle, ZeileUndSpalteSindDieselbenWerte) {
    const FigurDaten werte{11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    const Figurenwerte Figurentabelle::*spalten[] = {
        &Figurentabelle::Feld,      &Figurentabelle::Platz,   &Figurentabelle::Weg,
        &Figurentabelle::Zustand,   &Figurentabelle::Spieler, &Figurentabelle::Wendefeld,
        &Figurentabelle::Einlauf,   &Figurentabelle::Stapel,  &Figurentabelle::Heimfeld,
        &Figurentabelle::Farbstapel};
    for (std::size_t g = 1; g <= FigurAnzahl; ++g) {
        SCOPED_TRACE(g);
        Figurentabelle Figur{};
        Figur[g] = werte;
        for (std::size_t a = 0; a < std::size(spalten); ++a) {
            const Figurenwerte& spalte = Figur.*spalten[a];
            for (std::size_t h = 0; h < spalte.size(); ++h)
                ASSERT_EQ(spalte[h], h == g ? static_cast<int16_t>(11 + a) : 0) << a << " " << h;
        }
        const FigurDaten gelesen = std::as_const(Figur)[g];
        EXPECT_EQ(gelesen.Einlauf, 17);
        EXPECT_EQ(gelesen.Farbstapel, 20);
        Figur[g].Weg = 99;
        EXPECT_EQ(Figur.Weg[g], 99);
        EXPECT_FALSE(Figur == Figurentabelle{});
        Figur = {};
        EXPECT_TRUE(Figur == Figurentabelle{});
    }
}

// The count of a set's members, worked out inline, against the library's on
// every set of figures and on words with bits beyond them.
TEST(Figurenmenge, BitzahlZaehltWieDieBibliothek) {
    for (uint32_t bits = 0; bits <= 0x1FFFFu; ++bits)
        ASSERT_EQ(Bitzahl(bits), std::popcount(bits)) << bits;
    for (const uint32_t bits : {0xFFFFFFFFu, 0x80000000u, 0xAAAAAAAAu, 0x12345678u, 0xFFFE0001u})
        EXPECT_EQ(Bitzahl(bits), std::popcount(bits)) << bits;
    EXPECT_EQ(Figurenmenge(0xFFFFFFFFu).Anzahl(), 16); // only figures 1..16 are members
}

} // namespace pelu::test
