#include "Netzbefehl.h"

#include <QRegularExpression>

namespace pelu {

namespace {

std::optional<int> Zahl(const QString& text, int bis, int ziffern) {
    static const QRegularExpression nurZiffern(QStringLiteral("^[0-9]+$"));
    if (text.size() > ziffern || !nurZiffern.match(text).hasMatch()) return std::nullopt;
    const int wert = text.toInt();
    return wert <= bis ? std::optional<int>(wert) : std::nullopt;
}

} // namespace

std::optional<quint16> PortLesen(const QString& text) {
    const std::optional<int> port = Zahl(text, 65535, 5);
    return port ? std::optional<quint16>(static_cast<quint16>(*port)) : std::nullopt;
}

std::optional<Netzziel> ZielLesen(const QString& text) {
    Netzziel ziel;
    QString rest;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype ende = text.indexOf(QLatin1Char(']'));
        if (ende < 0) return std::nullopt;
        ziel.Rechner = text.mid(1, ende - 1);
        rest = text.mid(ende + 1);
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':'))) return std::nullopt;
    } else if (text.count(QLatin1Char(':')) == 1) {
        ziel.Rechner = text.section(QLatin1Char(':'), 0, 0);
        rest = QLatin1Char(':') + text.section(QLatin1Char(':'), 1);
    } else {
        // No port, or an IPv6 address without one.
        ziel.Rechner = text;
    }
    if (ziel.Rechner.isEmpty() || ziel.Rechner.contains(QLatin1Char(' '))) return std::nullopt;
    if (!rest.isEmpty()) {
        const std::optional<quint16> port = PortLesen(rest.mid(1));
        if (!port) return std::nullopt;
        ziel.Port = *port;
    }
    return ziel;
}

bool CodeGueltig(const QString& text) {
    return text.size() == 6 && Zahl(text, 999999, 6).has_value();
}

std::optional<int> SpielernummerLesen(const QString& text) {
    const std::optional<int> n = Zahl(text, 4, 1);
    return n && *n >= 1 ? n : std::nullopt;
}

} // namespace pelu
