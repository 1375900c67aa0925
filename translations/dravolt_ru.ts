<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>Не удалось создать ini-файл</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>Не удалось открыть ini-файл.</translation>
    </message>
</context>
<context>
    <name>TAccessTexts</name>
    <message>
        <source>Bombs left</source>
        <translation>Осталось мин</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>закрыта</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>с флажком</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пустая</translation>
    </message>
    <message>
        <source>bomb</source>
        <translation>мина</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>неверный флажок</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>строка %1, столбец %2</translation>
    </message>
</context>
<context>
    <name>TFieldAccessible</name>
    <message>
        <source>Lost</source>
        <translation>Поражение</translation>
    </message>
    <message>
        <source>Won in %1 seconds</source>
        <translation>Победа, время в секундах: %1</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>История игр %1 была повреждена, поэтому она переименована в %2 и начата новая.</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>История игр %1 записана более новой версией Dravolt, поэтому эта версия не показывает и не записывает в неё игры.</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>История игр %1 не может быть записана в этой папке, поэтому игры не записываются до следующего запуска Dravolt.</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>Не удалось записать эту игру в историю игр %1, поэтому больше игры не записываются до следующего запуска Dravolt.</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>Игры не записываются в историю игр %1, потому что не удаётся загрузить библиотеку SQLite %2.</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <source>won</source>
        <translation>победа</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>поражение</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>прервана</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Окончание</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Время (с)</translation>
    </message>
    <message>
        <source>3BV</source>
        <translation>3BV</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/с</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Эффективность</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>no guessing</source>
        <translation>без угадывания</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>из угла в угол</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>поля из кодов</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>обычный</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 × %2, мин: %3, %4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>История игр</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>Размер и режим</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>&amp;Размер и режим:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Игры:</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Победы:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Доля побед:</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>Лучшее время:</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>Лучший 3BV/с:</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>Среднее время побед:</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Текущая серия побед:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Самая длинная серия побед:</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Игры</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>Время побед и 3BV/с</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Повтор</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>&amp;Сыграть это поле снова</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>&amp;Экспорт в CSV...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>Победы этого размера и режима</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Время (с)</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/с</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Победа</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>Запись этой игры не читается, поэтому её нельзя воспроизвести.</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>Поле этой игры не читается, поэтому его нельзя сыграть снова.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Экспорт в CSV</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>игры.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Не удалось записать %1.</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>Побед этого размера и режима пока нет</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>Не удалось показать график времени побед.</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Руководство Dravolt</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>Осталось мин</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>Время повтора</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>Воспроизводимое поле</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Шаг</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Шаг</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>П&amp;ауза</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Воспроизвести</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>version 1.0</source>
        <translation>версия 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>Игра | Размер</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  Поле может быть меньше или больше обычного: от 10 столбцов и 1 строки до 100 столбцов и 60 строк.</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>Игра | Лучшее время</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  Хранит историю лучшего времени для всех возможных сочетаний высоты, ширины и числа мин.</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>Игра | Статистика сессии</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  Статистика! Запоминает всё ваше время и результаты текущей сессии.</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>Действия | Отменить</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  Отмена! Если вы «случайно» щёлкнули по мине, можно вернуть игру в состояние до этого рокового щелчка.</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>Параметры | Фон</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  Можно выбрать картинку, которая появится при победе. Её можно показать в обычном размере или растянуть (попробуйте и увидите).</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>Параметры | Показывать числа после игры</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  Все неоткрытые клетки будут открыты, чтобы показать, что под ними было.</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>Параметры | Автосохранение статистики сессии</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  Если параметр включён, статистика текущей сессии сохраняется автоматически (иначе будет задан вопрос).</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>Параметры | Один бесплатный щелчок</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  В начале игры программа сама делает за вас один «безопасный» щелчок и открывает клетку.</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>Параметры | Управление с клавиатуры</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  Позволяет играть без мыши. Появляется одна клетка, выделенная синим.</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - стрелки перемещают синюю клетку.</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - «S» — одинарный щелчок.</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - «D» — двойной щелчок.</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - «F» ставит или снимает флажок.</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - пробел нажимает кнопку «Старт».</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  (Совет: в этом режиме лучше отключить анимированные кнопки.</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>Параметры | Анимированные кнопки</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  Анимированные кнопки лишь придают клеткам привычный нажатый вид, пока удерживается кнопка мыши; если это не нужно, отключите их здесь.</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- Ведёт историю всех сыгранных игр.</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- Поля большего размера на выбор.</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- Хранит лучшее время для каждого размера.</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- Можно задать фоновую картинку.</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- Время до 9999 секунд.</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- Возможность открыть одну клетку в начале игры.</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- Возможность подсветить успешно разминированную область.</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- Можно играть с клавиатуры: S — одинарный щелчок, D — двойной щелчок, F — пометить мину.</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- Пожалуйста, сообщайте о любых ошибках.</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- Добавить (?) в правый щелчок.</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- Предложить несколько стандартных размеров на выбор.</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- Импорт лучшего времени из ini другого пользователя.</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- Подгонять размер окна под размер фоновой картинки.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Плюсы</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Минусы</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>Планы</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>Путь или имя файла в поле «%1» указаны неверно.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Без фона</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>Стандартный фон при победе</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>Свой фон при победе</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Картинка:</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>Растянуть фон по размеру окна</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Картинка</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Сессия:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TfrmDravolt</name>
    <message>
        <source>This will stop your current game. Continue ?</source>
        <translation>Текущая игра будет остановлена. Продолжить?</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>Не удалось открыть Dravolt.ini</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>Для этого поля не удалось вовремя найти расклад, решаемый одной логикой, поэтому здесь, возможно, придётся угадывать.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>Не удалось сохранить Dravolt.ini: изменённые за эту сессию настройки потеряны.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>&amp;Размер...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>&amp;Лучшее время...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>&amp;Статистика сессии...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>&amp;Очистить статистику текущей сессии</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>Сверну&amp;ть</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Действия</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>&amp;Фон...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>Показывать &amp;числа после игры</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>&amp;Автосохранение статистики сессии</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>&amp;Метка</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>&amp;Флажок</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>Мас&amp;штаб</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;One Free Click</source>
        <translation>&amp;Один бесплатный щелчок</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>&amp;Без угадывания</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>&amp;Управление с клавиатуры</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>Аним&amp;ированные кнопки</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>Режим «у&amp;гол в угол»</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>&amp;Включить (?) в правый щелчок</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Руководство</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>Сохранённое лучшее время для %1 × %2 с %3 минами не читается («%4»), поэтому эту игру нельзя с ним сравнить.</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>Другое окно Dravolt тем временем сохранило такое же или лучшее время для %1 × %2 с %3 минами, поэтому лучшим остаётся оно.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>Не удалось сохранить Dravolt.ini: новое лучшее время сохранится до закрытия программы.</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>Сохранить статистику этой сессии?</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>Не удалось сохранить DravoltHistory.ini: статистика этой сессии потеряна.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Мины</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Boards without guessing</source>
        <translation>Поля без угадывания</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>Нет статистики для просмотра.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>Игра №</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>Осталось мин</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>Вы действительно хотите очистить статистику этой сессии?</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>Поле слишком заполнено для расклада, решаемого одной логикой, поэтому здесь, возможно, придётся угадывать.</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>Это не код поля Dravolt.</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>Этот код поля создан более новой версией Dravolt, и эта версия не может его прочитать.</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>Этот код поля повреждён: часть его была изменена или потеряна при копировании.</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>Этот код поля содержит поле, которое Dravolt не может разложить.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;История...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>&amp;Копировать код поля</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>Сыгр&amp;ать поле по коду...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>Вести исто&amp;рию игр</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>Поле ещё нельзя скопировать: мины расставляются при открытии первой клетки.</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>Сыграть поле по коду</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>&amp;Код поля:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Классическая</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Светлая</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Тёмная</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Тема</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 теперь является ссылкой, которую мог создать другой пользователь, поэтому файл не записан: изменения этой сессии потеряны.</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 теперь является ссылкой, которую мог создать другой пользователь, поэтому файл не записан. Изменения сохранятся до закрытия программы.</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>Лучшее время!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
</context>
<context>
    <name>TfrmSize</name>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Высота:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ширина:</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>&amp;Мины:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Мины</translation>
    </message>
</context>
</TS>
