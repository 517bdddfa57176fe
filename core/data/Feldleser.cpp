#include "data/Feldleser.h"

namespace pelu {

namespace {

bool IstLeer(char z) {
    return z == ' ' || z == '\t';
}

} // namespace

bool Feldleser::AmZeilenende() const {
    return stelle_ < text_.size() && (text_[stelle_] == '\n' || text_[stelle_] == '\r');
}

// Consumes one line end; CRLF counts as one.
void Feldleser::ZeilenendeUeberspringen() {
    if (text_[stelle_] == '\r' && stelle_ + 1 < text_.size() && text_[stelle_ + 1] == '\n')
        ++stelle_;
    ++stelle_;
    ++zeile_;
}

// Consumes everything up to and including the next comma or line end.
void Feldleser::BisTrennerUeberspringen() {
    while (stelle_ < text_.size()) {
        if (AmZeilenende()) {
            ZeilenendeUeberspringen();
            return;
        }
        if (text_[stelle_++] == ',') return;
    }
}

bool Feldleser::NaechstesFeld(std::string_view& feld) {
    while (stelle_ < text_.size() && IstLeer(text_[stelle_]))
        ++stelle_;
    if (stelle_ >= text_.size()) return false;
    feldZeile_ = zeile_;

    if (text_[stelle_] == '"') {
        const std::size_t anfang = ++stelle_;
        while (stelle_ < text_.size() && text_[stelle_] != '"') {
            if (AmZeilenende()) {
                ZeilenendeUeberspringen();
            } else {
                ++stelle_;
            }
        }
        feld = text_.substr(anfang, stelle_ - anfang);
        if (stelle_ < text_.size()) ++stelle_; // the closing quote
        BisTrennerUeberspringen();
        return true;
    }

    const std::size_t anfang = stelle_;
    while (stelle_ < text_.size() && text_[stelle_] != ',' && !AmZeilenende())
        ++stelle_;
    std::size_t ende = stelle_;
    while (ende > anfang && IstLeer(text_[ende - 1]))
        --ende;
    feld = text_.substr(anfang, ende - anfang);
    if (stelle_ < text_.size()) {
        if (AmZeilenende()) {
            ZeilenendeUeberspringen();
        } else {
            ++stelle_; // the comma
        }
    }
    return true;
}

int Feldleser::LetzteZeile() const {
    int zeilen = 1;
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\n' ||
            (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
            ++zeilen;
    }
    // A line end that closes the text starts no further line.
    if (!text_.empty() && (text_.back() == '\n' || text_.back() == '\r') && zeilen > 1) --zeilen;
    return zeilen;
}

} // namespace pelu
