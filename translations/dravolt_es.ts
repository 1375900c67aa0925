<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>No se pudo crear el archivo ini</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>No se pudo abrir el archivo ini.</translation>
    </message>
</context>
<context>
    <name>TAccessTexts</name>
    <message>
        <source>Bombs left</source>
        <translation>Minas restantes</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>sin descubrir</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>con bandera</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>bomb</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandera errónea</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
</context>
<context>
    <name>TFieldAccessible</name>
    <message>
        <source>Lost</source>
        <translation>Partida perdida</translation>
    </message>
    <message>
        <source>Won in %1 seconds</source>
        <translation>Partida ganada en %1 segundos</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>El historial de partidas %1 estaba dañado, así que se ha renombrado como %2 y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>El historial de partidas %1 lo escribió una versión más reciente de Dravolt, así que esta no muestra ni registra partidas en él.</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>El historial de partidas %1 no se puede escribir en esta carpeta, así que no se registrarán partidas hasta que Dravolt vuelva a iniciarse.</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>Esta partida no se pudo escribir en el historial de partidas %1, así que no se registrarán más partidas hasta que Dravolt vuelva a iniciarse.</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>No se registran partidas en el historial de partidas %1, porque no se puede cargar la biblioteca SQLite %2.</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <source>won</source>
        <translation>ganada</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdida</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abandonada</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
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
        <translation>Eficiencia</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>no guessing</source>
        <translation>sin adivinar</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>esquina a esquina</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>tableros desde código</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 x %2, %3 minas, %4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historial de partidas</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>Tamaño y modo</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>&amp;Tamaño y modo:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Partidas:</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Victorias:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Porcentaje de victorias:</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>Mejor tiempo:</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>Mejor 3BV/s:</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>Tiempo medio de las victorias:</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Racha de victorias actual:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Racha de victorias más larga:</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>Tiempos de las victorias y 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>&amp;Jugar de nuevo este tablero</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>E&amp;xportar como CSV...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>Victorias de este tamaño y modo</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Victoria</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>No se puede leer el registro de esta partida, así que no se puede reproducir.</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>No se puede leer el tablero de esta partida, así que no se puede volver a jugar.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exportar como CSV</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>partidas.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>Aún no hay victorias de este tamaño y modo</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>No se pudo mostrar el gráfico de los tiempos de las victorias.</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Manual de Dravolt</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>Minas restantes</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>Tiempo de la repetición</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>Campo de la repetición</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Pa&amp;so</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
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
        <translation>versión 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>Juego | Tamaño</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  El campo puede ser más pequeño o más grande de lo habitual: desde 10 columnas y 1 fila hasta 100 columnas y 60 filas.</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>Juego | Mejores tiempos</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  Guarda un historial de los mejores tiempos para todas las combinaciones posibles de alto, ancho y número de minas.</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>Juego | Estadísticas de la sesión</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  ¡Estadísticas! Registra todos tus tiempos y cifras de la sesión actual.</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>Acciones | Deshacer</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  ¡Deshacer! Si has pulsado «sin querer» sobre una mina, puedes devolver la partida al estado anterior a ese clic fatal.</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>Opciones | Elegir fondo</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  Puedes elegir una imagen que se muestre al ganar. Puede verse a tamaño normal o estirada (prueba y verás).</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>Opciones | Mostrar números al terminar</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  Todas las casillas sin descubrir se destapan para mostrar lo que había debajo.</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>Opciones | Guardar estadísticas automáticamente</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  Con esta opción activada, las estadísticas de la sesión actual se guardan automáticamente (si no, se te preguntará).</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>Opciones | Un clic gratis</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  Al empezar la partida, el juego hace por ti un clic «seguro» que descubre una casilla.</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>Opciones | Navegación con teclado</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  Permite jugar sin ratón. Aparece una única casilla resaltada en azul.</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - las flechas mueven la casilla azul.</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - «S» equivale a un clic simple.</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - «D» equivale a un doble clic.</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - «F» pone o quita una bandera.</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - la barra espaciadora equivale a pulsar el botón Jugar.</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  (Consejo: desactiva los botones animados en este modo.</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>Opciones | Botones animados</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  Los botones animados solo dan a las casillas el conocido aspecto hundido mientras se mantiene pulsado un botón del ratón; si no te gusta, desactívalos aquí.</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- Guarda un historial de todas las partidas jugadas.</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- Tamaños personalizables más grandes.</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- Guarda el mejor tiempo para cada tamaño.</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- Admite una imagen de fondo.</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- Cronometra hasta 9999 segundos.</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- Opción para descubrir una casilla al empezar.</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- Opción para resaltar la zona despejada con éxito.</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- Se puede jugar con el teclado: S = clic simple, D = doble clic, F = marcar una mina.</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- Por favor, informa de cualquier error.</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- Ofrecer (?) en el clic derecho.</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- Ofrecer algunos tamaños estándar para elegir.</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- Importar los mejores tiempos del ini de otro usuario.</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- Ajustar el tamaño de la ventana según el de la imagen de fondo.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Lo bueno</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Lo malo</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>Pendiente</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>La ruta o el nombre de archivo escrito en el campo «%1» no es correcto.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Sin fondo</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>Mostrar el fondo predeterminado al ganar</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>Mostrar un fondo propio al ganar</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>Estirar el fondo al tamaño de la ventana</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Sesión:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmDravolt</name>
    <message>
        <source>This will stop your current game. Continue ?</source>
        <translation>Esto detendrá la partida actual. ¿Continuar?</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>No se pudo abrir Dravolt.ini</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>No se encontró a tiempo un tablero que pueda resolverse solo con lógica para este campo, así que este quizá obligue a adivinar.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>No se pudo guardar Dravolt.ini: se pierden los ajustes cambiados durante esta sesión.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>&amp;Tamaño...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>&amp;Mejores tiempos...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>&amp;Estadísticas de la sesión...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>&amp;Borrar estadísticas de la sesión actual</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Acciones</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>Elegir &amp;fondo...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>Mostrar &amp;números al terminar</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>&amp;Guardar estadísticas automáticamente</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>&amp;Marcador</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>&amp;Bandera</translation>
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
        <translation>Un &amp;clic gratis</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>Sin &amp;adivinar</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>Navegación con &amp;teclado</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>&amp;Botones animados</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>Modo &amp;esquina a esquina</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>Incluir (?) en clic de&amp;recho</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual de usuario</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>El mejor tiempo guardado para %1 × %2 con %3 minas no se puede leer («%4»), así que esta partida no puede compararse con él.</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>Otra ventana de Dravolt ha guardado entretanto un tiempo igual o mejor para %1 × %2 con %3 minas, así que ese sigue siendo el mejor tiempo.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>No se pudo guardar Dravolt.ini: el nuevo mejor tiempo se conserva hasta que se cierre el programa.</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>¿Quieres guardar las estadísticas de esta sesión?</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>No se pudo guardar DravoltHistory.ini: se pierden las estadísticas de esta sesión.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Minas</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Boards without guessing</source>
        <translation>Tableros sin adivinar</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>No hay estadísticas que mostrar.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>Partida n.º</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>Minas restantes</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>¿Seguro que quieres borrar las estadísticas de esta sesión?</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>El campo está demasiado lleno para un tablero que pueda despejarse solo con lógica, así que este quizá obligue a adivinar.</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>Esto no es un código de tablero de Dravolt.</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>Este código de tablero lo creó una versión más reciente de Dravolt, que esta no puede leer.</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>Este código de tablero está dañado: una parte se modificó o se perdió al copiarlo.</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>Este código de tablero contiene un tablero que Dravolt no puede preparar.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>&amp;Copiar código del tablero</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>&amp;Jugar tablero desde código...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>Guardar &amp;historial de partidas</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>Todavía no hay tablero que copiar: sus minas se colocan al descubrir la primera casilla.</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>Jugar tablero desde código</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>&amp;Código del tablero:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>C&amp;laro</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Oscuro</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>A&amp;specto</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 es ahora un enlace que otro usuario podría haber puesto, así que no se ha escrito: se pierden los cambios de esta sesión.</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 es ahora un enlace que otro usuario podría haber puesto, así que no se ha escrito. Los cambios se conservan hasta que se cierre el programa.</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>¡Mejor tiempo!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>TfrmSize</name>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Alto:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>A&amp;ncho:</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>&amp;Minas:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Minas</translation>
    </message>
</context>
</TS>
