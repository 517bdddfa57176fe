#pragma once
#include <QByteArray>
#include <QPainterPath>
#include <QString>

namespace pelu {

// The texts the symbols carry. Their outlines are taken from the fonts once
// at build time (umrissmaler), so a start does no font lookup and no text
// shaping for pictures.
inline constexpr const char* SymbolTexte[] = {"STOP", "?"};

// The bold sans-serif outline of `text` at 100 pixels, its base line at y 0,
// straight from the fonts. Empty when there is no font at all.
QPainterPath SchriftUmriss(const QString& text);

// An outline as bytes and back, every point exactly. Bytes that are no
// outline give an empty one.
QByteArray UmrissDaten(const QPainterPath& umriss);
QPainterPath UmrissAusDaten(const QByteArray& daten);

} // namespace pelu
