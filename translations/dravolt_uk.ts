<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>Не вдалося створити ini-файл</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>Не вдалося відкрити ini-файл.</translation>
    </message>
</context>
<context>
    <name>TAccessTexts</name>
    <message>
        <source>Bombs left</source>
        <translation>Лишилося мін</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>закрита</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>з прапорцем</translation>
    </message>
    <message>
        <source>?</source>
        <translation>знак питання</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожня</translation>
    </message>
    <message>
        <source>bomb</source>
        <translation>міна</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>хибний прапорець</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>рядок %1, стовпець %2</translation>
    </message>
</context>
<context>
    <name>TFieldAccessible</name>
    <message>
        <source>Lost</source>
        <translation>Поразка</translation>
    </message>
    <message>
        <source>Won in %1 seconds</source>
        <translation>Перемога, час у секундах: %1</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>Історію ігор %1 пошкоджено, тому її перейменовано на %2 і розпочато нову.</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>Історію ігор %1 записала новіша версія Dravolt, тому ця версія не показує в ній ігор і не записує їх.</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>Історію ігор %1 не можна записувати в цій теці, тому до наступного запуску Dravolt ігри не записуватимуться.</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>Цю гру не вдалося записати в історію ігор %1, тому до наступного запуску Dravolt ігри більше не записуватимуться.</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>Ігри не записуються до історії ігор %1, бо не вдається завантажити бібліотеку SQLite %2.</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <source>won</source>
        <translation>перемога</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>поразка</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>покинуто</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Час (с)</translation>
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
        <translation>Ефективність</translation>
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
        <translation>без вгадування</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>кут у кут</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>розклади з кодів</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>звичайний</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 × %2, мін: %3, %4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Історія ігор</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>Розмір і режим</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>&amp;Розмір і режим:</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>Ігри:</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Перемоги:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>Частка перемог:</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>Найкращий час:</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>Найкращий 3BV/s:</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>Середній час перемог:</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Поточна серія перемог:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Найдовша серія перемог:</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Ігри</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>Час перемог і 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Відтворити</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>Зіграти цей розклад &amp;ще раз</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>&amp;Експорт у CSV...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>Перемоги цього розміру й режиму</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Час (с)</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Перемога</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>Запис цієї гри не читається, тому її не можна відтворити.</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>Розклад цієї гри не читається, тому її не можна зіграти ще раз.</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Експорт у CSV</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>ігри.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Не вдалося записати %1.</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>Перемог цього розміру й режиму поки немає</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>Не вдалося показати графік часу перемог.</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Посібник Dravolt</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>Відтворення</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>Лишилося мін</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>Час відтворення</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>Відтворюване поле</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Крок</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Крок</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Швидкість</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходи</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Відтворити</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Відтворити</translation>
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
        <translation>версія 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>Гра | Розмір</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  Поле може бути меншим або більшим за звичайне: від 10 стовпців і 1 рядка до 100 стовпців і 60 рядків.</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>Гра | Найкращий час</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  Зберігає історію найкращого часу для всіх можливих поєднань висоти, ширини та кількості мін.</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>Гра | Статистика сесії</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  Статистика! Запам&apos;ятовує весь ваш час і результати поточної сесії.</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>Дії | Скасувати</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  Скасування! Якщо ви «випадково» клацнули по міні, можна повернути гру до стану перед цим фатальним клацанням.</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>Параметри | Тло</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  Можна вибрати зображення, яке з&apos;явиться після перемоги. Його можна показати у звичайному розмірі або розтягнути (спробуйте й побачите).</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>Параметри | Показувати числа після гри</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  Усі невідкриті клітинки буде відкрито, щоб показати, що під ними було.</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>Параметри | Автозбереження статистики сесії</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  Якщо параметр увімкнено, статистика поточної сесії зберігається автоматично (інакше буде поставлено запитання).</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>Параметри | Один безкоштовний клік</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  На початку гри програма сама робить за вас одне «безпечне» клацання й відкриває клітинку.</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>Параметри | Керування з клавіатури</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  Дає змогу грати без миші. З&apos;являється одна клітинка, виділена синім.</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - стрілки переміщують синю клітинку.</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - «S» — одинарне клацання.</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - «D» — подвійне клацання.</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - «F» ставить або знімає прапорець.</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - пробіл натискає кнопку «Старт».</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  (Порада: у цьому режимі краще вимкнути анімовані кнопки.</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>Параметри | Анімовані кнопки</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  Анімовані кнопки лише надають клітинкам звичного натиснутого вигляду, поки утримується кнопка миші; якщо це не потрібно, вимкніть їх тут.</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- Веде історію всіх зіграних ігор.</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- Поля більшого розміру на вибір.</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- Зберігає найкращий час для кожного розміру.</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- Можна задати фонове зображення.</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- Час до 9999 секунд.</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- Можливість відкрити одну клітинку на початку гри.</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- Можливість підсвітити успішно розміновану область.</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- Можна грати з клавіатури: S — одинарне клацання, D — подвійне клацання, F — позначити міну.</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- Будь ласка, повідомляйте про будь-які помилки.</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- Додати (?) до правого кліку.</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- Запропонувати кілька стандартних розмірів на вибір.</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- Імпорт найкращого часу з ini іншого користувача.</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- Підганяти розмір вікна під розмір фонового зображення.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>Опис</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Переваги</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Недоліки</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>Плани</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>Шлях або назву файлу в полі «%1» вказано неправильно.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Тло</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Без тла</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>Типове тло після перемоги</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>Власне тло після перемоги</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Зображення:</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>Розтягнути тло за розміром вікна</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Зображення</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>Найкращий час</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Сесія:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>TfrmDravolt</name>
    <message>
        <source>This will stop your current game. Continue ?</source>
        <translation>Поточну гру буде зупинено. Продовжити?</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>Не вдалося відкрити Dravolt.ini</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>Для цього поля не вдалося вчасно знайти розклад, який розв&apos;язується самою логікою, тож тут, можливо, доведеться вгадувати.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>Не вдалося зберегти Dravolt.ini: змінені за цю сесію налаштування втрачено.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>&amp;Розмір...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>&amp;Найкращий час...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>&amp;Статистика сесії...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>&amp;Очистити статистику поточної сесії</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Згорнути</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>Д&amp;ії</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>&amp;Тло...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>Показувати &amp;числа після гри</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>&amp;Автозбереження статистики сесії</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>&amp;Позначка</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>&amp;Прапорець</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Масштаб</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;One Free Click</source>
        <translation>&amp;Один безкоштовний клік</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>&amp;Без вгадування</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>&amp;Керування з клавіатури</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>Анімо&amp;вані кнопки</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>Режим «кут &amp;у кут»</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>&amp;Додати (?) до правого кліку</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Посібник</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>П&amp;ро програму...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>Збережений найкращий час для %1 × %2 з %3 мінами не читається («%4»), тому цю гру не можна з ним порівняти.</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>Інше вікно Dravolt тим часом зберегло такий самий або кращий час для %1 × %2 з %3 мінами, тож найкращим лишається він.</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>Не вдалося зберегти Dravolt.ini: новий найкращий час збережеться до закриття програми.</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>Зберегти статистику цієї сесії?</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>Не вдалося зберегти DravoltHistory.ini: статистику цієї сесії втрачено.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Висота</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Міни</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім&apos;я</translation>
    </message>
    <message>
        <source>Boards without guessing</source>
        <translation>Поля без вгадування</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>Немає статистики для перегляду.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>Гра №</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>Лишилося мін</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Середнє</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>Ви справді бажаєте очистити статистику цієї сесії?</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>Поле надто заповнене для розкладу, який розв&apos;язується самою логікою, тож тут, можливо, доведеться вгадувати.</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>Це не код розкладу Dravolt.</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>Цей код розкладу створено новішою версією Dravolt, і ця версія не може його прочитати.</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>Цей код розкладу пошкоджено: частину його змінено або втрачено під час копіювання.</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>Цей код містить розклад, який Dravolt не може роздати.</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Історія...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>Копіювати &amp;код розкладу</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>&amp;Грати розклад із коду...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>Зберігати &amp;історію ігор</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>Ще немає розкладу для копіювання: міни розставляються під час першого відкриття клітинки.</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>Грати розклад із коду</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>&amp;Код розкладу:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Класична</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Світла</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Темна</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>Т&amp;ема</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 тепер є посиланням, яке міг створити інший користувач, тому файл не записано: зміни цієї сесії втрачено.</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 тепер є посиланням, яке міг створити інший користувач, тому файл не записано. Зміни збережуться до закриття програми.</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>Найкращий час!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ім&apos;я:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім&apos;я</translation>
    </message>
</context>
<context>
    <name>TfrmSize</name>
    <message>
        <source>Size</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Висота:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ширина:</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>&amp;Міни:</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Висота</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>Міни</translation>
    </message>
</context>
</TS>
