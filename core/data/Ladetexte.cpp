#include "data/Ladetexte.h"

#include <iterator>

namespace pelu {

namespace {

constexpr const char* Vorlagen[] = {
    PELU_UEBERSETZBAR("Ladefehler", "%1, Abschnitt \"%2\": %3"),
    PELU_UEBERSETZBAR("Ladefehler", "%1, Abschnitt \"%2\", Zeile %3: %4"),
    PELU_UEBERSETZBAR("Ladefehler", "Die Datei wurde nicht gefunden. Sie muss im aktuellen Ordner "
                                    "liegen oder mit ihrem Pfad angegeben werden."),
    PELU_UEBERSETZBAR("Ladefehler", "Das ist ein Ordner, keine Datei."),
    PELU_UEBERSETZBAR("Ladefehler",
                      "Die Datei lässt sich nicht lesen. Fehlt die Leseberechtigung?"),
    PELU_UEBERSETZBAR("Ladefehler", "Die Datei ist zu groß (über 16 MB); eine Datendatei hat nur "
                                    "wenige Kilobyte. Ist es die richtige Datei?"),
    PELU_UEBERSETZBAR("Ladefehler",
                      "Hier kommt eine Sekunde lang nichts an: Das ist keine gewöhnliche Datei, "
                      "sondern eine Pipe oder ein Gerät, in das niemand schreibt."),
    PELU_UEBERSETZBAR("Ladefehler", "Die Datei liegt weder im aktuellen Ordner noch im "
                                    "Datenordner des Spiels (%1)."),
    PELU_UEBERSETZBAR("Ladefehler",
                      "Die Überschrift \"%1\" fehlt. Sie muss genau so geschrieben sein, in "
                      "Kleinbuchstaben und ohne Leerzeichen vor dem Doppelpunkt."),
    PELU_UEBERSETZBAR("Ladefehler", "Nach der Kommentar- oder Leerzeile in Zeile %1 beginnt kein "
                                    "Feld mehr mit \"DATA\"; Werte müssen in DATA-Zeilen stehen."),
    PELU_UEBERSETZBAR("Ladefehler", "Der Wert in \"%1\" liegt außerhalb von -32768 bis 32767."),
    PELU_UEBERSETZBAR("Ladefehler", "Die %1-Koordinate %2 liegt so weit außen, dass sie "
                                    "umgerechnet nicht mehr in -32768 bis 32767 Pixel passt."),
    PELU_UEBERSETZBAR("Ladefehler", "Die Feldnummer %1 liegt außerhalb von 0 bis 130."),
    PELU_UEBERSETZBAR("Ladefehler",
                      "Die Datei endet, bevor die Feldnummer des ersten Datensatzes gelesen ist."),
    PELU_UEBERSETZBAR("Ladefehler", "Die Datei endet mitten im Datensatz für Feld %1 (ein "
                                    "Datensatz hat 11 Werte)."),
    PELU_UEBERSETZBAR("Ladefehler", "Die Datei endet nach dem Datensatz für Feld %1, ohne dass "
                                    "die Feldnummer 0 den Abschnitt beendet."),
    PELU_UEBERSETZBAR("Ladefehler",
                      "Die Datei endet, bevor alle 12 Bankfelder gelesen sind (%1 gelesen)."),
    PELU_UEBERSETZBAR("Ladefehler", "Die Datei endet, bevor alle 36 Taktikreihen zu je 3 Werten "
                                    "gelesen sind (Reihe %1 ist unvollständig)."),
};
static_assert(std::size(Vorlagen) == static_cast<std::size_t>(Ladetext::EndeInTaktikdaten) + 1);

} // namespace

const char* Ladevorlage(Ladetext text) {
    return Vorlagen[static_cast<std::size_t>(text)];
}

std::string Einsetzen(std::string_view vorlage, const std::vector<std::string>& werte) {
    std::string text;
    for (std::size_t i = 0; i < vorlage.size(); ++i) {
        const char z = vorlage[i];
        const bool stelle =
            z == '%' && i + 1 < vorlage.size() && vorlage[i + 1] >= '1' && vorlage[i + 1] <= '9';
        const auto nummer = stelle ? static_cast<std::size_t>(vorlage[i + 1] - '1') : 0;
        if (stelle && nummer < werte.size()) {
            text += werte[nummer];
            ++i;
        } else {
            text += z;
        }
    }
    return text;
}

} // namespace pelu
