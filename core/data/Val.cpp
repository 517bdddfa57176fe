#include "data/Val.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>

namespace pelu {

namespace {

bool IstUebergangen(char z) {
    return z == ' ' || z == '\t' || z == '\n' || z == '\r';
}

// Hands out the characters of a text with the ignored ones left out.
class Zeichenquelle {
  public:
    explicit Zeichenquelle(std::string_view text) : text_(text) { Weiter(); }
    bool Ende() const { return stelle_ >= text_.size(); }
    char Zeichen() const { return Ende() ? '\0' : text_[stelle_]; }
    void Nimm() {
        ++stelle_;
        Weiter();
    }

  private:
    void Weiter() {
        while (stelle_ < text_.size() && IstUebergangen(text_[stelle_]))
            ++stelle_;
    }
    std::string_view text_;
    std::size_t stelle_ = 0;
};

int Ziffernwert(char z) {
    if (z >= '0' && z <= '9') return z - '0';
    if (z >= 'a' && z <= 'f') return z - 'a' + 10;
    if (z >= 'A' && z <= 'F') return z - 'A' + 10;
    return 99;
}

// &H and &O numbers are read as unsigned; a double simply runs to
// infinity for absurdly many digits.
double BasisZahl(Zeichenquelle& q, int basis) {
    double wert = 0.0;
    while (!q.Ende() && Ziffernwert(q.Zeichen()) < basis) {
        wert = wert * basis + Ziffernwert(q.Zeichen());
        q.Nimm();
    }
    return wert;
}

bool IstZiffer(char z) {
    return z >= '0' && z <= '9';
}

} // namespace

double Val(std::string_view text) {
    Zeichenquelle q(text);
    if (q.Zeichen() == '&') {
        q.Nimm();
        const char art = q.Zeichen();
        if (art == 'H' || art == 'h') {
            q.Nimm();
            return BasisZahl(q, 16);
        }
        if (art == 'O' || art == 'o') {
            q.Nimm();
            return BasisZahl(q, 8);
        }
        return 0.0;
    }

    // Collect a clean decimal number for from_chars, which ignores the locale.
    std::string zahl;
    if (q.Zeichen() == '+' || q.Zeichen() == '-') {
        if (q.Zeichen() == '-') zahl += '-';
        q.Nimm();
    }
    // Decimal exponent of the leading digit, to tell overflow from underflow.
    long groesse = 0;
    bool ziffernGesehen = false;
    bool nurNullen = true;
    while (IstZiffer(q.Zeichen())) {
        zahl += q.Zeichen();
        if (q.Zeichen() != '0') nurNullen = false;
        if (!nurNullen && groesse < 1000000) ++groesse;
        ziffernGesehen = true;
        q.Nimm();
    }
    if (q.Zeichen() == '.') {
        zahl += '.';
        q.Nimm();
        while (IstZiffer(q.Zeichen())) {
            zahl += q.Zeichen();
            if (nurNullen && q.Zeichen() == '0' && groesse > -1000000) --groesse;
            if (q.Zeichen() != '0') nurNullen = false;
            ziffernGesehen = true;
            q.Nimm();
        }
    }
    if (!ziffernGesehen || nurNullen) return 0.0;

    long exponent = 0;
    const char e = q.Zeichen();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        q.Nimm();
        bool negativ = false;
        if (q.Zeichen() == '+' || q.Zeichen() == '-') {
            negativ = q.Zeichen() == '-';
            q.Nimm();
        }
        while (IstZiffer(q.Zeichen())) {
            if (exponent < 1000000) exponent = exponent * 10 + (q.Zeichen() - '0');
            q.Nimm();
        }
        if (negativ) exponent = -exponent;
        zahl += 'e' + std::to_string(exponent);
    }

    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    (void)ende;
    if (fehler == std::errc::result_out_of_range) {
        if (groesse + exponent <= 0) return 0.0;
        const double unendlich = std::numeric_limits<double>::infinity();
        return zahl[0] == '-' ? -unendlich : unendlich;
    }
    return wert;
}

} // namespace pelu
