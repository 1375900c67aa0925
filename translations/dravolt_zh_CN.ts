<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>无法创建 ini 文件</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>无法打开 ini 文件。</translation>
    </message>
</context>
<context>
    <name>TAccessTexts</name>
    <message>
        <source>Bombs left</source>
        <translation>剩余雷数</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>未翻开</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>已插旗</translation>
    </message>
    <message>
        <source>?</source>
        <translation>问号</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>bomb</source>
        <translation>地雷</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>错误的旗子</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
</context>
<context>
    <name>TFieldAccessible</name>
    <message>
        <source>Lost</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Won in %1 seconds</source>
        <translation>用时 %1 秒获胜</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>游戏历史 %1 已损坏，因此已将其重命名为 %2 并开始新的历史。</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>游戏历史 %1 由较新版本的 Dravolt 写入，因此此版本既不显示其中的游戏，也不在其中记录游戏。</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>无法在此文件夹中写入游戏历史 %1，因此在 Dravolt 下次启动之前不会记录游戏。</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>无法将本局写入游戏历史 %1，因此在 Dravolt 下次启动之前不再记录游戏。</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>无法加载 SQLite 库 %2，因此不会在游戏历史 %1 中记录游戏。</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <source>won</source>
        <translation>胜</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>负</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>时间（秒）</translation>
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
        <translation>效率</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>no guessing</source>
        <translation>无需猜测</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>角到角</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>来自代码的布局</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 × %2，%3 个雷，%4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>游戏历史</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>大小和模式</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>大小和模式(&amp;S)：</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>局数：</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>胜局：</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>胜率：</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>最佳时间：</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>最佳 3BV/s：</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>获胜平均时间：</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>当前连胜：</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>最长连胜：</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>获胜时间和 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>回放(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>再玩一次此布局(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>导出为 CSV(&amp;E)...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>此大小和模式的胜局</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>时间（秒）</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>胜局</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>无法读取本局的记录，因此无法回放。</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>无法读取本局的布局，因此无法再玩一次。</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>导出为 CSV</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>games.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>此大小和模式尚无胜局</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>无法显示获胜时间图表。</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Dravolt 使用手册</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>回放</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>剩余雷数</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>回放时间</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>回放中的雷区</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>单步(&amp;T)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>单步</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1 倍</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>步数</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>version 1.0</source>
        <translation>版本 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>游戏 | 大小</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  雷区可以比平常更小或更大：从宽 10、高 1 到宽 100、高 60。</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>游戏 | 最佳时间</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  为高度、宽度和雷数的每一种组合保存所有最佳时间的记录。</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>游戏 | 会话统计</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  统计！记录本次会话中你的所有用时和成绩。</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>操作 | 撤销</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  撤销！如果你“不小心”点到了雷，可以把游戏恢复到那次致命点击之前的状态。</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>选项 | 设置背景</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  你可以选择一张获胜时显示的图片。图片可以按原样显示，也可以拉伸（试试就知道了）。</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>选项 | 游戏结束时显示数字</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  所有未翻开的方块都会被翻开，显示下面有什么。</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>选项 | 自动保存会话统计</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  开启此选项后，当前会话的统计会自动保存（否则会询问你）。</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>选项 | 免费点击一次</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  游戏开始时会替你做一次“安全”的点击，翻开一个方块。</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>选项 | 键盘操作</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  可以不用鼠标玩游戏。会出现一个蓝色高亮的方块。</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - 用方向键移动蓝色方块。</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - “S”相当于单击。</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - “D”相当于双击。</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - “F”相当于插上或拔掉旗子。</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - 空格键相当于点击“开始”按钮。</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  （提示：在此模式下建议关闭动画按钮。</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>选项 | 动画按钮</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  动画按钮只是在按住鼠标键时让方块呈现熟悉的按下效果；如果不需要，可以在这里关闭。</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- 记录所有已玩游戏的历史。</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- 更大的自定义尺寸。</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- 为每种尺寸保存最佳时间。</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- 可以设置背景图片。</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- 计时最长 9999 秒。</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- 可选择在游戏开始时翻开一个方块。</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- 可选择突出显示已成功扫清的区域。</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- 可以用键盘玩：S = 单击，D = 双键点击，F = 标记地雷。</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- 如有任何问题请报告。</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- 在右键中提供 (?) 标记。</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- 提供几种标准尺寸供选择。</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- 从其他用户的 ini 导入最佳时间。</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- 根据背景图片大小调整窗口大小。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>优点</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>缺点</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>计划</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>在“%1”栏中输入的路径或文件名不正确。</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>无背景</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>获胜时显示默认背景</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>获胜时显示自定义背景</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>拉伸背景以适应窗口</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图片</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>最佳时间</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>会话：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TfrmDravolt</name>
    <message>
        <source>This will stop your current game. Continue ?</source>
        <translation>这将结束当前游戏。是否继续？</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>无法打开 Dravolt.ini</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>未能及时为此雷区找到仅凭逻辑即可解开的布局，因此这一局可能需要猜测。</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>无法保存 Dravolt.ini：本次会话中更改的设置已丢失。</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>大小(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>最佳时间(&amp;B)...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>会话统计(&amp;E)...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>清除当前会话统计(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>最小化(&amp;M)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>操作(&amp;A)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>设置背景(&amp;S)...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>游戏结束时显示数字(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>自动保存会话统计(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>旗子标记(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>旗子(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>缩放(&amp;Z)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>&amp;One Free Click</source>
        <translation>免费点击一次(&amp;O)</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>无需猜测(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>键盘操作(&amp;K)</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>动画按钮(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>角到角模式(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>右键包含 (?) 标记(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>为 %1 × %2、%3 个雷保存的最佳时间无法读取（“%4”），因此本局无法与之比较。</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>另一个 Dravolt 窗口已在此期间为 %1 × %2、%3 个雷保存了相同或更好的时间，因此最佳时间仍是那一个。</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>无法保存 Dravolt.ini：新的最佳时间会保留到程序关闭为止。</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>是否保存本次会话的统计？</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>无法保存 DravoltHistory.ini：本次会话的统计已丢失。</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>雷数</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Boards without guessing</source>
        <translation>无需猜测的雷区</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>没有可查看的统计。</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>局号</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>剩余雷数</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>确定要清除本次会话的统计吗？</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>使用手册(&amp;M)</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>雷区太满，无法生成仅凭逻辑即可解开的布局，因此这一局可能需要猜测。</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>这不是 Dravolt 布局代码。</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>此布局代码由较新版本的 Dravolt 生成，此版本无法读取。</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>此布局代码已损坏：部分内容在复制时被更改或丢失。</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>此布局代码包含 Dravolt 无法布置的布局。</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>历史记录(&amp;H)...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>复制布局代码(&amp;D)</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>用代码开局(&amp;C)...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>保留游戏历史(&amp;Y)</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>还没有可复制的布局：地雷要在第一次翻开时才会布置。</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>用代码开局</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>布局代码(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>经典(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>浅色(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>深色(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>主题(&amp;T)</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 现在是一个可能由其他用户放置的链接，因此没有写入：本次会话的更改已丢失。</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 现在是一个可能由其他用户放置的链接，因此没有写入。更改会保留到程序关闭为止。</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>最佳时间！</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
</context>
<context>
    <name>TfrmSize</name>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>高度(&amp;H)：</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>宽度(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>雷数(&amp;B)：</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>雷数</translation>
    </message>
</context>
</TS>
