<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Filer</name>
    <message>
        <source>Could not create ini file</source>
        <translation>ini ファイルを作成できませんでした</translation>
    </message>
    <message>
        <source>Could not open ini file.</source>
        <translation>ini ファイルを開けませんでした。</translation>
    </message>
</context>
<context>
    <name>TAccessTexts</name>
    <message>
        <source>Bombs left</source>
        <translation>残り地雷</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>タイム</translation>
    </message>
</context>
<context>
    <name>TCellWords</name>
    <message>
        <source>covered</source>
        <translation>閉じている</translation>
    </message>
    <message>
        <source>flagged</source>
        <translation>旗あり</translation>
    </message>
    <message>
        <source>?</source>
        <translation>疑問符</translation>
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
        <translation>誤った旗</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1 行目、%2 列目</translation>
    </message>
</context>
<context>
    <name>TFieldAccessible</name>
    <message>
        <source>Lost</source>
        <translation>負け</translation>
    </message>
    <message>
        <source>Won in %1 seconds</source>
        <translation>%1 秒で勝利</translation>
    </message>
</context>
<context>
    <name>THistoryRoom</name>
    <message>
        <source>The game history %1 was damaged, so it has been renamed %2 and a new one started.</source>
        <translation>ゲーム履歴 %1 が壊れていたため、%2 に名前を変更して新しい履歴を始めました。</translation>
    </message>
    <message>
        <source>The game history %1 was written by a newer version of Dravolt, so this one neither shows nor records games in it.</source>
        <translation>ゲーム履歴 %1 は新しいバージョンの Dravolt で書かれたため、このバージョンではその中のゲームを表示も記録もしません。</translation>
    </message>
    <message>
        <source>The game history %1 cannot be written in this folder, so no games are recorded until Dravolt starts again.</source>
        <translation>このフォルダーにはゲーム履歴 %1 を書き込めないため、Dravolt を次に起動するまでゲームは記録されません。</translation>
    </message>
    <message>
        <source>This game could not be written to the game history %1, so no more games are recorded until Dravolt starts again.</source>
        <translation>このゲームをゲーム履歴 %1 に書き込めなかったため、Dravolt を次に起動するまでこれ以上ゲームは記録されません。</translation>
    </message>
    <message>
        <source>No games are recorded in the game history %1, because the SQLite library %2 cannot be loaded.</source>
        <translation>SQLite ライブラリ %2 を読み込めないため、ゲーム履歴 %1 にはゲームが記録されません。</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <source>won</source>
        <translation>勝ち</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>負け</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>中断</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>終了日時</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>タイム (秒)</translation>
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
        <translation>効率</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>no guessing</source>
        <translation>推測なし</translation>
    </message>
    <message>
        <source>corner to corner</source>
        <translation>コーナー・トゥ・コーナー</translation>
    </message>
    <message>
        <source>boards from codes</source>
        <translation>コードからの盤面</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bombs, %4</source>
        <translation>%1 × %2、地雷 %3 個、%4</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>ゲーム履歴</translation>
    </message>
    <message>
        <source>Size and mode</source>
        <translation>サイズとモード</translation>
    </message>
    <message>
        <source>&amp;Size and mode:</source>
        <translation>サイズとモード(&amp;S):</translation>
    </message>
    <message>
        <source>Games:</source>
        <translation>ゲーム数:</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>勝利数:</translation>
    </message>
    <message>
        <source>Win rate:</source>
        <translation>勝率:</translation>
    </message>
    <message>
        <source>Best time:</source>
        <translation>ベストタイム:</translation>
    </message>
    <message>
        <source>Best 3BV/s:</source>
        <translation>最高 3BV/s:</translation>
    </message>
    <message>
        <source>Average time of wins:</source>
        <translation>勝利の平均タイム:</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>現在の連勝:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>最長連勝:</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Winning times and 3BV/s</source>
        <translation>勝利のタイムと 3BV/s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>リプレイ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Play This Board Again</source>
        <translation>この盤面をもう一度プレイ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation>CSV としてエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Wins of this size and mode</source>
        <translation>このサイズとモードでの勝利</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>タイム (秒)</translation>
    </message>
    <message>
        <source>3BV/s</source>
        <translation>3BV/s</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>勝利</translation>
    </message>
    <message>
        <source>This game&apos;s record cannot be read, so it cannot be replayed.</source>
        <translation>このゲームの記録を読み取れないため、リプレイできません。</translation>
    </message>
    <message>
        <source>This game&apos;s board cannot be read, so it cannot be played again.</source>
        <translation>このゲームの盤面を読み取れないため、もう一度プレイできません。</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>CSV としてエクスポート</translation>
    </message>
    <message>
        <source>games.csv</source>
        <translation>games.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 を書き込めませんでした。</translation>
    </message>
    <message>
        <source>No wins of this size and mode yet</source>
        <translation>このサイズとモードでの勝利はまだありません</translation>
    </message>
    <message>
        <source>The chart of winning times could not be shown.</source>
        <translation>勝利のタイムのグラフを表示できませんでした。</translation>
    </message>
