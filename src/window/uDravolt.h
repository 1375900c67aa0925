// The main window: it owns the session — the settings and history files, the
// field panels, the clock and the counters, the records — starts new games,
// switches the panel kind, asks before an option ends a running game, and
// shuts everything down in order.
#pragma once

#include "field/FieldHost.h"
#include "field/IzorvMineField.h"
#include "field/TimeSource.h"
#include "records/BestTimes.h"
#include "records/SessionStats.h"
#include "render/WinnerImage.h"
#include "settings/IniStore.h"
#include "settings/SettingsReader.h"

#include <QImage>
#include <QMainWindow>
#include <QPalette>
#include <QStringList>
#include <QTimer>

#include <array>
#include <optional>
#include <memory>
#include <string>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class TfrmBestTime;
class THistoryRoom;
struct TBoard;
class TPanelMineField;
class TPanelMineFieldAnimatedButtons;
class TMineField;

class TfrmDravolt : public QMainWindow, public FieldHost {
    Q_OBJECT

public:
    explicit TfrmDravolt(TimeSource& time = SystemTime(), QWidget* parent = nullptr);
    ~TfrmDravolt() override; // the shut-down's last steps

    // Opens the settings and history files and reads every setting. False when
    // Dravolt.ini cannot be opened: the player has been told, and the program
    // ends without showing the window.
    bool FormCreate();

    // --- Commands
    void actNewGameExecute();
    // Ends what a new board replaces: the win picture, the clock, Undo, a loss not yet recorded.
    void LeaveGameInProgress();
    void actSizeExecute();
    void actBestTimeExecute();
    void actViewStatsExecute();
    void actClearSessionStatExecute();
    void actMinimizeExecute();
    void miExitClick();
    void actUndoExecute();
    void actSetBackgroundExecute();
    void actAccentAreaExecute();
    void actAutoSaveStatsExecute();
    void miFlagClick();
    void miFlagAtClick();
    void actFreeClickExecute();
    void actNoGuessExecute();
    void actKeyboardNavigationExecute();
    void actAnimateExecute();
    void actCornerToCornerExecute();
    void actUndecidedExecute();
    void actSizeForXPExecute();
    void miZoomClick(QAction* item);
    void miThemeClick(QAction* item);
    void actAboutExecute();
    void timClockTimer();
    void timPaintDelayerTimer();

    // --- The game history (uDravoltHistory.cpp)
    void actHistoryExecute();
    void actCopyBoardCodeExecute();
    void actPlayBoardCodeExecute();
    void actKeepHistoryExecute();
    // Deals the board in place of the game on the field; it plays as mode "code".
    void PlayBoard(const TBoard& board);
    std::unique_ptr<THistoryRoom> FGameHistory;
    QAction* actHistory = nullptr;
    QAction* actCopyBoardCode = nullptr;
    QAction* actPlayBoardCode = nullptr;
    QAction* actKeepHistory = nullptr;

    // --- FieldHost: what the field uses of its window
    bool FreeClickChecked() const override;
    bool KeyboardNavigationChecked() const override;
    bool AccentClearedChecked() const override;
    bool UndecidedChecked() const override;
    bool NoGuessChecked() const override;
    void SetCounterText(const std::string& text) override;
    void StartClock() override;
    void StopClock() override;
    bool ClockRunning() const override;
    void ShowWinnerImage() override;
    void StartPaintDelayer() override;
    void EnableUndo() override;
    void FocusNewGameButton() override;
    void SetLossPending() override;
    void NoGuessDealSlow() override;
    void NoGuessDealt(const TNoGuessOutcome& outcome) override;
    void RecordGameStat() override;
    void CheckBestTime() override;
    int CurrentSessionGameCount() const override;

    // --- Settings
    void ReadINI();
    void DebugLog(const QString& message);
    void ApplyBackground();
    void DetectXPBorder();
    void SizeWindowToField();
    // Enables the zooms whose window fits the screen for the current field
    // size and gives the shown field the cells of the zoom in use: the chosen
    // one (FZoom), or the largest below it that fits. True when the cell size
    // changed.
    bool UpdateZoom();
    // Gives the field, the counters, "Go" and the whole window the look of
    // FTheme; Classic gives back the desktop's. Nothing is repainted here.
    void ApplyTheme();

