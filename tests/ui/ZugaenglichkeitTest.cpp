// What assistive tools get through QAccessible: a name and a description for
// every control, dice and figures that say what they show, and the changes of
// the info label and the move displays sent out as they happen.

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <vector>

#include "Testfenster.h"
#include "Wahlsteuerung.h"
#include "Zugaenglichkeit.h"

namespace pelu::test {
namespace {

QString Text(QObject* objekt, QAccessible::Text art) {
    QAccessibleInterface* schnittstelle = QAccessible::queryAccessibleInterface(objekt);
    return schnittstelle ? schnittstelle->text(art) : QStringLiteral("<none>");
}
QString Name(QObject* objekt) {
    return Text(objekt, QAccessible::Name);
}
QString Beschreibung(QObject* objekt) {
    return Text(objekt, QAccessible::Description);
}

using Zugaenglichkeit = MitFenster;

TEST_F(Zugaenglichkeit, JedesBedienelementHatNameUndBeschreibung) {
    QList<QWidget*> alle = t.f().findChildren<QWidget*>();
    RegelnFenster regeln;
    alle += regeln.findChildren<QWidget*>();
    for (QWidget* w : alle) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_FALSE(Name(w).isEmpty());
        EXPECT_FALSE(Beschreibung(w).isEmpty());
    }
    EXPECT_GE(alle.size(), 50);
    Spielerwahl& wahl = t.f().Wahl();
    const std::tuple<QWidget*, QString, QString> faelle[] = {
        {t.e().cmdStart, "Spiel starten", "Spiel starten (Strg+N)"},
        {t.e().cmdFigurenwahl, "Figuren zuteilen", "Figuren zuteilen"},
        {t.e().cmdRegeln, "Regeln", "Zeigt die Regeln (F1)"},
        {t.e().chkTurbo, "Turbo", "Spiel im Schnellgang (T)"},
        {t.e().lblInfotext, "Allg. Info", "Allgemeine Information zum Spiel"},
        {t.e().lblInfo, "keine Meldung", "Allgemeine Information zum Spiel"},
        {t.e().imgFigur[13], "Figur Rot 2", "nicht im Spiel"},
        {wahl.vsbSpieler(2), "Zuteilung Lila: Computer 2",
         "Farbe Lila: niemand, Spieler 1 bis 4 oder Computer 1 bis 4"},
        {wahl.picSpieler(0), "Blau: Spieler 1", "Zuteilung der Farbe Blau"},
        {regeln.cmdSchliessen(), "Schliessen", "Schliesst die Regeln"},
    };
    for (const auto& [w, name, beschreibung] : faelle) {
        EXPECT_EQ(Name(w), name);
        EXPECT_EQ(Beschreibung(w), beschreibung);
    }
    // Every colour's controls by the colour's name, its figures by their number.
    const char* farben[] = {"Blau", "Grün", "Lila", "Rot"};
    for (int c = 1; c <= 4; ++c) {
        SCOPED_TRACE(c);
        const QString farbe = QString::fromUtf8(farben[c - 1]);
        const auto i = static_cast<size_t>(c - 1);
        EXPECT_EQ(Name(t.e().picWuerfel[i]), QStringLiteral("Würfel ") + farbe);
        EXPECT_EQ(Name(t.e().lblRang[i]), QStringLiteral("Rang ") + farbe);
        EXPECT_EQ(Beschreibung(t.e().lblRang[i]), QStringLiteral("Rang der Farbe ") + farbe);
        EXPECT_EQ(Name(t.e().lblZuganzeige[i]), QStringLiteral("Züge ") + farbe);
        EXPECT_EQ(Beschreibung(t.e().lblZuganzeige[i]),
                  QStringLiteral("Zahl der Züge der Farbe ") + farbe);
        EXPECT_EQ(
            Beschreibung(wahl.vsbSpieler(c - 1)),
            QStringLiteral("Farbe %1: niemand, Spieler 1 bis 4 oder Computer 1 bis 4").arg(farbe));
        EXPECT_EQ(Beschreibung(wahl.picComputer(c - 1)),
                  QStringLiteral("Zuteilung der Farbe ") + farbe);
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(Name(t.e().imgFigur[4 * i + k - 1]),
                      QStringLiteral("Figur %1 %2").arg(farbe).arg(k));
    }
    EXPECT_TRUE(Beschreibung(regeln.picRegeln()).contains(QStringLiteral("REGELN des PELU")));
}

// Where a figure stands, in words, for each state of a figure.
TEST(Standort, InWorten) {
    const std::tuple<int16_t, int16_t, int16_t, const char*> faelle[] = {
        {ZustandAusserSpiel, 0, 0, "nicht im Spiel"},
        {6, 1, 1, "nicht im Spiel"},
        {ZustandHeim, 101, 1, "zu Hause"},
        {ZustandHeim, 104, 4, "zu Hause"},
        {ZustandBank, 5, 1, "Bank, Feld 5, Platz 1"},
        {ZustandBank, 22, 1, "Bank, Feld 22, Platz 1"},
        {ZustandStrecke, 1, 4, "Feld 1, Platz 4"},
        {ZustandStrecke, 40, 2, "Feld 40, Platz 2"},
        {ZustandStrecke, 68, 9, "Feld 68, Platz 9"},
        // Each lane counts 1 to 7 from its first field: colour 1's ends at
        // 75, colour 2's begins at 76.
        {ZustandEinlauf, 69, 1, "Einlauf 1, Platz 1"},
        {ZustandEinlauf, 75, 3, "Einlauf 7, Platz 3"},
        {ZustandEinlauf, 76, 1, "Einlauf 1, Platz 1"},
        {ZustandEinlauf, 90, 1, "Einlauf 1, Platz 1"},
        {ZustandEinlauf, 96, 2, "Einlauf 7, Platz 2"},
        {ZustandZiel, 105, 1, "im Ziel"},
        {ZustandZiel, 108, 4, "im Ziel"},
    };
    for (const auto& [zustand, feld, platz, worte] : faelle) {
        FigurDaten figur;
        figur.Zustand = zustand, figur.Feld = feld, figur.Platz = platz;
        EXPECT_EQ(Standort(figur), QString::fromUtf8(worte));
    }
}

// Accessibility events as the platform would pass them on: what changed,
// and the object's name at that moment.
struct Ereignis {
    QObject* objekt;
    QAccessible::Event art;
    QString name;
};
std::vector<Ereignis> ereignisse;

void Aufnehmen(QAccessibleEvent* ereignis) {
    QAccessibleInterface* schnittstelle = ereignis->accessibleInterface();
    ereignisse.push_back({ereignis->object(), ereignis->type(),
                          schnittstelle ? schnittstelle->text(QAccessible::Name) : QString()});
}

// While it lives, the platform's accessibility is on, as when a screen
// reader runs, and its events are recorded instead of sent.
struct Zuhoerer {
    QPlatformAccessibility* plattform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    Zuhoerer() {
        ereignisse.clear();
        QAccessible::installUpdateHandler(&Aufnehmen);
        if (plattform) plattform->setActive(true);
    }
    ~Zuhoerer() {
        if (plattform) plattform->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    // The names object `objekt` was announced with, in order.
    static QStringList Namen(QObject* objekt) {
        QStringList namen;
        for (const Ereignis& e : ereignisse)
            if (e.objekt == objekt && e.art == QAccessible::NameChanged) namen << e.name;
        return namen;
    }
};

// Colour 1 alone, a human. Up to the first choice the info label announces
// "Start" and "Wählen" with the colour, the die reports its face; the movable
// figures say so, the marked one too. Once the figure has moved, it reports
// its new place (the exit field 5, a bench) and the move display has
// announced the counts.
TEST(Ansagen, InfoZuganzeigeWuerfelUndFiguren) {
    Testfenster t(3);
    ASSERT_TRUE(t.geladen) << t.fehler.toStdString();
    t.Spieler({1, 0, 0, 0});
    Zuhoerer zuhoerer;
    ASSERT_NE(zuhoerer.plattform, nullptr);
    Klicken(*t.e().cmdStart);
    while (t.z().Spielphase != Phase::WartenFigurwahl)
        ASSERT_NE(t.Takt(), VirtuelleUhr::Takt::Keiner);
    EXPECT_EQ(Zuhoerer::Namen(t.e().lblInfo), (QStringList{"Start", "Wählen (Blau)"}));
    EXPECT_EQ(Beschreibung(t.e().picWuerfel[0]), QStringLiteral("zeigt 5"));
    const int markiert = t.f().Steuerung().Markiert();
    ASSERT_GT(markiert, 0);
    for (int f = 1; f <= 4; ++f)
        EXPECT_EQ(Beschreibung(t.e().imgFigur[f - 1]),
                  QStringLiteral("zu Hause, wählbar") +
                      (f == markiert ? QStringLiteral(", markiert") : QString()));
    Klicken(*t.e().imgFigur[markiert - 1]);
    while (t.z().Spielphase != Phase::Wuerfelleer)
        ASSERT_NE(t.Takt(), VirtuelleUhr::Takt::Keiner);
    EXPECT_TRUE(Beschreibung(t.e().imgFigur[markiert - 1]).startsWith("Bank, Feld 5, Platz "));
    EXPECT_EQ(Zuhoerer::Namen(t.e().lblZuganzeige[0]),
              (QStringList{"Züge Blau: 0", "Züge Blau: 1"}));
}

// What the texts say at both ends of every range: the info label's colour
// for each colour and for black, every player value the scroll bars pass
// through, every face a die can be drawn with.
TEST_F(Zugaenglichkeit, TexteFuerJedenWert) {
    const char* farben[] = {"", " (Blau)", " (Grün)", " (Lila)", " (Rot)"};
    for (int farbe = 0; farbe <= 4; ++farbe) {
        t.f().Form().InfoSetzen("Wählen", farbe == 0 ? int16_t{0} : HelleFarbe(farbe));
        EXPECT_EQ(Name(t.e().lblInfo), QStringLiteral("Wählen") + QString::fromUtf8(farben[farbe]));
    }
    t.f().Form().InfoSetzen("", 0);
    EXPECT_EQ(Name(t.e().lblInfo), QStringLiteral("keine Meldung"));
    // The blanks around a text are not read out; blanks alone are no text.
    EXPECT_EQ(InfoName(QStringLiteral(" 3 mal 12 "), 4), QStringLiteral("3 mal 12 (Rot)"));
    EXPECT_EQ(InfoName(QStringLiteral("  "), 1), QStringLiteral("keine Meldung"));
    const char* zuteilung[] = {"niemand",    "niemand",    "Spieler 1",  "Spieler 2",
                               "Spieler 3",  "Spieler 4",  "Computer 1", "Computer 2",
                               "Computer 3", "Computer 4", "niemand"};
    for (int wert = -1; wert <= 9; ++wert)
        EXPECT_EQ(Zuteilung(wert), QString::fromUtf8(zuteilung[wert + 1])) << wert;
    const char* augen[] = {"leer",    "zeigt 1", "zeigt 2", "zeigt 3",
                           "zeigt 4", "zeigt 5", "zeigt 6", "leer"};
    for (int wert = 0; wert <= 7; ++wert)
        EXPECT_EQ(WuerfelBeschreibung(wert), QString::fromUtf8(augen[wert])) << wert;
}

} // namespace
} // namespace pelu::test

