#include "Uebersetzung.h"

#include <QFile>
#include <QLocale>
#include <QTranslator>

#include "data/Laden.h"

namespace pelu {

const std::vector<const char*>& Infotexte() {
    static const std::vector<const char*> texte = {
        QT_TRANSLATE_NOOP("Spiel", "Start"),
        QT_TRANSLATE_NOOP("Spiel", "Wählen"),
        QT_TRANSLATE_NOOP("Spiel", " 3 mal 12"),
        QT_TRANSLATE_NOOP("Spiel", "Ende"),
    };
    return texte;
}

QString Uebersetzungsdatei(const QString& sprache) {
    return QStringLiteral(":/i18n/pelu_%1.qm").arg(sprache);
}

QString UebersetzungWaehlen(const QStringList& sprachen) {
    for (QString sprache : sprachen) {
        sprache.replace(QLatin1Char('-'), QLatin1Char('_'));
        // "en_GB" falls back to "en"; German is the texts' own language.
        const QString grund = sprache.section(QLatin1Char('_'), 0, 0);
        if (grund == QLatin1String("de") || grund == QLatin1String("C") ||
            grund == QLatin1String("POSIX"))
            return {};
        for (const QString& name : {sprache, grund})
            if (QFile::exists(Uebersetzungsdatei(name))) return name;
    }
    return {};
}

QString UebersetzungLaden(QCoreApplication& anwendung) {
    const QString sprache = UebersetzungWaehlen(QLocale::system().uiLanguages());
    if (sprache.isEmpty()) return {};
    auto* uebersetzung = new QTranslator(&anwendung);
    if (!uebersetzung->load(Uebersetzungsdatei(sprache)) ||
        !QCoreApplication::installTranslator(uebersetzung)) {
        delete uebersetzung;
        return {};
    }
    return sprache;
}

QString Lademeldung(const Ladefehler& fehler) {
    return QString::fromStdString(fehler.Meldung([](Ladetext text) {
        // The texts are marked in the core (Ladetexte.cpp), not here.
        constexpr const char* kontext = "Ladefehler";
        return QCoreApplication::translate(kontext, Ladevorlage(text)).toStdString();
    }));
}

} // namespace pelu
