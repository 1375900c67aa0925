<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>Nie można utworzyć pliku ini</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>Nie można otworzyć pliku ini.</translation>
    </message>
</context>
<context>
    <name>TAccessTexts</name>
    <message>
        <source>Bombs left</source>
        <translation>Pozostałe miny</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>zakryte</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>z flagą</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>bomb</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>błędna flaga</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
</context>
<context>
    <name>TFieldAccessible</name>
    <message>
        <source>Lost</source>
        <translation>Przegrana</translation>
    </message>
    <message>
        <source>Won in %1 seconds</source>
        <translation>Wygrana, czas w sekundach: %1</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>Historia gier %1 była uszkodzona, więc zmieniono jej nazwę na %2 i rozpoczęto nową.</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>Historia gier %1 została zapisana przez nowszą wersję Dravolt, więc ta wersja nie wyświetla ani nie zapisuje w niej gier.</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>Historii gier %1 nie można zapisać w tym folderze, więc gry nie będą zapisywane do ponownego uruchomienia Dravolt.</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>Nie można zapisać tej gry w historii gier %1, więc kolejne gry nie będą zapisywane do ponownego uruchomienia Dravolt.</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>Gry nie są zapisywane w historii gier %1, ponieważ nie można wczytać biblioteki SQLite %2.</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <source>won</source>
        <translation>wygrana</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>przegrana</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>przerwana</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Czas (s)</translation>
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
        <translation>Skuteczność</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>no guessing</source>
        <translation>bez zgadywania</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>od rogu do rogu</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>plansze z kodów</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>zwykły</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 × %2, min: %3, %4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historia gier</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>Rozmiar i tryb</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>&amp;Rozmiar i tryb:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Gry:</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Wygrane:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Odsetek wygranych:</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>Najlepszy czas:</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>Najlepsze 3BV/s:</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>Średni czas wygranych:</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Bieżąca seria wygranych:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Najdłuższa seria wygranych:</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Gry</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>Czasy wygranych i 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Powtórka</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>&amp;Zagraj tę planszę ponownie</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>&amp;Eksportuj do CSV...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>Wygrane w tym rozmiarze i trybie</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Czas (s)</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Wygrana</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>Zapisu tej gry nie można odczytać, więc nie można go odtworzyć.</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>Planszy tej gry nie można odczytać, więc nie można zagrać jej ponownie.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Eksportuj do CSV</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>gry.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Nie można zapisać %1.</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>Brak jeszcze wygranych w tym rozmiarze i trybie</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>Nie można wyświetlić wykresu czasów wygranych.</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Podręcznik gry Dravolt</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>Powtórka</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>Pozostałe miny</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>Czas powtórki</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>Odtwarzane pole</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Krok</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Odtwórz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
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
        <translation>wersja 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>Gra | Rozmiar</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  Pole może być mniejsze lub większe niż zwykle: od 10 kolumn i 1 wiersza do 100 kolumn i 60 wierszy.</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>Gra | Najlepsze czasy</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  Przechowuje historię najlepszych czasów dla wszystkich możliwych połączeń wysokości, szerokości i liczby min.</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>Gra | Statystyki sesji</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  Statystyki! Zapamiętuje wszystkie czasy i wyniki bieżącej sesji.</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>Akcje | Cofnij</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  Cofnij! Jeśli „przypadkiem” kliknięto minę, można przywrócić grę do stanu sprzed tego fatalnego kliknięcia.</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>Opcje | Ustaw tło</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  Można wybrać obrazek pokazywany po wygranej. Może być wyświetlony normalnie albo rozciągnięty (wypróbuj, a zobaczysz).</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>Opcje | Pokaż liczby po końcu gry</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  Wszystkie nieodkryte pola zostaną odsłonięte, by pokazać, co było pod spodem.</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>Opcje | Automatycznie zapisuj statystyki</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  Gdy ta opcja jest włączona, statystyki bieżącej sesji zapisują się automatycznie (w przeciwnym razie pojawi się pytanie).</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>Opcje | Jedno darmowe kliknięcie</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  Na początku gry program sam wykona za ciebie jedno „bezpieczne” kliknięcie, odkrywając pole.</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>Opcje | Nawigacja klawiaturą</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  Pozwala grać bez myszy. Pojawi się jedno pole podświetlone na niebiesko.</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - strzałki przesuwają niebieskie pole.</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - „S” to pojedyncze kliknięcie.</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - „D” to podwójne kliknięcie.</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - „F” stawia lub zdejmuje flagę.</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - spacja to kliknięcie przycisku Start.</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  (Wskazówka: w tym trybie warto wyłączyć animowane przyciski.</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>Opcje | Animowane przyciski</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  Animowane przyciski nadają polom znajomy wygląd wciśniętych tylko wtedy, gdy przycisk myszy jest przytrzymany; jeśli ci to nie odpowiada, wyłącz je tutaj.</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- Zapisuje historię wszystkich rozegranych gier.</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- Większe, dowolne rozmiary pola.</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- Zapisuje najlepszy czas dla każdego rozmiaru.</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- Można ustawić obrazek tła.</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- Mierzy czas do 9999 sekund.</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- Opcja odkrycia jednego pola na początku gry.</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- Opcja wyróżnienia pomyślnie rozminowanego obszaru.</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- Można grać klawiaturą: S = pojedyncze kliknięcie, D = podwójne kliknięcie, F = oznacz minę.</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- Prosimy zgłaszać wszelkie błędy.</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- Dodać (?) do prawego kliknięcia.</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- Dać do wyboru kilka standardowych rozmiarów.</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- Import najlepszych czasów z pliku ini innego użytkownika.</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- Dopasowanie rozmiaru okna do rozmiaru obrazka tła.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Zalety</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Wady</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>Do zrobienia</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>Ścieżka lub nazwa pliku wpisana w polu „%1” jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Bez tła</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>Pokaż domyślne tło po wygranej</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>Pokaż własne tło po wygranej</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Obrazek:</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>Rozciągnij tło do rozmiaru okna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Obrazek</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>Najlepsze czasy</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Sesja:</translation>
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
        <translation>To zakończy bieżącą grę. Kontynuować?</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>Nie można otworzyć Dravolt.ini</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>Nie udało się na czas znaleźć dla tego pola planszy rozwiązywalnej samą logiką, więc ta może wymagać zgadywania.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>Nie można zapisać Dravolt.ini: ustawienia zmienione w tej sesji zostały utracone.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>&amp;Rozmiar...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>&amp;Najlepsze czasy...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>&amp;Statystyki sesji...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>&amp;Wyczyść statystyki bieżącej sesji</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimalizuj</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Akcje</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>Ustaw &amp;tło...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>Pokaż &amp;liczby po końcu gry</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>Automatycznie zapisuj &amp;statystyki</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>&amp;Znacznik</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>&amp;Flaga</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Powiększenie</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;One Free Click</source>
        <translation>Jedno &amp;darmowe kliknięcie</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>&amp;Bez zgadywania</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>&amp;Nawigacja klawiaturą</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>&amp;Animowane przyciski</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>Tryb &amp;od rogu do rogu</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>Dodaj (?) do prawego &amp;kliknięcia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Podręcznik</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>Zapisany najlepszy czas dla %1 × %2 z %3 minami jest nieczytelny („%4”), więc tej gry nie można z nim porównać.</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>Inne okno gry Dravolt zapisało w międzyczasie równy lub lepszy czas dla %1 × %2 z %3 minami, więc to on pozostaje najlepszym czasem.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>Nie można zapisać Dravolt.ini: nowy najlepszy czas zostanie zachowany do zamknięcia programu.</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>Czy zapisać statystyki tej sesji?</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>Nie można zapisać DravoltHistory.ini: statystyki tej sesji zostały utracone.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Miny</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Boards without guessing</source>
        <translation>Plansze bez zgadywania</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>Brak statystyk do wyświetlenia.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>Gra nr</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>Pozostałe miny</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Średnia</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>Czy na pewno wyczyścić statystyki tej sesji?</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>Pole jest zbyt zapełnione, by znaleźć planszę rozwiązywalną samą logiką, więc ta może wymagać zgadywania.</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>To nie jest kod planszy Dravolt.</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>Ten kod planszy został utworzony przez nowszą wersję Dravolt, której ta wersja nie potrafi odczytać.</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>Ten kod planszy jest uszkodzony: jego część została zmieniona lub utracona przy kopiowaniu.</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>Ten kod planszy zawiera planszę, której Dravolt nie potrafi rozłożyć.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historia...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>&amp;Kopiuj kod planszy</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>Zagraj &amp;planszę z kodu...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>Zapisuj &amp;historię gier</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>Nie ma jeszcze planszy do skopiowania: miny są rozmieszczane przy pierwszym odkryciu pola.</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>Zagraj planszę z kodu</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>&amp;Kod planszy:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klasyczny</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Jasny</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Ciemny</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Motyw</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 jest teraz dowiązaniem, które mógł umieścić inny użytkownik, więc nie został zapisany: zmiany z tej sesji zostały utracone.</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 jest teraz dowiązaniem, które mógł umieścić inny użytkownik, więc nie został zapisany. Zmiany zostaną zachowane do zamknięcia programu.</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>Najlepszy czas!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
</context>
<context>
    <name>TfrmSize</name>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Wysokość:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Szerokość:</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>&amp;Miny:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Miny</translation>
    </message>
</context>
</TS>
