#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "data/Feldleser.h"
#include "data/Ladetexte.h"

namespace pelu {

// The text of a data file, read section by section. Each section is looked
// for from the start of the text again, as if the file were opened anew.
// Every failure throws Ladefehler with the file, the section and the line.
// A UTF-8 byte-order mark that an editor put at the very start is no part
// of the text.
class Datendatei {
  public:
    Datendatei(std::string_view text, std::string dateiname);

    // Starts reading at the top of the text and reads fields until the
    // header `name:` has been read.
    void SucheAbschnitt(const std::string& name);

    // The next value of the section. `beiDateiende` is the message should
    // the text end before a value is found.
    double LiesWert(const Ladesatz& beiDateiende);

    // The next value rounded to a 16-bit integer (ties to even); a value
    // outside -32768..32767 fails.
    int16_t LiesGanzzahl(const Ladesatz& beiDateiende);

    // Line of the field that gave the last value.
    int WertZeile() const { return wertZeile_; }

    // Throws Ladefehler for the current section; `zeile` 0 names no line.
    [[noreturn]] void Fehler(int zeile, std::vector<Ladesatz> saetze) const;
    [[noreturn]] void Fehler(int zeile, Ladesatz satz) const;

  private:
    std::string_view text_;
    std::string dateiname_;
    std::string abschnitt_;
    Feldleser leser_;
    std::string_view wertfeld_;
    int wertZeile_ = 0;
};

} // namespace pelu
