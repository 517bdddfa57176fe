#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "game/Formular.h"
#include "harness/VirtuelleUhr.h"
#include "state/Spielzustand.h"

namespace pelu {

// The form without a window, for tests and the simulator: records what the
// game shows, keeps its timers on a virtual clock, and gives the player
// values set in `Spielerwerte`.
class KopflosesFormular : public Formular {
  public:
    struct Figurbild {
        bool Sichtbar = false;
        float Links = 0.0f; // top-left corner in board pixels
        float Oben = 0.0f;
    };
    struct Wuerfelbild {
        bool Sichtbar = false;
        int16_t Wert = 0; // face drawn last; 0 = blank
    };
    struct Zuganzeigebild {
        std::string Text;
        int16_t Hintergrund = 0;
        int16_t Textfarbe = 0;
    };

    // The timers; the game switches them through the form.
    VirtuelleUhr Uhr;

    std::string Info;
    int16_t Infofarbe = 0;
    std::array<Zuganzeigebild, FarbAnzahl + 1> Zuganzeige{}; // colours 1..4
    std::array<std::string, FarbAnzahl + 1> Rang{};          // colours 1..4
    std::array<Wuerfelbild, FarbAnzahl + 1> Wuerfel{};       // colours 1..4
    std::array<Figurbild, FigurAnzahl + 1> Figuren{};        // figures 1..16
    int16_t VordersteFigur = 0;                              // figure last brought to the front
    Knopfzustand Knoepfe = Knopfzustand::Ruhe;
    bool SpielerwahlOffen = false;
    // Player values of colours 1..4 (entry 0 unused), as the scroll bars
    // would give them; the defaults of the desktop program.
    std::array<int16_t, FarbAnzahl + 1> Spielerwerte{0, Vorgabespieler[0], Vorgabespieler[1],
                                                     Vorgabespieler[2], Vorgabespieler[3]};

    void InfoSetzen(std::string_view text, int16_t textfarbe) override;
    void ZuganzeigeSetzen(int farbe, std::string_view text, int16_t hintergrund,
                          int16_t textfarbe) override;
    void RangSetzen(int farbe, std::string_view text) override;
    void WuerfelZeichnen(int farbe, int16_t wert) override;
    void WuerfelVerstecken(int farbe) override;
    void FigurSichtbar(int figur, bool sichtbar) override;
    void FigurBewegen(int figur, float links, float oben) override;
    void FigurNachVorn(int figur) override;
    void ProgrammTimerAn(bool an) override { Uhr.ProgrammAn(an); }
    void ProgrammTimerIntervall(int millisekunden) override {
        Uhr.ProgrammIntervall(millisekunden);
    }
    void FahrTimerAn(bool an) override { Uhr.FahrenAn(an); }
    void Spielknoepfe(Knopfzustand zustand) override { Knoepfe = zustand; }
    void SpielerwahlSichtbar(bool sichtbar) override { SpielerwahlOffen = sichtbar; }
    int16_t Spielerwert(int farbe) override;
};

} // namespace pelu
