<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>Soubor ini nelze vytvořit</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>Soubor ini nelze otevřít.</translation>
    </message>
</context>
<context>
    <name>TAccessTexts</name>
    <message>
        <source>Bombs left</source>
        <translation>Zbývá min</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>zakryté</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>s vlajkou</translation>
    </message>
    <message>
        <source>?</source>
        <translation>otazník</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>bomb</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>chybná vlajka</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>řádek %1, sloupec %2</translation>
    </message>
</context>
<context>
    <name>TFieldAccessible</name>
    <message>
        <source>Lost</source>
        <translation>Prohra</translation>
    </message>
    <message>
        <source>Won in %1 seconds</source>
        <translation>Výhra, čas v sekundách: %1</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>Historie her %1 byla poškozená, proto byla přejmenována na %2 a byla založena nová.</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>Historii her %1 zapsala novější verze Dravoltu, proto v ní tato verze hry nezobrazuje ani nezaznamenává.</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>Historii her %1 nelze v této složce zapisovat, proto se hry až do příštího spuštění Dravoltu nezaznamenávají.</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>Tuto hru nebylo možné zapsat do historie her %1, proto se až do příštího spuštění Dravoltu další hry nezaznamenají.</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>Do historie her %1 se nezaznamenávají žádné hry, protože knihovnu SQLite %2 nelze načíst.</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <source>won</source>
        <translation>výhra</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>prohra</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>nedohráno</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ukončeno</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Čas (s)</translation>
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
        <translation>Efektivita</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>no guessing</source>
        <translation>bez hádání</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>z rohu do rohu</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>rozložení z kódů</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normální</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 × %2, min: %3, %4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historie her</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>Velikost a režim</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>&amp;Velikost a režim:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Hry:</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Výhry:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Podíl výher:</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>Nejlepší čas:</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>Nejlepší 3BV/s:</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>Průměrný čas výher:</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Aktuální série výher:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Nejdelší série výher:</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Hry</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>Časy výher a 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Přehrát</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>Hrát toto rozložení &amp;znovu</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>&amp;Exportovat do CSV...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>není</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>Výhry v této velikosti a režimu</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Čas (s)</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Výhra</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>Záznam této hry nelze přečíst, proto ji nelze přehrát.</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>Rozložení této hry nelze přečíst, proto ji nelze hrát znovu.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exportovat do CSV</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>hry.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Soubor %1 nelze zapsat.</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>Zatím žádné výhry v této velikosti a režimu</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>Graf časů výher nelze zobrazit.</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Příručka ke hře Dravolt</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>Přehrávání</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>Zbývá min</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>Čas přehrávání</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>Přehrávané pole</translation>
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
        <translation>Rychlost</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Tahy</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pozastavit</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Přehrát</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Přehrát</translation>
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
        <translation>verze 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>Hra | Velikost</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  Pole může být menší nebo větší než obvykle: od 10 sloupců a 1 řádku až po 100 sloupců a 60 řádků.</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>Hra | Nejlepší časy</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  Uchovává historii nejlepších časů pro všechny možné kombinace výšky, šířky a počtu min.</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>Hra | Statistika relace</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  Statistika! Zaznamenává všechny vaše časy a výsledky aktuální relace.</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>Akce | Zpět</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  Zpět! Pokud jste „omylem“ klikli na minu, můžete hru vrátit do stavu před tímto osudným kliknutím.</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>Možnosti | Nastavit pozadí</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  Můžete si vybrat obrázek, který se zobrazí po výhře. Může se zobrazit normálně nebo roztažený (vyzkoušejte a uvidíte).</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>Možnosti | Zobrazit čísla po konci hry</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  Všechna neodkrytá políčka se odkryjí a ukážou, co bylo pod nimi.</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>Možnosti | Automaticky ukládat statistiku</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  Je-li tato možnost zapnutá, statistika aktuální relace se ukládá automaticky (jinak se vás hra zeptá).</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>Možnosti | Jedno volné kliknutí</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  Na začátku hry za vás hra provede jedno „bezpečné“ kliknutí a odkryje políčko.</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>Možnosti | Ovládání klávesnicí</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  Umožňuje hrát bez myši. Objeví se jediné modře zvýrazněné políčko.</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - šipkami posouváte modré políčko.</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - „S“ odpovídá jednoduchému kliknutí.</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - „D“ odpovídá dvojitému kliknutí.</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - „F“ položí nebo odebere vlajku.</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - mezerník odpovídá stisku tlačítka Start.</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  (Tip: v tomto režimu doporučuji vypnout animovaná tlačítka.</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>Možnosti | Animovaná tlačítka</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  Animovaná tlačítka dávají políčkům známý vzhled stisknutí jen po dobu, kdy je držené tlačítko myši; pokud o to nestojíte, vypněte je zde.</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- Zaznamenává historii všech odehraných her.</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- Větší volitelné velikosti.</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- Ukládá nejlepší čas pro každou velikost.</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- Může mít obrázek na pozadí.</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- Měří čas až do 9999 sekund.</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- Možnost odkrýt jedno políčko na začátku hry.</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- Možnost zvýraznit úspěšně vyčištěnou oblast.</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- Lze hrát klávesnicí: S = jednoduché kliknutí, D = dvojité kliknutí, F = označit minu.</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- Hlaste prosím všechny chyby.</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- Nabídnout (?) při kliknutí pravým tlačítkem.</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- Nabídnout několik standardních velikostí na výběr.</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- Import nejlepších časů ze souboru ini jiného uživatele.</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- Přizpůsobit velikost okna velikosti obrázku na pozadí.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Klady</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Zápory</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>Plány</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>Cesta nebo název souboru zadaný v poli „%1“ není správný.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Pozadí</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Bez pozadí</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>Po výhře zobrazit výchozí pozadí</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>Po výhře zobrazit vlastní pozadí</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Obrázek:</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>Roztáhnout pozadí na velikost okna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Obrázek</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>Nejlepší časy</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Relace:</translation>
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
        <translation>Tím se ukončí rozehraná hra. Pokračovat?</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>Soubor Dravolt.ini nelze otevřít</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>Pro toto pole se včas nenašlo rozložení řešitelné samotnou logikou, proto tu možná bude nutné hádat.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>Soubor Dravolt.ini nelze uložit: nastavení změněná během této relace jsou ztracena.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>&amp;Velikost...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>&amp;Nejlepší časy...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>&amp;Statistika relace...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>Vy&amp;mazat statistiku aktuální relace</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>M&amp;inimalizovat</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Akce</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>Nastavit &amp;pozadí...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>Zobrazit &amp;čísla po konci hry</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>&amp;Automaticky ukládat statistiku</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>&amp;Značka</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>&amp;Vlajka</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Měřítko</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;One Free Click</source>
        <translation>Jedno &amp;volné kliknutí</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>&amp;Bez hádání</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>Ovládání &amp;klávesnicí</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>A&amp;nimovaná tlačítka</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>Režim z &amp;rohu do rohu</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>Zahrnout (?) do pravého kl&amp;iknutí</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O aplikaci...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>Uložený nejlepší čas pro %1 × %2 s %3 minami je nečitelný („%4“), proto s ním tuto hru nelze porovnat.</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>Jiné okno hry Dravolt mezitím uložilo stejný nebo lepší čas pro %1 × %2 s %3 minami, takže nejlepším časem zůstává ten.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>Soubor Dravolt.ini nelze uložit: nový nejlepší čas zůstane zachován do ukončení programu.</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>Chcete uložit statistiku této relace?</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>Soubor DravoltHistory.ini nelze uložit: statistika této relace je ztracena.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Výška</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Šířka</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Miny</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Boards without guessing</source>
        <translation>Pole bez hádání</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>Není k dispozici žádná statistika.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>Hra č.</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>Zbývá min</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Průměr</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>Opravdu chcete vymazat statistiku této relace?</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Příručka</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>Pole je příliš zaplněné na rozložení řešitelné samotnou logikou, proto tu možná bude nutné hádat.</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>Toto není kód rozložení Dravoltu.</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>Tento kód rozložení vytvořila novější verze Dravoltu, kterou tato verze neumí přečíst.</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>Tento kód rozložení je poškozený: jeho část se při kopírování změnila nebo ztratila.</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>Tento kód rozložení obsahuje rozložení, které Dravolt neumí rozdat.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historie...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>Kopírovat kód &amp;rozložení</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>Hrát rozložení z kó&amp;du...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>Uchovávat &amp;historii her</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>Zatím není co kopírovat: miny se rozmístí až při prvním odkrytí.</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>Hrát rozložení z kódu</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>&amp;Kód rozložení:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klasický</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Světlý</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Tmavý</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>Mo&amp;tiv</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 je nyní odkaz, který mohl vytvořit jiný uživatel, a proto nebyl zapsán: změny z této relace jsou ztraceny.</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 je nyní odkaz, který mohl vytvořit jiný uživatel, a proto nebyl zapsán. Změny zůstanou zachovány do ukončení programu.</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>Nejlepší čas!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Jméno:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
</context>
<context>
    <name>TfrmSize</name>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Výška:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>Šíř&amp;ka:</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>&amp;Miny:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Výška</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Šířka</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Miny</translation>
    </message>
</context>
</TS>
