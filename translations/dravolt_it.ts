<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>Impossibile creare il file ini</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>Impossibile aprire il file ini.</translation>
    </message>
</context>
<context>
    <name>TAccessTexts</name>
    <message>
        <source>Bombs left</source>
        <translation>Mine rimaste</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>non scoperta</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>con bandierina</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>bomb</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandierina sbagliata</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
</context>
<context>
    <name>TFieldAccessible</name>
    <message>
        <source>Lost</source>
        <translation>Partita persa</translation>
    </message>
    <message>
        <source>Won in %1 seconds</source>
        <translation>Partita vinta in %1 secondi</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>La cronologia delle partite %1 era danneggiata, quindi è stata rinominata %2 e ne è stata iniziata una nuova.</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>La cronologia delle partite %1 è stata scritta da una versione più recente di Dravolt, quindi questa non vi mostra né vi registra partite.</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>La cronologia delle partite %1 non può essere scritta in questa cartella, quindi nessuna partita verrà registrata fino al prossimo avvio di Dravolt.</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>Impossibile scrivere questa partita nella cronologia delle partite %1, quindi non verranno registrate altre partite fino al prossimo avvio di Dravolt.</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>Nessuna partita viene registrata nella cronologia delle partite %1, perché non è possibile caricare la libreria SQLite %2.</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <source>won</source>
        <translation>vinta</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>persa</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abbandonata</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tempo (s)</translation>
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
        <translation>Efficienza</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>no guessing</source>
        <translation>senza indovinare</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>da angolo ad angolo</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>schemi da codice</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normale</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 x %2, %3 mine, %4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Cronologia delle partite</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>Dimensioni e modalità</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>&amp;Dimensioni e modalità:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Partite:</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Vittorie:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Percentuale di vittorie:</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>Miglior tempo:</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>Miglior 3BV/s:</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>Tempo medio delle vittorie:</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Serie di vittorie attuale:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Serie di vittorie più lunga:</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>Tempi delle vittorie e 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Rivedi</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>&amp;Gioca di nuovo questo schema</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>E&amp;sporta come CSV...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>Vittorie con queste dimensioni e modalità</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tempo (s)</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Vittoria</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>La registrazione di questa partita non può essere letta, quindi non può essere rivista.</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>Lo schema di questa partita non può essere letto, quindi non può essere giocato di nuovo.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Esporta come CSV</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>partite.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>Ancora nessuna vittoria con queste dimensioni e modalità</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>Non è stato possibile mostrare il grafico dei tempi delle vittorie.</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Manuale di Dravolt</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>Rivedi la partita</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>Mine rimaste</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>Tempo della partita rivista</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>Campo della partita rivista</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Avanza</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Avanza</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
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
        <translation>versione 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>Partita | Dimensioni</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  Il campo può essere più piccolo o più grande del solito: da 10 colonne e 1 riga fino a 100 colonne e 60 righe.</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>Partita | Migliori tempi</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  Conserva la cronologia di tutti i migliori tempi per ogni combinazione possibile di altezza, larghezza e numero di mine.</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>Partita | Statistiche della sessione</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  Statistiche! Tiene traccia di tutti i tuoi tempi e risultati della sessione in corso.</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>Azioni | Annulla</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  Annulla! Se hai cliccato &quot;per sbaglio&quot; su una mina, puoi riportare la partita allo stato precedente a quel clic fatale.</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>Opzioni | Imposta sfondo</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  Puoi scegliere un&apos;immagine da mostrare quando vinci. L&apos;immagine può apparire a grandezza naturale o adattata alla finestra (prova e vedrai).</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>Opzioni | Mostra i numeri a fine partita</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  Tutte le caselle non scoperte vengono rivelate per mostrare cosa nascondevano.</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>Opzioni | Salva automaticamente le statistiche</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  Con questa opzione attiva, le statistiche della sessione in corso vengono salvate automaticamente (altrimenti ti verrà chiesto).</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>Opzioni | Un clic gratis</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  All&apos;inizio della partita il gioco fa per te un clic &quot;sicuro&quot; che scopre una casella.</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>Opzioni | Navigazione da tastiera</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  Permette di giocare senza mouse. Compare un&apos;unica casella evidenziata in blu.</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - le frecce spostano la casella blu.</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - &quot;S&quot; equivale a un clic singolo.</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - &quot;D&quot; equivale a un doppio clic.</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - &quot;F&quot; mette o toglie una bandierina.</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - la barra spaziatrice equivale a premere il pulsante Via.</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  (Consiglio: in questa modalità conviene disattivare i pulsanti animati.</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>Opzioni | Pulsanti animati</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  I pulsanti animati danno alle caselle il consueto aspetto premuto solo mentre si tiene premuto un tasto del mouse; se non ti interessa, disattivali qui.</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- Registra la cronologia di tutte le partite giocate.</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- Dimensioni personalizzabili più grandi.</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- Salva il miglior tempo per ogni dimensione.</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- Può avere un&apos;immagine di sfondo.</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- Cronometra fino a 9999 secondi.</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- Opzione per scoprire una casella all&apos;inizio della partita.</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- Opzione per evidenziare l&apos;area sminata con successo.</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- Si può giocare con la tastiera: S = clic singolo, D = doppio clic, F = segna una mina.</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- Per favore segnala qualsiasi errore.</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- Offrire (?) nel clic destro.</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- Proporre alcune dimensioni standard tra cui scegliere.</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- Importare i migliori tempi dal file ini di un altro utente.</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- Adattare la dimensione della finestra a quella dell&apos;immagine di sfondo.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Pregi</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Difetti</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>Da fare</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>Il percorso o il nome del file inserito nel campo &quot;%1&quot; non è corretto.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Nessuno sfondo</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>Mostra lo sfondo predefinito alla vittoria</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>Mostra uno sfondo personale alla vittoria</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Immagine:</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>Adatta lo sfondo alla finestra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>Migliori tempi</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Sessione:</translation>
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
        <translation>La partita in corso verrà interrotta. Continuare?</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>Impossibile aprire Dravolt.ini</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>Non è stato trovato in tempo uno schema risolvibile con la sola logica per questo campo, quindi questo potrebbe richiedere di tirare a indovinare.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>Impossibile salvare Dravolt.ini: le impostazioni modificate in questa sessione andranno perse.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>&amp;Dimensioni...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>&amp;Migliori tempi...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>&amp;Statistiche della sessione...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>&amp;Cancella statistiche della sessione</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>Rid&amp;uci a icona</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Azioni</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>Imposta &amp;sfondo...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>Mostra i &amp;numeri a fine partita</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>Salva &amp;automaticamente le statistiche</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>&amp;Marcatore</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>&amp;Bandierina</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;One Free Click</source>
        <translation>Un &amp;clic gratis</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>Senza &amp;tirare a indovinare</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>Navigazione da tast&amp;iera</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>&amp;Pulsanti animati</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>Modalità &amp;da angolo ad angolo</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>Includi (?) nel clic dest&amp;ro</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>Il miglior tempo salvato per %1 × %2 con %3 mine è illeggibile (&quot;%4&quot;), quindi questa partita non può essere confrontata.</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>Un&apos;altra finestra di Dravolt ha nel frattempo salvato un tempo uguale o migliore per %1 × %2 con %3 mine, che resta quindi il miglior tempo.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>Impossibile salvare Dravolt.ini: il nuovo miglior tempo viene conservato fino alla chiusura del programma.</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>Vuoi salvare le statistiche di questa sessione?</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>Impossibile salvare DravoltHistory.ini: le statistiche di questa sessione andranno perse.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Boards without guessing</source>
        <translation>Schemi senza indovinare</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>Non ci sono statistiche da visualizzare.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>Partita n.</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>Mine rimaste</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>Vuoi davvero cancellare le statistiche di questa sessione?</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>Il campo è troppo pieno per uno schema risolvibile con la sola logica, quindi questo potrebbe richiedere di tirare a indovinare.</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>Questo non è un codice di schema di Dravolt.</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>Questo codice di schema è stato creato da una versione più recente di Dravolt, che questa non sa leggere.</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>Questo codice di schema è danneggiato: una parte è stata modificata o persa durante la copia.</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>Questo codice di schema contiene uno schema che Dravolt non può preparare.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>C&amp;ronologia...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>Copia il c&amp;odice dello schema</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>&amp;Gioca uno schema da codice...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>Conserva la cron&amp;ologia delle partite</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>Non c&apos;è ancora uno schema da copiare: le sue mine vengono piazzate alla prima casella scoperta.</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>Gioca uno schema da codice</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>&amp;Codice dello schema:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classico</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>Ch&amp;iaro</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Scuro</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>T&amp;ema</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 è ora un collegamento che un altro utente potrebbe aver creato, quindi non è stato scritto: le modifiche di questa sessione andranno perse.</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 è ora un collegamento che un altro utente potrebbe aver creato, quindi non è stato scritto. Le modifiche vengono conservate fino alla chiusura del programma.</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>Miglior tempo!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>TfrmSize</name>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altezza:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Larghezza:</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>&amp;Mine:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Mine</translation>
    </message>
</context>
</TS>
