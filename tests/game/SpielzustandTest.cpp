#include <gtest/gtest.h>

#include <string>

#include "game/Rundung.h"
#include "game/Spielzustand.h"

namespace {

TEST(Rundung, RundeGeradeRundetHalbeZurGeradenZahl) {
    EXPECT_EQ(pelu::RundeGerade(2.5), 2);
    EXPECT_EQ(pelu::RundeGerade(3.5), 4);
    EXPECT_EQ(pelu::RundeGerade(4.5), 4);
    EXPECT_EQ(pelu::RundeGerade(-2.5), -2);
    EXPECT_EQ(pelu::RundeGerade(-3.5), -4);
    EXPECT_EQ(pelu::RundeGerade(2.51), 3);
    EXPECT_EQ(pelu::RundeGerade(-0.4), 0);
    EXPECT_EQ(pelu::RundeGerade(32767.4), 32767);
    EXPECT_EQ(pelu::RundeGerade(-32768.5), -32768);
}

TEST(Rundung, IntRundetAb) {
    EXPECT_EQ(pelu::Int(2.9), 2);
    EXPECT_EQ(pelu::Int(-2.1), -3);
    EXPECT_EQ(pelu::Int(-2.0), -2);
    EXPECT_EQ(pelu::Int(0.999), 0);
}

TEST(Spielzustand, BrettMitteAusInnenmass) {
    EXPECT_EQ(pelu::BrettMitte(597), 299);
    EXPECT_EQ(pelu::BrettMitte(547), 274);
    EXPECT_EQ(pelu::BrettMitte(596), 299);
    EXPECT_EQ(pelu::BrettMitte(596.5), 299); // 596.5 rounds to 596
    EXPECT_EQ(pelu::BrettMitte(597.5), 300); // 597.5 rounds to 598
}

TEST(Spielzustand, StartwerteSetzen) {
    pelu::Spielzustand z;
    z.Einstellung.fill(77);
    z.Farbe.fill(77);
    pelu::StartwerteSetzen(z, 299, 274, 7);
    EXPECT_EQ(z.Massstab, 1.0f);
    EXPECT_EQ(z.Tempo, 8.0f);
    EXPECT_TRUE(z.ProgrammFrei);
    for (int i = 0; i <= 20; ++i) {
        int16_t erwartet = 0;
        switch (i) {
        case 2: erwartet = 8; break;
        case 3:
        case 4: erwartet = 2; break;
        case 9: erwartet = 299; break;
        case 10: erwartet = 274; break;
        case 12: erwartet = 7; break;
        }
        EXPECT_EQ(z.Einstellung[i], erwartet) << "Einstellung " << i;
    }
    const int16_t farbe[31] = {0, 0, 7, 14, 6, 8, 15, 0,  15, 3, 0, 9, 10, 5, 12, 0,
                               0, 0, 0, 0,  0, 1, 2,  13, 4,  0, 0, 0, 0,  0, 0};
    for (int i = 0; i <= 30; ++i)
        EXPECT_EQ(z.Farbe[i], farbe[i]) << "Farbe " << i;
}

TEST(Spielzustand, QBColorPalette) {
    const uint32_t erwartet[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                   0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                   0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(pelu::QBColor(i), erwartet[i]) << i;
}

TEST(Spielzustand, PhasenTextNenntDiePhasenDesSpiels) {
    using pelu::Phase;
    EXPECT_STREQ(pelu::PhasenText(Phase::Start), "Start");
    EXPECT_STREQ(pelu::PhasenText(Phase::Wuerfelleer), "Würfelleer");
    EXPECT_STREQ(pelu::PhasenText(Phase::Wuerfeln), "Würfeln");
    EXPECT_STREQ(pelu::PhasenText(Phase::WuerfelAnzeigezeit), "WürfelAnzeigezeit");
    EXPECT_STREQ(pelu::PhasenText(Phase::WartenFigurwahl), "WartenFigurwahl");
    EXPECT_STREQ(pelu::PhasenText(Phase::Ziehen), "Ziehen");
    EXPECT_STREQ(pelu::PhasenText(Phase::Putzen), "Putzen");
    EXPECT_STREQ(pelu::PhasenText(Phase::NaechsterSpielzug), "NächsterSpielzug");
    EXPECT_STREQ(pelu::PhasenText(Phase::Spielende), "Spielende");
    EXPECT_STREQ(pelu::PhasenText(Phase::Keine), "");
}

TEST(Spielzustand, FarbenUndFelderDerFarben) {
    const int16_t wende[] = {68, 17, 34, 51};
    const int16_t einlauf[] = {69, 76, 83, 90};
    const int16_t ausgang[] = {5, 22, 39, 56};
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(pelu::WendefeldVon(c), wende[c - 1]);
        EXPECT_EQ(pelu::EinlaufVon(c), einlauf[c - 1]);
        EXPECT_EQ(pelu::AusgangsfeldVon(c), ausgang[c - 1]);
        EXPECT_EQ(pelu::HeimfeldVon(c), 100 + c);
        EXPECT_EQ(pelu::ZielfeldVon(c), 104 + c);
        for (int f = pelu::ErsteFigur(c); f <= pelu::LetzteFigur(c); ++f)
            EXPECT_EQ(pelu::FarbeVonFigur(f), c);
    }
}

} // namespace
