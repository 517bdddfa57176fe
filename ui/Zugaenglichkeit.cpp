#include "Zugaenglichkeit.h"

#include <QPushButton>

#include "Druckfeld.h"
#include "RegelnFenster.h"
#include "Uebersetzung.h"
#include "game/Spiel.h"

namespace pelu {

QString Farbname(int farbe) {
    switch (farbe) {
    case 1: return Zugangstext::tr("Blau");
    case 2: return Zugangstext::tr("Grün");
    case 3: return Zugangstext::tr("Lila");
    case 4: return Zugangstext::tr("Rot");
    default: return {};
    }
}

void NameSetzen(QWidget& w, const QString& name) {
    if (w.accessibleName() != name) w.setAccessibleName(name);
}

void BeschreibungSetzen(QWidget& w, const QString& beschreibung) {
    if (w.accessibleDescription() != beschreibung) w.setAccessibleDescription(beschreibung);
}

namespace {

void Benennen(QWidget& w, const QString& name, const QString& beschreibung = {}) {
    NameSetzen(w, name);
    if (!beschreibung.isEmpty()) BeschreibungSetzen(w, beschreibung);
}

} // namespace

void BedienelementeBenennen(Bedienelemente& e) {
    Benennen(*e.picSpielfeld, Zugangstext::tr("Spielfeld"),
             Zugangstext::tr("Das Spielbrett mit Würfeln, Zuteilung und Figuren"));
    Benennen(e.picSpielfeld->Flaeche(), Zugangstext::tr("Spielbrett"),
             Zugangstext::tr("Felder, Bänke und Häuser der vier Farben"));
    for (int f = 1; f <= FigurAnzahl; ++f)
        Benennen(
            *e.imgFigur[static_cast<size_t>(f - 1)],
            Zugangstext::tr("Figur %1 %2").arg(Farbname(FarbeVonFigur(f))).arg((f - 1) % 4 + 1));
    FigurenBeschreiben(e, nullptr, {}, 0);
    for (int c = 1; c <= FarbAnzahl; ++c) {
        const auto i = static_cast<size_t>(c - 1);
        const QString farbe = Farbname(c);
        Benennen(*e.picWuerfel[i], Zugangstext::tr("Würfel %1").arg(farbe), WuerfelBeschreibung(0));
        Benennen(*e.lblRang[i], RangName(c, {}), Zugangstext::tr("Rang der Farbe %1").arg(farbe));
        Benennen(*e.lblZuganzeige[i], ZuganzeigeName(c, {}),
                 Zugangstext::tr("Zahl der Züge der Farbe %1").arg(farbe));
    }
    Benennen(*e.frmBedienung, Zugangstext::tr("Bedienung"),
             Zugangstext::tr("Figuren zuteilen, Spiel starten und stoppen"));
    // Buttons without a caption are named by their tooltips, which also
    // serve as their descriptions.
    for (QPushButton* knopf : {e.cmdFigurenwahl, e.cmdStart, e.cmdStop, e.cmdHilfe, e.cmdBeenden})
        Benennen(*knopf, knopf->toolTip());
    Benennen(*e.chkTurbo, e.chkTurbo->text());
    Benennen(*e.cmdRegeln, e.cmdRegeln->text());
    const QString zuganzeige = Zugangstext::tr("Rang und Zahl der Züge jeder Farbe");
    Benennen(*e.fraZuganzeige, e.lblZuganzeigetext->text(), zuganzeige);
    Benennen(*e.lblZuganzeigetext, e.lblZuganzeigetext->text(), zuganzeige);
    const QString info = Zugangstext::tr("Allgemeine Information zum Spiel");
    Benennen(*e.lblInfotext, e.lblInfotext->text(), info);
    Benennen(*e.lblInfo, InfoName({}, 0), info);
    // The caption labels the info label (a relation the tools read).
    e.lblInfotext->setBuddy(e.lblInfo);
}

void RegelfensterBenennen(RegelnFenster& regeln) {
    Benennen(*regeln.cmdSchliessen(), regeln.cmdSchliessen()->text(),
             Zugangstext::tr("Schliesst die Regeln"));
    Benennen(*regeln.picRegeln(), Zugangstext::tr("Regeln"),
             regeln.GedruckteZeilen().join(QLatin1Char('\n')).simplified());
}

QString Standort(const FigurDaten& figur) {
    const int feld = figur.Feld;
    switch (figur.Zustand) {
    case ZustandHeim: return Zugangstext::tr("zu Hause");
    case ZustandZiel: return Zugangstext::tr("im Ziel");
    case ZustandBank: return Zugangstext::tr("Bank, Feld %1, Platz %2").arg(feld).arg(figur.Platz);
    case ZustandStrecke: return Zugangstext::tr("Feld %1, Platz %2").arg(feld).arg(figur.Platz);
    case ZustandEinlauf:
        return Zugangstext::tr("Einlauf %1, Platz %2").arg((feld - 69) % 7 + 1).arg(figur.Platz);
    default: return Zugangstext::tr("nicht im Spiel");
    }
}

void FigurenBeschreiben(Bedienelemente& e, const Spiel* spiel, const Wahllage& lage,
                        int16_t markiert) {
    for (int f = 1; f <= FigurAnzahl; ++f) {
        QString text = Standort(spiel ? spiel->Zustand().Figur[f] : FigurDaten{});
        if (lage.offen && lage.waehlbar[f]) text += Zugangstext::tr(", wählbar");
        if (f == markiert) text += Zugangstext::tr(", markiert");
        BeschreibungSetzen(*e.imgFigur[static_cast<size_t>(f - 1)], text);
    }
}

QString InfoName(const QString& text, int farbe) {
    const QString inhalt = text.trimmed();
    // Its own name, not the caption's above it.
    if (inhalt.isEmpty()) return Zugangstext::tr("keine Meldung");
    if (Farbname(farbe).isEmpty()) return inhalt;
    return QStringLiteral("%1 (%2)").arg(inhalt, Farbname(farbe));
}

QString ZuganzeigeName(int farbe, const QString& text) {
    const QString name = Zugangstext::tr("Züge %1").arg(Farbname(farbe));
    return text.isEmpty() ? name : QStringLiteral("%1: %2").arg(name, text);
}

QString RangName(int farbe, const QString& text) {
    const QString name = Zugangstext::tr("Rang %1").arg(Farbname(farbe));
    return text.isEmpty() ? name : QStringLiteral("%1: %2").arg(name, text);
}

QString WuerfelBeschreibung(int wert) {
    return wert >= 1 && wert <= 6 ? Zugangstext::tr("zeigt %1").arg(wert) : Zugangstext::tr("leer");
}

QString Zuteilung(int spielerwert) {
    if (spielerwert >= 1 && spielerwert <= 4) return Zugangstext::tr("Spieler %1").arg(spielerwert);
    if (spielerwert >= 5 && spielerwert <= 8)
        return Zugangstext::tr("Computer %1").arg(spielerwert - 4);
    return Zugangstext::tr("niemand");
}

} // namespace pelu
