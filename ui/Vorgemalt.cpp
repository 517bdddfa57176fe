#include "Vorgemalt.h"

#include <QImage>
#include <QPixmap>
#include <QPixmapCache>

namespace pelu {

void VorgemalteBilderEinlegen(const VorgemaltesBild* bilder, int anzahl) {
    for (int i = 0; i < anzahl; ++i) {
        const VorgemaltesBild& b = bilder[i];
        const QImage bild(b.daten, b.breite, b.hoehe, 4 * b.breite,
                          QImage::Format_ARGB32_Premultiplied);
        QPixmapCache::insert(QString::fromLatin1(b.schluessel), QPixmap::fromImage(bild));
    }
}

} // namespace pelu
