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

void FigurHeimStellen(FigurZeile<int16_t> figur, int farbe, int16_t k) {
    figur.Feld = figur.Heimfeld = HeimfeldVon(farbe);
    figur.Platz = figur.Stapel = figur.Farbstapel = k;
    figur.Wendefeld = WendefeldVon(farbe);
    figur.Einlauf = EinlaufVon(farbe);
}

void TempoEinstellen(Spielzustand& z, bool turbo) {
    z.Einstellung.Fahrschritt = turbo ? 50 : 8;
    z.Einstellung.Wartetakte = turbo ? 1 : 2;
    z.Einstellung.Anzeigetakte = turbo ? 1 : 2;
}

void StartwerteSetzen(Spielzustand& z, int16_t halbeFigur) {
    z.Einstellung = {};
    TempoEinstellen(z, false);
    z.Einstellung.HalbeFigur = halbeFigur;
    z.Tempo = z.Einstellung.Fahrschritt;
}

int16_t BrettMitte(double innenmass) {
    return static_cast<int16_t>(RundeGerade(innenmass) / 2 + 1);
}

} // namespace pelu
