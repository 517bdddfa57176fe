#pragma once
#include <cstdint>
#include <string>

#include "game/Spielbeobachter.h"

namespace pelu {

// Writes the game events as trace lines into `Text`, one line per event:
//   spiel N | wurf C W | zug F VF.VP ZF.ZP | heim F VF.VP ZF.ZP |
//   nachruecken F FELD.VP FELD.ZP | 3mal12 C | rang C R | ende Z1 Z2 Z3 Z4 | abbruch
// The owner takes the text away (and clears it) whenever it likes.
class Spielprotokoll : public Spielbeobachter {
  public:
    std::string Text;

    // Lines the game itself cannot know: a game starts, a game is cut off.
    void SpielBeginn(int nummer);
    void Abbruch();

    void Gewuerfelt(int farbe, int16_t wert) override;
    void Gezogen(int figur, int16_t vonFeld, int16_t vonPlatz, int16_t zuFeld,
                 int16_t zuPlatz) override;
    void Heimgeschickt(int figur, int16_t vonFeld, int16_t vonPlatz, int16_t zuFeld,
                       int16_t zuPlatz) override;
    void Nachgerueckt(int figur, int16_t feld, int16_t vonPlatz, int16_t zuPlatz) override;
    void DreimalZwoelf(int farbe) override;
    void Rang(int farbe, int16_t platz) override;
    void Spielende(const std::array<int16_t, FarbAnzahl + 1>& zugzahl) override;

  private:
    void Zahl(int wert);
    void Ort(int feld, int platz);
    void Bewegung(const char* wort, int figur, int vonFeld, int vonPlatz, int zuFeld, int zuPlatz);
};

} // namespace pelu
