<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Hauptfenster</name>
    <message>
        <source>Strg+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Strg+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Strg+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Pelu mit Tarro  V1.2</source>
        <translation>Pelu mit Tarro  V1.2</translation>
    </message>
    <message>
        <source>Figuren zuteilen</source>
        <translation>Assign figures</translation>
    </message>
    <message>
        <source>Spiel starten</source>
        <translation>Start game</translation>
    </message>
    <message>
        <source>Spiel stoppen/abbrechen</source>
        <translation>Stop/abort game</translation>
    </message>
    <message>
        <source>Turbo</source>
        <translation>Turbo</translation>
    </message>
    <message>
        <source>Spiel im Schnellgang</source>
        <translation>Game at high speed</translation>
    </message>
    <message>
        <source>Rang Zug</source>
        <translation>Rank Mv.</translation>
    </message>
    <message>
        <source>Allg. Info</source>
        <translation>General Info</translation>
    </message>
    <message>
        <source>Figur-Vorschlag</source>
        <translation>Figure proposal</translation>
    </message>
    <message>
        <source>Zeigt die Regeln</source>
        <translation>Shows the rules</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Pelu mit Tarro - Fehler beim Laden</source>
        <translation>Pelu mit Tarro - Error while loading</translation>
    </message>
    <message>
        <source>Dieses Fenster spielt schon mit anderen.</source>
        <translation>This window already plays with others.</translation>
    </message>
    <message>
        <source>angeboten auf Port %1, Code %2</source>
        <translation>offered on port %1, code %2</translation>
    </message>
    <message>
        <source>Spieler %1 bei %2:%3</source>
        <translation>Player %1 at %2:%3</translation>
    </message>
    <message>
        <source>%1 – Verbindung verloren, neuer Versuch</source>
        <translation>%1 – connection lost, trying again</translation>
    </message>
    <message>
        <source>%1 – Verbindung verloren</source>
        <translation>%1 – connection lost</translation>
    </message>
    <message>
        <source>%1 – verbinde</source>
        <translation>%1 – connecting</translation>
    </message>
    <message>
        <source>Spiel anbieten</source>
        <translation>Offer the game</translation>
    </message>
    <message>
        <source>Port (0: ein freier):</source>
        <translation>Port (0: a free one):</translation>
    </message>
    <message>
        <source>Spiel beitreten</source>
        <translation>Join a game</translation>
    </message>
    <message>
        <source>Rechner:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Als Spieler:</source>
        <translation>As player:</translation>
    </message>
    <message>
        <source>Spiel anbieten …</source>
        <translation>Offer the game …</translation>
    </message>
    <message>
        <source>Spiel beitreten …</source>
        <translation>Join a game …</translation>
    </message>
    <message>
        <source>Das Spiel wird auf Port %1 angeboten. Andere Fenster treten mit dem Code %2 bei.</source>
        <translation>The game is offered on port %1. Other windows join with the code %2.</translation>
    </message>