</context>
<context>
    <name>TManual</name>
    <message>
        <source>Dravolt Manual</source>
        <translation>Dravolt マニュアル</translation>
    </message>
</context>
<context>
    <name>TReplayWindow</name>
    <message>
        <source>Replay</source>
        <translation>リプレイ</translation>
    </message>
    <message>
        <source>Bombs left</source>
        <translation>残り地雷</translation>
    </message>
    <message>
        <source>Replay time</source>
        <translation>リプレイのタイム</translation>
    </message>
    <message>
        <source>Replayed field</source>
        <translation>リプレイ中のフィールド</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>ステップ(&amp;T)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
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
        <translation>手順</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
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
        <translation>バージョン 1.0</translation>
    </message>
    <message>
        <source>Game | Size</source>
        <translation>ゲーム | サイズ</translation>
    </message>
    <message>
        <source>  The field can be smaller or larger than usual: from width 10 and height 1 up to width 100 and height 60.</source>
        <translation>  フィールドは通常より小さくも大きくもできます。幅 10・高さ 1 から幅 100・高さ 60 までです。</translation>
    </message>
    <message>
        <source>Game | Best Times</source>
        <translation>ゲーム | ベストタイム</translation>
    </message>
    <message>
        <source>  This keeps a history of all best times for all possible height-width-bomb count combinations.</source>
        <translation>  高さ・幅・地雷数のあらゆる組み合わせについて、ベストタイムの記録をすべて残します。</translation>
    </message>
    <message>
        <source>Game | Session Stats</source>
        <translation>ゲーム | セッション統計</translation>
    </message>
    <message>
        <source>  Stats! Keeps track of all your times and numbers for your current session.</source>
        <translation>  統計です！現在のセッションのタイムと成績をすべて記録します。</translation>
    </message>
    <message>
        <source>Actions | Undo</source>
        <translation>操作 | 元に戻す</translation>
    </message>
    <message>
        <source>  Undo! If you &apos;accidentally&apos; clicked a bomb, you can restore the game to state it was before you made that fatal click.</source>
        <translation>  元に戻す！「うっかり」地雷をクリックしてしまっても、その致命的なクリックの前の状態にゲームを戻せます。</translation>
    </message>
    <message>
        <source>Options | Set Background</source>
        <translation>オプション | 背景の設定</translation>
    </message>
    <message>
        <source>  You can choose a picture to show when you win the game. You can have the pic display normally, or you can have it stretch (play and see what I mean).</source>
        <translation>  勝ったときに表示する画像を選べます。画像はそのままの大きさでも、引き伸ばしても表示できます（試してみてください）。</translation>
    </message>
    <message>
        <source>Options | Show Numbers When Game Over</source>
        <translation>オプション | ゲーム終了時に数字を表示</translation>
    </message>
    <message>
        <source>  All the unclicked squares will be exposed to show what was underneath.</source>
        <translation>  開いていないマスをすべて開き、下に何があったかを表示します。</translation>
    </message>
    <message>
        <source>Options | Auto-Save Current Session Stats</source>
        <translation>オプション | セッション統計を自動保存</translation>
    </message>
    <message>
        <source>  With this option on, your stats for the current session will be automatically saved. (otherwise you will get a prompt).</source>
        <translation>  このオプションをオンにすると、現在のセッションの統計が自動的に保存されます（オフのときは確認が表示されます）。</translation>
    </message>
    <message>
        <source>Options | One Free Click</source>
        <translation>オプション | 最初の1クリック無料</translation>
    </message>
    <message>
        <source>  The game will imitate doing one &apos;safe&apos; click for you when the game starts to expose a square.</source>
        <translation>  ゲーム開始時に、ゲームが「安全な」クリックを1回代わりに行ってマスを開きます。</translation>
    </message>
    <message>
        <source>Options | Keyboard Navigation</source>
        <translation>オプション | キーボード操作</translation>
    </message>
    <message>
        <source>  This allows you to play the game without using the mouse. A single blue highlight square will appear.</source>
        <translation>  マウスを使わずに遊べます。青く強調されたマスが1つ表示されます。</translation>
    </message>
    <message>
        <source>  - use the arrow keys to move the blue square around.</source>
        <translation>  - 矢印キーで青いマスを動かします。</translation>
    </message>
    <message>
        <source>  - &apos;S&apos; imitates a single-click.</source>
        <translation>  - 「S」はシングルクリックです。</translation>
    </message>
    <message>
        <source>  - &apos;D&apos; imitates a double-click.</source>
        <translation>  - 「D」はダブルクリックです。</translation>
    </message>
    <message>
        <source>  - &apos;F&apos; imitates adding or removing a flag.</source>
        <translation>  - 「F」は旗を立てる・外すです。</translation>
    </message>
    <message>
        <source>  - Spacebar imitates clicking the Go button.</source>
        <translation>  - スペースキーは「開始」ボタンのクリックです。</translation>
    </message>
    <message>
        <source>  (Note, I recommend turning off Animated Buttons when in this mode.</source>
        <translation>  （このモードではアニメーションボタンをオフにすることをおすすめします。</translation>
    </message>
    <message>
        <source>Options | Animated Buttons</source>
        <translation>オプション | アニメーションボタン</translation>
    </message>
    <message>
        <source>  Animated buttons only give the squares the familiar pressed look while a mouse button is held; if you do not care for it, turn them off here.</source>
        <translation>  アニメーションボタンは、マウスボタンを押している間だけマスをおなじみの押された見た目にします。不要ならここでオフにしてください。</translation>
    </message>
    <message>
        <source> -- Records a history of games all games played.</source>
        <translation> -- プレイしたすべてのゲームの履歴を記録します。</translation>
    </message>
    <message>
        <source> -- Larger customizable sizes.</source>
        <translation> -- より大きなサイズを自由に設定できます。</translation>
    </message>
    <message>
        <source> -- Saves best time for all sizes.</source>
        <translation> -- すべてのサイズのベストタイムを保存します。</translation>
    </message>
    <message>
        <source> -- Can have a background image.</source>
        <translation> -- 背景画像を設定できます。</translation>
    </message>
    <message>
        <source> -- Records a time up to 9999 seconds.</source>
        <translation> -- 9999 秒までのタイムを記録します。</translation>
    </message>
    <message>
        <source> -- Option to expose one slot when game starts.</source>
        <translation> -- ゲーム開始時に1マスを開くオプション。</translation>
    </message>
    <message>
        <source> -- Option to highlight area that has successfully been cleared.</source>
        <translation> -- 無事に開いた領域を強調表示するオプション。</translation>
    </message>
    <message>
        <source> -- Can use the keyboard to play: S = single click, D = dual click, F = flag a bomb.</source>
        <translation> -- キーボードで遊べます: S = シングルクリック、D = デュアルクリック、F = 地雷に旗を立てる。</translation>
    </message>
    <message>
        <source> -- Please report any bugs.</source>
        <translation> -- 不具合があればお知らせください。</translation>
    </message>
    <message>
        <source> -- Provide (?) as a right-click option.</source>
        <translation> -- 右クリックで (?) を選べるようにする。</translation>
    </message>
    <message>
        <source> -- Give the user some standard sizes to choose from.</source>
        <translation> -- 標準のサイズをいくつか選べるようにする。</translation>
    </message>
    <message>
        <source> -- Import best times from another user&apos;s ini.</source>
        <translation> -- 他のユーザーの ini からベストタイムを取り込む。</translation>
    </message>
    <message>
        <source> -- Optimize window size depending on background image size.</source>
        <translation> -- 背景画像の大きさに合わせてウィンドウの大きさを調整する。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Specs</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>長所</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>短所</translation>
    </message>
    <message>
        <source>TODO</source>
        <translation>予定</translation>
    </message>
</context>
<context>
    <name>TfrmBackground</name>
    <message>
        <source>Either the path or the file name entered in the %1 field is incorrect.</source>
        <translation>「%1」欄に入力されたパスまたはファイル名が正しくありません。</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>背景なし</translation>
    </message>
    <message>
        <source>Show Default Background On Win</source>
        <translation>勝ったときに既定の背景を表示</translation>
    </message>
    <message>
        <source>Show Custom Background On Win</source>
        <translation>勝ったときに独自の背景を表示</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>画像:</translation>
    </message>
    <message>
        <source>Stretch Background To Fit Window</source>
        <translation>背景をウィンドウに合わせて引き伸ばす</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>画像</translation>
    </message>
</context>
<context>
    <name>TfrmBestTime</name>
    <message>
        <source>Best Times</source>
        <translation>ベストタイム</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>セッション:</translation>
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
        <translation>現在のゲームが中断されます。続けますか？</translation>
    </message>
    <message>
        <source>Could not open Dravolt.ini</source>
        <translation>Dravolt.ini を開けませんでした</translation>
    </message>
    <message>
        <source>No board that logic alone can clear was found in time for this field, so this one may need a guess.</source>
        <translation>このフィールドでは論理だけで解ける盤面が時間内に見つからなかったため、この盤面は推測が必要になるかもしれません。</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the settings changed during this session are lost.</source>
        <translation>Dravolt.ini を保存できませんでした。このセッションで変更した設定は失われます。</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>&amp;Size...</source>
        <translation>サイズ(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Best Times...</source>
        <translation>ベストタイム(&amp;B)...</translation>
    </message>
    <message>
        <source>S&amp;ession Stats...</source>
        <translation>セッション統計(&amp;E)...</translation>
    </message>
    <message>
        <source>Cle&amp;ar Current Session Stats</source>
        <translation>現在のセッション統計を消去(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>最小化(&amp;M)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>操作(&amp;A)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Set Background...</source>
        <translation>背景の設定(&amp;S)...</translation>
    </message>
    <message>
        <source>S&amp;how Numbers When Game Over</source>
        <translation>ゲーム終了時に数字を表示(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Auto-Save Current Session Stats</source>
        <translation>セッション統計を自動保存(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Flag Marker</source>
        <translation>旗マーカー(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Flag</source>
        <translation>旗(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>ズーム(&amp;Z)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;One Free Click</source>
        <translation>最初の1クリック無料(&amp;O)</translation>
    </message>
    <message>
        <source>No &amp;Guessing</source>
        <translation>推測なし(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Keyboard Navigation</source>
        <translation>キーボード操作(&amp;K)</translation>
    </message>
    <message>
        <source>A&amp;nimated Buttons</source>
        <translation>アニメーションボタン(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Corner To Corner Mode</source>
        <translation>コーナー・トゥ・コーナー モード(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Include (?) In Right-Click</source>
        <translation>右クリックに (?) を含める(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>マニュアル(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>The best time stored for %1 x %2 with %3 bombs is unreadable (&quot;%4&quot;), so this game cannot be compared with it.</source>
        <translation>%1 × %2、地雷 %3 個で保存されているベストタイムが読み取れない（&quot;%4&quot;）ため、このゲームとは比較できません。</translation>
    </message>
    <message>
        <source>Another Dravolt window has meanwhile stored an equal or better time for %1 x %2 with %3 bombs, so that one stays the best time.</source>
        <translation>別の Dravolt ウィンドウが、その間に %1 × %2、地雷 %3 個で同じかより良いタイムを保存したため、そちらがベストタイムのままです。</translation>
    </message>
    <message>
        <source>Could not save Dravolt.ini: the new best time is kept until the program closes.</source>
        <translation>Dravolt.ini を保存できませんでした。新しいベストタイムはプログラムを閉じるまで保持されます。</translation>
    </message>
    <message>
        <source>Would you like to save the stats for this session?</source>
        <translation>このセッションの統計を保存しますか？</translation>
    </message>
    <message>
        <source>Could not save DravoltHistory.ini: the stats of this session are lost.</source>
        <translation>DravoltHistory.ini を保存できませんでした。このセッションの統計は失われます。</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>地雷数</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>タイム</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Boards without guessing</source>
        <translation>推測不要の盤面</translation>
    </message>
    <message>
        <source>There are no stats for viewing.</source>
        <translation>表示できる統計がありません。</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Game #</source>
        <translation>ゲーム番号</translation>
    </message>
    <message>
        <source>Bombs Left</source>
        <translation>残り地雷</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Are you sure you want to clear this session&apos;s stats ?</source>
        <translation>このセッションの統計を消去してもよろしいですか？</translation>
    </message>
    <message>
        <source>The field is too full for a board that logic alone can clear, so this one may need a guess.</source>
        <translation>フィールドに地雷が多すぎて論理だけで解ける盤面を作れないため、この盤面は推測が必要になるかもしれません。</translation>
    </message>
    <message>
        <source>This is not a Dravolt board code.</source>
        <translation>これは Dravolt の盤面コードではありません。</translation>
    </message>
    <message>
        <source>This board code was made by a newer version of Dravolt, which this one cannot read.</source>
        <translation>この盤面コードは新しいバージョンの Dravolt で作られたため、このバージョンでは読み取れません。</translation>
    </message>
    <message>
        <source>This board code is damaged: some of it was changed or lost in copying.</source>
        <translation>この盤面コードは壊れています。コピーの途中で一部が変わったか失われました。</translation>
    </message>
    <message>
        <source>This board code holds a board that Dravolt cannot deal.</source>
        <translation>この盤面コードには Dravolt が配置できない盤面が入っています。</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Copy Board Co&amp;de</source>
        <translation>盤面コードをコピー(&amp;D)</translation>
    </message>
    <message>
        <source>Play Board from &amp;Code...</source>
        <translation>コードから盤面をプレイ(&amp;C)...</translation>
    </message>
    <message>
        <source>Keep Game Histor&amp;y</source>
        <translation>ゲーム履歴を保存(&amp;Y)</translation>
    </message>
    <message>
        <source>There is no board to copy yet: its bombs are placed at the first uncovering.</source>
        <translation>コピーできる盤面はまだありません。地雷は最初にマスを開いたときに配置されます。</translation>
    </message>
    <message>
        <source>Play Board from Code</source>
        <translation>コードから盤面をプレイ</translation>
    </message>
    <message>
        <source>&amp;Board code:</source>
        <translation>盤面コード(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>クラシック(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>ライト(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>ダーク(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>テーマ(&amp;T)</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written: the changes of this session are lost.</source>
        <translation>%1 は別のユーザーが置いた可能性のあるリンクになっているため、書き込みませんでした。このセッションの変更は失われます。</translation>
    </message>
    <message>
        <source>%1 is now a link that another user could have placed, so it was not written. The changes are kept until the program closes.</source>
        <translation>%1 は別のユーザーが置いた可能性のあるリンクになっているため、書き込みませんでした。変更はプログラムを閉じるまで保持されます。</translation>
    </message>
</context>
<context>
    <name>TfrmGetName</name>
    <message>
        <source>Best Time !</source>
        <translation>ベストタイム！</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
</context>
<context>
    <name>TfrmSize</name>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>高さ(&amp;H):</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>幅(&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Bombs:</source>
        <translation>地雷数(&amp;B):</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Bombs</source>
        <translation>地雷数</translation>
    </message>
</context>
</TS>
