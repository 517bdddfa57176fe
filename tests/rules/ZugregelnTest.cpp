#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Stellung.h"
#include "rules/Zugregeln.h"

using namespace pelu;
using pelutest::Stellung;

namespace {

struct Fall {
    std::string stellung;
    int16_t zug; // the player to move
    int16_t wurf;
    std::map<int, int> ziele; // every figure with a target
};

const std::string Zwei = "spieler:5,6,5,8 "; // player 5 holds colours 1 and 3

std::vector<Fall> Faelle() {
    std::vector<Fall> faelle = {
        {"10:1 30:5", 5, 6, {{1, 22}}}, // a 6 counts twelve
        {"10:1", 5, 3, {{1, 13}}},
        {"10:1", 5, 0, {}},
        {"10:1", 5, 7, {}},
        {"66:5", 6, 4, {{5, 2}}},                               // across 68 -> 1
        {"32:9", 7, 4, {{9, 84}}},                              // into the lane
        {"32:9 84:10,11", 7, 4, {{9, 84}, {10, 88}, {11, 88}}}, // may land on a block
        {"32:9 83:10,11", 7, 4, {{10, 87}, {11, 87}}},
        {"32:9 35:1,2", 7, 4, {{9, 84}}}, // beyond the turn
        {"64:1", 5, 6, {{1, 105}}},
        {"74:1 105:2,3,4", 5, 2, {{1, 105}}}, // the goal needs the exact roll
        {"74:1 105:2,3,4", 5, 1, {{1, 75}}},
        {"71:1 73:2,3 105:4", 5, 4, {}}, // the own block in the lane
        {"71:1 73:2,3 105:4", 5, 5, {}},
        {"71:1 73:2,3 105:4", 5, 2, {{1, 73}, {2, 75}, {3, 75}}},
        {"30:4 32:2,3", 5, 4, {{2, 36}, {3, 36}}}, // blocks of every colour
        {"30:4 32:6,7", 5, 4, {}},
        {"30:4 32:10,11", 5, 4, {}},
        {"30:4 32:14,15", 5, 4, {}},
        {"30:1 32:5,9,13", 5, 4, {{1, 34}}}, // three colours are no block
        {"bank:32 30:1 32:5,6", 5, 4, {}},
        {"40:9,10 38:1", 5, 3, {}},
        {"40:9,10 38:1", 5, 2, {{1, 40}}},
        {"40:9,10,1", 5, 2, {}}, // held behind the block, which may leave itself
        {"40:9,10,1", 7, 2, {{9, 42}, {10, 42}}},
        {"40:1,9,10", 5, 2, {{1, 42}}},
        {"5:1,2,3", 5, 2, {{1, 7}, {2, 7}}}, // distance 5: held by its own colour only
        {"5:5,6,1", 5, 2, {{1, 7}}},
        {"9:5,6,1", 5, 2, {}},
        {"10:1", 5, 5, {{2, 5}, {3, 5}, {4, 5}}}, // a 5 brings figures out of home
        {"10:1 20:2 30:3 105:4", 5, 5, {{1, 15}, {2, 25}, {3, 35}}},
        {"5:5,6", 5, 5, {{1, 5}, {2, 5}, {3, 5}, {4, 5}}},
        {"5:5,6,7,8,9,10,11,12 30:1", 5, 5, {}},
        {"30:5,6,7,8,9,10,11,13 26:1", 5, 4, {}}, // a full field
        {"30:5,6,7,8,9,10,11,13 26:1", 5, 3, {{1, 29}}},
        // Of two full fields, that of the highest-numbered eighth arrival (16).
        {"35:1,5,9,13,2,6,10,3 30:4,7,11,14,15,8,12,16", 5, 5, {{1, 40}, {2, 40}, {4, 35}}},
        {Zwei + "10:1 45:9", 5, 3, {{1, 13}, {9, 48}}},
        {Zwei + "10:1,2,3 45:9", 5, 5, {{4, 5}, {10, 39}, {11, 39}, {12, 39}}},
        {"spieler:5,5,5,5", 5, 5, {}}};
    for (int f = 1; f <= FigurAnzahl; ++f)
        faelle.back().ziele[f] = 5 + 17 * (FarbeVonFigur(f) - 1); // every colour its exit
    // Passage 67, 68, 1 and 33, 34, 83; a block on the target or off the path does not stop.
    for (int feld : {67, 68, 1, 2, 3, 65})
        faelle.push_back(
            {"66:5 " + std::to_string(feld) + ":9,10", 6, 4,
             feld > 1 && feld < 67 ? std::map<int, int>{{5, 2}} : std::map<int, int>{}});
    for (int feld : {33, 34})
        faelle.push_back({"32:9 " + std::to_string(feld) + ":1,2", 7, 4, {}});
    // Into the goal from 64 the passage is 65..75; only colour 1 stands in its lane.
    for (int feld = 65; feld <= 75; ++feld)
        faelle.push_back(
            {"64:1 " + std::to_string(feld) + (feld <= 68 ? ":5,6" : ":2,3"), 5, 6, {}});
    for (int feld = 65; feld <= 68; ++feld)
        faelle.push_back({std::to_string(feld) + ":1", 5, 6, {}});
    for (int16_t wurf = 3; wurf <= 6; ++wurf)
        faelle.push_back({"74:1 105:2,3,4", 5, wurf, {}});
    return faelle;
}

} // namespace

