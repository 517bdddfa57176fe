// The window in English beside German: which language the system's UI
// languages choose, a finished English translation of every text, an English
// window whose texts fit their controls, and load errors told in English and,
// without a translation, exactly as the loader words them.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <fstream>
#include <set>

#include "Testfenster.h"
#include "Uebersetzung.h"
#include "data/Datentext.h"
#include "data/Laden.h"

namespace pelu::test {
namespace {

// The English translation installed while it lives.
struct Englisch {
    QTranslator uebersetzung;
    Englisch() {
        EXPECT_TRUE(uebersetzung.load(Uebersetzungsdatei(QStringLiteral("en"))));
        QCoreApplication::installTranslator(&uebersetzung);
    }
    ~Englisch() { QCoreApplication::removeTranslator(&uebersetzung); }
};

TEST(Uebersetzung, DieErsteBevorzugteSpracheMitUebersetzungOderDeutsch) {
    const std::pair<QStringList, QString> faelle[] = {
        {{"en-US", "en-Latn-US", "en"}, "en"},
        {{"en-GB", "en-Latn-GB"}, "en"},
        {{"en"}, "en"},
        {{"fr", "fr-Latn-FR", "fr-FR", "en", "en-Latn-US"}, "en"}, // LANGUAGE=fr:en
        {{"de-DE", "de-Latn-DE", "de", "en"}, ""},                 // German before English
        {{"de"}, ""},
        {{"fr", "fr-FR"}, ""}, // no translation: the German texts
        {{"C"}, ""},
        {{"POSIX"}, ""},
        {{"C", "en"}, ""},
        {{}, ""},
    };
    for (const auto& [sprachen, sprache] : faelle)
        EXPECT_EQ(UebersetzungWaehlen(sprachen), sprache) << sprachen.join(',').toStdString();
}

// One message of a .ts file.
struct Eintrag {
    QString kontext, quelle, uebersetzung, art;
};

std::vector<Eintrag> TsEintraege(const QString& datei) {
    QFile ts(datei);
    EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << datei.toStdString();
    QXmlStreamReader xml(&ts);
    std::vector<Eintrag> eintraege;
    QString kontext;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) kontext = xml.readElementText();
        if (xml.name() == QLatin1String("message")) eintraege.push_back({kontext, {}, {}, {}});
        if (xml.name() == QLatin1String("source")) eintraege.back().quelle = xml.readElementText();
        if (xml.name() == QLatin1String("translation")) {
            eintraege.back().art = xml.attributes().value(QLatin1String("type")).toString();
            eintraege.back().uebersetzung = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return eintraege;
}

QStringList Stellen(const QString& text) {
    QStringList stellen;
    for (const auto& treffer : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        stellen << treffer.captured();
    stellen.sort();
    return stellen;
}

// Every text of every translation finished (neither unfinished nor
// obsolete), with the same places for values, and the compiled translation
// gives each one.
TEST(Uebersetzung, JederTextFertigUebersetzt) {
    const QDir ordner(QStringLiteral(PELU_QUELLORDNER "/translations"));
    const QStringList dateien = ordner.entryList({QStringLiteral("pelu_*.ts")});
    EXPECT_TRUE(dateien.contains(QStringLiteral("pelu_en.ts")));
    for (const QString& datei : dateien) {
        SCOPED_TRACE(datei.toStdString());
        const std::vector<Eintrag> eintraege = TsEintraege(ordner.filePath(datei));
        EXPECT_GE(eintraege.size(), 90u);
        QTranslator kompiliert;
        ASSERT_TRUE(kompiliert.load(Uebersetzungsdatei(datei.mid(5).chopped(3))));
        for (const Eintrag& e : eintraege) {
            SCOPED_TRACE((e.kontext + QLatin1Char('/') + e.quelle).toStdString());
            EXPECT_EQ(e.art, QString());
            EXPECT_FALSE(e.uebersetzung.trimmed().isEmpty());
            EXPECT_EQ(Stellen(e.uebersetzung), Stellen(e.quelle));
            EXPECT_EQ(kompiliert.translate(e.kontext.toUtf8(), e.quelle.toUtf8()), e.uebersetzung);
        }
    }
    QTranslator englisch;
    ASSERT_TRUE(englisch.load(Uebersetzungsdatei(QStringLiteral("en"))));
    // The texts the game sends and every sentence of a load error among them.
    for (const char* text : Infotexte())
        EXPECT_FALSE(englisch.translate("Spiel", text).isEmpty()) << text;
    for (int t = 0; t <= static_cast<int>(Ladetext::EndeInTaktikdaten); ++t)
        EXPECT_FALSE(
            englisch.translate("Ladefehler", Ladevorlage(static_cast<Ladetext>(t))).isEmpty())
            << Ladevorlage(static_cast<Ladetext>(t));
}

// Every text a widget carries: caption, tooltip, accessible name and
// description, window title, printed text; in the order of the widgets.
QStringList Texte(QWidget& fenster) {
    QList<QWidget*> widgets{&fenster};
    widgets += fenster.findChildren<QWidget*>();
    QStringList texte;
    for (QWidget* w : widgets) {
        texte << w->windowTitle() << w->toolTip() << w->accessibleName()
              << w->accessibleDescription();
        if (auto* label = qobject_cast<QLabel*>(w)) texte << label->text();
        if (auto* knopf = qobject_cast<QAbstractButton*>(w)) texte << knopf->text();
        if (auto* feld = qobject_cast<Druckfeld*>(w)) texte << feld->GedruckteTexte();
    }
    return texte;
}

// A text with a word in it is English under the English translation: it
// differs from the German one, bar the few words both languages share.
void PruefeEnglisch(const QStringList& deutsch, const QStringList& englisch) {
    ASSERT_EQ(deutsch.size(), englisch.size());
    const QStringList gleich = {"Turbo", "Start", "Pelu mit Tarro  V1.2",
                                " Pelu mit Tarro Vb.1.2   (6.1.03) "};
    int woerter = 0;
    for (qsizetype i = 0; i < deutsch.size(); ++i) {
        SCOPED_TRACE(deutsch[i].toStdString() + " | " + englisch[i].toStdString());
        EXPECT_FALSE(englisch[i].contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]"))));
        if (!deutsch[i].contains(QRegularExpression(QStringLiteral("[A-Za-z]"))) ||
            gleich.contains(deutsch[i]))
            continue;
        ++woerter;
        EXPECT_NE(englisch[i], deutsch[i]);
    }
    EXPECT_GE(woerter, 10);
}

TEST(Uebersetzung, HauptfensterUndRegelnEnglisch) {
    Testfenster deutsch;
    ASSERT_TRUE(deutsch.geladen);
    RegelnFenster deutscheRegeln;
    const Englisch englisch;
    Testfenster t;
    ASSERT_TRUE(t.geladen);
    RegelnFenster regeln;
    PruefeEnglisch(Texte(deutsch.f()), Texte(t.f()));
    PruefeEnglisch(Texte(deutscheRegeln), Texte(regeln));

    EXPECT_EQ(t.f().windowTitle(), QStringLiteral("Pelu mit Tarro  V1.2"));
    EXPECT_EQ(t.e().cmdStart->toolTip(), QStringLiteral("Start game (Ctrl+N)"));
    EXPECT_EQ(t.e().cmdStop->toolTip(), QStringLiteral("Stop/abort game (Ctrl+E)"));
    EXPECT_EQ(t.e().cmdRegeln->text(), QStringLiteral("Rules"));
    EXPECT_EQ(t.e().lblZuganzeigetext->text(), QStringLiteral("Rank Mv."));
    EXPECT_EQ(t.e().imgFigur[13]->accessibleName(), QStringLiteral("Figure Red 2"));
    EXPECT_EQ(t.f().Wahl().vsbSpieler(2)->accessibleName(),
              QStringLiteral("Assignment Purple: Computer 2"));
    EXPECT_EQ(regeln.windowTitle(), QStringLiteral(" Rules"));
    EXPECT_EQ(regeln.cmdSchliessen()->text(), QStringLiteral("Close"));
    const QStringList zeilen = regeln.GedruckteZeilen();
    ASSERT_EQ(zeilen.size(), 17);
    EXPECT_EQ(zeilen[4], QStringLiteral(" RULES of PELU mit TARRO"));
    EXPECT_EQ(
        zeilen[12],
        QStringLiteral(" If more than two figures of one colour are on a field, that counts"));
    EXPECT_EQ(zeilen[13], QStringLiteral(" as a block, namely for all colours.!"));
    EXPECT_EQ(zeilen[15],
              QStringLiteral(" If 3 times 12 is rolled, all figures of this colour are sent"));
    for (int i : {0, 3, 5, 11, 14}) // the blank lines stay blank
        EXPECT_EQ(zeilen[i], QString()) << i;
}

// A whole game in English: the info label shows the game's texts translated
// (a text of the game missing from Infotexte would show in German).
TEST(Uebersetzung, InfotexteImSpielEnglisch) {
    const Englisch englisch;
    Testfenster t(3);
    ASSERT_TRUE(t.geladen);
    t.Spieler({5, 6, 7, 8});
    t.e().chkTurbo->click();
    QStringList erlaubt{QString()};
    for (const char* text : Infotexte())
        erlaubt << Spieltext::tr(text);
    EXPECT_TRUE(erlaubt.contains(QStringLiteral("Choose")));
    EXPECT_TRUE(erlaubt.contains(QStringLiteral(" 3 times 12")));
    std::set<QString> gezeigt;
    Klicken(*t.e().cmdStart);
    ASSERT_TRUE(t.BisRuhe(5'000'000, [&] { gezeigt.insert(t.e().lblInfo->text()); }));
    for (const QString& text : gezeigt)
        EXPECT_TRUE(erlaubt.contains(text)) << text.toStdString();
    EXPECT_TRUE(gezeigt.count(QStringLiteral("End")));
    EXPECT_TRUE(gezeigt.count(QStringLiteral("Start")));
    // A human's roll asks to choose, in the colour's name too.
    t.Spieler({1, 0, 0, 0});
    Klicken(*t.e().cmdStart);
    for (int i = 0; i < 100000 && t.z().Spielphase != Phase::WartenFigurwahl; ++i)
        t.Takt();
    EXPECT_EQ(t.e().lblInfo->text(), QStringLiteral("Choose"));
    EXPECT_EQ(t.e().lblInfo->accessibleName(), QStringLiteral("Choose (Blue)"));
}

// Width a text needs in a control: a label's, a check box's, a button's.
int Breite(const QWidget& w, const QString& text) {
    return QFontMetrics(w.font()).horizontalAdvance(text);
}

void PruefePasst(const QWidget& w, const QString& text, int platz) {
    EXPECT_LE(Breite(w, text), platz) << w.objectName().toStdString() << ": " << text.toStdString();
}

// At the designed size, German and English alike: every caption fits its
// control, every text of the game fits the info label, the rules their box.
TEST(Uebersetzung, JederTextPasstInSeinBedienelement) {
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "German");
        std::optional<Englisch> sprache;
        if (english) sprache.emplace();
        Testfenster t;
        ASSERT_TRUE(t.geladen);
        Bedienelemente& e = t.e();
        for (QLabel* label : {e.lblZuganzeigetext, e.lblInfotext})
            PruefePasst(*label, label->text(), label->contentsRect().width());
        for (const char* text : Infotexte())
            PruefePasst(*e.lblInfo, Spieltext::tr(text), e.lblInfo->contentsRect().width());
        // The check box: its indicator and spacing, then the caption.
        const QStyle& stil = *e.chkTurbo->style();
        PruefePasst(*e.chkTurbo, e.chkTurbo->text(),
                    e.chkTurbo->width() - stil.pixelMetric(QStyle::PM_IndicatorWidth) -
                        stil.pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
        PruefePasst(*e.cmdRegeln, e.cmdRegeln->text(), e.cmdRegeln->width() - 4);
        RegelnFenster regeln;
        PruefePasst(*regeln.cmdSchliessen(), regeln.cmdSchliessen()->text(),
                    regeln.cmdSchliessen()->width() - 8);
        const Druckfeld& feld = *regeln.picRegeln();
        const QStringList zeilen = regeln.GedruckteZeilen();
        for (const QString& zeile : zeilen)
            PruefePasst(feld, zeile, feld.contentsRect().width());
        EXPECT_LE((zeilen.size() - 1) * feld.Zeilenhoehe() + QFontMetrics(feld.font()).height(),
                  feld.contentsRect().height());
    }
}

// Broken data texts, one for most ways the loader words an error.
const char* const KaputteTexte[] = {
    "",
    "bilddaten:\n",
    "bilddaten:\nDATA 4, 1, 2, 3\n",
    "bilddaten:\nDATA 4, 1, 2, 3\n\n' Kommentar\n",
    "bilddaten:\nDATA 131, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0\nDATA 0\n",
    "bilddaten:\nDATA 1, 0, 0, 0\n0, 30000\n",
    "bilddaten:\nDATA 1, 40000\n",
    "bilddaten:\nDATA 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0\n",
};

std::optional<Ladefehler> Fehler(const char* text, const std::string& name = "x%1.txt") {
    try {
        DatentextLaden(text, name, 299, 274);
    } catch (const Ladefehler& fehler) {
        return fehler;
    }
    return std::nullopt;
}

// Without a translation the window tells the loader's own message, byte for
// byte; in English every part of it is English.
TEST(Uebersetzung, LadefehlerDeutschWieGeladenEnglischUebersetzt) {
    std::vector<QString> deutsch;
    for (const char* text : KaputteTexte) {
        const std::optional<Ladefehler> fehler = Fehler(text);
        ASSERT_TRUE(fehler) << text;
        EXPECT_EQ(Lademeldung(*fehler).toStdString(), std::string(fehler->what()));
        deutsch.push_back(Lademeldung(*fehler));
    }
    const Englisch englisch;
    for (size_t i = 0; i < std::size(KaputteTexte); ++i) {
        const QString meldung = Lademeldung(*Fehler(KaputteTexte[i]));
        EXPECT_NE(meldung, deutsch[i]);
        EXPECT_TRUE(meldung.startsWith(QStringLiteral("x%1.txt, section \"bilddaten\"")))
            << meldung.toStdString();
        EXPECT_FALSE(meldung.contains(QRegularExpression(QStringLiteral("[äöüß]| Die | Zeile "))))
            << meldung.toStdString();
    }
    EXPECT_EQ(Lademeldung(*Fehler(KaputteTexte[3])),
              QStringLiteral("x%1.txt, section \"bilddaten\", line 4: The file ends in the middle "
                             "of the record for field 4 (a record has 11 values). After the "
                             "comment or blank line on line 3 no field begins with \"DATA\" any "
                             "more; values must be in DATA lines."));
    // The window hands on the English message (the program shows it in its box).
    QTemporaryDir ordner;
    const std::string datei = (ordner.path() + "/kaputt.txt").toStdString();
    std::ofstream(datei) << "bilddaten:\n1,2,3\n";
    Testfenster t(1, datei);
    EXPECT_FALSE(t.geladen);
    EXPECT_EQ(t.fehler.toStdString(),
              datei + ", section \"bilddaten\", line 2: The file ends in the middle of the record "
                      "for field 1 (a record has 11 values).");
}

// The program itself, started with a broken data file: the language of its
// message follows LANGUAGE and LANG.
QString ProgrammMeldung(const QStringList& sprache) {
    QTemporaryDir ordner;
    std::ofstream((ordner.path() + "/Peludaten.txt").toStdString()) << "bilddaten:\n1,2,3\n";
    QProcess programm;
    programm.setWorkingDirectory(ordner.path());
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        umgebung.remove(QString::fromLatin1(name));
    for (const QString& eintrag : sprache)
        umgebung.insert(eintrag.section(QLatin1Char('='), 0, 0), eintrag.section('=', 1));
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    programm.setProcessEnvironment(umgebung);
    programm.setReadChannel(QProcess::StandardError);
    programm.start(QStringLiteral(PELU_FENSTERPROGRAMM), {});
    QByteArray fehler; // Qt's own warnings may come first
    while (!fehler.contains("Peludaten.txt,") && programm.waitForReadyRead(60000))
        fehler += programm.readAllStandardError();
    programm.waitForReadyRead(200);
    fehler += programm.readAllStandardError();
    programm.kill();
    programm.waitForFinished();
    return QString::fromUtf8(fehler);
}

TEST(Uebersetzung, ProgrammSprichtDieSpracheDerUmgebung) {
    const QString englisch =
        QStringLiteral("/Peludaten.txt, section \"bilddaten\", line 2: The file "
                       "ends in the middle of the record for field 1 (a "
                       "record has 11 values).\n");
    const QString deutsch = QStringLiteral("/Peludaten.txt, Abschnitt \"bilddaten\", Zeile 2: Die "
                                           "Datei endet mitten im Datensatz für Feld 1");
    const std::pair<QStringList, QString> faelle[] = {
        {{"LANGUAGE=en"}, englisch},
        {{"LANG=en_US.UTF-8"}, englisch},
        {{"LANG=de_DE.UTF-8", "LC_MESSAGES=en_GB.UTF-8"}, englisch},
        {{"LANG=C"}, deutsch},
        {{"LANG=POSIX"}, deutsch},
        {{"LANG=de_DE.UTF-8"}, deutsch},
        {{"LANGUAGE=fr", "LANG=fr_FR.UTF-8"}, deutsch},
    };
    for (const auto& [sprache, erwartet] : faelle)
        EXPECT_TRUE(ProgrammMeldung(sprache).contains(erwartet)) << sprache.join(' ').toStdString();
}

} // namespace
} // namespace pelu::test
