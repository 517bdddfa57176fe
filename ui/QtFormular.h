#pragma once

#include "Entwurf.h"
#include "board/Brettzeichnen.h"
#include "game/Formular.h"
#include "game/Zeitgeber.h"

namespace pelu {

class Spielerwahl;

// The form as the game sees it, on the controls of the main window. The
// timers are whichever the owner hands in: QTimers, or a virtual clock whose
// ticks the owner delivers itself (tests).
class QtFormular : public Formular {
  public:
    QtFormular(Bedienelemente& elemente, Spielerwahl& wahl, Zeitgeber& zeitgeber);

    void InfoSetzen(std::string_view text, int16_t textfarbe) override;
    void ZuganzeigeSetzen(int farbe, std::string_view text, int16_t hintergrund,
                          int16_t textfarbe) override;
    void RangSetzen(int farbe, std::string_view text) override;
    void WuerfelZeichnen(int farbe, int16_t wert) override;
    void WuerfelVerstecken(int farbe) override;
    void FigurSichtbar(int figur, bool sichtbar) override;
    void FigurBewegen(int figur, float links, float oben) override;
    void FigurNachVorn(int figur) override;
    void ProgrammTimerAn(bool an) override;
    void ProgrammTimerIntervall(int millisekunden) override;
    void FahrTimerAn(bool an) override;
    void Spielknoepfe(Knopfzustand zustand) override;
    void SpielerwahlSichtbar(bool sichtbar) override;
    int16_t Spielerwert(int farbe) override;

  private:
    Bedienelemente& e_;
    Spielerwahl& wahl_;
    Zeitgeber& zeitgeber_;
};

} // namespace pelu
