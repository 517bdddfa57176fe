// The picture of the figure table that the rules of a roll read: each set for
// positions with every kind of field, and the comparison of all sixteen
// figures at once against the plain loop.

#include <gtest/gtest.h>

#include <random>

#include "rules/Figurenspalte.h"
#include "rules/Lagebild.h"
#include "rules/Stellung.h"

using namespace pelu;
using pelutest::Figuren;
using pelutest::Stellung;

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
        for (FigurDaten& fig : Figur)
            fig.Feld = werte[wahl(zufall)];
        const FigurenspalteEinzeln schleife(Figur, &FigurDaten::Feld);
        const Figurenspalte spalte(Figur, &FigurDaten::Feld);
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
    const FigurenspalteEinzeln schleife(Figur, &FigurDaten::Feld);
    EXPECT_EQ(schleife.Gleich(10), 1u << 1);
    EXPECT_EQ(schleife.Gleich(160), 1u << 16);
    EXPECT_EQ(schleife.Gleich(0), 0u); // row 0 is no figure
    EXPECT_EQ(schleife.Groesser(150), 1u << 16);
    EXPECT_EQ(schleife.Kleiner(30), (1u << 1) | (1u << 2));
}
