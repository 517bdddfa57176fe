#include "state/Spielzustand.h"

#include "state/Rundung.h"

namespace pelu {

const char* PhasenText(Phase phase) {
    switch (phase) {
    case Phase::Start: return "Start";
    case Phase::Wuerfelleer: return "Würfelleer";
    case Phase::Wuerfeln: return "Würfeln";
    case Phase::WuerfelAnzeigezeit: return "WürfelAnzeigezeit";
    case Phase::WartenFigurwahl: return "WartenFigurwahl";
    case Phase::Ziehen: return "Ziehen";
    case Phase::Putzen: return "Putzen";
    case Phase::NaechsterSpielzug: return "NächsterSpielzug";
    case Phase::Spielende: return "Spielende";
    case Phase::Keine: break;
    }
    return "";
}

void FigurHeimStellen(FigurDaten& figur, int farbe, int16_t k) {
    figur.Feld = figur.Heimfeld = HeimfeldVon(farbe);
    figur.Platz = figur.Stapel = figur.Farbstapel = k;
    figur.Wendefeld = WendefeldVon(farbe);
    figur.Einlauf = EinlaufVon(farbe);
}

void TempoEinstellen(Spielzustand& z, bool turbo) {
    z.Einstellung[2] = turbo ? 50 : 8;
    z.Einstellung[3] = turbo ? 1 : 2;
    z.Einstellung[4] = turbo ? 1 : 2;
}

void StartwerteSetzen(Spielzustand& z, int16_t mitteX, int16_t mitteY, int16_t halbeFigur) {
    z.Massstab = 1.0f;
    z.Einstellung = {};
    TempoEinstellen(z, false);
    z.Einstellung[9] = mitteX;
    z.Einstellung[10] = mitteY;
    z.Einstellung[12] = halbeFigur;
    z.Farbe = {};
    const int eintraege[][2] = {{1, 0},   {2, 7},  {3, 14}, {4, 6},   {5, 8},   {6, 15},
                                {7, 0},   {8, 15}, {9, 3},  {11, 9},  {12, 10}, {13, 5},
                                {14, 12}, {21, 1}, {22, 2}, {23, 13}, {24, 4}};
    for (const auto& e : eintraege)
        z.Farbe[e[0]] = static_cast<int16_t>(e[1]);
    z.Tempo = z.Einstellung[2];
    z.ProgrammFrei = true;
}

int16_t BrettMitte(double innenmass) {
    return static_cast<int16_t>(RundeGerade(innenmass) / 2 + 1);
}

uint32_t QBColor(int index) {
    static const uint32_t palette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                         0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                         0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return palette[index & 15];
}

} // namespace pelu
