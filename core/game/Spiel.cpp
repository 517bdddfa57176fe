#include "game/Spiel.h"

#include "rules/Stellungsaufbau.h"

namespace pelu {

Spiel::Spiel(const Tabellen& tabellen, Formular& form, Zufallsquelle& zufall, int16_t halbeFigur)
    : daten_(tabellen), form_(form),
      zufall_(zufall), taktik_{Taktik(tabellen), Taktik(tabellen), Taktik(tabellen),
                               Taktik(tabellen), Taktik(tabellen)},
      plaetze_(tabellen) {
    StartwerteSetzen(z_, halbeFigur);
}

void Spiel::TaktikSetzen(int farbe, const Tabellen& taktik) {
    if (IstFarbe(farbe)) taktik_[static_cast<std::size_t>(farbe)] = Taktik(taktik);
}

bool Spiel::Waehlbar(int figur) const {
    return IstFigur(figur) && a_.Ziele[figur].Zielfeld >= 1 && z_.Figur[figur].Spieler >= 1 &&
           !z_.Fertig[static_cast<std::size_t>(FarbeVonFigur(figur))];
}

bool Spiel::Spielt(int farbe) const {
    return z_.Figur[LetzteFigur(farbe)].Spieler > 0 && !z_.Fertig[static_cast<std::size_t>(farbe)];
}

void Spiel::BeobachterSetzen(Spielbeobachter* beobachter) {
    beobachter_ = beobachter != nullptr ? beobachter : &stumm_;
}

void Spiel::Initialisierung() {
    Initialisierung(zufall_);
}

void Spiel::Initialisierung(Zufallsquelle& anlaufZufall) {
    ProgrammTimer(false);
    FahrTimer(false);
    Spielknoepfe(Knopfzustand::Ruhe);
    const Lagebild lage(z_.Figur);
    for (int16_t farbe = 1; farbe <= FarbAnzahl; ++farbe)
        WuerfelWerfen(farbe, anlaufZufall, lage);
}

void Spiel::BefehlStart() {
    if (knoepfe_ == Knopfzustand::Spiel) return;
    // A stopped game may still be finishing its turn: cut its animation off
    // so nothing of the old turn is written over the new game.
    if (fahrTimerAn_) FahrTimer(false);
    Spielknoepfe(Knopfzustand::Spiel);
    form_.SpielerwahlSichtbar(false);
    z_.Stopp = false;
    z_.Spielphase = Phase::Start;
    ProgrammTimer(true);
}

void Spiel::BefehlStopp() {
    if (knoepfe_ != Knopfzustand::Spiel) return;
    Spielknoepfe(Knopfzustand::Auslauf);
    z_.Stopp = true;
}

void Spiel::BefehlHilfe() {
    if (z_.Hilfsfigur > 0) z_.Blinken = true;
}

void Spiel::BefehlFigurenwahl() {
    if (knoepfe_ != Knopfzustand::Ruhe) return;
    z_.Figur = {};
    z_.Fertig = {};
    a_.Ziele = {};
    a_.Heimschicken = {};
    form_.SpielerwahlSichtbar(true);
}

void Spiel::FigurenHinstellen(int16_t feld, const std::vector<int16_t>& figuren) {
    pelu::FigurenHinstellen(z_.Figur, daten_, feld, figuren);
}

void Spiel::BefehlTurbo(bool an) {
    TempoEinstellen(z_, an);
    form_.ProgrammTimerIntervall(an ? ProgrammintervallTurbo : Programmintervall);
}

void Spiel::KlickFigur(int figur) {
    if (Waehlbar(figur)) z_.Gewaehlt = static_cast<int16_t>(figur);
}

bool Spiel::MausUeberFigur(int figur) {
    if (!Waehlbar(figur)) return false;
    // A blinking proposal must never be left hidden.
    if (z_.Hilfsfigur > 0) form_.FigurSichtbar(z_.Hilfsfigur, true);
    z_.Blinken = false;
    return true;
}

void Spiel::ProgrammTimer(bool an) {
    programmTimerAn_ = an;
    form_.ProgrammTimerAn(an);
}

void Spiel::FahrTimer(bool an) {
    fahrTimerAn_ = an;
    form_.FahrTimerAn(an);
}

void Spiel::Spielknoepfe(Knopfzustand zustand) {
    knoepfe_ = zustand;
    form_.Spielknoepfe(zustand);
}

} // namespace pelu
