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

// Sub-steps of phase Ziehen.
enum class Folge { Start, WartenEndepos, WartenEndeReorg, Ende };

const char* PhasenText(Phase phase);

// Indexes of the settings in Einstellung; the other entries carry nothing.
enum Einstellungsnummer : std::size_t {
    EinstFahrschritt = 2,  // animation step in pixels (doubled for a figure sent home)
    EinstWartetakte = 3,   // program ticks before each roll
    EinstAnzeigetakte = 4, // program ticks a computer's roll stays shown
    EinstHalbeFigur = 12,  // half the figure image size, to centre it on a slot
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
    int16_t Wartezaehler = 0;
    bool Stopp = false;
    bool ProgrammFrei = false;
    bool FahrenFrei = false;
    bool FahrenEnde = false;
    float Tempo = 0.0f;
    std::array<int16_t, FarbAnzahl + 1> Zugzahl{}; // 1..4
    int16_t AktSpieler = 0;
    int16_t AktFigur = 0;
    int16_t Gewaehlt = 0;
    int16_t Hilfsfigur = 0;
    bool Blinken = false;
    std::array<int16_t, 21> Einstellung{}; // settings; see the named indexes above

    int16_t AktFarbe = 0;
    int16_t Wurfzahl = 0;
};

// Applies the start-up values that the window layout sets once at load:
// the settings (normal pace), the figure half size, Tempo and ProgrammFrei.
// `halbeFigur` is (figure image width - 1) \ 2.
void StartwerteSetzen(Spielzustand& z, int16_t halbeFigur);

// The pace settings: animation step length and the waits before a roll and
// before a computer move, normal or turbo.
void TempoEinstellen(Spielzustand& z, bool turbo);

// Board centre from the inner size of the board picture box:
// (size rounded) \ 2 + 1.
int16_t BrettMitte(double innenmass);

} // namespace pelu
