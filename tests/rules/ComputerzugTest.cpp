#include <gtest/gtest.h>

#include <random>

#include "Stellung.h"
#include "rules/Computerzug.h"
#include "rules/Gefahr.h"
#include "rules/Zugregeln.h"
#include "rules/Zugwahl.h"

namespace pelu::test {

// Danger values at the lower edge of categories 0..5.
constexpr int16_t InKategorie[] = {0, 1, 11, 26, 46, 81};

// Player 5 on 10, 20 and 30 moving 3; only figure 3 passes an opponent (on 32).
constexpr const char* Drei = "10:1 20:2 30:3 105:4 32:5";
constexpr const char* DreiOhneOpfer = "10:1 20:2 30:3 105:4 33:5";

const std::string Zwei = "spieler:5,6,5,8 "; // player 5 holds colours 1 and 3

TEST(ZugWaehlen, WaehltNachPrioritaetHeimschickenUndWeg) {
    // Position, roll, priority by the target's category, categories set, figure chosen.
    const std::tuple<const char*, int16_t, std::array<int, 6>, std::map<int, int>, int> faelle[] = {
        // Priority 8 that sends home beats two 5s; 9 is too far behind, and
        // of the two 5s the one that has travelled further moves.
        {Drei, 3, {5, 8, 9, 30, 30, 30}, {{3, 1}}, 3},
        {Drei, 3, {5, 8, 9, 30, 30, 30}, {{3, 2}}, 2},
        // The most figures sent home, then the lowest figure.
        {"10:1 20:2 30:3 105:4 12:5 22:9 23:13 32:6", 4, {10, 10, 10, 10, 10, 10}, {}, 2},
        // From 17 on, the least travelled moves; above 37 nothing.
        {DreiOhneOpfer, 3, {16, 16, 16, 16, 16, 16}, {}, 3},
        {DreiOhneOpfer, 3, {17, 17, 17, 17, 17, 17}, {}, 1},
        {DreiOhneOpfer, 3, {38, 38, 38, 38, 38, 38}, {}, 0},
        // Priority 0 ends the choice before anybody is sent home.
        {Drei, 3, {0, 1, 1, 1, 1, 1}, {{1, 1}, {3, 1}}, 2},
        // Lane moves rate 21, into the goal 20; from the track the table's priority.
        {"70:1 72:2 71:3 105:4", 1, {1, 1, 1, 1, 1, 1}, {}, 1},
        {"70:1 72:2 74:3 105:4", 2, {1, 1, 1, 1, 1, 1}, {}, 3},
        {"64:1 30:2 105:3,4", 6, {25, 24, 24, 24, 24, 24}, {{2, 1}}, 2},
        {"68:1 30:2 105:3,4", 3, {25, 25, 25, 25, 25, 25}, {}, 2}, // the turning field is track
        // Equal priority and distance: the lowest figure, whichever rule decides.
        {"10:1,2 105:3,4", 3, {0, 0, 0, 0, 0, 0}, {}, 1},
        {"10:1,2 105:3,4", 3, {16, 16, 16, 16, 16, 16}, {}, 1},
        {"10:1,2 105:3,4", 3, {17, 17, 17, 17, 17, 17}, {}, 1}};
    for (const auto& [stellung, wurf, prio, katZiel, figur] : faelle) {
        SCOPED_TRACE(testing::Message() << stellung << " / " << prio[0]);
        Stellung s(stellung);
        const Zugmoeglichkeit z = ZuegeErmitteln(s.Figur, 5, wurf);
        TaktikFuellen(s.daten, [p = prio](int ziel, int) { return p[ziel]; });
        Wertungstabelle wertungen{};
        for (const auto& [f, kategorie] : katZiel)
            wertungen[f].GefahrZiel = InKategorie[kategorie];
        EXPECT_EQ(ZugWaehlen(s.Figur, z.Ziele, s.daten, 5, wertungen), figur);
    }
}

TEST(ZugWaehlen, BeideKategorienWaehlenDieLetztePassendeZeile) {
    Stellung s(DreiOhneOpfer);
    const Zugmoeglichkeit z = ZuegeErmitteln(s.Figur, 5, 3);
    TaktikFuellen(s.daten, [](int ziel, int jetzt) { return 1 + ziel + 6 * jetzt; });
    Wertungstabelle w{};
    w[1].GefahrZiel = InKategorie[5];
    w[1].GefahrJetzt = 25; // the upper edges of categories 2 and 1
    w[3].GefahrZiel = InKategorie[4];
    w[3].GefahrJetzt = 10;
    // Each category from its lower to its upper edge, for both fields.
    const int kanten[][2] = {{0, 0},  {1, 1},  {10, 1}, {11, 2}, {25, 2}, {26, 3},
                             {45, 3}, {46, 4}, {80, 4}, {81, 5}, {375, 5}};
    for (const auto& [gefahr, kategorie] : kanten) {
        Wertungstabelle k{};
        k[1].GefahrZiel = k[1].GefahrJetzt = int16_t(gefahr);
        ZugWaehlen(s.Figur, z.Ziele, s.daten, 5, k);
        EXPECT_EQ(k[1].Prioritaet, 1 + 7 * kategorie) << gefahr;
    }
    // Row 36 held (5, 5); as a second row for (0, 0) it wins over row 1.
    s.daten.Taktikdaten[36][0] = s.daten.Taktikdaten[36][1] = 0;
    ZugWaehlen(s.Figur, z.Ziele, s.daten, 5, w);
    EXPECT_EQ((std::array{w[1].Prioritaet, w[2].Prioritaet, w[3].Prioritaet}),
              (std::array<int16_t, 3>{1 + 5 + 12, 36, 1 + 4 + 6}));
}

// A 5 brings out the colour with most at home (ties: the lower), the first
// figure of it with a target; with nobody at home it is rated. The second
// twelve saves the lowest figure that leaves the track. Above 37 a move that
// sends home within three of 37 is still chosen, else the first that can move.
TEST(ComputerZug, AusgangZweiteZwoelfUndErsatzwahl) {
    // Position, roll, number of the roll, priority of every pair, figure chosen.
    const std::tuple<std::string, int16_t, int16_t, int, int> faelle[] = {
        {Zwei + "10:1,2,3 45:9", 5, 1, 10, 10},
        {Zwei + "10:1,2 45:9,10", 5, 1, 10, 3},
        {Zwei + "5:5,6,7,8,13,14,15,16 10:1 45:9,10,11", 5, 1, 10, 12},
        // Colour 2 has most at home but its exit is full: the scan goes on to colour 3.
        {"spieler:5,5,5,8 22:1,2,3,9,10,11,13,14", 5, 1, 10, 12},
        {"10:1 20:2 105:3,4", 5, 1, 10, 2},
        {"30:1 60:2 64:3", 6, 2, 10, 2},
        {"56:1 60:2 105:3,4", 6, 2, 10, 2}, // a target on 68 is still on the track
        {"30:1 60:2 64:3", 6, 1, 10, 3},
        {Drei, 3, 1, 40, 3},
        {Drei, 3, 1, 41, 1},
        // A single movable figure moves whatever the table says; the game
        // asks for the figure alone and gets it without a rating.
        {"30:1 105:2,3,4", 3, 1, 41, 1},
        {"30:1 105:2,3,4 32:5", 3, 1, 38, 1}};
    for (const auto& [stellung, wurf, wurfzahl, prio, figur] : faelle) {
        SCOPED_TRACE(stellung);
        Stellung s(stellung);
        TaktikFuellen(s.daten, [p = prio](int, int) { return p; });
        const Zugmoeglichkeit z = ZuegeErmitteln(s.Figur, 5, wurf);
        ASSERT_TRUE(z.Moeglich);
        EXPECT_EQ(ComputerZug(s.Figur, z.Ziele, s.daten, 5, wurf, wurfzahl).Figur, figur);
        EXPECT_EQ(
            ComputerFigur(s.Figur, Lagebild(s.Figur), z.Ziele, Taktik(s.daten), 5, wurf, wurfzahl),
            figur);
    }
}

// Both fields are rated with the distance before the move; figure 1 on 17
// has distance 17, so its danger is N(N(34 * 5 * S / 17) / 5) = 2 S.
TEST(ComputerZug, GefahrVonStandUndZielfeld) {
    // Position, roll, figure, danger where it stands and at its target.
    const std::tuple<std::string, int16_t, int, int, int> faelle[] = {
        {"17:1 105:2,3,4 17:9 107:10,11,12", 1, 1, 0, 60}, // one behind the target: 30
        // Figure 5 turns into its lane at 17 and never reaches 20.
        {"17:1 105:2,3,4 16:5 106:6,7,8", 3, 1, 60, 0},
        // The move sends 9 and 10 home; figure 11 is two behind (S = 18)
        // and fourteen behind the target (S = 4).
        {"10:1 105:2,3,4 21:9 15:10 8:11", 6, 1, 29, 6},
        // Benches and lane fields carry no danger.
        {"bank:12,15 12:1 66:2 105:3,4 11:9 65:10", 3, 2, 117, 0}};
    for (const auto& [stellung, wurf, figur, jetzt, ziel] : faelle) {
        SCOPED_TRACE(stellung);
        Stellung s(stellung);
        TaktikFuellen(s.daten, [](int ziel, int jetzt) { return 10 + 4 * ziel - jetzt; });
        const Zugmoeglichkeit z = ZuegeErmitteln(s.Figur, 5, wurf);
        ASSERT_TRUE(z.Moeglich);
        const Wertung w = ComputerZug(s.Figur, z.Ziele, s.daten, 5, wurf, 1).Wertungen[figur];
        EXPECT_EQ(w.GefahrJetzt, jetzt);
        EXPECT_EQ(w.GefahrZiel, ziel);
    }
}

// Danger of a field for figure 1 of player 5 (colour 1), summed over the
// nearest figure of each colour behind it; figure 6 is marked to go home.
TEST(Gefahr, BeispieleGewichteUndSichereFelder) {
    std::vector<std::tuple<std::string, int, int>> faelle = {
        // position, field, danger
        {"34:1 33:5 106:6,7,8", 34, 90}, // distance 34, S = 30
        {"5:1 68:5", 5, 8},              // distance 5, S = 6
        // S = 90 capped at 75.
        {"68:1 67:5,9,13 106:6,7,8 107:10,11,12 108:14,15,16", 68, 375},
        {"bank:1,2,3,4,5,6,7,8,9,10,11,40 39:9 30:1", 40, 0}, // the twelfth bench
        {"bank:40 39:9 30:1", 41, 50}, // two behind: 24 - 6, colour 3 has figures at home
        {"spieler:5,1,0,8 39:5 106:6,7,8", 40, 30}, // human player 1 threatens too
        // Colours 2 and 3 are one player: colour 2's home counts for colour 3's threat.
        {"spieler:5,6,6,8 39:9 107:10,11,12 106:5,6,7,8 102:8", 40, 24},
        // Figure 11 turns into its lane before it reaches 40; 9 is not the nearest.
        {"30:9 36:10 41:11 20:13", 40, 6 + 1},
        {"spieler:5,6,5,8 40:5 38:9,2", 40, 0}, // on the field, or of the player
        {"38:6 30:5", 40, 6}};                  // a marked victim threatens nobody
    // Figure 1 waits at home, so its danger equals S: the weight of one
    // threat k fields behind, without and with a figure of its player at home.
    const int gewichte[][3] = {{1, 30, 24}, {4, 12, 6}, {5, 6, 6},  {11, 6, 6},
                               {12, 1, 1},  {13, 5, 5}, {36, 1, 1}, {37, 0, 0}};
    for (const auto& [k, ohneHeim, mitHeim] : gewichte) {
        faelle.push_back({"39:9 107:10,11,12", (38 + k) % 68 + 1, ohneHeim});
        faelle.push_back({"39:9 107:10,11,12 103:12", (38 + k) % 68 + 1, mitHeim});
    }
    for (const auto& [stellung, feld, gefahr] : faelle) {
        SCOPED_TRACE(stellung + " / " + std::to_string(feld));
        Stellung s(stellung);
        Figurenmenge ausgenommen;
        ausgenommen.Hinzufuegen(6);
        EXPECT_EQ(GefahrAmFeld(s.Figur, Gegnerlage(s.Figur, 5), Bankfelder(s.daten), 1,
                               int16_t(feld), ausgenommen),
                  gefahr);
    }
}

// The threats found for all figures at once equal those found figure by
// figure, on random tables whose fields and distances lie at and around the
// ring's ends and at both ends of the number range, for every field asked
// about and random figures going home.
TEST(Gefahr, BedrohungenAufEinmalWieEinzeln) {
    const std::vector<int16_t> felder = {-32768, -68, -1, 0,  1,  2,   17,  34,
                                         51,     67,  68, 69, 96, 101, 105, 32767};
    const std::vector<int16_t> wege = {-32768, -1, 0, 1, 5, 60, 67, 68, 69, 75, 32767};
    std::mt19937 zufall(11);
    const auto eines = [&](const std::vector<int16_t>& werte) {
        return werte[std::uniform_int_distribution<std::size_t>(0, werte.size() - 1)(zufall)];
    };
    std::uniform_int_distribution<int> ringfeld(1, Ringlaenge), spieler(0, 8), zustand(0, 5);
    for (int runde = 0; runde < 400; ++runde) {
        Figurentabelle Figur{};
        for (std::size_t g = 0; g <= FigurAnzahl; ++g) {
            const auto fig = Figur[g];
            fig.Feld = runde % 2 == 0 ? eines(felder) : static_cast<int16_t>(ringfeld(zufall));
            fig.Weg = runde % 4 < 2 ? eines(wege) : static_cast<int16_t>(ringfeld(zufall));
            fig.Spieler = static_cast<int16_t>(spieler(zufall));
            fig.Zustand = static_cast<int16_t>(zustand(zufall));
        }
        const Gegnerlage lage(Figur, static_cast<int16_t>(1 + runde % 8));
        const Figurenmenge ausgenommen(static_cast<uint32_t>(zufall()) & 0x1FFFEu);
        std::vector<int16_t> gefragt = felder;
        for (int16_t feld = 1; feld <= Ringlaenge; ++feld)
            gefragt.push_back(feld);
        for (const int16_t feld : gefragt) {
            ASSERT_EQ(Bedrohungen(lage, feld, ausgenommen),
                      BedrohungenEinzeln(lage, feld, ausgenommen))
                << runde << " / " << feld;
        }
    }
}

} // namespace pelu::test
