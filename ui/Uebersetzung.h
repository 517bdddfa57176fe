#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

namespace pelu {

class Ladefehler;

// The program's texts are German in the code; other languages come from Qt
// translations embedded in the program (translations/pelu_<language>.ts).

// The contexts of the texts, one per window, one for what the window tells
// assistive tools, one for the texts the game hands the window.
struct Fenstertext {
    Q_DECLARE_TR_FUNCTIONS(Hauptfenster)
};
struct Regelntext {
    Q_DECLARE_TR_FUNCTIONS(RegelnFenster)
};
struct Zugangstext {
    Q_DECLARE_TR_FUNCTIONS(Zugaenglichkeit)
};
struct Spieltext {
    Q_DECLARE_TR_FUNCTIONS(Spiel)
};

// The texts the game shows on the info label, as it sends them.
const std::vector<const char*>& Infotexte();

// Where the translations lie: ":/i18n/pelu_<language>.qm".
QString Uebersetzungsdatei(const QString& sprache);

// The language of the translation that `sprachen` (preferred first, as
// QLocale::uiLanguages gives them, "en-GB" or "en") ask for: the first with
// a translation, unless German, C or POSIX comes before it. Empty: German.
QString UebersetzungWaehlen(const QStringList& sprachen);

// Installs in `anwendung` the translation the system's UI languages ask for
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); the language, or empty for German.
QString UebersetzungLaden(QCoreApplication& anwendung);

// A load error's message in the installed language.
QString Lademeldung(const Ladefehler& fehler);

} // namespace pelu
