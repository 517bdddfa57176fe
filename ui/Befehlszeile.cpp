#include "Befehlszeile.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#ifndef PELU_VERSION
#error "PELU_VERSION (the program's version) is set by the build"
#endif

namespace pelu {

namespace {

const char* const Hilfe =
    "Aufruf: pelu [--spieler P1,P2,P3,P4] [--anbieten[=PORT]]\n"
    "       pelu --beitreten RECHNER[:PORT] --code CODE [--als N]\n"
    "       pelu --help | --version\n"
    "\n"
    "Das Brettspiel Pelu mit Tarro.\n"
    "\n"
    "  --spieler P1,P2,P3,P4  Spielerwerte der Farben 1 bis 4 beim Start: 0 nicht im\n"
    "                         Spiel, 1 bis 4 Spieler, 5 bis 8 Computer (Vorgabe 1,5,6,7)\n"
    "  --anbieten[=PORT]      das Spiel anderen Fenstern auf PORT anbieten (Vorgabe\n"
    "                         47474, 0: ein freier); schreibt \"anbieten PORT CODE\"\n"
    "  --beitreten RECHNER[:PORT]  dem Spiel beitreten, das RECHNER anbietet\n"
    "  --code CODE            der sechsstellige Code des anbietenden Fensters\n"
    "  --als N                beigetreten als Spieler N (1 bis 4, Vorgabe 1)\n"
    "  --help                 diese Hilfe\n"
    "  --version              die Version\n";

Befehlszeile Fehler(const QString& text) {
    return {Befehlszeile::Aktion::Fehler, std::nullopt, QStringLiteral("pelu: ") + text, {}};
}

// "P1,P2,P3,P4", each 0..8.
std::optional<std::array<int16_t, 4>> SpielerwerteLesen(const QString& text) {
    const QStringList teile = text.split(QLatin1Char(','));
    if (teile.size() != 4) return std::nullopt;
    std::array<int16_t, 4> werte{};
    for (int i = 0; i < 4; ++i) {
        bool zahl = false;
        const int wert = teile[i].toInt(&zahl);
        // toInt takes blanks and a sign; a value is plain digits.
        if (!zahl || teile[i].trimmed() != teile[i] || teile[i].startsWith(QLatin1Char('+')) ||
            wert < 0 || wert > 8)
            return std::nullopt;
        werte[static_cast<size_t>(i)] = static_cast<int16_t>(wert);
    }
    return werte;
}

// The argument as given that the parser's option name `name` came from.
QString Argument(const QString& name, const QStringList& argumente) {
    for (const QString& argument : argumente) {
        QString kern = argument.section(QLatin1Char('='), 0, 0);
        while (kern.startsWith(QLatin1Char('-')))
            kern.remove(0, 1);
        if (argument.startsWith(QLatin1Char('-')) && kern == name) return argument;
    }
    return name;
}

// The parser's complaint in the program's words; its own text names the
// argument too, but in English.
QString ParserFehler(const QCommandLineParser& leser, const QStringList& argumente) {
    if (!leser.unknownOptionNames().isEmpty())
        return QStringLiteral("unbekannte Option %1")
            .arg(Argument(leser.unknownOptionNames().first(), argumente));
    const QString text = leser.errorText();
    const qsizetype anfang = text.indexOf(QLatin1Char('\'')),
                    ende = text.lastIndexOf(QLatin1Char('\''));
    if (anfang < 0 || ende <= anfang) return text;
    const QString argument = text.mid(anfang + 1, ende - anfang - 1);
    if (text.startsWith(QLatin1String("Missing value")))
        return QStringLiteral("%1 ohne Wert").arg(argument);
    if (text.startsWith(QLatin1String("Unexpected value")))
        return QStringLiteral("%1 nimmt keinen Wert").arg(argument);
    return text;
}

} // namespace

// --anbieten=PORT taken off the list (its value is optional, which the
// parser cannot read), leaving --anbieten; the value in `port`.
QStringList AnbietenAbtrennen(const QStringList& argumente, std::optional<QString>& port) {
    static const QRegularExpression mitWert(QStringLiteral("^--?anbieten="));
    QStringList rest;
    for (const QString& a : argumente) {
        const QRegularExpressionMatch treffer = mitWert.match(a);
        if (!treffer.hasMatch()) {
            rest << a;
            continue;
        }
        port = a.mid(treffer.capturedLength());
        rest << QStringLiteral("--anbieten");
    }
    return rest;
}

// The network options, once the parser has read them.
std::optional<QString> NetzLesen(const QCommandLineParser& leser,
                                 const std::optional<QString>& anbietenPort, Netzauftrag& netz) {
    const bool anbieten = leser.isSet(QStringLiteral("anbieten"));
    const bool beitreten = leser.isSet(QStringLiteral("beitreten"));
    if (anbieten) {
        netz.Anbieten = anbietenPort ? PortLesen(*anbietenPort) : std::optional<quint16>(47474);
        if (!netz.Anbieten)
            return QStringLiteral("--anbieten=%1: erwartet einen Port von 0 bis 65535")
                .arg(*anbietenPort);
    }
    for (const char* nur : {"code", "als"})
        if (!beitreten && leser.isSet(QLatin1String(nur)))
            return QStringLiteral("--%1 gilt nur mit --beitreten").arg(QLatin1String(nur));
    if (!beitreten) return std::nullopt;
    if (anbieten) return QStringLiteral("--beitreten und --anbieten zusammen");
    if (leser.isSet(QStringLiteral("spieler")))
        return QStringLiteral("--spieler gilt nicht mit --beitreten");
    const QString ort = leser.value(QStringLiteral("beitreten"));
    const std::optional<Netzziel> ziel = ZielLesen(ort);
    if (!ziel)
        return QStringLiteral("--beitreten %1: erwartet RECHNER oder RECHNER:PORT mit einem "
                              "Port von 0 bis 65535")
            .arg(ort);
    if (!leser.isSet(QStringLiteral("code"))) return QStringLiteral("--beitreten ohne --code");
    const QString code = leser.value(QStringLiteral("code"));
    if (!CodeGueltig(code)) return QStringLiteral("--code %1: erwartet sechs Ziffern").arg(code);
    std::optional<int> als = 1;
    if (leser.isSet(QStringLiteral("als"))) {
        als = SpielernummerLesen(leser.value(QStringLiteral("als")));
        if (!als)
            return QStringLiteral("--als %1: erwartet einen Spieler von 1 bis 4")
                .arg(leser.value(QStringLiteral("als")));
    }
    netz.Beitreten = Beitrittsdaten{ziel->Rechner, ziel->Port, code, *als};
    return std::nullopt;
}

Befehlszeile BefehlszeileLesen(const QStringList& eingabe) {
    std::optional<QString> anbietenPort;
    const QStringList argumente = AnbietenAbtrennen(eingabe, anbietenPort);
    QCommandLineParser leser;
    const QCommandLineOption hilfe(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption spieler(QStringLiteral("spieler"), QString(), QStringLiteral("P"));
    const QCommandLineOption anbieten(QStringLiteral("anbieten"));
    const QCommandLineOption beitreten(QStringLiteral("beitreten"), QString(), QStringLiteral("R"));
    const QCommandLineOption code(QStringLiteral("code"), QString(), QStringLiteral("C"));
    const QCommandLineOption als(QStringLiteral("als"), QString(), QStringLiteral("N"));
    leser.addOptions({hilfe, version, spieler, anbieten, beitreten, code, als});
    // "-spieler" is read as "--spieler", not as the short options s, p, ...
    leser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The parser's own list begins with the program.
    if (!leser.parse(QStringList{QStringLiteral("pelu")} + argumente))
        return Fehler(ParserFehler(leser, eingabe));
    if (!leser.positionalArguments().isEmpty())
        return Fehler(
            QStringLiteral("unerwartetes Argument %1").arg(leser.positionalArguments().first()));
    for (const QCommandLineOption* option :
         {&hilfe, &version, &spieler, &anbieten, &beitreten, &code, &als})
        if (leser.optionNames().count(option->names().constLast()) > 1)
            return Fehler(
                QStringLiteral("--%1 ist mehrfach angegeben").arg(option->names().constLast()));
    if (leser.isSet(hilfe))
        return {Befehlszeile::Aktion::Hilfe, std::nullopt, QString::fromUtf8(Hilfe), {}};
    if (leser.isSet(version))
        return {Befehlszeile::Aktion::Version,
                std::nullopt,
                QStringLiteral("pelu " PELU_VERSION "\n"),
                {}};
    Befehlszeile befehl;
    if (leser.isSet(spieler)) {
        befehl.spieler = SpielerwerteLesen(leser.value(spieler));
        if (!befehl.spieler)
            return Fehler(QStringLiteral("--spieler %1: erwartet vier Spielerwerte von 0 bis 8, "
                                         "durch Kommas getrennt")
                              .arg(leser.value(spieler)));
    }
    if (const std::optional<QString> fehler = NetzLesen(leser, anbietenPort, befehl.netz))
        return Fehler(*fehler);
    return befehl;
}

} // namespace pelu
