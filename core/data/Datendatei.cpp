#include "data/Datendatei.h"

#include <cmath>
#include <utility>

#include "data/Laden.h"
#include "data/Val.h"
#include "state/Rundung.h"

namespace pelu {

namespace {

bool BeginntMitData(std::string_view feld) {
    return feld.substr(0, 4) == "DATA";
}

// Shows a field in a message: shortened and without control characters.
std::string FeldZeigen(std::string_view feld) {
    constexpr std::size_t Hoechstens = 40;
    std::string gezeigt;
    for (const char z : feld.substr(0, Hoechstens)) {
        const auto u = static_cast<unsigned char>(z);
        gezeigt += (u < 0x20 || u == 0x7F) ? '?' : z;
    }
    if (feld.size() > Hoechstens) gezeigt += "...";
    return gezeigt;
}

std::string_view OhneBytereihenfolgemarke(std::string_view text) {
    constexpr std::string_view Marke = "\xEF\xBB\xBF";
    if (text.starts_with(Marke)) text.remove_prefix(Marke.size());
    return text;
}

} // namespace

Datendatei::Datendatei(std::string_view text, std::string dateiname)
    : text_(OhneBytereihenfolgemarke(text)), dateiname_(std::move(dateiname)), leser_(text_) {}

void Datendatei::Fehler(int zeile, const std::string& text) const {
    std::string meldung = dateiname_ + ", Abschnitt \"" + abschnitt_ + "\"";
    if (zeile > 0) meldung += ", Zeile " + std::to_string(zeile);
    throw Ladefehler(meldung + ": " + text);
}

void Datendatei::SucheAbschnitt(const std::string& name) {
    abschnitt_ = name;
    leser_ = Feldleser(text_);
    const std::string kopf = name + ":";
    std::string_view feld;
    while (leser_.NaechstesFeld(feld)) {
        if (feld.substr(0, kopf.size()) == kopf) return;
    }
    Fehler(0, "Die Überschrift \"" + kopf +
                  "\" fehlt. Sie muss genau so geschrieben sein, "
                  "in Kleinbuchstaben und ohne Leerzeichen vor dem Doppelpunkt.");
}

double Datendatei::LiesWert(std::string_view beiDateiende) {
    std::string_view feld;
    auto dateiende = [&](int ueberspringenAb) {
        std::string text(beiDateiende);
        if (ueberspringenAb > 0)
            text += " Nach der Kommentar- oder Leerzeile in Zeile " +
                    std::to_string(ueberspringenAb) +
                    " beginnt kein Feld mehr mit \"DATA\"; Werte müssen in DATA-Zeilen stehen.";
        Fehler(leser_.LetzteZeile(), text);
    };
    while (true) {
        if (!leser_.NaechstesFeld(feld)) dateiende(0);
        if (feld.empty() || feld.front() == '\'') {
            const int ab = leser_.FeldZeile();
            do {
                if (!leser_.NaechstesFeld(feld)) dateiende(ab);
            } while (!BeginntMitData(feld));
        }
        const std::string_view wert = BeginntMitData(feld) ? feld.substr(4) : feld;
        if (!wert.empty()) {
            wertfeld_ = feld;
            wertZeile_ = leser_.FeldZeile();
            return Val(wert);
        }
    }
}

int16_t Datendatei::LiesGanzzahl(std::string_view beiDateiende) {
    const double wert = std::nearbyint(LiesWert(beiDateiende));
    // Also false for NaN; the comparison keeps the cast below defined.
    if (!(wert >= -32768.0 && wert <= 32767.0))
        Fehler(wertZeile_, "Der Wert in \"" + FeldZeigen(wertfeld_) +
                               "\" liegt außerhalb von -32768 bis 32767.");
    return RundeGerade(wert);
}

} // namespace pelu
