#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <cstdio>

// What the programs that write C++ tables at build time share.
namespace pelu::vorab {

// The definition of the array `name` of the bytes `daten`, sixteen to a line.
inline QByteArray Bytefeld(const QByteArray& name, QByteArrayView daten) {
    QByteArray feld = "const unsigned char " + name + "[] = {";
    for (qsizetype i = 0; i < daten.size(); ++i)
        feld += (i % 16 ? " " : "\n    ") +
                QByteArray::number(static_cast<unsigned char>(daten[i])) + ",";
    return feld + "\n};\n";
}

// Writes `quelle` to the file `pfad`: the exit code, 0 or (told on stderr
// with the program's name) 1.
inline int QuelleSchreiben(const char* programm, const char* pfad, const QByteArray& quelle) {
    QFile datei(QString::fromLocal8Bit(pfad));
    if (datei.open(QIODevice::WriteOnly) && datei.write(quelle) == quelle.size()) return 0;
    std::fprintf(stderr, "%s: %s laesst sich nicht schreiben\n", programm, pfad);
    return 1;
}

} // namespace pelu::vorab
