#include "data/Laden.h"

#include <cmath>

#include "data/Dateiinhalt.h"
#include "data/Datendatei.h"
#include "data/Datentext.h"
#include "state/Rundung.h"
#include "state/Spielzustand.h"

namespace pelu {

namespace {

// File coordinates are relative to the board centre; a unit is 640/600
// pixels wide and 480/330 pixels high.
int16_t InPixel(Datendatei& datei, int16_t wert, float faktor, int16_t mitte, const char* achse) {
    // Two statements, so no compiler fuses them into one rounding step.
    const float produkt = static_cast<float>(wert) * faktor;
    const float pixel = produkt + static_cast<float>(mitte);
    const float gerundet = std::nearbyint(pixel);
    if (!(gerundet >= -32768.0f && gerundet <= 32767.0f))
        datei.Fehler(datei.WertZeile(),
                     {Ladetext::KoordinateAussen, {std::string(achse), std::to_string(wert)}});
    return RundeGerade(pixel);
}

int16_t LiesFeldnummer(Datendatei& datei, const Ladesatz& beiDateiende) {
    const int16_t n = datei.LiesGanzzahl(beiDateiende);
    if (n < 0 || n > 130)
        datei.Fehler(datei.WertZeile(), {Ladetext::FeldnummerAussen, {std::to_string(n)}});
    return n;
}

void LadeBilddaten(Datendatei& datei, Tabellen& t, int16_t mitteX, int16_t mitteY) {
    const float waagrecht = 640.0f / 600.0f * Massstab;
    const float senkrecht = 480.0f / 330.0f * Massstab;
    datei.SucheAbschnitt("bilddaten");
    int16_t n = LiesFeldnummer(datei, {Ladetext::EndeVorErstemSatz, {}});
    while (true) {
        const Ladesatz imSatz{Ladetext::EndeImSatz, {std::to_string(n)}};
        auto* zeile = t.Bilddaten[n];
        zeile[1] = datei.LiesGanzzahl(imSatz);
        for (int j = 2; j <= 8; j += 2) {
            zeile[j] = InPixel(datei, datei.LiesGanzzahl(imSatz), waagrecht, mitteX, "x");
            zeile[j + 1] = InPixel(datei, datei.LiesGanzzahl(imSatz), senkrecht, mitteY, "y");
        }
        zeile[10] = datei.LiesGanzzahl(imSatz);
        n = LiesFeldnummer(datei, {Ladetext::EndeNachSatz, {std::to_string(n)}});
        if (n == 0) break;
    }
}

void LadeTabellen(Datendatei& datei, Tabellen& t) {
    datei.SucheAbschnitt("bankdaten");
    for (int i = 1; i <= 12; ++i)
        t.Bankdaten[i] = datei.LiesGanzzahl({Ladetext::EndeInBankdaten, {std::to_string(i - 1)}});
    datei.SucheAbschnitt("taktikdaten");
    for (int i = 1; i <= 36; ++i) {
        const Ladesatz fehlt{Ladetext::EndeInTaktikdaten, {std::to_string(i)}};
        for (int j = 0; j <= 2; ++j)
            t.Taktikdaten[i][j] = datei.LiesGanzzahl(fehlt);
    }
}

} // namespace

namespace {

// The sentences in one, framed by the file, section and line.
std::string Zusammensetzen(const std::string& datei, const std::string& abschnitt, int zeile,
                           const std::vector<Ladesatz>& saetze,
                           const std::function<std::string(Ladetext)>& vorlage) {
    std::string grund;
    for (const Ladesatz& satz : saetze)
        grund += (grund.empty() ? "" : " ") + Einsetzen(vorlage(satz.text), satz.werte);
    if (zeile > 0)
        return Einsetzen(vorlage(Ladetext::RahmenZeile),
                         {datei, abschnitt, std::to_string(zeile), grund});
    return Einsetzen(vorlage(Ladetext::Rahmen), {datei, abschnitt, grund});
}

std::string Deutsch(Ladetext text) {
    return Ladevorlage(text);
}

} // namespace

Ladefehler::Ladefehler(std::string datei, std::string abschnitt, int zeile,
                       std::vector<Ladesatz> saetze)
    : std::runtime_error(Zusammensetzen(datei, abschnitt, zeile, saetze, Deutsch)),
      datei_(std::move(datei)), abschnitt_(std::move(abschnitt)), zeile_(zeile),
      saetze_(std::move(saetze)) {}

std::string Ladefehler::Meldung(const std::function<std::string(Ladetext)>& vorlage) const {
    return Zusammensetzen(datei_, abschnitt_, zeile_, saetze_, vorlage);
}

[[noreturn]] void OeffnenFehlgeschlagen(const std::string& datei, Ladesatz grund) {
    throw Ladefehler(datei, "bilddaten", 0, {std::move(grund)});
}

Tabellen DatentextLaden(const std::string& text, const std::string& dateiname, int16_t mitteX,
                        int16_t mitteY) {
    Tabellen t;
    Datendatei datei(text, dateiname);
    LadeBilddaten(datei, t, mitteX, mitteY);
    LadeTabellen(datei, t);
    return t;
}

Tabellen DatendateiLaden(const std::string& datei, int16_t mitteX, int16_t mitteY) {
    return DatentextLaden(DateiinhaltLesen(datei), datei, mitteX, mitteY);
}

} // namespace pelu
