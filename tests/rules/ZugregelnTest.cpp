#include <gtest/gtest.h>

#include "Stellung.h"
#include "rules/Zugausfuehrung.h"
#include "rules/Zugregeln.h"

namespace pelu::test {

const std::string Zwei = "spieler:5,6,5,8 "; // player 5 holds colours 1 and 3

TEST(ZuegeErmitteln, ZieleJeStellungUndWurf) {
    // Position, player to move, roll, and every figure with its target.
    const std::tuple<std::string, int16_t, int16_t, std::map<int, int>> faelle[] = {
        {"10:1 30:5", 5, 6, {{1, 22}}}, // a 6 counts twelve
        {"10:1", 5, 7, {}},
        {"66:5", 6, 4, {{5, 2}}},           // across 68 -> 1
        {"66:5 1:9,10", 6, 4, {}},          // a block on the passage
        {"66:5 2:9,10", 6, 4, {{5, 2}}},    // may land on a block
        {"66:5,6", 6, 4, {{5, 2}, {6, 2}}}, // the field left is no part of the passage
        {"32:9,10", 7, 4, {{9, 84}, {10, 84}}},
        {"65:9", 7, 3, {{9, 68}}}, // 68 is an ordinary field for colours 2..4
        {"68:13", 8, 3, {{13, 3}}},
        {"67:13 68:5,6", 8, 2, {}},
        {"67:13 1:5,6", 8, 2, {{13, 1}}},
        {"32:9", 7, 4, {{9, 84}}}, // into the lane
        {"32:9 34:1,2", 7, 4, {}},
        {"32:9 83:10,11", 7, 4, {{10, 87}, {11, 87}}}, // the own block in the lane
        {"32:9 35:1,2", 7, 4, {{9, 84}}},              // beyond the turn
        {"64:1", 5, 6, {{1, 105}}},
        {"64:1 67:5,6", 5, 6, {}},
        {"64:1 72:2,3", 5, 6, {}},
        {"74:1 105:2,3,4", 5, 2, {{1, 105}}}, // the goal needs the exact roll
        {"74:1 105:2,3,4", 5, 3, {}},
        {"30:4 32:2,3", 5, 4, {{2, 36}, {3, 36}}}, // blocks of every colour
        {"30:4 32:10,11", 5, 4, {}},
        {"30:1 32:5,9,13", 5, 4, {{1, 34}}}, // three colours are no block
        {"40:9,10,1", 5, 2, {}},             // held behind the block, which may leave itself
        {"40:9,10,1", 7, 2, {{9, 42}, {10, 42}}},
        {"40:1,9,10", 5, 2, {{1, 42}}},
        {"5:1,2,3", 5, 2, {{1, 7}, {2, 7}}}, // distance 5: held by its own colour only
        {"5:5,6,1", 5, 2, {{1, 7}}},
        {"10:1", 5, 5, {{2, 5}, {3, 5}, {4, 5}}}, // a 5 brings figures out of home
        {"5:5,6", 5, 5, {{1, 5}, {2, 5}, {3, 5}, {4, 5}}},
        {"5:5,6,7,8,9,10,11,12 30:1", 5, 5, {}},
        {"30:5,6,7,8,9,10,11,13 26:1", 5, 4, {}}, // a full field
        // Of two full fields, that of the highest-numbered eighth arrival (16).
        {"35:1,5,9,13,2,6,10,3 30:4,7,11,14,15,8,12,16", 5, 5, {{1, 40}, {2, 40}, {4, 35}}},
        {Zwei + "10:1 45:9", 5, 3, {{1, 13}, {9, 48}}},
        {Zwei + "10:1,2,3 45:9", 5, 5, {{4, 5}, {10, 39}, {11, 39}, {12, 39}}},
        // A player value no scroll bar gives still finds its figures.
        {"spieler:9,6,9,8 10:1 45:9", 9, 3, {{1, 13}, {9, 48}}}};
    for (const auto& [stellung, zug, wurf, ziele] : faelle) {
        SCOPED_TRACE(stellung + " / " + std::to_string(wurf));
        Stellung s(stellung);
        const Zugmoeglichkeit z = ZuegeErmitteln(s.Figur, zug, wurf);
        EXPECT_EQ(z.Schritte, wurf == 6 ? 12 : wurf);
        EXPECT_EQ(z.Moeglich, !ziele.empty());
        EXPECT_EQ(Zielfelder(z.Ziele), ziele);
    }
}

// The end of every colour's way round, in distances: the turning field
// reached, left and crossed, the lane entered with every remainder 1..7, the
// goal with the exact roll; blocks of the colour's own two figures on the
// turning field and in the lane. The first figure of the colour moves; its
// fourth waits in the goal, so a 5 is an ordinary roll.
TEST(ZuegeErmitteln, WendefeldEinlaufUndZielJederFarbe) {
    const auto Auf = [](int feld, std::initializer_list<int> figuren) {
        std::string wort = std::to_string(feld);
        for (const int f : figuren) {
            wort += wort.find(':') == std::string::npos ? ':' : ',';
            wort += std::to_string(f);
        }
        return wort + " ";
    };
    // Distance, roll, distance of the own block (0: none), distance of the
    // target (0: none) and whether the passage breaks at the turning field.
    const int faelle[][5] = {
        {63, 5, 0, 68, 0},  {68, 1, 0, 69, 1}, {66, 4, 0, 70, 1}, {67, 4, 0, 71, 1},
        {60, 6, 0, 72, 1},  {68, 5, 0, 73, 1}, {62, 6, 0, 74, 1}, {63, 6, 0, 75, 1},
        {64, 6, 0, 76, 1},  {65, 6, 0, 0, 0},  {74, 2, 0, 76, 0}, {74, 3, 0, 0, 0},
        {70, 5, 0, 75, 0},  {66, 4, 68, 0, 0}, {66, 4, 69, 0, 0}, {66, 4, 70, 70, 1},
        {67, 1, 68, 68, 0}, {64, 6, 75, 0, 0}, {72, 4, 75, 0, 0}, {66, 4, 66, 70, 1}};
    const int wendefeld[] = {68, 17, 34, 51}, einlauf[] = {69, 76, 83, 90};
    for (int farbe = 1; farbe <= 4; ++farbe) {
        const int w = wendefeld[farbe - 1], e = einlauf[farbe - 1], f = 4 * farbe - 3;
        const auto feld = [&](int weg) {
            return weg <= 68 ? (w + weg - 1) % 68 + 1 : weg <= 75 ? e + weg - 69 : 104 + farbe;
        };
        for (const auto& [weg, wurf, sperre, ziel, abschnitt] : faelle) {
            SCOPED_TRACE(testing::Message() << "colour " << farbe << ": " << weg << " + " << wurf);
            // Figure f moving, f + 1 and f + 2 the block (else in the goal), f + 3 in the goal.
            Stellung s(Auf(feld(weg), {f}) + Auf(104 + farbe, {f + 3}) +
                       Auf(sperre > 0 ? feld(sperre) : 104 + farbe, {f + 1, f + 2}));
            const Zugziel zug = ZuegeErmitteln(s.Figur, int16_t(4 + farbe), wurf).Ziele[f];
            EXPECT_EQ(zug.Zielfeld, ziel > 0 ? feld(ziel) : 0);
            if (ziel == 0) continue;
            EXPECT_EQ(zug.Abschnittende, abschnitt ? w : 0);
            EXPECT_EQ(zug.Abschnittanfang, abschnitt ? e : 0);
        }
    }
}

TEST(HeimschickenMarkieren, NurUeberholteGegnerAufGewoehnlichenStreckenfeldern) {
    // Position, player, roll, figure moved, and the figures it sends home.
    const std::tuple<std::string, int16_t, int16_t, int16_t, std::vector<int>> faelle[] = {
        {"10:1 12:5,13 15:9", 5, 6, 1, {5, 9, 13}},
        {"10:1 14:5", 5, 4, 1, {}}, // landing on a figure sends nobody home
        {"bank:12 10:1 12:5", 5, 3, 1, {}},
        {"10:1 14:5", 5, 3, 2, {}},               // a figure without a target
        {"66:5 67:1 1:9 2:13", 6, 4, 5, {1, 9}},  // across 68 -> 1
        {"66:5,1", 6, 4, 5, {}},                  // nor does one on the field it leaves
        {"32:9 33:13 35:1", 7, 4, 9, {13}},       // into the lane
        {"64:1 66:5 68:9 3:13", 5, 6, 1, {5, 9}}, // into the goal
        {"67:13 68:1 1:5 2:9", 8, 3, 13, {1, 5}}, // colour 4 across 68 -> 1
        {"10:1 11:13 12:14 13:15 14:16", 5, 6, 1, {13, 14, 15, 16}}, // a whole colour
        {"spieler:5,1,0,8 10:1 11:5 12:9", 5, 3, 1, {5}}, // player 1 goes home, 0 is not in play
        {Zwei + "10:1 11:2 12:9 13:13", 5, 4, 1, {13}}};  // the player's own colours stay
    for (const auto& [stellung, zug, wurf, figur, opfer] : faelle) {
        SCOPED_TRACE(stellung);
        Stellung s(stellung);
        const Zugmoeglichkeit z = ZuegeErmitteln(s.Figur, zug, wurf);
        EXPECT_EQ(Figuren(HeimschickenMarkieren(s.Figur, z.Ziele, zug, figur)), opfer);
    }
}

// Moves `figur` to `ziel` as the game does (slot choice, then commit) and
// returns its field, slot, distance, state and both arrival orders.
static std::array<int16_t, 6> Ziehe(Stellung& s, int16_t figur, int16_t ziel, int16_t schritte) {
    FigurSetzen(s.Figur, s.daten, figur, ziel, PlatzSuchen(s.Figur, ziel), schritte);
    const FigurDaten& f = s[figur];
    return {f.Feld, f.Platz, f.Weg, f.Zustand, f.Stapel, f.Farbstapel};
}

TEST(WegAufFeld, VomWendefeldAusUndNurAufEigenenFeldern) {
    const int faelle[][3] = {{2, 17, 68}, {2, 1, 52}, {3, 89, 75}, {3, 107, 76}, {3, 82, -1}};
    for (const auto& [farbe, feld, weg] : faelle)
        EXPECT_EQ(WegAufFeld(farbe, int16_t(feld)), weg) << farbe << " on " << feld;
    // Impossible fields are skipped and the home stays gap-free.
    Stellung s("105:3 106:1 0:1 20:17,0 5:2");
    EXPECT_EQ((std::array{s[1].Feld, s[4].Stapel, s[4].Platz, s[3].Weg, s[3].Zustand}),
              (std::array<int16_t, 5>{101, 2, 4, 76, ZustandZiel}));
}

TEST(PlatzSuchen, ErsterFreierPlatzIn2341DannUeberlaufUndNachruecken) {
    Stellung s("30:1,5,9,13,2,6,10,14,3 20:4");
    const int figuren[] = {1, 5, 9, 13, 2, 6, 10, 14, 3}, platz[] = {2, 3, 4, 1, 5, 6, 7, 8, 9};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(s[figuren[i]].Platz, platz[i]) << "figure " << figuren[i];
    EXPECT_EQ(Ziehe(s, 4, 30, 10)[1], 9) << "with all nine taken, slot 9 is shared";
    // Into a main slot comes the first figure on the highest overflow slot;
    // an overflow slot frees no main place.
    for (int16_t platz = 1; platz <= 9; ++platz)
        EXPECT_EQ(PlatzNachruecken(s.Figur, 30, platz), platz <= 4 ? 3 : 0) << platz;
    Stellung t("30:1,5,9 31:5 29:13"); // slot 3 on field 30 is free again
    EXPECT_EQ(Ziehe(t, 13, 30, 1)[1], 3);
}

TEST(FigurSetzen, AnkunftsfolgenBleibenLueckenlos) {
    Stellung s("30:1,5,9,6 34:13 40:10,2,14 28:4 35:3");
    EXPECT_EQ(Ziehe(s, 5, 34, 4), (std::array<int16_t, 6>{34, 3, 17, ZustandStrecke, 2, 1}));
    EXPECT_EQ((std::array{s[1].Stapel, s[9].Stapel, s[6].Stapel, s[6].Farbstapel}),
              (std::array<int16_t, 4>{1, 2, 3, 1}));
    EXPECT_EQ(Ziehe(s, 3, 40, 5)[4], 4);
    EXPECT_EQ(s[3].Farbstapel, 2) << "counts only the own colour";
    EXPECT_EQ(ZuegeErmitteln(s.Figur, 5, 4).Ziele[4].Zielfeld, 32) << "the block on 30 dissolved";
    // All four figures of colour 4: the first leaves, the fourth follows it.
    Stellung v("50:13,14,15,16");
    Ziehe(v, 13, 52, 2);
    EXPECT_EQ((std::array{v[14].Stapel, v[15].Stapel, v[16].Stapel, v[14].Farbstapel,
                          v[15].Farbstapel, v[16].Farbstapel}),
              (std::array<int16_t, 6>{1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(Ziehe(v, 16, 52, 2)[5], 2);
    EXPECT_EQ(v[15].Farbstapel, 2);
    // The later of two, the lower-numbered, leaves: the earlier stays first.
    Stellung w("60:2,1");
    Ziehe(w, 1, 62, 2);
    EXPECT_EQ((std::array{w[2].Stapel, w[2].Farbstapel}), (std::array<int16_t, 2>{1, 1}));
}

TEST(FigurSetzen, ZustandFolgtDemZielfeld) {
    Stellung s("bank:12,29,70 20:1 68:2"); // 70 is a lane field listed as a bench
    const std::tuple<int16_t, int16_t, int16_t, std::array<int16_t, 6>> zuege[] = {
        {1, 29, 9, {29, 2, 29, ZustandBank, 1, 1}},
        {2, 70, 2, {70, 2, 70, ZustandEinlauf, 1, 1}},
        {2, 105, 6, {105, 2, 76, ZustandZiel, 1, 1}},
        // Sent home: distance 0 and the first free home slot (3 and 4 hold theirs).
        {1, 101, 6, {101, 2, 0, ZustandHeim, 3, 3}}};
    for (const auto& [figur, ziel, schritte, zeile] : zuege)
        EXPECT_EQ(Ziehe(s, figur, ziel, schritte), zeile) << "to " << ziel;
    // Every colour, each arrival changing the state: the twelfth bench, the
    // last lane field, the goal, the turning field (no bench here), the
    // first lane field (listed as a bench), home.
    Stellung t("bank:69,76,83,90,1,2,3,4,6,7,8,29 24:1,5,9,13");
    const int wendefeld[] = {68, 17, 34, 51}, einlauf[] = {69, 76, 83, 90};
    for (int farbe = 1; farbe <= 4; ++farbe) {
        const int e = einlauf[farbe - 1];
        const int ziele[][2] = {{29, ZustandBank},          {e + 6, ZustandEinlauf},
                                {104 + farbe, ZustandZiel}, {wendefeld[farbe - 1], ZustandStrecke},
                                {e, ZustandEinlauf},        {100 + farbe, ZustandHeim}};
        for (const auto& [ziel, zustand] : ziele) {
            const std::array<int16_t, 6> zeile = Ziehe(t, int16_t(4 * farbe - 3), int16_t(ziel), 1);
            EXPECT_EQ(zeile[3], zustand) << "colour " << farbe << " to " << ziel;
            if (zustand == ZustandHeim) {
                EXPECT_EQ(zeile[2], 0) << "colour " << farbe;
            }
        }
    }
}

} // namespace pelu::test
