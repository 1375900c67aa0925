<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>Kan het ini-bestand niet aanmaken</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>Kan het ini-bestand niet openen.</translation>
    </message>
</context>
<context>
    <name>TAccessTexts</name>
    <message>
        <source>Bombs left</source>
        <translation>Mijnen over</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>dicht</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>met vlag</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>bomb</source>
        <translation>mijn</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>foute vlag</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>rij %1, kolom %2</translation>
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
        <translation>Gewonnen in %1 seconden</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>De spelgeschiedenis %1 was beschadigd, dus is hij hernoemd naar %2 en is er een nieuwe begonnen.</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>De spelgeschiedenis %1 is geschreven door een nieuwere versie van Dravolt, dus deze versie toont er geen spellen uit en legt er geen spellen in vast.</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>De spelgeschiedenis %1 kan in deze map niet worden geschreven, dus worden er geen spellen vastgelegd tot Dravolt opnieuw start.</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>Dit spel kon niet in de spelgeschiedenis %1 worden geschreven, dus worden er geen spellen meer vastgelegd tot Dravolt opnieuw start.</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>Er worden geen spellen vastgelegd in de spelgeschiedenis %1, omdat de SQLite-bibliotheek %2 niet kan worden geladen.</translation>
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
        <translation>afgebroken</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Beëindigd</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tijd (s)</translation>
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
        <translation>Efficiëntie</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>no guessing</source>
        <translation>zonder gokken</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>hoek tot hoek</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>borden uit codes</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normaal</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 × %2, %3 mijnen, %4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Spelgeschiedenis</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>Grootte en modus</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>&amp;Grootte en modus:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Spellen:</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Gewonnen:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Winstpercentage:</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>Beste tijd:</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>Beste 3BV/s:</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>Gemiddelde tijd van winsten:</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Huidige winstreeks:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Langste winstreeks:</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>Winsttijden en 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Herhaling</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>Dit bord opnieuw &amp;spelen</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>&amp;Exporteren als CSV...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>Winsten van deze grootte en modus</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tijd (s)</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Winst</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>Het verloop van dit spel kan niet worden gelezen, dus kan het niet worden herhaald.</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>Het bord van dit spel kan niet worden gelezen, dus kan het niet opnieuw worden gespeeld.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exporteren als CSV</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>spellen.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Kan %1 niet schrijven.</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>Nog geen winsten van deze grootte en modus</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>De grafiek van de winsttijden kon niet worden getoond.</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Handleiding van Dravolt</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>Herhaling</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>Mijnen over</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>Tijd van de herhaling</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>Herhaald veld</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>S&amp;tap</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Stap</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Afspelen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
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
        <translation>versie 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>Spel | Grootte</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  Het veld kan kleiner of groter zijn dan gewoonlijk: van 10 kolommen en 1 rij tot 100 kolommen en 60 rijen.</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>Spel | Beste tijden</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  Houdt alle beste tijden bij voor elke mogelijke combinatie van hoogte, breedte en aantal mijnen.</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>Spel | Sessiestatistieken</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  Statistieken! Houdt al je tijden en cijfers van de huidige sessie bij.</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>Acties | Ongedaan maken</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  Ongedaan maken! Heb je &apos;per ongeluk&apos; op een mijn geklikt, dan kun je het spel terugzetten naar hoe het was vóór die fatale klik.</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>Opties | Achtergrond instellen</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  Je kunt een afbeelding kiezen die verschijnt als je wint. Die kan gewoon getoond of uitgerekt worden (probeer het maar).</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>Opties | Cijfers tonen na afloop</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  Alle niet aangeklikte vakjes worden opengedraaid om te laten zien wat eronder zat.</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>Opties | Sessiestatistieken automatisch opslaan</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  Met deze optie aan worden de statistieken van de huidige sessie automatisch opgeslagen (anders krijg je een vraag).</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>Opties | Eén gratis klik</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  Het spel doet bij de start voor jou één &apos;veilige&apos; klik die een vakje openlegt.</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>Opties | Toetsenbordbesturing</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  Hiermee speel je zonder muis. Er verschijnt één blauw gemarkeerd vakje.</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - met de pijltjestoetsen verplaats je het blauwe vakje.</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - &apos;S&apos; staat voor een enkele klik.</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - &apos;D&apos; staat voor een dubbelklik.</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - &apos;F&apos; plaatst of verwijdert een vlag.</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - de spatiebalk staat voor een klik op de knop Start.</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  (Tip: zet in deze modus de geanimeerde knoppen uit.</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>Opties | Geanimeerde knoppen</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  Geanimeerde knoppen geven de vakjes alleen het bekende ingedrukte uiterlijk zolang een muisknop ingedrukt is; hoef je dat niet, zet ze dan hier uit.</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- Houdt een geschiedenis bij van alle gespeelde spellen.</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- Grotere, zelf te kiezen formaten.</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- Bewaart de beste tijd voor elk formaat.</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- Kan een achtergrondafbeelding hebben.</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- Meet tijden tot 9999 seconden.</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- Optie om bij de start één vakje open te leggen.</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- Optie om het met succes vrijgemaakte gebied te markeren.</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- Te spelen met het toetsenbord: S = enkele klik, D = dubbele klik, F = mijn markeren.</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- Meld alsjeblieft alle fouten.</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- (?) aanbieden bij rechtsklikken.</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- Enkele standaardformaten aanbieden om uit te kiezen.</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- Beste tijden importeren uit het ini-bestand van een andere gebruiker.</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- Venstergrootte afstemmen op de grootte van de achtergrondafbeelding.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>Kenmerken</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Slecht</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>Te doen</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>Het pad of de bestandsnaam in het veld &apos;%1&apos; is onjuist.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Geen achtergrond</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>Standaardachtergrond tonen bij winst</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>Eigen achtergrond tonen bij winst</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Afbeelding:</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>Achtergrond uitrekken tot vensterformaat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Afbeelding</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>Beste tijden</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Sessie:</translation>
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
        <translation>Hiermee stopt je huidige spel. Doorgaan?</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>Kan Dravolt.ini niet openen</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>Voor dit veld is niet op tijd een bord gevonden dat met logica alleen op te lossen is, dus bij dit bord moet je misschien gokken.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>Kan Dravolt.ini niet opslaan: de in deze sessie gewijzigde instellingen gaan verloren.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>&amp;Grootte...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>&amp;Beste tijden...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>Sessie&amp;statistieken...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>Huidige sessiestatistieken &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimaliseren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Acties</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>&amp;Achtergrond instellen...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>&amp;Cijfers tonen na afloop</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>Sessiestatistieken automatisch op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>&amp;Markering</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>&amp;Vlag</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoomen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;One Free Click</source>
        <translation>Eén &amp;gratis klik</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>Zonder go&amp;kken</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>&amp;Toetsenbordbesturing</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>Geanimeer&amp;de knoppen</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>&amp;Hoek-tot-hoekmodus</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>(?) &amp;bij rechtsklik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>De opgeslagen beste tijd voor %1 × %2 met %3 mijnen is onleesbaar (&apos;%4&apos;), dus dit spel kan er niet mee vergeleken worden.</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>Een ander Dravolt-venster heeft intussen een even goede of betere tijd opgeslagen voor %1 × %2 met %3 mijnen; die blijft de beste tijd.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>Kan Dravolt.ini niet opslaan: de nieuwe beste tijd blijft bewaard tot het programma sluit.</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>Wil je de statistieken van deze sessie opslaan?</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>Kan DravoltHistory.ini niet opslaan: de statistieken van deze sessie gaan verloren.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Mijnen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Boards without guessing</source>
        <translation>Borden zonder gokken</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>Er zijn geen statistieken om te bekijken.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>Spel nr.</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>Mijnen over</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Gemiddelde</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>Weet je zeker dat je de statistieken van deze sessie wilt wissen?</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>Het veld is te vol voor een bord dat met logica alleen op te lossen is, dus bij dit bord moet je misschien gokken.</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>Dit is geen Dravolt-bordcode.</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>Deze bordcode is gemaakt door een nieuwere versie van Dravolt, die deze versie niet kan lezen.</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>Deze bordcode is beschadigd: een deel ervan is bij het kopiëren veranderd of verloren gegaan.</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>Deze bordcode bevat een bord dat Dravolt niet kan uitdelen.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>Ges&amp;chiedenis...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>Bordcode &amp;kopiëren</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>Bord uit code s&amp;pelen...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>Spe&amp;lgeschiedenis bijhouden</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>Er is nog geen bord om te kopiëren: de mijnen worden pas bij het eerste openleggen geplaatst.</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>Bord uit code spelen</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>&amp;Bordcode:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassiek</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Licht</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Donker</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>Th&amp;ema</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 is nu een koppeling die een andere gebruiker geplaatst kan hebben, dus er is niet naar geschreven: de wijzigingen van deze sessie gaan verloren.</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 is nu een koppeling die een andere gebruiker geplaatst kan hebben, dus er is niet naar geschreven. De wijzigingen blijven bewaard tot het programma sluit.</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>Beste tijd!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
</context>
<context>
    <name>TfrmSize</name>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hoogte:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breedte:</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>&amp;Mijnen:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Mijnen</translation>
    </message>
</context>
</TS>
