#include <gtest/gtest.h>

#include "Stellung.h"
#include "rules/Zugausfuehrung.h"
#include "rules/Zugregeln.h"

using namespace pelu;
using pelutest::Stellung;

namespace {

// Writes the move of `figur` to `ziel` as the game does: slot choice, then commit.
int16_t Ziehe(Stellung& s, int16_t figur, int16_t ziel, int16_t schritte) {
    s[figur].Zielfeld = ziel;
    const int16_t platz = PlatzSuchen(s.Figur, figur);
    FigurSetzen(s.Figur, s.daten, figur, ziel, platz, schritte);
    return platz;
}

// Field, slot, distance, state and both arrival orders of a figure.
std::array<int16_t, 6> Zeile(Stellung& s, int f) {
    return {s[f].Feld, s[f].Platz, s[f].Weg, s[f].Zustand, s[f].Stapel, s[f].Farbstapel};
}

} // namespace

TEST(PlatzSuchen, ErsterFreierPlatzIn2341DannUeberlauf) {
    Stellung s("30:1,5,9,13,2,6,10,14,3");
    const int figuren[] = {1, 5, 9, 13, 2, 6, 10, 14, 3};
    const int platz[] = {2, 3, 4, 1, 5, 6, 7, 8, 9};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(s[figuren[i]].Platz, platz[i]) << "figure " << figuren[i];
    s[4].Zielfeld = 30;
    EXPECT_EQ(PlatzSuchen(s.Figur, 4), 9) << "with all nine taken, slot 9 is shared";
    Stellung t("30:1,5,9 31:5"); // slot 3 on field 30 is free again
    t[13].Zielfeld = 30;
    EXPECT_EQ(PlatzSuchen(t.Figur, 13), 3);
}

TEST(FigurSetzen, AnkunftsfolgenBleibenLueckenlos) {
    Stellung s("30:1,5,9,6 34:13 40:10,2,14");
    Ziehe(s, 5, 34, 4);
    EXPECT_EQ(Zeile(s, 5), (std::array<int16_t, 6>{34, 3, 13 + 4, ZustandStrecke, 2, 1}));
    EXPECT_EQ(s[1].Stapel, 1);
    EXPECT_EQ(s[9].Stapel, 2);
    EXPECT_EQ(s[6].Stapel, 3);
    EXPECT_EQ(s[6].Farbstapel, 1) << "the block on 30 dissolves";
    Ziehe(s, 3, 40, 5);
    EXPECT_EQ(s[3].Stapel, 4);
    EXPECT_EQ(s[3].Farbstapel, 2) << "counts only the own colour";
    s.Setze(28, {4});
    ZuegeErmitteln(s.Figur, 5, 4);
    EXPECT_EQ(s[4].Zielfeld, 32) << "figure 4 now passes field 30";
}

TEST(FigurSetzen, ZustandFolgtDemZielfeld) {
    Stellung s("bank:12,29,70 20:1 68:2"); // 70 is a lane field listed as a bench
    EXPECT_EQ(s[2].Zustand, ZustandStrecke);
    const struct {
        int16_t figur, ziel, schritte;
        std::array<int16_t, 6> zeile;
    } zuege[] = {{1, 29, 9, {29, 2, 29, ZustandBank, 1, 1}},
                 {2, 70, 2, {70, 2, 70, ZustandEinlauf, 1, 1}},
                 {2, 105, 6, {105, 2, 76, ZustandZiel, 1, 1}},
                 // Sent home: distance 0 and the first free home slot (3 and 4 hold theirs).
                 {1, 101, 6, {101, 2, 0, ZustandHeim, 3, 3}}};
    for (const auto& zug : zuege) {
        Ziehe(s, zug.figur, zug.ziel, zug.schritte);
        EXPECT_EQ(Zeile(s, zug.figur), zug.zeile) << "to " << zug.ziel;
    }
}

TEST(PlatzNachruecken, HoechsterUeberlaufplatzRuecktInDenFreienHauptplatz) {
    Stellung s("30:1,5,9,13,2,6,10"); // slots 2, 3, 4, 1, 5, 6, 7
    EXPECT_EQ(PlatzNachruecken(s.Figur, 30, 3), 10);
    EXPECT_EQ(PlatzNachruecken(s.Figur, 30, 6), 0) << "an overflow slot frees no main place";
    EXPECT_EQ(PlatzNachruecken(s.Figur, 31, 3), 0);
    s.Setze(30, {14, 3, 4}); // 3 and 4 share slot 9
    ASSERT_EQ(s[4].Platz, 9);
    EXPECT_EQ(PlatzNachruecken(s.Figur, 30, 2), 3);
}

TEST(NaechsterHeimkehrer, MarkierteFigurenNachNummer) {
    Stellung s;
    s[7].Heimschicken = s[3].Heimschicken = 1;
    EXPECT_EQ(NaechsterHeimkehrer(s.Figur), 3);
    EXPECT_EQ(s[3].Heimschicken, 0);
    EXPECT_EQ(NaechsterHeimkehrer(s.Figur), 7);
    EXPECT_EQ(NaechsterHeimkehrer(s.Figur), 0);
}
