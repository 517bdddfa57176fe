#include <gtest/gtest.h>

#include <array>
#include <map>

#include "Stellung.h"
#include "rules/Zugregeln.h"
#include "rules/Zugwahl.h"

using namespace pelu;
using pelutest::Stellung;
using pelutest::TaktikFuellen;

namespace {

// Danger values that fall into categories 0..5.
constexpr int16_t InKategorie[] = {0, 5, 20, 30, 50, 100};

// Player 5 on 10, 20 and 30 moving 3; only figure 3 passes an opponent (on 32).
constexpr const char* Drei = "10:1 20:2 30:3 105:4 32:5";
constexpr const char* DreiOhneOpfer = "10:1 20:2 30:3 105:4 33:5";

} // namespace

TEST(ZugWaehlen, WaehltNachPrioritaetHeimschickenUndWeg) {
    const struct {
        const char* stellung;
        int16_t wurf;
        std::array<int, 6> prio; // by the target's category
        std::map<int, int> katZiel;
        int16_t figur;
    } faelle[] = {// Priority 8 that sends home beats two 5s; 9 is too far behind, and
                  // of the two 5s the one that has travelled further moves.
                  {Drei, 3, {5, 8, 9, 30, 30, 30}, {{3, 1}}, 3},
                  {Drei, 3, {5, 8, 9, 30, 30, 30}, {{3, 2}}, 2},
                  // The most figures sent home, then the lowest figure.
                  {"10:1 20:2 30:3 105:4 12:5 22:9 23:13 32:6", 4, {10, 10, 10, 10, 10, 10}, {}, 2},
                  {"10:1 20:2 30:3 105:4 12:5 25:9 23:13 32:6", 4, {10, 10, 10, 10, 10, 10}, {}, 1},
                  // From 17 on, the least travelled moves.
                  {DreiOhneOpfer, 3, {16, 16, 16, 16, 16, 16}, {}, 3},
                  {DreiOhneOpfer, 3, {17, 17, 17, 17, 17, 17}, {}, 1},
                  {DreiOhneOpfer, 3, {37, 37, 37, 37, 37, 37}, {}, 1},
                  {DreiOhneOpfer, 3, {38, 38, 38, 38, 38, 38}, {}, 0},
                  // Priority 0 ends the choice before anybody is sent home.
                  {Drei, 3, {0, 1, 1, 1, 1, 1}, {{1, 1}, {3, 1}}, 2},
                  // Lane moves rate 21, into the goal 20.
                  {"70:1 72:2 71:3 105:4", 1, {1, 1, 1, 1, 1, 1}, {}, 1},
                  {"70:1 72:2 74:3 105:4", 2, {1, 1, 1, 1, 1, 1}, {}, 3},
                  // Into the goal from the track keeps the table's priority.
                  {"64:1 30:2 105:3,4", 6, {25, 24, 24, 24, 24, 24}, {{2, 1}}, 2}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(testing::Message() << fall.stellung << " / " << fall.prio[0]);
        Stellung s(fall.stellung);
        ZuegeErmitteln(s.Figur, 5, fall.wurf);
        TaktikFuellen(s.daten, [&](int ziel, int) { return fall.prio[ziel]; });
        for (const auto& [f, kategorie] : fall.katZiel)
            s[f].GefahrZiel = InKategorie[kategorie];
        EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), fall.figur);
    }
}

TEST(ZugWaehlen, BeideKategorienWaehlenDieLetztePassendeZeile) {
    Stellung s(DreiOhneOpfer);
    ZuegeErmitteln(s.Figur, 5, 3);
    TaktikFuellen(s.daten, [](int ziel, int jetzt) { return 1 + ziel + 6 * jetzt; });
    s[1].GefahrZiel = InKategorie[4];
    s[1].GefahrJetzt = InKategorie[2];
    s[2].GefahrJetzt = InKategorie[5];
    s[3].GefahrZiel = 81;
    s[3].GefahrJetzt = 10;
    ZugWaehlen(s.Figur, s.daten, 5);
    EXPECT_EQ(s[1].Prioritaet, 1 + 4 + 12);
    EXPECT_EQ(s[2].Prioritaet, 1 + 0 + 30);
    EXPECT_EQ(s[3].Prioritaet, 1 + 5 + 6);

    // Row 36 held (5, 5); as a second row for (0, 0) it wins over row 1,
    // and (5, 5) matches no row any more: priority 0.
    s.daten.Taktikdaten[36][0] = s.daten.Taktikdaten[36][1] = 0;
    s[1].GefahrZiel = s[1].GefahrJetzt = InKategorie[5];
    s[2].GefahrJetzt = s[3].GefahrZiel = s[3].GefahrJetzt = 0;
    for (int f = 1; f <= FigurAnzahl; ++f)
        s[f].Prioritaet = 0; // as ComputerZug leaves them
    EXPECT_EQ(ZugWaehlen(s.Figur, s.daten, 5), 1);
    EXPECT_EQ(s[1].Prioritaet, 0);
    EXPECT_EQ(s[2].Prioritaet, 36);
}
