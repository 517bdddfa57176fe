#pragma once
#include <QFont>
#include <QString>

namespace pelu {

// Fonts of the window design mapped onto fonts every Linux desktop has
// (Debian fonts-liberation), metrically compatible with the originals.
QString SchriftfamilieFuer(const QString& entwurfsname);

// Design font by its design name, point size and weight.
QFont Entwurfsschrift(const QString& entwurfsname, double punkt, bool fett = false);

// The font of controls without a font of their own.
QFont Standardschrift();

} // namespace pelu
