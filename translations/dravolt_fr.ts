<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>Impossible de créer le fichier ini</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>Impossible d&apos;ouvrir le fichier ini.</translation>
    </message>
</context>
<context>
    <name>TAccessTexts</name>
    <message>
        <source>Bombs left</source>
        <translation>Mines restantes</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>non découverte</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>marquée d&apos;un drapeau</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>bomb</source>
        <translation>mine</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>drapeau erroné</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
</context>
<context>
    <name>TFieldAccessible</name>
    <message>
        <source>Lost</source>
        <translation>Partie perdue</translation>
    </message>
    <message>
        <source>Won in %1 seconds</source>
        <translation>Partie gagnée en %1 secondes</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>L&apos;historique des parties %1 était endommagé : il a été renommé %2 et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>L&apos;historique des parties %1 a été écrit par une version plus récente de Dravolt : celle-ci n&apos;y affiche ni n&apos;y enregistre aucune partie.</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>L&apos;historique des parties %1 ne peut pas être écrit dans ce dossier : aucune partie ne sera enregistrée avant le prochain démarrage de Dravolt.</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>Cette partie n&apos;a pas pu être écrite dans l&apos;historique des parties %1 : plus aucune partie ne sera enregistrée avant le prochain démarrage de Dravolt.</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>Aucune partie n&apos;est enregistrée dans l&apos;historique des parties %1, car la bibliothèque SQLite %2 ne peut pas être chargée.</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <source>won</source>
        <translation>gagnée</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdue</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abandonnée</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
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
        <translation>Efficacité</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>no guessing</source>
        <translation>sans deviner</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>coin à coin</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>grilles depuis un code</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 x %2, %3 mines, %4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historique des parties</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>Taille et mode</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>&amp;Taille et mode :</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Parties :</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Victoires :</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Taux de victoire :</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>Meilleur temps :</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>Meilleur 3BV/s :</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>Temps moyen des victoires :</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Série de victoires en cours :</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Plus longue série de victoires :</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>Temps des victoires et 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Revoir</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>Re&amp;jouer cette grille</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>Victoires de cette taille et de ce mode</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Victoire</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>L&apos;enregistrement de cette partie est illisible : elle ne peut pas être revue.</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>La grille de cette partie est illisible : elle ne peut pas être rejouée.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>parties.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>Pas encore de victoire de cette taille et de ce mode</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>Le graphique des temps des victoires n&apos;a pas pu être affiché.</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Manuel de Dravolt</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>Revoir la partie</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>Mines restantes</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>Temps de la partie revue</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>Champ de la partie revue</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Avancer</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
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
        <translation>version 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>Partie | Taille</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  Le champ peut être plus petit ou plus grand que d&apos;habitude : de 10 colonnes et 1 ligne jusqu&apos;à 100 colonnes et 60 lignes.</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>Partie | Meilleurs temps</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  Garde l&apos;historique de tous les meilleurs temps pour chaque combinaison possible de hauteur, largeur et nombre de mines.</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>Partie | Statistiques de la session</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  Des statistiques ! Garde la trace de tous vos temps et résultats de la session en cours.</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>Actions | Annuler</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  Annuler ! Si vous avez cliqué « par mégarde » sur une mine, vous pouvez ramener la partie à son état d&apos;avant ce clic fatal.</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>Options | Définir l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  Vous pouvez choisir une image à afficher quand vous gagnez. L&apos;image peut s&apos;afficher normalement ou être étirée (essayez pour voir).</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>Options | Afficher les nombres en fin de partie</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  Toutes les cases non découvertes sont révélées pour montrer ce qu&apos;elles cachaient.</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>Options | Enregistrer automatiquement les statistiques</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  Avec cette option, les statistiques de la session en cours sont enregistrées automatiquement (sinon une question vous est posée).</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>Options | Un clic gratuit</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  Au début de la partie, le jeu fait pour vous un clic « sûr » qui découvre une case.</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>Options | Navigation au clavier</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  Permet de jouer sans la souris. Une case unique surlignée en bleu apparaît.</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - les flèches déplacent la case bleue.</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - « S » équivaut à un clic simple.</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - « D » équivaut à un double clic.</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - « F » pose ou retire un drapeau.</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - la barre d&apos;espace équivaut à un clic sur le bouton Jouer.</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  (Conseil : désactivez les boutons animés dans ce mode.</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>Options | Boutons animés</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  Les boutons animés donnent seulement aux cases leur aspect enfoncé habituel tant qu&apos;un bouton de la souris est maintenu ; si cela ne vous plaît pas, désactivez-les ici.</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- Garde l&apos;historique de toutes les parties jouées.</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- Tailles personnalisables plus grandes.</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- Enregistre le meilleur temps pour chaque taille.</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- Image d&apos;arrière-plan possible.</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- Chronomètre jusqu&apos;à 9999 secondes.</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- Option pour découvrir une case au début de la partie.</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- Option pour mettre en évidence la zone déminée avec succès.</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- Jouable au clavier : S = clic simple, D = double clic, F = drapeau sur une mine.</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- Merci de signaler tout bogue.</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- Proposer (?) au clic droit.</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- Proposer quelques tailles standard au choix.</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- Importer les meilleurs temps du fichier ini d&apos;un autre utilisateur.</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- Adapter la taille de la fenêtre à celle de l&apos;image d&apos;arrière-plan.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Points forts</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Points faibles</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>À faire</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>Le chemin ou le nom de fichier saisi dans le champ « %1 » est incorrect.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Aucun arrière-plan</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>Arrière-plan par défaut en cas de victoire</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>Arrière-plan personnel en cas de victoire</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Image :</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>Étirer l&apos;arrière-plan à la taille de la fenêtre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Session :</translation>
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
        <translation>Cela va arrêter la partie en cours. Continuer ?</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>Impossible d&apos;ouvrir Dravolt.ini</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>Aucune grille résoluble par la seule logique n&apos;a été trouvée à temps pour ce champ ; celle-ci demandera peut-être de deviner.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>Impossible d&apos;enregistrer Dravolt.ini : les réglages modifiés pendant cette session sont perdus.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>&amp;Taille...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>&amp;Meilleurs temps...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>&amp;Statistiques de la session...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>&amp;Effacer les statistiques de la session</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Actions</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>Définir l&apos;&amp;arrière-plan...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>Afficher les &amp;nombres en fin de partie</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>Enregistrer automatiquement les &amp;statistiques</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>&amp;Marqueur</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>&amp;Drapeau</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;One Free Click</source>
        <translation>Un &amp;clic gratuit</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>Sans de&amp;viner</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>Navigation au c&amp;lavier</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>&amp;Boutons animés</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>Mode c&amp;oin à coin</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>Inclure (?) dans le clic d&amp;roit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>Le meilleur temps enregistré pour %1 × %2 avec %3 mines est illisible (« %4 ») ; cette partie ne peut donc pas lui être comparée.</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>Une autre fenêtre de Dravolt a entre-temps enregistré un temps égal ou meilleur pour %1 × %2 avec %3 mines ; c&apos;est lui qui reste le meilleur temps.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>Impossible d&apos;enregistrer Dravolt.ini : le nouveau meilleur temps est conservé jusqu&apos;à la fermeture du programme.</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>Voulez-vous enregistrer les statistiques de cette session ?</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>Impossible d&apos;enregistrer DravoltHistory.ini : les statistiques de cette session sont perdues.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Mines</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Boards without guessing</source>
        <translation>Grilles sans hasard</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>Il n&apos;y a aucune statistique à afficher.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>Partie n°</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>Mines restantes</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>Voulez-vous vraiment effacer les statistiques de cette session ?</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>Le champ est trop rempli pour une grille que la logique seule peut résoudre : celle-ci demandera peut-être de deviner.</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>Ce n&apos;est pas un code de grille Dravolt.</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>Ce code de grille a été créé par une version plus récente de Dravolt, que celle-ci ne sait pas lire.</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>Ce code de grille est endommagé : une partie a été modifiée ou perdue lors de la copie.</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>Ce code de grille contient une grille que Dravolt ne peut pas mettre en place.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>&amp;Copier le code de la grille</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>&amp;Jouer une grille depuis un code...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>Conserver l&apos;&amp;historique des parties</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>Il n&apos;y a pas encore de grille à copier : ses mines sont placées à la première case découverte.</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>Jouer une grille depuis un code</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>&amp;Code de la grille :</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>Cl&amp;air</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Sombre</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Thème</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 est maintenant un lien qu&apos;un autre utilisateur a pu placer, il n&apos;a donc pas été écrit : les modifications de cette session sont perdues.</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 est maintenant un lien qu&apos;un autre utilisateur a pu placer, il n&apos;a donc pas été écrit. Les modifications sont conservées jusqu&apos;à la fermeture du programme.</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>Meilleur temps !</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>TfrmSize</name>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur :</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>&amp;Mines :</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Mines</translation>
    </message>
</context>
</TS>
