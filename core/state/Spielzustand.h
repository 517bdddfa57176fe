#pragma once
#include <array>
#include <cstdint>

namespace pelu {

// Numbering of the game.
constexpr int FarbAnzahl = 4;
constexpr int FigurAnzahl = 16;

// Whether a number names a colour (1..4) or a figure (1..16); numbers from
// outside are ignored by whoever receives them.
constexpr bool IstFarbe(int farbe) {
    return farbe >= 1 && farbe <= FarbAnzahl;
}
constexpr bool IstFigur(int figur) {
    return figur >= 1 && figur <= FigurAnzahl;
}

constexpr int FarbeVonFigur(int figur) {
    return (figur - 1) / 4 + 1;
}
constexpr int ErsteFigur(int farbe) {
    return 4 * farbe - 3;
}
constexpr int LetzteFigur(int farbe) {
    return 4 * farbe;
}

// Per-colour constants of the board.
constexpr int16_t WendefeldVon(int farbe) {
    return farbe == 1 ? 68 : static_cast<int16_t>(17 * (farbe - 1));
}
constexpr int16_t EinlaufVon(int farbe) {
    return static_cast<int16_t>(69 + 7 * (farbe - 1));
}
constexpr int16_t HeimfeldVon(int farbe) {
    return static_cast<int16_t>(100 + farbe);
}
constexpr int16_t ZielfeldVon(int farbe) {
    return static_cast<int16_t>(104 + farbe);
}

// States of a figure (Zustand).
enum : int16_t {
    ZustandAusserSpiel = 0,
    ZustandHeim = 1,
    ZustandBank = 2,
    ZustandStrecke = 3,
    ZustandEinlauf = 4,
    ZustandZiel = 5,
};

// One row of the figure table: what describes a figure, by the game's
// attribute names. What one roll computes for it (its target, the figures
// its move would send home, the computer's ratings) is returned by the rules
// as a result instead.
struct FigurDaten {
    int16_t Feld = 0;
    int16_t Platz = 0;
    int16_t Weg = 0;
    int16_t Zustand = 0;
    int16_t Spieler = 0;
    int16_t Wendefeld = 0;
    int16_t Einlauf = 0;
    int16_t Stapel = 0;
    int16_t Heimfeld = 0;
    int16_t Farbstapel = 0;
};

// The figure table, indexed by figure number 1..16 (row 0 is never used).
// Cleared in one step with `Figur = {}`.
using Figurentabelle = std::array<FigurDaten, FigurAnzahl + 1>;

// Puts figure k (1..4) of colour `farbe` into its set-up place: home field,
// slot and arrival orders k, the colour's constants. Player and state are
// left to the caller.
void FigurHeimStellen(FigurDaten& figur, int farbe, int16_t k);

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
    std::array<int16_t, 21> Einstellung{};
    std::array<int16_t, 31> Farbe{}; // palette indexes
    float Massstab = 0.0f;

    int16_t AktFarbe = 0;
    int16_t Wurfzahl = 0;
};

// Applies the start-up values that the window layout sets once at load:
// scale, settings (normal pace), board centre, figure half size, colour
// table, Tempo and ProgrammFrei. `mitteX`/`mitteY` are the board centre,
// `halbeFigur` is (figure image width - 1) \ 2.
void StartwerteSetzen(Spielzustand& z, int16_t mitteX, int16_t mitteY, int16_t halbeFigur);

// The pace settings: animation step length (Einstellung 2) and the waits
// before a roll (3) and before a computer move (4), normal or turbo.
void TempoEinstellen(Spielzustand& z, bool turbo);

// Board centre from the inner size of the board picture box:
// (size rounded) \ 2 + 1.
int16_t BrettMitte(double innenmass);

// The 16-colour palette, index 0..15, as 0xRRGGBB.
uint32_t QBColor(int index);

} // namespace pelu