namespace pelu::test {
namespace {

// The children of the board's inner area as the tools list them.
QList<QObject*> Brettkinder(Testfenster& t) {
    QAccessibleInterface* brett =
        QAccessible::queryAccessibleInterface(&t.e().picSpielfeld->Flaeche());
    QList<QObject*> kinder;
    for (int i = 0; i < brett->childCount(); ++i) {
        kinder << brett->child(i)->object();
        EXPECT_EQ(brett->indexOfChild(brett->child(i)), i);
    }
    return kinder;
}

// The tree's shape: both windows are frames; of each colour's two player
// pictures only the one shown is in the tree, as the assignment changes
// (and the tools are told), and none for a colour not in play.
TEST_F(Zugaenglichkeit, BaumOhneVerborgeneSpielerbilder) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&t.f())->role(), QAccessible::Window);
    RegelnFenster regeln;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&regeln)->role(), QAccessible::Window);
    Spielerwahl& wahl = t.f().Wahl();
    auto pruefen = [&](std::array<bool, 4> mensch, std::array<bool, 4> computer) {
        const QList<QObject*> kinder = Brettkinder(t);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(kinder.contains(wahl.picSpieler(i)), mensch[static_cast<size_t>(i)]);
            EXPECT_EQ(kinder.contains(wahl.picComputer(i)), computer[static_cast<size_t>(i)]);
            EXPECT_TRUE(kinder.contains(t.e().picWuerfel[static_cast<size_t>(i)]));
        }
    };
    pruefen({true, false, false, false}, {false, true, true, true});
    Zuhoerer zuhoerer;
    t.Spieler({5, 0, 2, 7});
    pruefen({false, false, true, false}, {true, false, false, true});
    auto gemeldet = [](QObject* bild) {
        QList<QAccessible::Event> arten;
        for (const Ereignis& e : ereignisse)
            if (e.objekt == bild &&
                (e.art == QAccessible::ObjectCreated || e.art == QAccessible::ObjectDestroyed))
                arten << e.art;
        return arten;
    };
    EXPECT_EQ(gemeldet(wahl.picSpieler(0)), QList{QAccessible::ObjectDestroyed});
    EXPECT_EQ(gemeldet(wahl.picComputer(0)), QList{QAccessible::ObjectCreated});
    EXPECT_EQ(gemeldet(wahl.picComputer(1)), QList{QAccessible::ObjectDestroyed});
    EXPECT_EQ(gemeldet(wahl.picSpieler(3)), QList<QAccessible::Event>{});
}

} // namespace
} // namespace pelu::test
