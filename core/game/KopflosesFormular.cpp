#include "game/KopflosesFormular.h"

namespace pelu {

namespace {

// Numbers outside the controls' index range are dropped, never stored.
bool Farbindex(int farbe) {
    return farbe >= 1 && farbe <= FarbAnzahl;
}
bool Figurindex(int figur) {
    return figur >= 1 && figur <= FigurAnzahl;
}

} // namespace

void KopflosesFormular::InfoSetzen(const std::string& text, int16_t textfarbe) {
    Info = text;
    Infofarbe = textfarbe;
}

void KopflosesFormular::ZuganzeigeSetzen(int farbe, const std::string& text, int16_t hintergrund,
                                         int16_t textfarbe) {
    if (!Farbindex(farbe)) return;
    // Assigned in place: this runs at the end of every roll.
    Zuganzeigebild& bild = Zuganzeige[farbe];
    bild.Text.assign(text);
    bild.Hintergrund = hintergrund;
    bild.Textfarbe = textfarbe;
}

void KopflosesFormular::RangSetzen(int farbe, const std::string& text) {
    if (Farbindex(farbe)) Rang[farbe] = text;
}

void KopflosesFormular::WuerfelZeichnen(int farbe, int16_t wert) {
    if (Farbindex(farbe)) Wuerfel[farbe] = {true, wert};
}

void KopflosesFormular::WuerfelVerstecken(int farbe) {
    if (Farbindex(farbe)) Wuerfel[farbe].Sichtbar = false;
}

void KopflosesFormular::FigurSichtbar(int figur, bool sichtbar) {
    if (Figurindex(figur)) Figuren[figur].Sichtbar = sichtbar;
}

void KopflosesFormular::FigurBewegen(int figur, float links, float oben) {
    if (!Figurindex(figur)) return;
    Figuren[figur].Links = links;
    Figuren[figur].Oben = oben;
}

void KopflosesFormular::FigurNachVorn(int figur) {
    if (Figurindex(figur)) VordersteFigur = static_cast<int16_t>(figur);
}

int16_t KopflosesFormular::Spielerwert(int farbe) {
    return Farbindex(farbe) ? Spielerwerte[farbe] : int16_t{0};
}

} // namespace pelu
