#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "game/Spielprotokoll.h"
#include "harness/Skriptwuerfel.h"

namespace pelu {

// What one game gave.
struct Spielergebnis {
    bool abgebrochen = false;
    int64_t wuerfe = 0;
    int64_t zuege = 0;
    std::array<int16_t, pelu::FarbAnzahl + 1> platz{}; // colours 1..4; 0 = no place
    Augenzaehlung gezogen{};                           // faces of every draw
    Augenzaehlung gezeigt{};                           // faces shown, after the extra tries for a 5
    std::string protokoll;                             // the trace lines, when asked for
};

// Counts what a game gives into its result and writes the trace when asked
// to. Between Beginnen and Beenden the result's trace buffer is borrowed, so
// its memory is reused from game to game.
class Spielzaehler : public pelu::Spielprotokoll {
  public:
    Spielzaehler(const Skriptwuerfel& wuerfel, bool schreiben)
        : wuerfel_(wuerfel), schreiben_(schreiben) {}

    void Beginnen(int nummer, Spielergebnis& ergebnis);
    void Beenden(bool abgebrochen);
    int64_t Wuerfe() const { return ergebnis_->wuerfe; }

    void Gewuerfelt(int farbe, int16_t wert) override;
    void Gezogen(int figur, int16_t vf, int16_t vp, int16_t zf, int16_t zp) override;
    void Heimgeschickt(int figur, int16_t vf, int16_t vp, int16_t zf, int16_t zp) override;
    void Nachgerueckt(int figur, int16_t feld, int16_t vp, int16_t zp) override;
    void DreimalZwoelf(int farbe) override;
    void Rang(int farbe, int16_t rang) override;
    void Spielende(const std::array<int16_t, pelu::FarbAnzahl + 1>& zugzahl) override;

  private:
    const Skriptwuerfel& wuerfel_;
    bool schreiben_;
    Spielergebnis leer_;
    Spielergebnis* ergebnis_ = &leer_;
};

} // namespace pelu
