#include "Schriften.h"

namespace pelu {

QString SchriftfamilieFuer(const QString& entwurfsname) {
    if (entwurfsname.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (entwurfsname.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    return entwurfsname;
}

QFont Entwurfsschrift(const QString& entwurfsname, double punkt, bool fett) {
    QFont schrift(SchriftfamilieFuer(entwurfsname));
    schrift.setPointSizeF(punkt);
    schrift.setBold(fett);
    // Fall back on a font of the same kind when the family is missing.
    schrift.setStyleHint(entwurfsname.startsWith(QLatin1String("Courier"), Qt::CaseInsensitive)
                             ? QFont::TypeWriter
                             : QFont::SansSerif);
    return schrift;
}

QFont Standardschrift() {
    return Entwurfsschrift(QStringLiteral("MS Sans Serif"), 8.25);
}

} // namespace pelu
