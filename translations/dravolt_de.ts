<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>Die ini-Datei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>Die ini-Datei konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>TAccessTexts</name>
    <message>
        <source>Bombs left</source>
        <translation>Verbleibende Minen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>mit Flagge</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>bomb</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>falsche Flagge</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
</context>
<context>
    <name>TFieldAccessible</name>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Won in %1 seconds</source>
        <translation>Gewonnen in %1 Sekunden</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>Der Spielverlauf %1 war beschädigt, daher wurde er in %2 umbenannt und ein neuer begonnen.</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>Der Spielverlauf %1 wurde von einer neueren Version von Dravolt geschrieben, daher zeigt diese Version darin weder Spiele an noch zeichnet sie welche auf.</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>Der Spielverlauf %1 kann in diesem Ordner nicht geschrieben werden, daher werden bis zum nächsten Start von Dravolt keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>Dieses Spiel konnte nicht in den Spielverlauf %1 geschrieben werden, daher werden bis zum nächsten Start von Dravolt keine weiteren Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>Im Spielverlauf %1 werden keine Spiele aufgezeichnet, weil die SQLite-Bibliothek %2 nicht geladen werden kann.</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>3BV</source>
        <translation>3BV</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Effizienz</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>no guessing</source>
        <translation>ohne Raten</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>von Ecke zu Ecke</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>Spielfelder aus Codes</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 x %2, %3 Minen, %4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>Größe und Modus</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>&amp;Größe und Modus:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Spiele:</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Siege:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Siegquote:</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>Bestzeit:</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>Beste 3BV/s:</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>Durchschnittszeit der Siege:</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Aktuelle Siegesserie:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Längste Siegesserie:</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>Siegzeiten und 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>Spielfeld &amp;erneut spielen</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>Als CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>Siege mit dieser Größe und diesem Modus</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>Die Aufzeichnung dieses Spiels kann nicht gelesen werden, daher kann es nicht wiedergegeben werden.</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>Das Spielfeld dieses Spiels kann nicht gelesen werden, daher kann es nicht erneut gespielt werden.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>spiele.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>Noch keine Siege mit dieser Größe und diesem Modus</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>Das Diagramm der Siegeszeiten konnte nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Dravolt-Handbuch</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>Verbleibende Minen</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>Wiedergabezeit</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>Wiedergegebenes Spielfeld</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Schritt</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>Spiel | Größe</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  Das Spielfeld kann kleiner oder größer als üblich sein: von 10 Spalten und 1 Zeile bis zu 100 Spalten und 60 Zeilen.</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>Spiel | Bestzeiten</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  Hier werden alle Bestzeiten für jede mögliche Kombination aus Höhe, Breite und Minenzahl festgehalten.</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>Spiel | Sitzungsstatistik</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  Statistik! Hält alle Zeiten und Zahlen der laufenden Sitzung fest.</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>Aktionen | Rückgängig</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  Rückgängig! Wer „versehentlich“ auf eine Mine geklickt hat, kann das Spiel auf den Stand vor diesem verhängnisvollen Klick zurücksetzen.</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>Optionen | Hintergrund festlegen</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  Sie können ein Bild wählen, das bei einem Sieg erscheint. Es kann in normaler Größe gezeigt oder gestreckt werden (einfach ausprobieren).</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>Optionen | Zahlen bei Spielende aufdecken</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  Alle nicht angeklickten Felder werden aufgedeckt und zeigen, was darunter lag.</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>Optionen | Sitzungsstatistik automatisch speichern</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  Ist diese Option eingeschaltet, wird die Statistik der laufenden Sitzung automatisch gespeichert (sonst werden Sie gefragt).</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>Optionen | Erster Klick geschenkt</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  Das Spiel führt zu Beginn einen „sicheren“ Klick für Sie aus und deckt so ein Feld auf.</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>Optionen | Tastatursteuerung</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  Damit lässt sich das Spiel ohne Maus spielen. Ein einzelnes blau hervorgehobenes Feld erscheint.</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - Mit den Pfeiltasten bewegen Sie das blaue Feld.</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - „S“ entspricht einem einfachen Klick.</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - „D“ entspricht einem Doppelklick.</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - „F“ setzt oder entfernt eine Flagge.</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - Die Leertaste entspricht einem Klick auf „Los“.</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  (Hinweis: In diesem Modus empfiehlt es sich, „Animierte Felder“ auszuschalten.</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>Optionen | Animierte Felder</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  Animierte Felder zeigen nur den gewohnten gedrückten Zustand, solange eine Maustaste gehalten wird; wer darauf verzichten möchte, schaltet sie hier aus.</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- Zeichnet alle gespielten Spiele auf.</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- Größere, frei wählbare Spielfelder.</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- Speichert die Bestzeit für jede Größe.</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- Ein Hintergrundbild ist möglich.</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- Zeiten bis zu 9999 Sekunden.</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- Option, zu Spielbeginn ein Feld aufzudecken.</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- Option, erfolgreich geräumte Bereiche hervorzuheben.</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- Spielbar mit der Tastatur: S = einfacher Klick, D = Doppelklick, F = Mine markieren.</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- Bitte melden Sie alle Fehler.</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- (?) als Möglichkeit beim Rechtsklick anbieten.</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- Einige Standardgrößen zur Auswahl stellen.</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- Bestzeiten aus der ini-Datei eines anderen Benutzers übernehmen.</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- Fenstergröße an die Größe des Hintergrundbilds anpassen.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>Merkmale</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Schlecht</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>Geplant</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>Der Pfad oder der Dateiname im Feld „%1“ ist nicht korrekt.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Kein Hintergrund</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>Beim Sieg Standardhintergrund zeigen</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>Beim Sieg eigenen Hintergrund zeigen</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>Hintergrund auf Fenstergröße strecken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Sitzung:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmDravolt</name>
    <message>
        <source>This will stop your current game. Continue ?</source>
        <translation>Damit wird das laufende Spiel beendet. Fortfahren?</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>Dravolt.ini konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>Für dieses Spielfeld wurde nicht rechtzeitig eine Verteilung gefunden, die sich allein durch Logik lösen lässt; hier muss eventuell geraten werden.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>Dravolt.ini konnte nicht gespeichert werden: Die in dieser Sitzung geänderten Einstellungen gehen verloren.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>&amp;Größe...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>Best&amp;zeiten...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>Sitzungs&amp;statistik...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>Aktuelle Sitzungsstatistik &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>&amp;Hintergrund festlegen...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>&amp;Zahlen bei Spielende aufdecken</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>Sitzungsstatistik automatisch &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>&amp;Flaggensymbol</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>&amp;Flagge</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>Zoo&amp;m</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;One Free Click</source>
        <translation>&amp;Erster Klick geschenkt</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>&amp;Ohne Raten</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>&amp;Tastatursteuerung</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>&amp;Animierte Felder</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>&amp;Von Ecke zu Ecke</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>(?) beim Rechtsklick an&amp;bieten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>Die gespeicherte Bestzeit für %1 × %2 mit %3 Minen ist unlesbar („%4“), daher kann dieses Spiel nicht mit ihr verglichen werden.</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>Ein anderes Dravolt-Fenster hat inzwischen eine gleich gute oder bessere Zeit für %1 × %2 mit %3 Minen gespeichert; sie bleibt die Bestzeit.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>Dravolt.ini konnte nicht gespeichert werden: Die neue Bestzeit bleibt bis zum Beenden des Programms erhalten.</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>Möchten Sie die Statistik dieser Sitzung speichern?</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>DravoltHistory.ini konnte nicht gespeichert werden: Die Statistik dieser Sitzung geht verloren.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Minen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Boards without guessing</source>
        <translation>Spielfelder ohne Raten</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>Es gibt keine Statistik zum Anzeigen.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>Spiel Nr.</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>Minen übrig</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>Möchten Sie die Statistik dieser Sitzung wirklich löschen?</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>Das Feld ist zu voll für ein Spielfeld, das sich allein mit Logik lösen lässt, daher muss hier eventuell geraten werden.</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>Dies ist kein Spielfeld-Code von Dravolt.</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>Dieser Spielfeld-Code stammt von einer neueren Version von Dravolt, die diese Version nicht lesen kann.</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>Dieser Spielfeld-Code ist beschädigt: Ein Teil davon wurde beim Kopieren verändert oder ging verloren.</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>Dieser Spielfeld-Code enthält ein Spielfeld, das Dravolt nicht aufbauen kann.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>Spielfeld-&amp;Code kopieren</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>Spielfeld aus Code s&amp;pielen...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>Spie&amp;lverlauf aufzeichnen</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>Es gibt noch kein Spielfeld zum Kopieren: Die Minen werden erst beim ersten Aufdecken gelegt.</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>Spielfeld aus Code spielen</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>Spielfeld-&amp;Code:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Design</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 ist jetzt ein Verweis, den ein anderer Benutzer angelegt haben könnte, und wurde deshalb nicht geschrieben: Die Änderungen dieser Sitzung gehen verloren.</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 ist jetzt ein Verweis, den ein anderer Benutzer angelegt haben könnte, und wurde deshalb nicht geschrieben. Die Änderungen bleiben bis zum Beenden des Programms erhalten.</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>Bestzeit!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>TfrmSize</name>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>&amp;Minen:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Minen</translation>
    </message>
</context>
</TS>
