#include <gtest/gtest.h>

#include "Stellung.h"
#include "rules/Computerzug.h"
#include "rules/Zugregeln.h"

using namespace pelu;
using pelutest::Stellung;
using pelutest::TaktikFuellen;

namespace {

const std::string Zwei = "spieler:5,6,5,8 "; // player 5 holds colours 1 and 3

int16_t Zug(Stellung& s, int16_t wurf, int16_t wurfzahl = 1) {
    EXPECT_TRUE(ZuegeErmitteln(s.Figur, 5, wurf).Moeglich);
    return ComputerZug(s.Figur, s.daten, 5, wurf, wurfzahl);
}

} // namespace

// A 5 brings out the colour with most at home (ties: the lower), the first
// figure of it with a target; with nobody at home it is rated. The second
// twelve saves the lowest figure that leaves the track. Above 37 a move that
// sends home within three of 37 is still chosen, else the first that can move.
TEST(ComputerZug, AusgangZweiteZwoelfUndErsatzwahl) {
    const struct {
        std::string stellung;
        int16_t wurf, wurfzahl;
        int prio; // of every pair of categories
        int16_t figur;
    } faelle[] = {{Zwei + "10:1,2,3 45:9", 5, 1, 10, 10},
                  {Zwei + "10:1,2 45:9,10", 5, 1, 10, 3},
                  {Zwei + "5:5,6,7,8,13,14,15,16 10:1 45:9,10,11", 5, 1, 10, 12},
                  {"10:1 20:2 105:3,4", 5, 1, 10, 2},
                  {"30:1 60:2 64:3", 6, 2, 10, 2},
                  {"30:1 60:2 64:3", 6, 1, 10, 3},
                  {"30:1 60:2 64:3", 6, 3, 10, 3},
                  {"10:1 20:2 30:3 105:4 32:5", 3, 1, 40, 3},
                  {"10:1 20:2 30:3 105:4 32:5", 3, 1, 41, 1},
                  {"10:1 20:2 30:3 105:4 33:5 12:6,7", 3, 1, 45, 2}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.stellung);
        Stellung s(fall.stellung);
        TaktikFuellen(s.daten, [&](int, int) { return fall.prio; });
        EXPECT_EQ(Zug(s, fall.wurf, fall.wurfzahl), fall.figur);
    }
}

// Both fields are rated with the distance before the move; figure 1 on 17
// has distance 17, so its danger is N(N(34 * 5 * S / 17) / 5) = 2 S.
TEST(ComputerZug, GefahrVonStandUndZielfeld) {
    const struct {
        std::string stellung;
        int16_t wurf, figur, jetzt, ziel;
    } faelle[] = {{"17:1 105:2,3,4 17:9 107:10,11,12", 1, 1, 0, 60}, // one behind the target: 30
                  {"17:1 105:2,3,4 17:9 107:10,11", 1, 1, 0, 48},    // 24 with one at home
                  {"17:1 105:2,3,4 6:9 107:10,11,12", 1, 1, 12, 2},  // twelve behind: 1
                  {"17:1 105:2,3,4 5:9 107:10,11,12", 1, 1, 2, 10},  // thirteen: 5
                  // Figure 5 turns into its lane at 17 and never reaches 20.
                  {"17:1 105:2,3,4 16:5 106:6,7,8", 3, 1, 60, 0},
                  // The move sends 9 and 10 home; figure 11 is two behind (S = 18)
                  // and fourteen behind the target (S = 4).
                  {"10:1 105:2,3,4 21:9 15:10 8:11", 6, 1, 29, 6},
                  // Benches and lane fields carry no danger.
                  {"bank:12,15 12:1 66:2 105:3,4 11:9 65:10", 3, 1, 0, 0},
                  {"bank:12,15 12:1 66:2 105:3,4 11:9 65:10", 3, 2, 117, 0}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.stellung);
        Stellung s(fall.stellung);
        TaktikFuellen(s.daten, [](int ziel, int jetzt) { return 10 + 4 * ziel - jetzt; });
        Zug(s, fall.wurf);
        EXPECT_EQ(s[fall.figur].GefahrJetzt, fall.jetzt);
        EXPECT_EQ(s[fall.figur].GefahrZiel, fall.ziel);
    }
}

TEST(ComputerZug, LoeschtDieArbeitswerteDesLetztenWurfs) {
    Stellung s(Zwei + "10:1,2,3 45:9");
    for (int f = 1; f <= FigurAnzahl; ++f) {
        s[f].GefahrJetzt = s[f].GefahrZiel = s[f].Prioritaet = s[f].ImHaus = 99;
        s[f].Heimschicken = 1;
    }
    EXPECT_EQ(Zug(s, 5), 10);
    for (int f = 1; f <= FigurAnzahl; ++f) {
        const int imHaus = f == 1 ? 1 : f == 9 ? 3 : 0; // kept at each colour's first figure
        EXPECT_EQ((std::array{s[f].GefahrJetzt, s[f].GefahrZiel, s[f].Prioritaet, s[f].ImHaus,
                              s[f].Heimschicken}),
                  (std::array<int16_t, 5>{0, 0, 0, int16_t(imHaus), 0}))
            << "figure " << f;
    }
}