</context>
<context>
    <name>Ladefehler</name>
    <message>
        <source>%1, Abschnitt &quot;%2&quot;: %3</source>
        <translation>%1, section &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1, Abschnitt &quot;%2&quot;, Zeile %3: %4</source>
        <translation>%1, section &quot;%2&quot;, line %3: %4</translation>
    </message>
    <message>
        <source>Die Datei wurde nicht gefunden. Sie muss im aktuellen Ordner liegen oder mit ihrem Pfad angegeben werden.</source>
        <translation>The file was not found. It must be in the current folder or be given with its path.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner, keine Datei.</source>
        <translation>This is a folder, not a file.</translation>
    </message>
    <message>
        <source>Die Datei lässt sich nicht lesen. Fehlt die Leseberechtigung?</source>
        <translation>The file cannot be read. Is the read permission missing?</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß (über 16 MB); eine Datendatei hat nur wenige Kilobyte. Ist es die richtige Datei?</source>
        <translation>The file is too large (over 16 MB); a data file has only a few kilobytes. Is it the right file?</translation>
    </message>
    <message>
        <source>Hier kommt eine Sekunde lang nichts an: Das ist keine gewöhnliche Datei, sondern eine Pipe oder ein Gerät, in das niemand schreibt.</source>
        <translation>Nothing arrives here for a second: this is no ordinary file but a pipe or a device that nobody writes to.</translation>
    </message>
    <message>
        <source>Die Datei liegt weder im aktuellen Ordner noch im Datenordner des Spiels (%1).</source>
        <translation>The file is neither in the current folder nor in the game&apos;s data folder (%1).</translation>
    </message>
    <message>
        <source>Die Überschrift &quot;%1&quot; fehlt. Sie muss genau so geschrieben sein, in Kleinbuchstaben und ohne Leerzeichen vor dem Doppelpunkt.</source>
        <translation>The heading &quot;%1&quot; is missing. It must be written exactly like this, in lower case and without blanks before the colon.</translation>
    </message>
    <message>
        <source>Nach der Kommentar- oder Leerzeile in Zeile %1 beginnt kein Feld mehr mit &quot;DATA&quot;; Werte müssen in DATA-Zeilen stehen.</source>
        <translation>After the comment or blank line on line %1 no field begins with &quot;DATA&quot; any more; values must be in DATA lines.</translation>
    </message>
    <message>
        <source>Der Wert in &quot;%1&quot; liegt außerhalb von -32768 bis 32767.</source>
        <translation>The value in &quot;%1&quot; lies outside -32768 to 32767.</translation>
    </message>
    <message>
        <source>Die %1-Koordinate %2 liegt so weit außen, dass sie umgerechnet nicht mehr in -32768 bis 32767 Pixel passt.</source>
        <translation>The %1 coordinate %2 lies so far out that, converted, it no longer fits into -32768 to 32767 pixels.</translation>
    </message>
    <message>
        <source>Die Feldnummer %1 liegt außerhalb von 0 bis 130.</source>
        <translation>The field number %1 lies outside 0 to 130.</translation>
    </message>
    <message>
        <source>Die Datei endet, bevor die Feldnummer des ersten Datensatzes gelesen ist.</source>
        <translation>The file ends before the field number of the first record has been read.</translation>
    </message>
    <message>
        <source>Die Datei endet mitten im Datensatz für Feld %1 (ein Datensatz hat 11 Werte).</source>
        <translation>The file ends in the middle of the record for field %1 (a record has 11 values).</translation>
    </message>
    <message>
        <source>Die Datei endet nach dem Datensatz für Feld %1, ohne dass die Feldnummer 0 den Abschnitt beendet.</source>
        <translation>The file ends after the record for field %1 without the field number 0 ending the section.</translation>
    </message>
    <message>
        <source>Die Datei endet, bevor alle 12 Bankfelder gelesen sind (%1 gelesen).</source>
        <translation>The file ends before all 12 bench fields have been read (%1 read).</translation>
    </message>
    <message>
        <source>Die Datei endet, bevor alle 36 Taktikreihen zu je 3 Werten gelesen sind (Reihe %1 ist unvollständig).</source>
        <translation>The file ends before all 36 tactic rows of 3 values each have been read (row %1 is incomplete).</translation>
    </message>
</context>
<context>
    <name>Netz</name>
    <message>
        <source>Port %1 kann nicht geöffnet werden: %2</source>
        <translation>Port %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Der Code ist falsch.</source>
        <translation>The code is wrong.</translation>
    </message>
    <message>
        <source>Das anbietende Fenster spricht eine andere Version.</source>
        <translation>The offering window speaks another version.</translation>
    </message>
    <message>
        <source>Spieler %1 wird schon von einem anderen Fenster gespielt.</source>
        <translation>Player %1 is already played from another window.</translation>
    </message>
    <message>
        <source>Es sind schon zu viele Fenster beigetreten.</source>
        <translation>Too many windows have joined already.</translation>
    </message>
    <message>
        <source>keine Antwort</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>Keine Verbindung zu %1:%2 (%3).</source>
        <translation>No connection to %1:%2 (%3).</translation>
    </message>
