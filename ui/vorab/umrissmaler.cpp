// Writes the outlines of the symbols' texts, taken from the fonts, as a C++
// table for the game (Umrissdaten.h):
//   umrissmaler DATEI
// A text without any font is left out; the game then asks the fonts itself.
#include <QGuiApplication>
#include <cstdio>

#include "Textumriss.h"
#include "vorab/Quelltabelle.h"

int main(int argc, char** argv) {
    // No screen is needed for outlines.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: umrissmaler DATEI\n");
        return 2;
    }
    QByteArray quelle = "// Written by umrissmaler: outlines of the symbols' texts.\n"
                        "#include \"Umrissdaten.h\"\n\nnamespace pelu {\nnamespace {\n";
    QByteArray tabelle;
    int anzahl = 0;
    for (const char* text : pelu::SymbolTexte) {
        const QPainterPath umriss = pelu::SchriftUmriss(QString::fromUtf8(text));
        if (umriss.isEmpty()) continue;
        const QByteArray daten = pelu::UmrissDaten(umriss);
        quelle += pelu::vorab::Bytefeld("umriss" + QByteArray::number(anzahl), daten);
        tabelle += "    {\"" + QByteArray(text) + "\", umriss" + QByteArray::number(anzahl) + ", " +
                   QByteArray::number(daten.size()) + "},\n";
        ++anzahl;
    }
    quelle += "} // namespace\n\nextern const GespeicherterUmriss GespeicherteUmrisse[] = {\n" +
              tabelle + (anzahl ? "" : "    {\"\", nullptr, 0},\n") + "};\n" +
              "extern const int GespeicherteUmrissAnzahl = " + QByteArray::number(anzahl) +
              ";\n\n} // namespace pelu\n";
    return pelu::vorab::QuelleSchreiben("umrissmaler", argv[1], quelle);
}
