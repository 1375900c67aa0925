<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>Não foi possível criar o arquivo ini</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>Não foi possível abrir o arquivo ini.</translation>
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
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>fechada</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>com bandeira</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>bomb</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandeira errada</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
</context>
<context>
    <name>TFieldAccessible</name>
    <message>
        <source>Lost</source>
        <translation>Derrota</translation>
    </message>
    <message>
        <source>Won in %1 seconds</source>
        <translation>Vitória em %1 segundos</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>O histórico de jogos %1 estava danificado, por isso foi renomeado para %2 e um novo foi iniciado.</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>O histórico de jogos %1 foi gravado por uma versão mais nova do Dravolt, por isso esta versão não mostra nem registra jogos nele.</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>O histórico de jogos %1 não pode ser gravado nesta pasta, por isso nenhum jogo será registrado até o Dravolt ser aberto de novo.</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>Não foi possível gravar este jogo no histórico de jogos %1, por isso nenhum outro jogo será registrado até o Dravolt ser aberto de novo.</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>Nenhum jogo é registrado no histórico de jogos %1, porque a biblioteca SQLite %2 não pode ser carregada.</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <source>won</source>
        <translation>vitória</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>derrota</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abandonado</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Terminado em</translation>
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
        <translation>Eficiência</translation>
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
        <translation>sem adivinhação</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>de canto a canto</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>tabuleiros de códigos</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 × %2, %3 minas, %4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Histórico de jogos</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>Tamanho e modo</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>&amp;Tamanho e modo:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Jogos:</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Vitórias:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Taxa de vitórias:</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>Melhor tempo:</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>Melhor 3BV/s:</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>Tempo médio das vitórias:</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Sequência atual de vitórias:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Maior sequência de vitórias:</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>Tempos das vitórias e 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Replay</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>&amp;Jogar este tabuleiro de novo</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>&amp;Exportar como CSV...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>Vitórias deste tamanho e modo</translation>
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
        <translation>Vitória</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>O registro deste jogo não pode ser lido, por isso ele não pode ser revisto.</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>O tabuleiro deste jogo não pode ser lido, por isso ele não pode ser jogado de novo.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exportar como CSV</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>jogos.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Não foi possível gravar %1.</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>Ainda não há vitórias deste tamanho e modo</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>Não foi possível mostrar o gráfico dos tempos das vitórias.</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Manual do Dravolt</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>Minas restantes</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>Tempo do replay</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>Campo do replay</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
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
        <translation>versão 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>Jogo | Tamanho</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  O campo pode ser menor ou maior que o normal: de 10 colunas e 1 linha até 100 colunas e 60 linhas.</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>Jogo | Melhores tempos</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  Mantém um histórico de todos os melhores tempos para cada combinação possível de altura, largura e número de minas.</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>Jogo | Estatísticas da sessão</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  Estatísticas! Acompanha todos os seus tempos e números da sessão atual.</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>Ações | Desfazer</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  Desfazer! Se você clicou &quot;sem querer&quot; numa mina, pode voltar o jogo ao estado de antes daquele clique fatal.</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>Opções | Definir fundo</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  Você pode escolher uma imagem para mostrar quando vencer. A imagem pode aparecer no tamanho normal ou esticada (experimente para ver).</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>Opções | Mostrar números no fim do jogo</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  Todas as casas não abertas são reveladas para mostrar o que havia embaixo.</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>Opções | Salvar estatísticas automaticamente</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  Com esta opção ligada, as estatísticas da sessão atual são salvas automaticamente (senão, você recebe uma pergunta).</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>Opções | Um clique grátis</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  Ao começar o jogo, ele faz por você um clique &quot;seguro&quot; que abre uma casa.</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>Opções | Navegação pelo teclado</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  Permite jogar sem o mouse. Aparece uma única casa destacada em azul.</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - as setas movem a casa azul.</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - &quot;S&quot; equivale a um clique simples.</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - &quot;D&quot; equivale a um clique duplo.</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - &quot;F&quot; coloca ou retira uma bandeira.</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - a barra de espaço equivale a clicar no botão Jogar.</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  (Dica: desligue os botões animados neste modo.</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>Opções | Botões animados</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  Os botões animados só dão às casas a conhecida aparência de pressionadas enquanto um botão do mouse está apertado; se não gostar, desligue-os aqui.</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- Registra um histórico de todos os jogos jogados.</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- Tamanhos personalizáveis maiores.</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- Salva o melhor tempo para cada tamanho.</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- Pode ter uma imagem de fundo.</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- Marca tempos de até 9999 segundos.</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- Opção para abrir uma casa quando o jogo começa.</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- Opção para destacar a área liberada com sucesso.</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- Dá para jogar pelo teclado: S = clique simples, D = clique duplo, F = marcar uma mina.</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- Por favor, relate qualquer erro.</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- Oferecer (?) no clique direito.</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- Oferecer alguns tamanhos padrão para escolher.</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- Importar os melhores tempos do ini de outro usuário.</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- Ajustar o tamanho da janela ao tamanho da imagem de fundo.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Pontos fortes</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Pontos fracos</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>A fazer</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>O caminho ou o nome do arquivo informado no campo &quot;%1&quot; está incorreto.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Sem fundo</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>Mostrar o fundo padrão ao vencer</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>Mostrar um fundo próprio ao vencer</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Imagem:</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>Esticar o fundo até o tamanho da janela</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagem</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>Melhores tempos</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Sessão:</translation>
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
        <translation>Isso vai encerrar o jogo atual. Continuar?</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>Não foi possível abrir Dravolt.ini</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>Não foi encontrado a tempo um tabuleiro que só a lógica resolva para este campo, então este talvez exija um chute.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>Não foi possível salvar Dravolt.ini: as configurações alteradas nesta sessão foram perdidas.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>&amp;Tamanho...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>&amp;Melhores tempos...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>&amp;Estatísticas da sessão...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>&amp;Limpar estatísticas da sessão atual</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>M&amp;inimizar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Ações</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>Definir &amp;fundo...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>Mostrar &amp;números no fim do jogo</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>Salvar estatísticas &amp;automaticamente</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>&amp;Marcador</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>&amp;Bandeira</translation>
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
        <translation>Um &amp;clique grátis</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>Sem ad&amp;ivinhar</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>Navegação pelo &amp;teclado</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>&amp;Botões animados</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>Modo de cant&amp;o a canto</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>Incluir (?) no clique di&amp;reito</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual do jogo</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>O melhor tempo salvo para %1 × %2 com %3 minas está ilegível (&quot;%4&quot;), então este jogo não pode ser comparado a ele.</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>Outra janela do Dravolt salvou nesse meio-tempo um tempo igual ou melhor para %1 × %2 com %3 minas, que continua sendo o melhor tempo.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>Não foi possível salvar Dravolt.ini: o novo melhor tempo fica guardado até o programa ser fechado.</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>Deseja salvar as estatísticas desta sessão?</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>Não foi possível salvar DravoltHistory.ini: as estatísticas desta sessão foram perdidas.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Minas</translation>
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
        <translation>Tabuleiros sem adivinhação</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>Não há estatísticas para mostrar.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>Jogo nº</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>Minas restantes</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>Tem certeza de que deseja limpar as estatísticas desta sessão?</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>O campo está cheio demais para um tabuleiro que só a lógica resolva, então este pode exigir um palpite.</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>Este não é um código de tabuleiro do Dravolt.</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>Este código de tabuleiro foi criado por uma versão mais nova do Dravolt, que esta versão não consegue ler.</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>Este código de tabuleiro está danificado: parte dele foi alterada ou perdida na cópia.</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>Este código de tabuleiro contém um tabuleiro que o Dravolt não consegue montar.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Histórico...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>&amp;Copiar código do tabuleiro</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>&amp;Jogar tabuleiro a partir de código...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>Manter &amp;histórico de jogos</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>Ainda não há tabuleiro para copiar: as minas são posicionadas ao abrir a primeira casa.</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>Jogar tabuleiro a partir de código</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>&amp;Código do tabuleiro:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clássico</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>C&amp;laro</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Escuro</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>T&amp;ema</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 agora é um link que outro usuário pode ter colocado, por isso não foi gravado: as alterações desta sessão foram perdidas.</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 agora é um link que outro usuário pode ter colocado, por isso não foi gravado. As alterações ficam guardadas até o programa ser fechado.</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>Melhor tempo!</translation>
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
        <translation>Cancelar</translation>
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
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altura:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largura:</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>&amp;Minas:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Minas</translation>
    </message>
</context>
</TS>
