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
        datei.Fehler(datei.WertZeile(), std::string("Die ") + achse + "-Koordinate " +
                                            std::to_string(wert) +
                                            " liegt so weit außen, dass sie umgerechnet nicht "
                                            "mehr in -32768 bis 32767 Pixel passt.");
    return RundeGerade(pixel);
}

int16_t LiesFeldnummer(Datendatei& datei, std::string_view beiDateiende) {
    const int16_t n = datei.LiesGanzzahl(beiDateiende);
    if (n < 0 || n > 130)
        datei.Fehler(datei.WertZeile(),
                     "Die Feldnummer " + std::to_string(n) + " liegt außerhalb von 0 bis 130.");
    return n;
}

void LadeBilddaten(Datendatei& datei, Tabellen& t, int16_t mitteX, int16_t mitteY) {
    const float waagrecht = 640.0f / 600.0f * Massstab;
    const float senkrecht = 480.0f / 330.0f * Massstab;
    datei.SucheAbschnitt("bilddaten");
    int16_t n = LiesFeldnummer(
        datei, "Die Datei endet, bevor die Feldnummer des ersten Datensatzes gelesen ist.");
    while (true) {
        const std::string imSatz = "Die Datei endet mitten im Datensatz für Feld " +
                                   std::to_string(n) + " (ein Datensatz hat 11 Werte).";
        auto* zeile = t.Bilddaten[n];
        zeile[1] = datei.LiesGanzzahl(imSatz);
        for (int j = 2; j <= 8; j += 2) {
            zeile[j] = InPixel(datei, datei.LiesGanzzahl(imSatz), waagrecht, mitteX, "x");
            zeile[j + 1] = InPixel(datei, datei.LiesGanzzahl(imSatz), senkrecht, mitteY, "y");
        }
        zeile[10] = datei.LiesGanzzahl(imSatz);
        n = LiesFeldnummer(datei, "Die Datei endet nach dem Datensatz für Feld " +
                                      std::to_string(n) +
                                      ", ohne dass die Feldnummer 0 den Abschnitt beendet.");
        if (n == 0) break;
    }
}

void LadeTabellen(Datendatei& datei, Tabellen& t) {
    datei.SucheAbschnitt("bankdaten");
    for (int i = 1; i <= 12; ++i)
        t.Bankdaten[i] =
            datei.LiesGanzzahl("Die Datei endet, bevor alle 12 Bankfelder gelesen sind (" +
                               std::to_string(i - 1) + " gelesen).");
    datei.SucheAbschnitt("taktikdaten");
    for (int i = 1; i <= 36; ++i) {
        const std::string fehlt = "Die Datei endet, bevor alle 36 Taktikreihen zu je 3 Werten "
                                  "gelesen sind (Reihe " +
                                  std::to_string(i) + " ist unvollständig).";
        for (int j = 0; j <= 2; ++j)
            t.Taktikdaten[i][j] = datei.LiesGanzzahl(fehlt);
    }
}

} // namespace

[[noreturn]] void OeffnenFehlgeschlagen(const std::string& datei, const std::string& grund) {
    throw Ladefehler(datei + ", Abschnitt \"bilddaten\": " + grund);
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
