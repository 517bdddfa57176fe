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

void Datendatei::Fehler(int zeile, std::vector<Ladesatz> saetze) const {
    throw Ladefehler(dateiname_, abschnitt_, zeile, std::move(saetze));
}

void Datendatei::Fehler(int zeile, Ladesatz satz) const {
    Fehler(zeile, std::vector<Ladesatz>{std::move(satz)});
}

void Datendatei::SucheAbschnitt(const std::string& name) {
    abschnitt_ = name;
    leser_ = Feldleser(text_);
    const std::string kopf = name + ":";
    std::string_view feld;
    while (leser_.NaechstesFeld(feld)) {
        if (feld.substr(0, kopf.size()) == kopf) return;
    }
    Fehler(0, {Ladetext::UeberschriftFehlt, {kopf}});
}

double Datendatei::LiesWert(const Ladesatz& beiDateiende) {
    std::string_view feld;
    auto dateiende = [&](int ueberspringenAb) {
        std::vector<Ladesatz> saetze{beiDateiende};
        if (ueberspringenAb > 0)
            saetze.push_back({Ladetext::NurDataZeilen, {std::to_string(ueberspringenAb)}});
        Fehler(leser_.LetzteZeile(), std::move(saetze));
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

int16_t Datendatei::LiesGanzzahl(const Ladesatz& beiDateiende) {
    const double wert = std::nearbyint(LiesWert(beiDateiende));
    // Also false for NaN; the comparison keeps the cast below defined.
    if (!(wert >= -32768.0 && wert <= 32767.0))
        Fehler(wertZeile_, {Ladetext::WertAussen, {FeldZeigen(wertfeld_)}});
    return RundeGerade(wert);
}

} // namespace pelu
