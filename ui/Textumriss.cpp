#include "Textumriss.h"

#include <QDataStream>
#include <QFont>
#include <QIODevice>

namespace pelu {

QPainterPath SchriftUmriss(const QString& text) {
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                         QStringLiteral("DejaVu Sans")});
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setBold(true);
    schrift.setPixelSize(100);
    QPainterPath pfad;
    pfad.addText(0, 0, schrift, text);
    return pfad;
}

namespace {
constexpr QDataStream::Version Fassung = QDataStream::Qt_6_0;
}

QByteArray UmrissDaten(const QPainterPath& umriss) {
    QByteArray daten;
    QDataStream strom(&daten, QIODevice::WriteOnly);
    strom.setVersion(Fassung);
    strom << umriss;
    return daten;
}

QPainterPath UmrissAusDaten(const QByteArray& daten) {
    QDataStream strom(daten);
    strom.setVersion(Fassung);
    QPainterPath umriss;
    strom >> umriss;
    return strom.status() == QDataStream::Ok ? umriss : QPainterPath();
}

} // namespace pelu