</context>
<context>
    <name>RegelnFenster</name>
    <message>
        <source> Pelu mit Tarro Vb.1.2   (6.1.03) </source>
        <translation> Pelu mit Tarro Vb.1.2   (6.1.03) </translation>
    </message>
    <message>
        <source> **************************************** </source>
        <translation> **************************************** </translation>
    </message>
    <message>
        <source> REGELN des PELU mit TARRO</source>
        <translation> RULES of PELU mit TARRO</translation>
    </message>
    <message>
        <source> Es kann mit 1 bis 4 Farben gespielt werden. Jede Farbe kann einem</source>
        <translation> The game can be played with 1 to 4 colours. Each colour can be</translation>
    </message>
    <message>
        <source> Spieler oder dem Computer-Spieler zugeordnet werden. Die Spieler</source>
        <translation> assigned to a player or to the computer player. The players</translation>
    </message>
    <message>
        <source> und Computerspieler werden von 1 bis 4 nummeriert.</source>
        <translation> and computer players are numbered from 1 to 4.</translation>
    </message>
    <message>
        <source> Es können mehrere Farben der gleichen Nummer zugeordnet werden.</source>
        <translation> Several colours can be assigned to the same number.</translation>
    </message>
    <message>
        <source> Farben des gleichen Spielers werden nicht heimgeschickt! </source>
        <translation> Colours of the same player are not sent home! </translation>
    </message>
    <message>
        <source> Sind mehr als zwei gleichfarbige Figuren auf einem Feld, gilt das</source>
        <translation> If more than two figures of one colour are on a field, that counts</translation>
    </message>
    <message>
        <source> als Sperre und zwar für alle Farben.!</source>
        <translation> as a block, namely for all colours.!</translation>
    </message>
    <message>
        <source> Werden 3 mal 12 gewürfelt, so werden alle Figuren dieser Farbe</source>
        <translation> If 3 times 12 is rolled, all figures of this colour are sent</translation>
    </message>
    <message>
        <source> heimgeschickt, welche nicht im farbige Eingangsfeld stehen!</source>
        <translation> home that are not on the coloured entry field!</translation>
    </message>
    <message>
        <source> Regeln</source>
        <translation> Rules</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Spiel</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Wählen</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source> 3 mal 12</source>
        <translation> 3 times 12</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>End</translation>
    </message>
</context>
<context>
    <name>Zugaenglichkeit</name>
    <message>
        <source>Markierung</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Die mit den Tasten gewählte Figur</source>
        <translation>The figure chosen with the keys</translation>
    </message>
    <message>
        <source>Farbe %1: niemand, Spieler 1 bis 4 oder Computer 1 bis 4</source>
        <translation>Colour %1: nobody, player 1 to 4 or computer 1 to 4</translation>
    </message>
    <message>
        <source>Zuteilung der Farbe %1</source>
        <translation>Assignment of colour %1</translation>
    </message>
    <message>
        <source>Zuteilung %1</source>
        <translation>Assignment %1</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Lila</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation>Playing field</translation>
    </message>
    <message>
        <source>Das Spielbrett mit Würfeln, Zuteilung und Figuren</source>
        <translation>The board with dice, assignment and figures</translation>
    </message>
    <message>
        <source>Spielbrett</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Felder, Bänke und Häuser der vier Farben</source>
        <translation>Fields, benches and homes of the four colours</translation>
    </message>
    <message>
        <source>Figur %1 %2</source>
        <translation>Figure %1 %2</translation>
    </message>
    <message>
        <source>Würfel %1</source>
        <translation>Die %1</translation>
    </message>
    <message>
        <source>Rang der Farbe %1</source>
        <translation>Rank of colour %1</translation>
    </message>
    <message>
        <source>Zahl der Züge der Farbe %1</source>
        <translation>Number of moves of colour %1</translation>
    </message>
    <message>
        <source>Bedienung</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Figuren zuteilen, Spiel starten und stoppen</source>
        <translation>Assign figures, start and stop the game</translation>
    </message>
    <message>
        <source>Rang und Zahl der Züge jeder Farbe</source>
        <translation>Rank and number of moves of every colour</translation>
    </message>
    <message>
        <source>Allgemeine Information zum Spiel</source>
        <translation>General information about the game</translation>
    </message>
    <message>
        <source>Schliesst die Regeln</source>
        <translation>Closes the rules</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>zu Hause</source>
        <translation>at home</translation>
    </message>
    <message>
        <source>im Ziel</source>
        <translation>in the goal</translation>
    </message>
    <message>
        <source>Bank, Feld %1, Platz %2</source>
        <translation>Bench, field %1, place %2</translation>
    </message>
    <message>
        <source>Feld %1, Platz %2</source>
        <translation>Field %1, place %2</translation>
    </message>
    <message>
        <source>Einlauf %1, Platz %2</source>
        <translation>Lane %1, place %2</translation>
    </message>
    <message>
        <source>nicht im Spiel</source>
        <translation>not in play</translation>
    </message>
    <message>
        <source>, wählbar</source>
        <translation>, selectable</translation>
    </message>
    <message>
        <source>, markiert</source>
        <translation>, marked</translation>
    </message>
    <message>
        <source>Züge %1</source>
        <translation>Moves %1</translation>
    </message>
    <message>
        <source>Rang %1</source>
        <translation>Rank %1</translation>
    </message>
    <message>
        <source>zeigt %1</source>
        <translation>shows %1</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>blank</translation>
    </message>
    <message>
        <source>Spieler %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>niemand</source>
        <translation>nobody</translation>
    </message>
    <message>
        <source>keine Meldung</source>
        <translation>no message</translation>
    </message>
</context>
</TS>