    // --- State, under the names the rest of the program uses
    IzorvMineField* FField = nullptr; // the shown panel; not owned
    TPanelMineField* FPlainField = nullptr;
    TPanelMineFieldAnimatedButtons* FAnimatedField = nullptr;
    TIniStore FSettings; // Dravolt.ini: Open(), Dirty() and WriteSetting()
    TIniStore FHistory;  // DravoltHistory.ini
    TSessionList FSessions;
    std::optional<TBestTimes> FBestTimes; // loaded by the first best-times view
    std::optional<TBestTimes> FNoGuessBestTimes; // the same for boards without guessing
    TfrmBestTime* FStatsView = nullptr;      // the statistics view while it shows
    bool FLossPending = false;
    static constexpr int kClockLimit = 9999;
    int FClockSeconds = 0;
    bool FClockAtLimit = false; // the clock reached kClockLimit in this game
    bool FDebug = false;
    std::string FPlayMode;
    bool WindowSized = false;
    bool ClockPausedByMinimize = false;
    int XPExtraHeight = 0;
    int FZoom = 100; // the zoom the player chose, stored as "zoom"
    TTheme FTheme = TTheme::Classic; // stored as "theme"
    std::string BackgroundChoice = "backgroundDefault";
    std::string BackgroundFile;
    bool StretchBackground = false;

    // --- Components
    QFrame* pnlMain = nullptr;
    QFrame* pnlTop = nullptr;
    QFrame* pnlCounter = nullptr;
    QLabel* lblCounter = nullptr;
    QPushButton* btnNewGame = nullptr;
    QFrame* pnlTimer = nullptr;
    QLabel* lblTimer = nullptr;
    QWidget* pnlSpace = nullptr;
    QWidget* pnlDebug = nullptr;
    QPlainTextEdit* mem = nullptr;
    TWinnerImage imgWinner; // the picture shown at a win, drawn by the active panel
    QTimer timClock;
    QTimer timPaintDelayer;

    // Actions; a menu item without an action carries the item's name.
    QAction* actNewGame = nullptr;
    QAction* actSize = nullptr;
    QAction* actBestTime = nullptr;
    QAction* actViewStats = nullptr;
    QAction* actClearSessionStat = nullptr;
    QAction* actMinimize = nullptr;
    QAction* miExit = nullptr;
    QAction* actUndo = nullptr;
    QAction* actSetBackground = nullptr;
    QAction* actAccentArea = nullptr;
    QAction* actAutoSaveStats = nullptr;
    QMenu* miFlagGroup = nullptr;
    QAction* miFlag = nullptr;
    QAction* miFlagAt = nullptr;
    QMenu* miZoomGroup = nullptr;
    std::array<QAction*, kZoomPercents.size()> miZoom{}; // one radio item for each zoom
    QMenu* miThemeGroup = nullptr;
    std::array<QAction*, kThemeKeywords.size()> miTheme{}; // one radio item for each theme
    QAction* actFreeClick = nullptr;
    QAction* actNoGuess = nullptr;
    QAction* actKeyboardNavigation = nullptr;
    QAction* actAnimate = nullptr;
    QAction* actCornerToCorner = nullptr;
    QAction* actUndecided = nullptr;
    QAction* actSizeForXP = nullptr;
    QAction* actManual = nullptr;
    QAction* actAbout = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    bool FormClose(); // false: the close is abandoned
    bool myAppMessage(QEvent* event);
    void FormResize();
    void SelectFieldPanel(bool isSwitch);
    void SetupFieldPanel(TPanelMineField* panel);
    // The client area (pnlMain) for the current field with cells of that size.
    QSize ClientSizeFor(int cellWidth, int cellHeight) const;
    bool ZoomFits(int zoom) const;
    // Moves the window back inside the screen's available area, which a
    // window grown by a zoom may have passed.
    void KeepOnScreen();
    void CreateThemeMenu(QMenu* options);
    void CopyFieldSettings(const IzorvMineField& source, IzorvMineField& target);
    bool ConfirmStopGame();
    void SetFlagMarker(QAction* item);
    void ToggleOption(QAction* action, std::string_view key);
    bool SaveSessionStats();
    // After a failed save of the store's file: when the save was refused (a
    // link another user may have placed), tells so once per run and file, and
    // returns true; false for any other failure, which the caller tells.
    bool TellRefusedSave(const TIniStore& store, const char* fileName, bool closing);
    void RealignPanels();
    void CreateMenus();
    void CreatePanels();
    void ShowDebugLog();
    bool DebugLogShown() const { return pnlDebug && pnlDebug->isVisibleTo(this); }
    void CreateHistoryMenus();
    void WatchPlay(TMineField& panel); // a new panel's play goes to the history
    void ReadHistorySetting();
    TPanelMineField* ActivePanel() const;

    TimeSource& FTime;
    // The window's own colours of the classic look, kept while another
    // theme shows.
    struct TClassicColours {
        QPalette Window;
        QPalette Counter;
        QPalette Go;
    };
    std::optional<TClassicColours> FClassicColours;
    bool FShown = false;
    bool FBusyCursor = false; // shown while a slow no-guess deal runs
    QStringList FRefusalsTold; // files whose refused save the player was told of
};
