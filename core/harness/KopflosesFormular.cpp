#include "harness/KopflosesFormular.h"

#include <algorithm>

namespace pelu {

namespace {

// The texts change at the end of every roll, mostly to one of the same
// length (a move count one higher, a cleared info line): those are copied
// over in place, without the general replacement's checks.
void TextSetzen(std::string& ziel, std::string_view text) {
    if (ziel.size() == text.size()) {
        std::copy(text.begin(), text.end(), ziel.begin());
    } else {
        ziel.assign(text);
    }
}

} // namespace

void KopflosesFormular::InfoSetzen(std::string_view text, int16_t textfarbe) {
    TextSetzen(Info, text);
    Infofarbe = textfarbe;
}

void KopflosesFormular::ZuganzeigeSetzen(int farbe, std::string_view text, int16_t hintergrund,
                                         int16_t textfarbe) {
    if (!IstFarbe(farbe)) return;
    Zuganzeigebild& bild = Zuganzeige[farbe];
    TextSetzen(bild.Text, text);
    bild.Hintergrund = hintergrund;
    bild.Textfarbe = textfarbe;
}

void KopflosesFormular::RangSetzen(int farbe, std::string_view text) {
    if (IstFarbe(farbe)) TextSetzen(Rang[farbe], text);
}

void KopflosesFormular::WuerfelZeichnen(int farbe, int16_t wert) {
    if (IstFarbe(farbe)) Wuerfel[farbe] = {true, wert};
}

void KopflosesFormular::WuerfelVerstecken(int farbe) {
    if (IstFarbe(farbe)) Wuerfel[farbe].Sichtbar = false;
}

void KopflosesFormular::FigurSichtbar(int figur, bool sichtbar) {
    if (IstFigur(figur)) Figuren[figur].Sichtbar = sichtbar;
}

void KopflosesFormular::FigurBewegen(int figur, float links, float oben) {
    if (!IstFigur(figur)) return;
    Figuren[figur].Links = links;
    Figuren[figur].Oben = oben;
}

void KopflosesFormular::FigurNachVorn(int figur) {
    if (IstFigur(figur)) VordersteFigur = static_cast<int16_t>(figur);
}

int16_t KopflosesFormular::Spielerwert(int farbe) {
    return IstFarbe(farbe) ? Spielerwerte[farbe] : int16_t{0};
}

} // namespace pelu
