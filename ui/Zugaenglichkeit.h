#pragma once
#include <QString>

#include "Entwurf.h"
#include "game/Tastenwahl.h"
#include "state/Spielzustand.h"

class QWidget;

namespace pelu {

class RegelnFenster;
class Spiel;

// What assistive tools read of the window: every control's accessible name
// and description, in German, from its caption and tooltip. Buttons with a
// tooltip keep it as their description (Qt's own fallback); the labels that
// change during a game carry their content in the name, so each change is
// announced as a change of name.

// "Blau", "Grün", "Lila", "Rot" for colours 1..4; empty for others.
QString Farbname(int farbe);

// Names and descriptions of the main window's controls; once, after they are
// made and before the keys are added to the tooltips.
void BedienelementeBenennen(Bedienelemente& e);
void RegelfensterBenennen(RegelnFenster& regeln);

// Where a figure stands, in words: "Feld 23, Platz 2", "Bank, Feld 22,
// Platz 1", "Einlauf 3, Platz 1", "zu Hause", "im Ziel", "nicht im Spiel".
QString Standort(const FigurDaten& figur);
// Every figure image's description: where it stands, and while a human
// chooses whether it may be picked and whether the keys' mark is on it.
void FigurenBeschreiben(Bedienelemente& e, const Spiel* spiel, const Wahllage& lage,
                        int16_t markiert);

// What the info label ("Wählen (Blau)", empty: "keine Meldung"), a move display
// ("Züge Blau: 20") and a ranking label ("Rang Blau: 1.") say (announced).
QString InfoName(const QString& text, int farbe);
QString ZuganzeigeName(int farbe, const QString& text);
QString RangName(int farbe, const QString& text);
// A die's face: "zeigt 5", or "leer".
QString WuerfelBeschreibung(int wert);
// A colour's assignment: "niemand", "Spieler 2", "Computer 3".
QString Zuteilung(int spielerwert);

// Sets a name or description, leaving an unchanged one alone, so an event
// goes out only for a real change.
void NameSetzen(QWidget& w, const QString& name);
void BeschreibungSetzen(QWidget& w, const QString& beschreibung);

} // namespace pelu