TEST(ZuegeErmitteln, ZieleJeStellungUndWurf) {
    for (const Fall& fall : Faelle()) {
        SCOPED_TRACE(fall.stellung + " / " + std::to_string(fall.wurf));
        Stellung s(fall.stellung);
        for (int f = 1; f <= FigurAnzahl; ++f)
            s[f].Zielfeld = 99; // stale targets of the last roll
        const Zugmoeglichkeit z = ZuegeErmitteln(s.Figur, fall.zug, fall.wurf);
        EXPECT_EQ(z.Schritte, fall.wurf == 6 ? 12 : fall.wurf);
        EXPECT_EQ(z.Moeglich, !fall.ziele.empty());
        EXPECT_EQ(s.Werte(&FigurDaten::Zielfeld), fall.ziele);
    }
}

// The passage as stored: one segment, or two across 68 -> 1 or into the lane.
TEST(ZuegeErmitteln, AbschnitteDesDurchgangs) {
    const struct {
        const char* stellung;
        int16_t zug, wurf, figur;
        std::array<int16_t, 3> ziel; // Zielfeld, Abschnittende, Abschnittanfang
    } faelle[] = {{"66:5", 6, 4, 5, {2, 68, 1}},
                  {"32:9", 7, 4, 9, {84, 34, 83}},
                  {"64:1", 5, 6, 1, {105, 68, 69}},
                  {"74:1 105:2,3,4", 5, 2, 1, {105, 0, 0}},
                  {"10:1", 5, 6, 1, {22, 0, 0}}};
    for (const auto& fall : faelle) {
        Stellung s(fall.stellung);
        for (int f = 1; f <= FigurAnzahl; ++f)
            s[f].Abschnittende = s[f].Abschnittanfang = 99;
        ZuegeErmitteln(s.Figur, fall.zug, fall.wurf);
        for (int f = 1; f <= FigurAnzahl; ++f) {
            const std::array<int16_t, 3> ist = {s[f].Zielfeld, s[f].Abschnittende,
                                                s[f].Abschnittanfang};
            const std::array<int16_t, 3> ohne = {ist[0], 0, 0};
            EXPECT_EQ(ist, f == fall.figur ? fall.ziel : ohne) << fall.stellung << ", figure " << f;
        }
    }
}

TEST(HeimschickenMarkieren, NurUeberholteGegnerAufGewoehnlichenStreckenfeldern) {
    const struct {
        const char* stellung;
        int16_t zug, wurf, figur;
        std::vector<int> opfer;
    } faelle[] = {
        {"10:1 12:5,13 15:9", 5, 6, 1, {5, 9, 13}},
        {"10:1 14:5", 5, 4, 1, {}}, // landing on a figure sends nobody home
        {"10:1 14:5", 5, 6, 1, {5}},
        {"bank:12 10:1 12:5", 5, 3, 1, {}},
        {"66:5 67:1 1:9 2:13", 6, 4, 5, {1, 9}},                 // across 68 -> 1
        {"32:9 33:13 35:1", 7, 4, 9, {13}},                      // into the lane
        {"64:1 66:5 68:9 3:13", 5, 6, 1, {5, 9}},                // into the goal
        {"spieler:5,6,5,8 10:1 11:2 12:9 13:13", 5, 4, 1, {13}}, // the player's own colours stay
        {"3:5", 5, 5, 1, {}},                                    // leaving home
        {"10:1 12:5", 5, 3, 2, {}}};                             // figure 2 cannot move with a 3
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.stellung);
        Stellung s(fall.stellung);
        for (int f = 1; f <= FigurAnzahl; ++f) {
            s[f].Abschnittende = 68; // a stale passage must not count
            s[f].Abschnittanfang = 1;
        }
        ZuegeErmitteln(s.Figur, fall.zug, fall.wurf);
        for (int f = 1; f <= FigurAnzahl; ++f)
            s[f].Heimschicken = 1; // old marks
        HeimschickenMarkieren(s.Figur, fall.zug, fall.figur);
        EXPECT_EQ(s.Markiert(), fall.opfer);
    }
}
