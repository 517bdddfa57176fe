#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "board/Fahrt.h"
#include "game/Formular.h"
#include "game/Sperre.h"
#include "game/Spielbeobachter.h"
#include "rules/Lagebild.h"
#include "rules/Taktik.h"
#include "rules/Zugregeln.h"
#include "state/Figurenmenge.h"
#include "state/Spielzustand.h"
#include "state/Tabellen.h"
#include "state/Zufall.h"

namespace pelu {

// The state machine's own variables, kept between ticks.
struct Ablaufvariablen {
    int16_t Wurf = 0;           // die value of the last roll; 0 = none yet in this turn
    int16_t Schritte = 0;       // fields to move for this roll (12 for a 6)
    int16_t Zugfeld = 0;        // target field of the animation under way
    int16_t Zugplatz = 0;       // target slot of the animation under way
    int16_t Nachrueckfigur = 0; // figure moving down into the vacated slot; 0 = none
    int16_t Heimfigur = 0;      // figure being sent home; 0 = none
    pelu::Spielstand Spielstand = Spielstand::Weiter;
    int16_t Rangzaehler = 0; // players ranked so far in this game
    // Targets of the last roll; they stay until the next roll, so a click
    // between rolls still sees them. A figure being sent home gets its home.
    Zugziele Ziele{};
    Figurenmenge Heimschicken; // figures still to be sent home
};

// One game table: the game state, the phase state machine, the animation
// and every command handler. The owner of the form forwards its events
// here and decides when timer ticks arrive.
//
// Timer contract: the game switches the timers only through the form
// (ProgrammTimerAn, ProgrammTimerIntervall, FahrTimerAn). The owner delivers
// ProgrammTakt while the program timer is on and FahrTakt while the
// animation timer is on; a tick delivered while the game has switched that
// timer off is ignored.
class Spiel {
  public:
    // `tabellen` must be loaded; the tables, the form and the random source
    // must outlive the game. The figure half size comes from the window
    // layout; the start-up values are applied here.
    Spiel(const Tabellen& tabellen, Formular& form, Zufallsquelle& zufall, int16_t halbeFigur = 7);
    Spiel(const Spiel&) = delete;
    Spiel& operator=(const Spiel&) = delete;

    // Optional observer of game events (the simulator's trace); nullptr
    // removes it. It must outlive the game or be removed first.
    void BeobachterSetzen(Spielbeobachter* beobachter);

    // The tables whose tactic rows the computer's choice uses when colour
    // `farbe` rolls (by default the game's own); for pitting two tactic
    // tables against each other. `taktik` must outlive the game and hold
    // the same bench fields.
    void TaktikSetzen(int farbe, const Tabellen& taktik);

    // Start-up: timers off, idle buttons, one roll per colour so every die
    // shows a face before the first game. The second form takes the start-up
    // rolls from another source, so a scripted source is not consumed.
    void Initialisierung();
    void Initialisierung(Zufallsquelle& anlaufZufall);

    // Commands. Start works when idle or while a stopped game finishes its
    // turn (that turn is cut off: its animation ends at once and nothing of
    // it is written any more); stop only while a game runs; the assignment
    // only when idle. Commands at other moments are ignored.
    void BefehlStart();
    void BefehlStopp();
    void BefehlHilfe();
    void BefehlFigurenwahl();
    void BefehlTurbo(bool an);

    // Whether the player may pick `figur` now: it can move with this roll
    // and its colour is in play. A click on it records the choice.
    bool Waehlbar(int figur) const;

    // Mouse on a figure image (figure 1..16; other numbers are ignored).
    // MausUeberFigur returns true when the hand pointer is to be shown.
    void KlickFigur(int figur);
    bool MausUeberFigur(int figur);

    // Timer ticks: one state machine step, one animation step.
    void ProgrammTakt();
    void FahrTakt();

    // While the state machine does nothing but wait for the end of a move,
    // the animation steps still to come; 0 at any other moment. Program
    // ticks before the last of them change nothing, so an owner that needs
    // no pictures in between may pass over all but the last step with
    // FahrtVorspulen (the image then jumps).
    int WartendeFahrschritte() const;
    void FahrtVorspulen(int16_t schritte);

    const Spielzustand& Zustand() const { return z_; }

    // For tests: moves `figuren` onto `feld` in this order, as if each had
    // arrived there in a game (see FigurenHinstellen of the rules).
    void FigurenHinstellen(int16_t feld, const std::vector<int16_t>& figuren);
    const Tabellen& Daten() const { return daten_; }
    const Fahrt& Fahrtzustand() const { return fahrt_; }

  private:
    // The state machine (Spielablauf.cpp).
    void Spielablauf();
    void PhaseStart();
    void PhaseWuerfelleer();
    void PhaseWuerfeln();
    void PhaseWuerfelAnzeigezeit();
    void PhaseWartenFigurwahl();
    void PhaseZiehen();
    void PhasePutzen();
    void PhaseNaechsterSpielzug();
    void PhaseSpielende();
    // Marks the figures the move of AktFigur sends home.
    void OpferMarkieren(const Lagebild& lage);

    // Players, ranking and displays (Spielanzeige.cpp).
    void LiesSpieler();
    void Rangfolge();
    void ZeigeInfo(int16_t farbNr, const char* text);
    void ZeigeZugzahl();

    // Dice, figures and animation (Spielfiguren.cpp).
    int16_t WuerfelWerfen(int16_t farbNr, Zufallsquelle& zufall, const Lagebild& lage);
    void FigurPlatzieren(int16_t figur, int16_t feld, int16_t platz);
    void FigurenAufstellen();
    void FahrtStarten(int16_t figur, int16_t zielFeld, int16_t zielPlatz);
    void FahrtSchritt();
    // The animation's end: the waiting sub-step of Ziehen moves on to its arrival.
    void FahrtAngekommen();
    // Whether colour `farbe` takes its turns: in play and not yet ranked.
    bool Spielt(int farbe) const;

    void ProgrammTimer(bool an);
    void FahrTimer(bool an);
    void Spielknoepfe(Knopfzustand zustand);

    const Tabellen& daten_;
    Formular& form_;
    Zufallsquelle& zufall_;
    std::array<Taktik, FarbAnzahl + 1> taktik_; // by colour 1..4 (entry 0 unused)
    Platztabelle plaetze_;
    Spielbeobachter stumm_;
    Spielbeobachter* beobachter_ = &stumm_;

    Spielzustand z_;
    Ablaufvariablen a_;
    Fahrt fahrt_;
    Knopfzustand knoepfe_ = Knopfzustand::Ruhe;
    Sperre programmSperre_; // one state machine step at a time
    Sperre fahrSperre_;     // one animation step at a time
    bool programmTimerAn_ = false;
    bool fahrTimerAn_ = false;
    // Counts the move display shows; -1: not shown in this game yet.
    std::array<int16_t, FarbAnzahl + 1> gezeigteZugzahl_{-1, -1, -1, -1, -1};
};

} // namespace pelu
