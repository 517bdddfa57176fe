// Draws the pictures the window shows at start at device pixel ratio 1 and
// writes them as a C++ table for the program (Vorgemalt.h):
//   bildmaler DATEI
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "Bilder.h"
#include "vorab/Quelltabelle.h"

namespace {

QByteArray Tabelleneintrag(const QString& schluessel, const QPixmap& bild, int nummer,
                           QByteArray& daten) {
    const QImage pixel = bild.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QByteArray name = "bild" + QByteArray::number(nummer);
    // 32-bit rows have no padding: the rows one after another.
    daten += pelu::vorab::Bytefeld(
        name, QByteArrayView(pixel.constBits(), static_cast<qsizetype>(pixel.sizeInBytes())));
    return "    {\"" + schluessel.toLatin1() + "\", " + QByteArray::number(pixel.width()) + ", " +
           QByteArray::number(pixel.height()) + ", " + name + "},\n";
}

} // namespace

int main(int argc, char** argv) {
    // No screen is needed to draw into a picture.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: bildmaler DATEI\n");
        return 2;
    }
    QByteArray daten, tabelle;
    int nummer = 0;
    using pelu::Symbol;
    for (Symbol symbol : {Symbol::MannFrau, Symbol::Computer, Symbol::Pfeil, Symbol::Stopp,
                          Symbol::Fragezeichen, Symbol::Kreuz, Symbol::Brett})
        for (int groesse : {32, 16})
            tabelle += Tabelleneintrag(pelu::SymbolSchluessel(symbol, groesse, 1.0),
                                       pelu::SymbolBild(symbol, groesse), nummer++, daten);
    for (int farbe = 1; farbe <= 4; ++farbe)
        tabelle += Tabelleneintrag(pelu::FigurSchluessel(farbe, 1.0), pelu::FigurBild(farbe),
                                   nummer++, daten);
    const QByteArray quelle =
        "// Written by bildmaler: the pictures of the start, drawn.\n"
        "#include \"Vorgemalt.h\"\n\nnamespace pelu {\nnamespace {\n" +
        daten +
        "} // namespace\n\nextern const VorgemaltesBild "
        "VorgemalteBilder[] = {\n" +
        tabelle + "};\nextern const int VorgemalteBilderAnzahl = " + QByteArray::number(nummer) +
        ";\n\n} // namespace pelu\n";
    return pelu::vorab::QuelleSchreiben("bildmaler", argv[1], quelle);
}
