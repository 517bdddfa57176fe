// Draws the board symbol of the window icon as PNG files for the desktop's
// icon theme, so the installed icon is the very picture the window shows:
//   symbolmaler GROESSE DATEI [GROESSE DATEI ...]
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "Bilder.h"

int main(int argc, char** argv) {
    // No screen is needed to draw into a picture.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "Aufruf: symbolmaler GROESSE DATEI [GROESSE DATEI ...]\n");
        return 2;
    }
    for (int i = 1; i + 1 < argc; i += 2) {
        bool zahl = false;
        const int groesse = QString::fromLocal8Bit(argv[i]).toInt(&zahl);
        if (!zahl || groesse < 1 || groesse > 1024) {
            std::fprintf(stderr, "symbolmaler: Groesse '%s' ist keine Zahl von 1 bis 1024\n",
                         argv[i]);
            return 2;
        }
        if (!pelu::SymbolBild(pelu::Symbol::Brett, groesse)
                 .save(QString::fromLocal8Bit(argv[i + 1]), "PNG")) {
            std::fprintf(stderr, "symbolmaler: %s laesst sich nicht schreiben\n", argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
