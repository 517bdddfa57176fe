// How single values are read: comments, DATA prefixes, Val and rounding,
// seen through the twelve bench values.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Testtexte.h"
#include "data/Laden.h"

namespace {

using testtexte::MitBank;

std::array<int16_t, 12> Bank(const std::string& werte) {
    const pelu::Tabellen t = MitBank(werte);
    std::array<int16_t, 12> bank{};
    for (int i = 0; i < 12; ++i)
        bank[i] = t.Bankdaten[i + 1];
    return bank;
}

using Zwoelf = std::array<int16_t, 12>;
const Zwoelf EinsBisZwoelf = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

TEST(LiesWert, NachKommentarOderLeerzeileGehenWerteBisZurNaechstenDataZeileVerloren) {
    EXPECT_EQ(Bank("' Kommentar\n99, 98\nDATA 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12\n"),
              EinsBisZwoelf);
    EXPECT_EQ(Bank("DATA 1, 2, 3\n\n77, 78\nDATA 4, 5, 6, 7, 8, 9, 10, 11, 12\n"), EinsBisZwoelf);
    EXPECT_EQ(Bank("DATA 1, 2, 3\n' a\n' b\n88\nDATA 4, 5, 6, 7, 8, 9\n10, 11, 12\n"),
              EinsBisZwoelf);
}

TEST(LiesWert, ZahlenOhneDataDirektNachDemKopfZaehlen) {
    EXPECT_EQ(Bank("1, 2, 3, 4, 5, 6\n7, 8, 9, 10, 11, 12\n"), EinsBisZwoelf);
}

TEST(LiesWert, DataOhneWertGibtNichtsUndEsWirdWeitergelesen) {
    EXPECT_EQ(Bank("DATA\nDATA,1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12\n"), EinsBisZwoelf);
    EXPECT_EQ(Bank("DATA   \nDATA 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12\n"), EinsBisZwoelf);
}

TEST(LiesWert, ZahlDirektHinterDataUndTextHinterDerZahl) {
    EXPECT_EQ(Bank("DATA7 ' sieben, 8 Bank, 9x\nDATA-4,5,6,7,8,9,10,11,12\n"),
              (Zwoelf{7, 8, 9, -4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(LiesWert, KleingeschriebenesDataOderTextGibtNull) {
    EXPECT_EQ(Bank("data 7, Feld 3, DATA x, 4, 5, 6, 7, 8, 9, 10, 11, 12\n"),
              (Zwoelf{0, 0, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(LiesWert, RundetHalbeZurGeradenZahl) {
    EXPECT_EQ(Bank("DATA 4.5, 5.5, -2.5, 2.5, 3.5, 0.5, -0.5, 2.4999, 2.5001, 32767.4, "
                   "-32768.5, 1.25E1\n"),
              (Zwoelf{4, 6, -2, 2, 4, 0, 0, 2, 3, 32767, -32768, 12}));
}

TEST(LiesWert, HexUndOktal) {
    EXPECT_EQ(Bank("DATA &H1F, &hff, &O17, &H7FFF, &H, &O, 1, 1, 1, 1, 1, 1\n"),
              (Zwoelf{31, 255, 15, 32767, 0, 0, 1, 1, 1, 1, 1, 1}));
}

TEST(LiesWert, AnfuehrungszeichenTabsUndKommentarInAnfuehrungszeichen) {
    EXPECT_EQ(Bank("\"DATA 1, 99\", 2\n\t\tDATA\t3,\t4\n\"' Kommentar, 98\"\n97\n"
                   "DATA 5, 6, 7, 8, 9, 10, 11, 12\n"),
              (Zwoelf{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(LiesWert, CrLfZeilenendenLesenWieLf) {
    EXPECT_EQ(Bank("' c\r\n\r\n5\r\nDATA 1, 2, 3, 4, 5, 6\r\n\r\nDATA 7, 8, 9, 10, 11, 12\r\n"),
              EinsBisZwoelf);
}

} // namespace
