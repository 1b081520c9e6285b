<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
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
        <source>13:Rätsel&amp;heft drucken ...</source>
        <translation>13:Print Puzzle &amp;Booklet ...</translation>
    </message>
    <message>
        <source>61:&amp;Tastenkürzel</source>
        <translation>61:&amp;Keyboard Shortcuts</translation>
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
        <translation>Not solvable!!!</translation>
    </message>
    <message>
        <source>Keine Fehler! </source>
        <translation>No errors!     </translation>
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
</context>
<context>
    <name>PrintTexts</name>
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
        <source>In %1 Versuchen ist kein Rätsel der Stufe „%2“ entstanden.</source>
        <translation>No puzzle of level “%2” came in %1 attempts.</translation>
    </message>
    <message>
        <source>Das Erzeugen wurde abgebrochen.</source>
        <translation>The generation was cancelled.</translation>
    </message>
    <message>
        <source>Rätselheft</source>
        <translation>Puzzle Booklet</translation>
    </message>
    <message>
        <source>Schwierigkeitsgrad: %1 mit %2 Zahlen, Rätsel %3 von %4</source>
        <translation>Difficulty: %1 with %2 numbers, puzzle %3 of %4</translation>
    </message>
    <message>
        <source>LÖSUNG %1</source>
        <translation>SOLUTION %1</translation>
    </message>
    <message>
        <source>Schwierigkeitsgrad: %1, Rätsel %2 von %3</source>
        <translation>Difficulty: %1, puzzle %2 of %3</translation>
    </message>
    <message>
        <source>Druckerfehler!</source>
        <translation>Printer error!</translation>
    </message>
    <message>
        <source>Es wurde nichts gedruckt.</source>
        <translation>Nothing was printed.</translation>
    </message>
</context>
</TS>
