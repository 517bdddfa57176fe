#pragma once
#include <cstddef>
#include <string_view>

namespace pelu {

// Splits a text into fields the way sequential "Input #" of a text value
// does: fields end at a comma or a line end (LF, CR or CRLF); blanks and
// tabs before a field are skipped, trailing ones dropped; a field that
// begins with a double quote runs to the next double quote (commas and line
// ends included) and anything after that quote up to the next comma or line
// end is discarded; an empty line gives an empty field.
class Feldleser {
  public:
    explicit Feldleser(std::string_view text) : text_(text) {}

    // Reads the next field into `feld` (a view into the text); false at the
    // end of the text, where no further field begins.
    bool NaechstesFeld(std::string_view& feld);

    // Line (from 1) on which the field last read began.
    int FeldZeile() const { return feldZeile_; }

    // Last line of the text, where the end of the file stands.
    int LetzteZeile() const;

  private:
    bool AmZeilenende() const;
    void ZeilenendeUeberspringen();
    void BisTrennerUeberspringen();

    std::string_view text_;
    std::size_t stelle_ = 0;
    int zeile_ = 1;
    int feldZeile_ = 0;
};

} // namespace pelu
