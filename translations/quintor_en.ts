<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>AppTexts</name>
    <message>
        <source>Sie ist ein Ordner, keine Datei.</source>
        <translation>It is a folder, not a file.</translation>
    </message>
    <message>
        <source>Sie ist keine gewöhnliche Datei, sondern eine Pipe.</source>
        <translation>It is not an ordinary file but a pipe.</translation>
    </message>
    <message>
        <source>Sie ist keine gewöhnliche Datei, sondern ein Gerät.</source>
        <translation>It is not an ordinary file but a device.</translation>
    </message>
    <message>
        <source>Sie ist viel größer, als eine solche Datei sein kann (mehr als %1 Bytes).</source>
        <translation>It is far larger than such a file can be (more than %1 bytes).</translation>
    </message>
    <message>
        <source>Auf dem Datenträger ist kein Platz mehr frei.</source>
        <translation>There is no space left on the disk.</translation>
    </message>
    <message>
        <source>Der zugeteilte Speicherplatz ist aufgebraucht.</source>
        <translation>The disk quota is used up.</translation>
    </message>
    <message>
        <source>Der Zugriff wurde verweigert.</source>
        <translation>Access was denied.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The disk is write-protected.</translation>
    </message>
    <message>
        <source>Die Datei oder ihr Ordner existiert nicht.</source>
        <translation>The file or its folder does not exist.</translation>
    </message>
    <message>
        <source>Ein Teil des Pfades ist kein Ordner.</source>
        <translation>Part of the path is not a folder.</translation>
    </message>
    <message>
        <source>Beim Zugriff auf den Datenträger ist ein Fehler aufgetreten.</source>
        <translation>An error occurred while accessing the disk.</translation>
    </message>
    <message>
        <source>Die Datei wäre zu groß.</source>
        <translation>The file would be too large.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Es sind zu viele Dateien geöffnet.</source>
        <translation>Too many files are open.</translation>
    </message>
    <message>
        <source>Die Datei wird gerade benutzt.</source>
        <translation>The file is in use.</translation>
    </message>
    <message>
        <source>Eine Datei dieses Namens gibt es schon.</source>
        <translation>A file of this name already exists.</translation>
    </message>
    <message>
        <source>Zu viele verkettete Verknüpfungen.</source>
        <translation>Too many levels of symbolic links.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler (Nummer %1).</source>
        <translation>Unknown error (number %1).</translation>
    </message>
    <message>
        <source>Textdateien (*.txt);;Alle Dateien (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Alle Namen für Sicherungskopien sind vergeben.</source>
        <translation>All names for backup copies are taken.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Wird abgebrochen …</source>
        <translation>Cancelling …</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; kann nicht angelegt werden.
%2</source>
        <translation>The folder &quot;%1&quot; cannot be created.
%2</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht nach &quot;%2&quot; kopiert werden.
%3
Die bisherige Kopie bleibt erhalten.</source>
        <translation>The file &quot;%1&quot; could not be copied to &quot;%2&quot;.
%3
The earlier copy is kept.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht nach &quot;%2&quot; kopiert werden.
%3</source>
        <translation>The file &quot;%1&quot; could not be copied to &quot;%2&quot;.
%3</translation>
    </message>
    <message>
        <source>Brett</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Spielfeld</source>
        <translation>Playing field</translation>
    </message>
    <message>
        <source>Fehler: %1/3</source>
        <translation>Errors: %1/3</translation>
    </message>
    <message>
        <source>Vorgegebene Zahlen: %1, %2</source>
        <translation>Givens: %1, %2</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Statusmeldung</source>
        <translation>Status message</translation>
    </message>
    <message>
        <source>Schwierigkeitsgrad</source>
        <translation>Difficulty level</translation>
    </message>
    <message>
        <source>Hilfefenster</source>
        <translation>Help window</translation>
    </message>
    <message>
        <source>Zeitmessung</source>
        <translation>Time taken</translation>
    </message>
    <message>
        <source>Statuszeile</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Ansage</source>
        <translation>Announcement</translation>
    </message>
    <message>
        <source>Gitter %1, Zeile %2, Spalte %3</source>
        <translation>Grid %1, row %2, column %3</translation>
    </message>
    <message>
        <source>, auch Gitter %1, Zeile %2, Spalte %3</source>
        <translation>, also grid %1, row %2, column %3</translation>
    </message>
    <message>
        <source>verdeckt</source>
        <translation>covered</translation>
    </message>
    <message>
        <source>, vorgegeben</source>
        <translation>, given</translation>
    </message>
    <message>
        <source>, Eintrag</source>
        <translation>, entry</translation>
    </message>
    <message>
        <source>, falsch</source>
        <translation>, wrong</translation>
    </message>
    <message>
        <source>leer, Notizen %1</source>
        <translation>empty, notes %1</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
</context>
<context>
    <name>FameTexts</name>
    <message>
        <source>Ruhmeshalle</source>
        <translation>Hall of Fame</translation>
    </message>
    <message>
        <source>Neuer Eintrag in der Ruhmeshalle!
Bitte geben Sie Ihren Namen ein:</source>
        <translation>A new entry in the hall of fame!
Please enter your name:</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Liste &amp;löschen</source>
        <translation>C&amp;lear List</translation>
    </message>
    <message>
        <source>Wirklich löschen?</source>
        <translation>Really clear the list?</translation>
    </message>
    <message>
        <source>&amp;JA|&amp;NEIN</source>
        <translation>&amp;Yes|&amp;No</translation>
    </message>
    <message>
        <source>1 Tag</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>%1 Tage</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Rätsel des Tages: %1 in Folge, längste Serie %2</source>
        <translation>Puzzle of the day: %1 in a row, longest streak %2</translation>
    </message>
    <message>
        <source>Bestzeiten der erzeugten Rätsel:</source>
        <translation>Best times of the generated puzzles:</translation>
    </message>
    <message>
        <source>Die Ruhmeshalle „%1“ ist unlesbar oder beschädigt und konnte nicht beiseitegelegt werden.
%2
Die Ruhmeshalle wurde nicht gespeichert.</source>
        <translation>The hall of fame “%1” is unreadable or damaged and could not be set aside.
%2
The hall of fame was not saved.</translation>
    </message>
    <message>
        <source>Die unlesbare oder beschädigte Ruhmeshalle „%1“ wurde als „%2“ beiseitegelegt.</source>
        <translation>The unreadable or damaged hall of fame “%1” was set aside as “%2”.</translation>
    </message>
    <message>
        <source>Die Ruhmeshalle „%1“ kann nicht gelesen werden.
%2
Die Bestenlisten bleiben für dieses Spiel leer.</source>
        <translation>The hall of fame “%1” cannot be read.
%2
The lists of best times stay empty for this game.</translation>
    </message>
    <message>
        <source>Die Ruhmeshalle „%1“ ist beschädigt.
Alle lesbaren Einträge wurden übernommen.
%2</source>
        <translation>The hall of fame “%1” is damaged.
All readable entries were taken over.
%2</translation>
    </message>
    <message>
        <source>Die Originaldatei konnte nicht gesichert werden: %1</source>
        <translation>The original file could not be backed up: %1</translation>
    </message>
    <message>
        <source>Die Originaldatei wurde als „%1“ gesichert.</source>
        <translation>The original file was backed up as “%1”.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Sperrdatei, sondern %2. Die Ruhmeshalle wird deshalb ohne Sperre gespeichert; speichern zwei Spiele zugleich, kann ein Eintrag verloren gehen.
Bitte „%1“ entfernen.</source>
        <translation>“%1” is not a lock file but %2. The hall of fame is therefore saved without a lock; if two games save at the same time, an entry may be lost.
Please remove “%1”.</translation>
    </message>
    <message>
        <source>ein Ordner</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>not an ordinary file</translation>
    </message>
    <message>
        <source>Die Ruhmeshalle konnte nicht gespeichert werden, weil ein anderes Spiel sie gerade speichert.
Bitte später noch einmal versuchen.</source>
        <translation>The hall of fame could not be saved because another game is saving it right now.
Please try again later.</translation>
    </message>
    <message>
        <source>Die Ruhmeshalle konnte nicht in „%1“ gespeichert werden.
%2%3</source>
        <translation>The hall of fame could not be saved in “%1”.
%2%3</translation>
    </message>
    <message>
        <source>
Die Datei bleibt, wie sie war.</source>
        <translation>
The file stays as it was.</translation>
    </message>
    <message>
        <source>Die Statistik „%1“ stammt von einer neueren Version des Spiels. Sie bleibt unverändert; die Ergebnisse dieses Spiels werden nicht darin festgehalten.</source>
        <translation>The statistics “%1” come from a newer version of the game. They stay unchanged; the results of this game are not recorded in them.</translation>
    </message>
    <message>
        <source>Die Statistik „%1“ ist unlesbar oder beschädigt und konnte nicht beiseitegelegt werden.
%2
Die Statistik wurde nicht gespeichert.</source>
        <translation>The statistics “%1” are unreadable or damaged and could not be set aside.
%2
The statistics were not saved.</translation>
    </message>
    <message>
        <source>Die unlesbare oder beschädigte Statistik „%1“ wurde als „%2“ beiseitegelegt.</source>
        <translation>The unreadable or damaged statistics “%1” were set aside as “%2”.</translation>
    </message>
    <message>
        <source>Bestzeiten</source>
        <translation>Best Times</translation>
    </message>
    <message>
        <source>Neue Bestzeit für „%1“!
Bitte geben Sie Ihren Namen ein:</source>
        <translation>A new best time for “%1”!
Please enter your name:</translation>
    </message>
    <message>
        <source>Die Statistik „%1“ kann nicht gelesen werden.
%2
Sie bleibt für dieses Spiel leer.</source>
        <translation>The statistics “%1” cannot be read.
%2
They stay empty for this game.</translation>
    </message>
    <message>
        <source>Die Statistik „%1“ ist beschädigt.
Alle lesbaren Einträge wurden übernommen.
%2</source>
        <translation>The statistics “%1” are damaged.
All readable entries were taken over.
%2</translation>
    </message>
    <message>
        <source>„%1“ ist keine Sperrdatei. Die Statistik wird deshalb ohne Sperre gespeichert; speichern zwei Spiele zugleich, kann ein Ergebnis verloren gehen.
Bitte „%1“ entfernen.</source>
        <translation>“%1” is not a lock file. The statistics are therefore saved without a lock; if two games save at the same time, a result may be lost.
Please remove “%1”.</translation>
    </message>
    <message>
        <source>Die Statistik konnte nicht gespeichert werden, weil ein anderes Spiel sie gerade speichert. Das Ergebnis wird mit dem nächsten gespeichert.</source>
        <translation>The statistics could not be saved because another game is saving them right now. The result will be saved with the next one.</translation>
    </message>
    <message>
        <source>Die Statistik konnte nicht in „%1“ gespeichert werden.
%2</source>
        <translation>The statistics could not be saved in “%1”.
%2</translation>
    </message>
    <message>
        <source>Leicht</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Schwer</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Extrem</source>
        <translation>Extreme</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Stufe</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Begonnen</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Gelöst</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>Ohne Tipp</source>
        <translation>No hint</translation>
    </message>
    <message>
        <source>Bestzeit</source>
        <translation>Best time</translation>
    </message>
    <message>
        <source>Durchschnitt</source>
        <translation>Average</translation>
    </message>
</context>
<context>
    <name>FileTexts</name>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht gelesen werden.
%2
Das Brett bleibt, wie es ist.</source>
        <translation>The file &quot;%1&quot; cannot be read.
%2
The board stays as it is.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist zu kurz: Brett %2 ist darin nicht gespeichert.
Das Brett bleibt, wie es ist.</source>
        <translation>The file &quot;%1&quot; is too short: board %2 is not stored in it.
The board stays as it is.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist beschädigt: Brett %2 enthält ungültige Werte.
Das Brett bleibt, wie es ist.</source>
        <translation>The file &quot;%1&quot; is damaged: board %2 holds invalid values.
The board stays as it is.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht gelesen werden.
%2
Das Brett wurde nicht gesichert.</source>
        <translation>The file &quot;%1&quot; cannot be read.
%2
The board was not saved.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; hat die falsche Länge (%2 Bytes) und konnte nicht zuerst gesichert werden.
%3
Das Brett wurde nicht gesichert.</source>
        <translation>The file &quot;%1&quot; has the wrong length (%2 bytes) and could not be backed up first.
%3
The board was not saved.</translation>
    </message>
    <message>
        <source>Das Brett konnte nicht in &quot;%1&quot; gesichert werden.
%2
Die Datei bleibt, wie sie war.</source>
        <translation>The board could not be saved in &quot;%1&quot;.
%2
The file stays as it was.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; hatte die falsche Länge (%2 Bytes).
Ihre %3 vollständigen Bretter wurden übernommen, fehlende Plätze sind leer.
Die Originaldatei wurde als &quot;%4&quot; gesichert.</source>
        <translation>The file &quot;%1&quot; had the wrong length (%2 bytes).
Its %3 complete boards were taken over; missing slots are empty.
The original file was backed up as &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Welches Brett laden?</source>
        <translation>Which board to load?</translation>
    </message>
    <message>
        <source>Sichern unter ...</source>
        <translation>Save as ...</translation>
    </message>
    <message>
        <source>Die Rätseldatei &quot;%1&quot; fehlt.
Ein neues Spiel ist nicht möglich.
Gesucht im Ordner &quot;%2&quot;.</source>
        <translation>The puzzle file &quot;%1&quot; is missing.
A new game is not possible.
Looked for in the folder &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Gitter %1, Zeile %2, Spalte %3</source>
        <translation>Grid %1, row %2, column %3</translation>
    </message>
    <message>
        <source> (Textzeile %1, Zeichen %2)</source>
        <translation> (text line %1, character %2)</translation>
    </message>
    <message>
        <source>Der Text hat %1 %2. Ein Rätsel hat 21 Zeilen zu 21 Zeichen (das Feld, wie es gezeichnet ist) oder 5 Zeilen zu 81 Zeichen (die Gitter der Reihe nach).</source>
        <translation>The text has %1 %2. A puzzle has 21 lines of 21 characters (the field as it is drawn) or 5 lines of 81 characters (the grids one after another).</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>line</translation>
    </message>
    <message>
        <source>Zeilen</source>
        <translation>lines</translation>
    </message>
    <message>
        <source>Textzeile %1 hat %2 Zeichen: Mit 21 Zeilen sind es höchstens 21 je Zeile, mit 5 Zeilen genau 81.</source>
        <translation>Text line %1 has %2 characters: with 21 lines there are at most 21 per line, with 5 lines exactly 81.</translation>
    </message>
    <message>
        <source>Ein fremdes Zeichen</source>
        <translation>A foreign character</translation>
    </message>
    <message>
        <source>Textzeile %1, Zeichen %2: %3 steht außerhalb der Gitter; dort gehört ein Leerzeichen hin.</source>
        <translation>Text line %1, character %2: %3 lies outside the grids; a blank belongs there.</translation>
    </message>
    <message>
        <source>%1: %2 ist keine Ziffer. In einem Feld steht 1 bis 9, oder ein Punkt oder eine 0 für ein leeres Feld.</source>
        <translation>%1: %2 is not a digit. A cell holds 1 to 9, or a dot or a 0 for an empty cell.</translation>
    </message>
    <message>
        <source>Das Feld in %1 gehört zu zwei Gittern und hat in ihnen verschiedene Ziffern.</source>
        <translation>The cell at %1 belongs to two grids and has different digits in them.</translation>
    </message>
    <message>
        <source>Die Ziffer in %1 steht in ihrer Zeile, ihrer Spalte oder ihrem Kasten schon einmal.</source>
        <translation>The digit at %1 already stands in its row, its column or its box.</translation>
    </message>
    <message>
        <source>Das Rätsel hat keine Lösung.</source>
        <translation>The puzzle has no solution.</translation>
    </message>
    <message>
        <source>Das Rätsel hat keine Lösung: In %1 passt keine Ziffer.</source>
        <translation>The puzzle has no solution: no digit fits at %1.</translation>
    </message>
    <message>
        <source>Das Rätsel hat mehr als eine Lösung: In %1 sind verschiedene Ziffern möglich.</source>
        <translation>The puzzle has more than one solution: different digits are possible at %1.</translation>
    </message>
    <message>
        <source>Der Text in der Zwischenablage</source>
        <translation>The text on the clipboard</translation>
    </message>
    <message>
        <source>Die Datei „%1“</source>
        <translation>The file “%1”</translation>
    </message>
    <message>
        <source>%1 ist kein Rätsel, das sich einfügen lässt.
%2</source>
        <translation>%1 is not a puzzle that can be pasted.
%2</translation>
    </message>
    <message>
        <source>Rätsel aus einer Textdatei einfügen</source>
        <translation>Paste a puzzle from a text file</translation>
    </message>
    <message>
        <source>In der Zwischenablage steht kein Rätsel.
Kopieren Sie ein Rätsel als Text (21 Zeilen zu 21 Zeichen) oder wählen Sie eine Textdatei.</source>
        <translation>There is no puzzle on the clipboard.
Copy a puzzle as text (21 lines of 21 characters) or choose a text file.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht gelesen werden.
%2</source>
        <translation>The file “%1” cannot be read.
%2</translation>
    </message>
    <message>
        <source>Auf dem Brett steht kein Rätsel, das sich kopieren lässt.</source>
        <translation>The board holds no puzzle that can be copied.</translation>
    </message>
    <message>
        <source>Der Spielstand konnte nicht in „%1“ gespeichert werden.
%2</source>
        <translation>The game in progress could not be saved in “%1”.
%2</translation>
    </message>
    <message>
        <source>Die Datei bleibt, wie sie ist. Solange sie dort liegt, wird kein Spielstand gespeichert.</source>
        <translation>The file stays as it is. As long as it lies there, no game in progress is saved.</translation>
    </message>
    <message>
        <source>Sie wurde als „%1“ aufbewahrt.</source>
        <translation>It was kept as “%1”.</translation>
    </message>
    <message>
        <source>In diesem Ordner läuft schon ein anderes Quintor-Spiel, das seinen Spielstand in „%1“ aufbewahrt.
Dieses Spiel wird ohne Spielstand gespielt: Es wird beim Beenden nicht aufbewahrt, und der Spielstand des anderen Spiels bleibt unberührt.</source>
        <translation>Another Quintor game is already running in this folder and keeps its game in progress in “%1”.
This game is played without a saved game in progress: it is not kept when you quit, and the other game&apos;s file stays untouched.</translation>
    </message>
    <message>
        <source>Der Spielstand „%1“ kann nicht gelesen werden.
%2</source>
        <translation>The game in progress “%1” cannot be read.
%2</translation>
    </message>
    <message>
        <source>Der Spielstand „%1“ stammt von einer neueren Version des Spiels und kann nicht fortgesetzt werden.</source>
        <translation>The game in progress “%1” comes from a newer version of the game and cannot be continued.</translation>
    </message>
    <message>
        <source>Der Spielstand „%1“ ist beschädigt oder kein Spielstand dieses Spiels.</source>
        <translation>The game in progress “%1” is damaged or not one of this game.</translation>
    </message>
    <message>
        <source>Letztes Spiel fortsetzen?</source>
        <translation>Continue the last game?</translation>
    </message>
    <message>
        <source>&amp;JA|&amp;NEIN</source>
        <translation>&amp;Yes|&amp;No</translation>
    </message>
    <message>
        <source>Brett %1</source>
        <translation>Board %1</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>über Quintor</source>
        <translation>About Quintor</translation>
    </message>
    <message>
        <source>Fünf verbundene Sudoku-Gitter auf einem Brett:
369 Felder, vier Schwierigkeitsgrade,
Uhr und Ruhmeshalle.</source>
        <translation>Five linked sudoku grids on one board:
369 cells, four difficulty levels,
a clock and a hall of fame.</translation>
    </message>
    <message>
        <source>Quintor-Anleitung (</source>
        <translation>Quintor manual (</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Stichwörter&lt;/h2&gt;&lt;ul&gt;</source>
        <translation>&lt;h2&gt;Keywords&lt;/h2&gt;&lt;ul&gt;</translation>
    </message>
</context>
<context>
    <name>MenuTexts</name>
    <message>
        <source>&amp;Quintor</source>
        <extracomment>A menu entry: &quot;number:text&quot; is an item (keep the number and the colon), a text alone a drop-down&apos;s title, &quot;&gt;&quot; a nested drop-down&apos;s; &quot;&amp;&quot; marks the access key.</extracomment>
        <translation>&amp;Quintor</translation>
    </message>
    <message>
        <source>8:&amp;Neues Spiel</source>
        <translation>8:&amp;New Game</translation>
    </message>
    <message>
        <source>10:&amp;Spielstart</source>
        <translation>10:&amp;Play</translation>
    </message>
    <message>
        <source>25:N&amp;eustart</source>
        <translation>25:&amp;Restart</translation>
    </message>
    <message>
        <source>12:Spieldruck</source>
        <translation>12:Printed Game</translation>
    </message>
    <message>
        <source>99:&amp;Beenden</source>
        <translation>99:&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>20:&amp;lade Brett</source>
        <translation>20:&amp;Load Board</translation>
    </message>
    <message>
        <source>21:&amp;sichere Brett</source>
        <translation>21:&amp;Save Board</translation>
    </message>
    <message>
        <source>22:&amp;Brett lösen</source>
        <translation>22:S&amp;olve Board</translation>
    </message>
    <message>
        <source>26:B&amp;rett löschen</source>
        <translation>26:&amp;Clear Board</translation>
    </message>
    <message>
        <source>27:Brett &amp;drucken</source>
        <translation>27:&amp;Print Board</translation>
    </message>
    <message>
        <source>24:Brett &amp;mischen</source>
        <translation>24:S&amp;huffle Board</translation>
    </message>
    <message>
        <source>11:&amp;Eigenes Brett</source>
        <translation>11:&amp;Enter Own Board</translation>
    </message>
    <message>
        <source>&gt;S&amp;prache</source>
        <translation>&gt;Lan&amp;guage</translation>
    </message>
    <message>
        <source>Sch&amp;wierigkeit</source>
        <translation>&amp;Difficulty</translation>
    </message>
    <message>
        <source>30:&amp;Leicht</source>
        <translation>30:&amp;Easy</translation>
    </message>
    <message>
        <source>31:&amp;Mittel</source>
        <translation>31:&amp;Medium</translation>
    </message>
    <message>
        <source>32:&amp;Schwer</source>
        <translation>32:&amp;Hard</translation>
    </message>
    <message>
        <source>33:&amp;Extrem</source>
        <translation>33:E&amp;xtreme</translation>
    </message>
    <message>
        <source>40:&amp;Zahlen</source>
        <translation>40:&amp;Digits</translation>
    </message>
    <message>
        <source>41:&amp;Buchstaben</source>
        <translation>41:&amp;Letters</translation>
    </message>
    <message>
        <source>44:Zeige &amp;Kandidaten</source>
        <translation>44:Show &amp;Candidates</translation>
    </message>
    <message>
        <source>45:Rätsel-Symmetrie</source>
        <translation>45:Symmetric Puzzles</translation>
    </message>
    <message>
        <source>50:&amp;Ruhmeshalle</source>
        <translation>50:Hall of &amp;Fame</translation>
    </message>
    <message>
        <source>51:S&amp;tatistik</source>
        <translation>51:&amp;Statistics</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>60:&amp;Anleitung</source>
        <translation>60:&amp;Manual</translation>
    </message>
    <message>
        <source>1:über &amp;Quintor...</source>
        <translation>1:About &amp;Quintor...</translation>
    </message>
    <message>
        <source>9:&amp;Rätsel erzeugen ...</source>
        <translation>9:&amp;Generate Puzzle ...</translation>
    </message>
    <message>
        <source>23:Rätsel e&amp;infügen</source>
        <translation>23:Paste P&amp;uzzle</translation>
    </message>
    <message>
        <source>28:Rätsel &amp;kopieren</source>
        <translation>28:Cop&amp;y Puzzle</translation>
    </message>
    <message>
        <source>Spiel beenden?</source>
        <translation>Quit the game?</translation>
    </message>
    <message>
        <source>&amp;JA|&amp;NEIN</source>
        <translation>&amp;Yes|&amp;No</translation>
    </message>
    <message>
        <source>13:Rätsel&amp;heft drucken ...</source>
        <translation>13:Print Puzzle &amp;Booklet ...</translation>
    </message>
    <message>
        <source>61:&amp;Tastenkürzel</source>
        <translation>61:&amp;Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>&gt;&amp;Farben</source>
        <translation>&gt;Colou&amp;rs</translation>
    </message>
    <message>
        <source>72:Klassisch</source>
        <translation>72:Classic</translation>
    </message>
    <message>
        <source>73:Dunkel</source>
        <translation>73:Dark</translation>
    </message>
    <message>
        <source>74:Wie das System</source>
        <translation>74:Like the system</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>Bitte Menupunkt auswählen!</source>
        <translation>Please choose a menu item!</translation>
    </message>
    <message>
        <source>Bitte ein Feld anklicken!</source>
        <translation>Please click on a cell!   </translation>
    </message>
    <message>
        <source> Leicht </source>
        <translation> Easy   </translation>
    </message>
    <message>
        <source> Mittel </source>
        <translation> Medium </translation>
    </message>
    <message>
        <source>Schwer </source>
        <translation> Hard   </translation>
    </message>
    <message>
        <source>Extrem </source>
        <translation>Extreme </translation>
    </message>
    <message>
        <source>SCHWIERIGKEITSGRAD:</source>
        <translation>DIFFICULTY LEVEL:</translation>
    </message>
    <message>
        <source>Vorgegebene Zahlen: </source>
        <translation>Number of givens:   </translation>
    </message>
    <message>
        <source>HILFEFENSTER:</source>
        <translation>HELP WINDOW:</translation>
    </message>
    <message>
        <source>ZEITMESSUNG:</source>
        <translation>TIME TAKEN:</translation>
    </message>
    <message>
        <source>Zeit gestoppt: 3. Fehler</source>
        <translation>Clock stopped: 3rd error</translation>
    </message>
    <message>
        <source>Zeit gestoppt: Taste M</source>
        <translation>Clock stopped: key M</translation>
    </message>
    <message>
        <source>Zeit gestoppt: Kandidaten</source>
        <translation>Clock stopped: candidates</translation>
    </message>
    <message>
        <source>Ohne Zeit: Kandidaten an</source>
        <translation>Untimed: candidates on</translation>
    </message>
    <message>
        <source>Ohne Zeit: nur Neues Spiel</source>
        <translation>Untimed: only New Game is timed</translation>
    </message>
    <message>
        <source>STATISTIK:</source>
        <translation>STATISTICS:</translation>
    </message>
    <message>
        <source>Zahlen</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>Ziffer</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>STATUSMELDUNG:</source>
        <translation>STATUS MESSAGE:</translation>
    </message>
    <message>
        <source>Falsche Zahl! </source>
        <translation>Wrong number! </translation>
    </message>
    <message>
        <source>Nicht lösbar!!!</source>
        <translation>Not solvable!!!  </translation>
    </message>
    <message>
        <source>Keine Fehler! </source>
        <translation>No errors!         </translation>
    </message>
    <message>
        <source>Brett gelöst!!! </source>
        <translation>Board solved!!! </translation>
    </message>
    <message>
        <source>Fehler: %1/3 </source>
        <translation>Errors: %1/3 </translation>
    </message>
    <message>
        <source>Bitte Kandidaten notieren!</source>
        <translation>Now pencil in candidates! </translation>
    </message>
    <message>
        <source>Rechte Taste löscht Feld!</source>
        <translation>Right button clears cell! </translation>
    </message>
    <message>
        <source>Bitte ein Feld anklicken! </source>
        <translation>Please click on a cell!   </translation>
    </message>
    <message>
        <source>Neues Spiel: Menü Quintor → Neues Spiel</source>
        <translation>New game: menu Quintor → New Game</translation>
    </message>
    <message>
        <source>Einsteiger</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Fortgeschritten</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Kenner</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Meister</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Großmeister</source>
        <translation>Grandmaster</translation>
    </message>
    <message>
        <source>Cursor: A–I tragen ein, Klick blendet aus</source>
        <translation>Cursor: A–I enter, a click hides it</translation>
    </message>
    <message>
        <source>Gelöst! Abbruch, dann Neues Spiel</source>
        <translation>Solved! Abort, then New Game</translation>
    </message>
    <message>
        <source>Pfeile</source>
        <translation>Arrows</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>cursor</translation>
    </message>
    <message>
        <source>Tipp</source>
        <translation>hint</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>zurück</source>
        <translation>undo</translation>
    </message>
</context>
<context>
    <name>PlayTexts</name>
    <message>
        <source>    _Laden    </source>
        <translation>    _Load     </translation>
    </message>
    <message>
        <source>   _Sichern   </source>
        <translation>    _Save     </translation>
    </message>
    <message>
        <source>  _Drucken  </source>
        <translation> Har_d copy </translation>
    </message>
    <message>
        <source>  _Neustart  </source>
        <translation>Start agai_n </translation>
    </message>
    <message>
        <source>   _Hilfe   </source>
        <translation>   _Help    </translation>
    </message>
    <message>
        <source>  _Abbruch   </source>
        <translation>   _Abort    </translation>
    </message>
    <message>
        <source>Brett laden</source>
        <translation>Load board</translation>
    </message>
    <message>
        <source>Brett sichern</source>
        <translation>Save board</translation>
    </message>
    <message>
        <source>Brett drucken</source>
        <translation>Print board</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Neustart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Kandidaten zeigen ein/aus</source>
        <translation>Show candidates on/off</translation>
    </message>
    <message>
        <source>Brett mischen</source>
        <translation>Shuffle board</translation>
    </message>
    <message>
        <source>Tipp</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Abbruch (nur in Ziffernanzeige)</source>
        <translation>Abort (only with digits shown)</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Samstag</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Rätsel erzeugen</source>
        <translation>Generate Puzzle</translation>
    </message>
    <message>
        <source>S&amp;tufe:</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <source>&amp;Symmetrisch</source>
        <translation>&amp;Symmetric</translation>
    </message>
    <message>
        <source>Rätsel des &amp;Tages</source>
        <translation>Puzzle of the &amp;day</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Rätsel des Tages, %1:
Stufe „%2“, für alle gleich.</source>
        <translation>Puzzle of the day, %1:
level “%2”, the same for everyone.</translation>
    </message>
    <message>
        <source>Ein Rätsel der Stufe „%1“ entsteht …
Versuch %2</source>
        <translation>A puzzle of level “%1” is being made …
attempt %2</translation>
    </message>
    <message>
        <source>Das Erzeugen wurde abgebrochen.</source>
        <translation>Generating was cancelled.</translation>
    </message>
    <message>
        <source>In %1 Versuchen ist kein Rätsel der Stufe „%2“ entstanden.</source>
        <translation>%1 attempts made no puzzle of level “%2”.</translation>
    </message>
    <message>
        <source>
Das Brett bleibt, wie es war.</source>
        <translation>
The board stays as it was.</translation>
    </message>
    <message>
        <source>Ein Tipp beendet die Zeitmessung. Trotzdem?</source>
        <translation>A hint stops the clock. Go ahead?</translation>
    </message>
    <message>
        <source>&amp;JA|&amp;NEIN</source>
        <translation>&amp;Yes|&amp;No</translation>
    </message>
    <message>
        <source>Das Brett hat mehr als eine Lösung.</source>
        <translation>The board has more than one solution.</translation>
    </message>
    <message>
        <source>Das Brett hat keine Lösung.</source>
        <translation>The board has no solution.</translation>
    </message>
    <message>
        <source>Das Brett hat keine Lösung: einer Ihrer Einträge ist falsch.</source>
        <translation>The board has no solution: one of your entries is wrong.</translation>
    </message>
    <message>
        <source>Das Brett hat keine Lösung: %1 Ihrer Einträge sind falsch.</source>
        <translation>The board has no solution: %1 of your entries are wrong.</translation>
    </message>
    <message>
        <source>Das Brett hat mit Ihren Einträgen keine Lösung.</source>
        <translation>The board has no solution with your entries.</translation>
    </message>
    <message>
        <source>Das Brett hat genau eine Lösung, doch sie braucht stärkere Schritte als die zwei Regeln: %1.</source>
        <translation>The board has exactly one solution, but it needs stronger steps than the two rules: %1.</translation>
    </message>
    <message>
        <source>&amp;Lösung zeigen|&amp;Nein</source>
        <translation>&amp;Show Solution|&amp;No</translation>
    </message>
    <message>
        <source>Alle Kandidaten setzen</source>
        <translation>Set all candidates</translation>
    </message>
    <message>
        <source>Alle Kandidaten löschen</source>
        <translation>Clear all candidates</translation>
    </message>
    <message>
        <source>Kandidaten zeigen ein/aus (Spiel ohne Zeit)</source>
        <translation>Show candidates on/off (game untimed)</translation>
    </message>
    <message>
        <source>Das Brett läßt sich nicht eindeutig lösen?</source>
        <translation>The board cannot be solved uniquely?</translation>
    </message>
    <message>
        <source>&amp;Schade</source>
        <translation>&amp;Pity</translation>
    </message>
    <message>
        <source>Tastenkürzel</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Pfeiltasten</source>
        <translation>Arrow keys</translation>
    </message>
    <message>
        <source>Cursor zeigen und bewegen</source>
        <translation>Show and move the cursor</translation>
    </message>
    <message>
        <source>Pos1, Ende</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>Erstes, letztes Feld der Zeile</source>
        <translation>First, last cell of the row</translation>
    </message>
    <message>
        <source>1 – 9</source>
        <translation>1 – 9</translation>
    </message>
    <message>
        <source>Wert am Cursor eintragen (in Buchstabenanzeige A – I)</source>
        <translation>Enter a value at the cursor (A – I in letter display)</translation>
    </message>
    <message>
        <source>Strg+1 – 9</source>
        <translation>Ctrl+1 – 9</translation>
    </message>
    <message>
        <source>Notiz am Cursor setzen oder löschen</source>
        <translation>Set or clear a note at the cursor</translation>
    </message>
    <message>
        <source>0, Entf, Rücktaste</source>
        <translation>0, Del, Backspace</translation>
    </message>
    <message>
        <source>Wert am Cursor löschen</source>
        <translation>Clear the value at the cursor</translation>
    </message>
    <message>
        <source>Eingabe, Leertaste</source>
        <translation>Enter, Space</translation>
    </message>
    <message>
        <source>Werteauswahl am Cursor öffnen</source>
        <translation>Open the value palette at the cursor</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Pause (auch beim Verkleinern des Fensters); weiter mit jeder Taste</source>
        <translation>Pause (also when the window is minimised); any key resumes</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Leertaste</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Im Spiel</source>
        <translation>In a game</translation>
    </message>
    <message>
        <source>Eigenes Brett</source>
        <translation>Own board</translation>
    </message>
    <message>
        <source>Cursor (im Spiel und im eigenen Brett)</source>
        <translation>Cursor (in a game and on your own board)</translation>
    </message>
    <message>
        <source>Zurücknehmen (im Spiel und im eigenen Brett)</source>
        <translation>Undo (in a game and on your own board)</translation>
    </message>
    <message>
        <source>Pause (im Spiel)</source>
        <translation>Pause (in a game)</translation>
    </message>
    <message>
        <source>Strg+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Zurücknehmen</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Strg+Y, Strg+Umschalt+Z</source>
        <translation>Ctrl+Y, Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>Schwierigkeitsgrad: </source>
        <translation>Difficulty: </translation>
    </message>
    <message>
        <source>mit </source>
        <translation>with </translation>
    </message>
    <message>
        <source> Zahlen</source>
        <translation> givens</translation>
    </message>
    <message>
        <source>Brett drucken</source>
        <translation>Print board</translation>
    </message>
    <message>
        <source>Druckerfehler!</source>
        <translation>Printer error!</translation>
    </message>
    <message>
        <source>Rätselheft drucken</source>
        <translation>Print Puzzle Booklet</translation>
    </message>
    <message>
        <source>S&amp;tufe:</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <source>&amp;Anzahl der Rätsel:</source>
        <translation>&amp;Number of puzzles:</translation>
    </message>
    <message>
        <source>&amp;Symmetrisch</source>
        <translation>&amp;Symmetric</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Rätsel %1 von %2 der Stufe „%3“ entsteht …</source>
        <translation>Making puzzle %1 of %2 of level “%3” …</translation>
    </message>
    <message>
        <source>Es wurde nichts gedruckt.</source>
        <translation>Nothing was printed.</translation>
    </message>
    <message>
        <source>Rätselheft</source>
        <translation>Puzzle Booklet</translation>
    </message>
    <message>
        <source>Schwierigkeitsgrad: %1 mit %2 Zahlen, Rätsel %3 von %4</source>
        <translation>Difficulty: %1 with %2 givens, puzzle %3 of %4</translation>
    </message>
    <message>
        <source>LÖSUNG %1</source>
        <translation>SOLUTION %1</translation>
    </message>
    <message>
        <source>Schwierigkeitsgrad: %1, Rätsel %2 von %3</source>
        <translation>Difficulty: %1, puzzle %2 of %3</translation>
    </message>
</context>
</TS>
