#include "Umrissdaten.h"

#include "Textumriss.h"

namespace pelu {

QPainterPath TextUmriss(const QString& text) {
    for (int i = 0; i < GespeicherteUmrissAnzahl; ++i) {
        const GespeicherterUmriss& umriss = GespeicherteUmrisse[i];
        if (text == QLatin1String(umriss.text))
            return UmrissAusDaten(QByteArray::fromRawData(
                reinterpret_cast<const char*>(umriss.daten), umriss.laenge));
    }
    return SchriftUmriss(text);
}

} // namespace pelu
