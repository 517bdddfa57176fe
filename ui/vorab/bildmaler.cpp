// Draws the pictures the window shows at start at device pixel ratio 1 and
// writes them as a C++ table for the program (Vorgemalt.h):
//   bildmaler DATEI
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "Bilder.h"

namespace {

QByteArray Tabelleneintrag(const QString& schluessel, const QPixmap& bild, int nummer,
                           QByteArray& daten) {
    const QImage pixel = bild.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QByteArray name = "bild" + QByteArray::number(nummer);
    daten += "const unsigned char " + name + "[] = {";
    for (int y = 0; y < pixel.height(); ++y) {
        const uchar* zeile = pixel.constScanLine(y);
        for (int i = 0; i < 4 * pixel.width(); ++i)
            daten += (i % 16 ? " " : "\n    ") + QByteArray::number(zeile[i]) + ",";
    }
    daten += "\n};\n";
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
    QFile datei(QString::fromLocal8Bit(argv[1]));
    if (!datei.open(QIODevice::WriteOnly) || datei.write(quelle) != quelle.size()) {
        std::fprintf(stderr, "bildmaler: %s laesst sich nicht schreiben\n", argv[1]);
        return 1;
    }
    return 0;
}
