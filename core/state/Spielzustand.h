#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "state/Farben.h"
#include "state/Figurentabelle.h"
#include "state/Spielfelder.h"

namespace pelu {

// Puts figure k (1..4) of colour `farbe` into its set-up place: home field,
// slot and arrival orders k, the colour's constants. Player and state are
// left to the caller.
void FigurHeimStellen(FigurZeile<int16_t> figur, int farbe, int16_t k);

// Phases of the state machine; PhasenText gives each phase's name.
enum class Phase {
    Keine,
    Start,
    Wuerfelleer,
    Wuerfeln,
    WuerfelAnzeigezeit,
    WartenFigurwahl,
    Ziehen,
    Putzen,
    NaechsterSpielzug,
    Spielende,
};

// Sub-steps of phase Ziehen. The animation's end moves a waiting sub-step on
// to its arrival (WartenEndepos to Endepos, WartenEndeReorg to EndeReorg);
// the next program tick takes it from there.
enum class Folge { Start, WartenEndepos, Endepos, WartenEndeReorg, EndeReorg, Ende };

const char* PhasenText(Phase phase);

// What the ranking found: play goes on, or every player in play has finished.
enum class Spielstand : int16_t { Weiter = 1, AlleFertig = 3 };

// Player values run 0 (colour not in play), 1..4 (human players 1..4),
// 5..8 (computer players 1..4).
constexpr bool IstComputer(int spieler) {
    return spieler > 4;
}

// The settings the game reads; the window layout sets them at load, the
// turbo box changes the pace.
struct Einstellungen {
    int16_t Fahrschritt = 0;  // animation step in pixels (doubled for a figure sent home)
    int16_t Wartetakte = 0;   // program ticks before each roll
    int16_t Anzeigetakte = 0; // program ticks a computer's roll stays shown
    int16_t HalbeFigur = 0;   // half the figure image size, to centre it on a slot
};

// Intervals of the program timer (normal and turbo) and of the animation
// timer, in milliseconds.
constexpr int Programmintervall = 200;
constexpr int ProgrammintervallTurbo = 50;
constexpr int Fahrintervall = 50;

// The global scale of the board; the window is never scaled.
constexpr float Massstab = 1.0f;

// The centre of the desktop program's board in its pixels (inner area
// 597 x 547); the data file's coordinates are relative to it.
constexpr int16_t BrettmitteX = 299;
constexpr int16_t BrettmitteY = 274;

// Player values of colours 1..4 at start-up: colour 1 human player 1,
// colours 2..4 computer players 1..3.
constexpr std::array<int16_t, FarbAnzahl> Vorgabespieler = {1, 5, 6, 7};

// The shared variables of the game.
struct Spielzustand {
    Figurentabelle Figur{};

    Phase Spielphase = Phase::Keine;
    Folge Folgephase = Folge::Start;
    int16_t Wartezaehler = 0; // countdown of the waits before a roll and of a shown roll
    int16_t Blinkzaehler = 0; // ticks the proposal has blinked, modulo 3
    bool Stopp = false;
    float Tempo = 0.0f;
    std::array<int16_t, FarbAnzahl + 1> Zugzahl{}; // 1..4
    int16_t AktSpieler = 0;
    int16_t AktFigur = 0;
    int16_t Gewaehlt = 0;
    int16_t Hilfsfigur = 0;
    bool Blinken = false;
    Einstellungen Einstellung;
    // Colours 1..4 whose player has been ranked: they are out of play, as
    // their figures' player value still tells whose they are.
    std::array<bool, FarbAnzahl + 1> Fertig{};

    int16_t AktFarbe = 0;
    int16_t Wurfzahl = 0;
};

// Applies the start-up values that the window layout sets once at load:
// the settings (normal pace), the figure half size and Tempo.
// `halbeFigur` is (figure image width - 1) \ 2.
void StartwerteSetzen(Spielzustand& z, int16_t halbeFigur);

// The pace settings: animation step length and the waits before a roll and
// before a computer move, normal or turbo.
void TempoEinstellen(Spielzustand& z, bool turbo);

// Board centre from the inner size of the board picture box:
// (size rounded) \ 2 + 1.
int16_t BrettMitte(double innenmass);

} // namespace pelu
