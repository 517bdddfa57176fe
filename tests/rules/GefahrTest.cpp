#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Stellung.h"
#include "rules/Bedrohung.h"

using namespace pelu;
using pelutest::Stellung;

// Danger of a field for figure 1 of player 5 (colour 1).
TEST(Gefahr, BeispieleGewichteUndSichereFelder) {
    struct Fall {
        std::string stellung;
        int16_t feld;
        int16_t gefahr;
    };
    std::vector<Fall> faelle = {
        {"34:1 33:5 106:6,7,8", 34, 90}, // distance 34, S = 30
        {"5:1 68:5", 5, 8},              // distance 5, S = 6
        {"20:1 16:9 107:10,11,12", 20, 26},
        // S = 90 capped at 75.
        {"68:1 67:5,9,13 106:6,7,8 107:10,11,12 108:14,15,16", 68, 375},
        {"bank:40 39:9 30:1", 40, 0},
        {"bank:40 39:9 30:1", 41, 50}, // two behind: 24 - 6, colour 3 has figures at home
        {"bank:40 39:9 30:1", 69, 0},
        {"bank:40 39:9 30:1", 105, 0},
        // Colours 2 and 3 are one player: colour 2's home counts for colour 3's threat.
        {"spieler:5,6,6,8 39:9 107:10,11,12 106:5,6,7,8", 40, 30},
        {"spieler:5,6,6,8 39:9 107:10,11,12 106:5,6,7,8 102:8", 40, 24}};
    // Figure 1 waits at home, so its danger equals S: the weight of one
    // threat k fields behind, without and with a figure of its player at home.
    const int gewichte[][3] = {{1, 30, 24}, {2, 24, 18}, {3, 18, 12}, {4, 12, 6}, {5, 6, 6},
                               {11, 6, 6},  {12, 1, 1},  {13, 5, 5},  {14, 4, 4}, {17, 1, 1},
                               {18, 1, 1},  {36, 1, 1},  {37, 0, 0},  {63, 0, 0}};
    for (const auto& [k, ohneHeim, mitHeim] : gewichte) {
        const int16_t feld = int16_t(39 + k > 68 ? 39 + k - 68 : 39 + k);
        faelle.push_back({"39:9 107:10,11,12", feld, int16_t(ohneHeim)});
        faelle.push_back({"39:9 107:10,11,12 103:12", feld, int16_t(mitHeim)});
    }
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.stellung + " / " + std::to_string(fall.feld));
        Stellung s(fall.stellung);
        Bedrohungen(s.Figur, 5, fall.feld, false);
        EXPECT_EQ(Gefahr(s.Figur, s.daten, 1, fall.feld), fall.gefahr);
    }
}

TEST(Bedrohungen, NaechsteFigurJeFarbe) {
    const struct {
        const char* stellung;
        int16_t feld;
        bool ausnahmen; // figure 5 is marked to go home
        std::map<int, int> bedrohung;
    } faelle[] = {// Figure 7 is a whole round away: it turns into its lane first.
                  {"30:5 36:6 41:7 20:13", 40, false, {{6, 4}, {13, 20}}},
                  {"36:7,6", 40, false, {{6, 4}}},                // equal steps: the lowest figure
                  {"spieler:5,6,5,8 40:5 38:9,2", 40, false, {}}, // on the field, or of the player
                  {"16:5 16:9", 20, false, {{9, 4}}}, // colour 2 at distance 67 turns off at 17
                  {"16:5 16:9", 17, false, {{5, 1}, {9, 1}}},
                  {"38:5 30:6", 40, true, {{6, 10}}}, // a marked victim threatens nobody
                  {"38:5 30:6", 40, false, {{5, 2}}}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.stellung);
        Stellung s(fall.stellung);
        s[5].Heimschicken = 1;
        Bedrohungen(s.Figur, 5, fall.feld, fall.ausnahmen);
        EXPECT_EQ(s.Werte(&FigurDaten::Bedrohung), fall.bedrohung);
    }
}

TEST(GefahrKategorie, GrenzenDerSechsKategorien) {
    const int16_t grenzen[][2] = {{-3, 0}, {0, 0},  {1, 1},  {10, 1}, {11, 2}, {25, 2},
                                  {26, 3}, {45, 3}, {46, 4}, {80, 4}, {81, 5}, {375, 5}};
    for (const auto& [gefahr, kategorie] : grenzen)
        EXPECT_EQ(GefahrKategorie(gefahr), kategorie) << gefahr;
}
