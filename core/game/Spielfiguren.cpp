#include "board/Platzkoordinaten.h"
#include "game/Spiel.h"
#include "rules/Wurf.h"

namespace pelu {

int16_t Spiel::WuerfelWerfen(int16_t farbNr, Zufallsquelle& zufall, const Lagebild& lage) {
    const int16_t wurf = WurfWert(lage, farbNr, zufall);
    form_.WuerfelZeichnen(farbNr, wurf);
    return wurf;
}

void Spiel::FigurPlatzieren(int16_t figur, int16_t feld, int16_t platz) {
    const Punkt p = plaetze_(feld, platz);
    const int16_t halb = z_.Einstellung.HalbeFigur;
    form_.FigurBewegen(figur, static_cast<int16_t>(p.x - halb), static_cast<int16_t>(p.y - halb));
}

void Spiel::FigurenAufstellen() {
    for (int c = 1; c <= FarbAnzahl; ++c) {
        for (int16_t k = 1; k <= 4; ++k) {
            const auto f = static_cast<int16_t>(ErsteFigur(c) + k - 1);
            const auto d = z_.Figur[f];
            FigurHeimStellen(d, c, k);
            form_.FigurSichtbar(f, d.Spieler > 0);
            if (d.Spieler > 0) {
                FigurPlatzieren(f, d.Feld, k);
                d.Zustand = ZustandHeim;
            }
        }
    }
}

void Spiel::FahrtStarten(int16_t figur, int16_t zielFeld, int16_t zielPlatz) {
    const auto d = z_.Figur[figur];
    fahrt_ = FahrtAnlegen(plaetze_, figur, d.Feld, d.Platz, zielFeld, zielPlatz, z_.Tempo);
    form_.FigurNachVorn(figur);
    FahrTimer(true);
}

void Spiel::FahrTakt() {
    if (!fahrTimerAn_) return;
    const auto schluessel = fahrSperre_.Betreten();
    if (!schluessel) return;
    FahrtSchritt();
}

int Spiel::WartendeFahrschritte() const {
    const bool wartet =
        z_.Spielphase == Phase::Ziehen &&
        (z_.Folgephase == Folge::WartenEndepos || z_.Folgephase == Folge::WartenEndeReorg) &&
        fahrTimerAn_;
    return wartet ? fahrt_.Schrittzahl - fahrt_.Schrittnummer : 0;
}

void Spiel::FahrtVorspulen(int16_t schritte) {
    if (schritte < 1 || schritte >= WartendeFahrschritte()) return;
    fahrt_.Schrittnummer = static_cast<int16_t>(fahrt_.Schrittnummer + schritte);
}

void Spiel::FahrtSchritt() {
    const Fahrtpunkt p = FahrtWeiter(fahrt_);
    const auto halb = static_cast<float>(z_.Einstellung.HalbeFigur);
    form_.FigurBewegen(fahrt_.FahrFigur, p.x - halb, p.y - halb);
    if (p.Letzter) {
        FahrTimer(false);
        FahrtAngekommen();
    }
}

void Spiel::FahrtAngekommen() {
    if (z_.Folgephase == Folge::WartenEndepos) z_.Folgephase = Folge::Endepos;
    if (z_.Folgephase == Folge::WartenEndeReorg) z_.Folgephase = Folge::EndeReorg;
}

} // namespace pelu
