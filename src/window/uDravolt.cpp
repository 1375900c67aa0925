#include "window/uDravolt.h"

#include "access/Accessibility.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/MessageBox.h"
#include "dialogs/uAbout.h"
#include "dialogs/uBackground.h"
#include "dialogs/uSize.h"
#include "history/HistoryRoom.h"
#include "i18n/Translations.h"
#include "panels/PanelMineField.h"
#include "panels/PanelMineFieldAnimatedButtons.h"
#include "render/Fonts.h"
#include "render/JpegImage.h"
#include "render/ProgramIcon.h"
#include "settings/Filer.h"
#include "settings/SettingsReader.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTime>
#include <QWindow>

#include <utility>

namespace {

const char* const kStopGameQuestion = QT_TRANSLATE_NOOP("TfrmDravolt", "This will stop your current game. Continue ?");
constexpr const char* kSettingsFile = "Dravolt.ini";
constexpr const char* kHistoryFile = "DravoltHistory.ini";

std::string_view OnOff(bool on) { return on ? "1" : "0"; }

} // namespace

TfrmDravolt::TfrmDravolt(TimeSource& time, QWidget* parent) : QMainWindow(parent), FTime(time)
{
    setWindowTitle("Dravolt");
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    CreateMenus();
    CreatePanels();
    InstallAccessibility(lblCounter, lblTimer);
    CreateHistoryMenus();

    timClock.setInterval(1000);
    connect(&timClock, &QTimer::timeout, this, &TfrmDravolt::timClockTimer);
    timPaintDelayer.setInterval(10);
    timPaintDelayer.setSingleShot(true);
    connect(&timPaintDelayer, &QTimer::timeout, this, &TfrmDravolt::timPaintDelayerTimer);
    qApp->installEventFilter(this); // the key hook
}

TfrmDravolt::~TfrmDravolt()
{
    qApp->removeEventFilter(this);
    // The settings are dropped without writing; records and sessions go with
    // their owners. The panels go first: they still know this window.
    FField = nullptr;
    delete FPlainField;
    delete FAnimatedField;
}

// --- Start-up ---------------------------------------------------------------

bool TfrmDravolt::FormCreate()
{
    DetectXPBorder();
    // A save that waits for another window's lock shows it with a busy
    // cursor (the window system takes it at once, without the event loop).
    const auto busy = [](bool waiting) {
        if (waiting)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    FSettings.SetLockWait(TIniStore::kLockLimit, busy);
    FHistory.SetLockWait(TIniStore::kLockLimit, busy);
    const auto tell = [this](const std::string& text) {
        ShowMessageBox(this, TMsgIcon::None, TMsgButtons::Ok, CoreMessage(text));
    };
    FSettings.Assign(OpenIniFile(kSettingsFile, "", tell));
    if (!FSettings.Open()) {
        ShowMessageBox(this, TMsgIcon::Error, TMsgButtons::Ok, tr("Could not open Dravolt.ini"));
        return false;
    }
    ReadINI();
    if (FDebug) {
        ShowDebugLog();
        DebugLog("Debug running");
    }
    UpdateZoom(); // with the field's size and the debug panel settled
    WindowSized = false;
    ClockPausedByMinimize = false;
    FHistory.Assign(OpenIniFile(kHistoryFile, "", tell));
    FSessions = ReadSessionNames(FHistory.Ini());
    ReadHistorySetting();
    return true;
}

void TfrmDravolt::ReadINI()
{
    if (!FSettings.Open())
        return;
    const TIniSettings read = ReadIniSettings(FSettings.Ini(), CurrentFolder(), actSizeForXP->isVisible());
    FDebug = read.Debug;
    FZoom = read.Zoom;
    FTheme = read.Theme;
    actAnimate->setChecked(read.AnimatedButtons);
    SelectFieldPanel(false);
    if (read.SlotsDown)
        FField->SetSlotsDown(*read.SlotsDown);
    if (read.SlotsAcross)
        FField->SetSlotsAcross(*read.SlotsAcross);
    if (read.BombTotal)
        FField->SetBombTotal(*read.BombTotal);
    BackgroundChoice = read.BackgroundChoice;
    BackgroundFile = read.BackgroundFile;
    if (read.OnetimeSetup)
        FinishOnetimeSetup(FSettings, read);
    StretchBackground = read.StretchBackground;
    actFreeClick->setChecked(read.FreeClick);
    actNoGuess->setChecked(read.NoGuess);
    actAccentArea->setChecked(read.AccentClearedAreaUponLoss);
    actKeyboardNavigation->setChecked(read.KeyboardNavigation);
    actAutoSaveStats->setChecked(read.AutoSaveSessionStats);
    FPlayMode = read.PlayMode;
    actCornerToCorner->setChecked(!FPlayMode.empty());
    if (!FPlayMode.empty())
        FField->SetPlayMode(FPlayMode);
    FField->SetOptimizeStatsStart(read.OptimizeStatsStart);
    miFlag->setChecked(read.FlagItem == TFlagItem::Flag);
    miFlagAt->setChecked(read.FlagItem == TFlagItem::At);
    FField->SetPreferredMarker(read.PreferredMarker);
    actUndecided->setChecked(read.UseUndecided);
    if (actSizeForXP->isVisible())
        actSizeForXP->setChecked(read.SizeForXP);
    FField->AllocateGrid();
    ApplyBackground();
    ApplyTheme();
}

void TfrmDravolt::DebugLog(const QString& message)
{
    if (!FDebug || !mem)
        return;
    const QString stamp = QTime::currentTime().toString("mm:ss:zzz");
    QTextCursor cursor(mem->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(stamp + "=" + message + (mem->document()->isEmpty() ? "" : "\n"));
}

void TfrmDravolt::ApplyBackground()
{
    if (SameText(BackgroundChoice, kBackgroundNone)) {
        imgWinner.Clear();
        FField->SetShowPictureOnWin(false);
        imgWinner.SetStretch(false);
        return;
    }
    FField->SetShowPictureOnWin(true);
    if (SameText(BackgroundChoice, kBackgroundCustom)) {
        // A file that cannot be decoded counts as a missing one.
        const QString path = QString::fromStdString(BackgroundFile);
        const TJpegResult picture = IsJpegFileName(path) ? LoadJpegFile(path) : TJpegResult{};
        if (!picture.Image.isNull())
            imgWinner.SetPicture(picture.Image);
        else
            BackgroundChoice = kBackgroundDefault;
    }
    if (SameText(BackgroundChoice, kBackgroundDefault))
        imgWinner.SetBuiltInPicture();
    imgWinner.SetStretch(StretchBackground);
}

// --- New game and the panel switch -----------------------------------------

void TfrmDravolt::LeaveGameInProgress()
{
    imgWinner.SetVisible(false);
    timClock.stop();
    FClockAtLimit = false;
    actUndo->setEnabled(false);
    if (FLossPending)
        RecordGameStat();
}

void TfrmDravolt::actNewGameExecute()
{
    LeaveGameInProgress();
    SizeWindowToField();
    FField->NewGame(true);
    WindowSized = true;
    FField->Paint();
    FField->SetEnabled(true);
    FClockSeconds = 0;
    SetDisplayedNumber(lblTimer, "0000");
}

bool TfrmDravolt::ConfirmStopGame()
{
    return !timClock.isActive() ||
           ShowMessageBox(this, TMsgIcon::Question, TMsgButtons::YesNo, tr(kStopGameQuestion)) == TMsgResult::Yes;
}

void TfrmDravolt::actAnimateExecute()
{
    // The action has already toggled its check mark.
    if (!ConfirmStopGame()) {
        actAnimate->setChecked(!actAnimate->isChecked());
        return;
    }
    FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::InanimateButtons,
                 actAnimate->isChecked() ? "0" : "1");
    FField->NewGame(false);
    SelectFieldPanel(true);
    UpdateZoom();
    actNewGameExecute();
}

void TfrmDravolt::actCornerToCornerExecute()
{
    if (!ConfirmStopGame()) {
        actCornerToCorner->setChecked(!actCornerToCorner->isChecked());
        return;
    }
    const bool on = actCornerToCorner->isChecked();
    FPlayMode = on ? "cornerToCorner" : "";
    FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::CornerToCorner, OnOff(on));
    FField->SetPlayMode(FPlayMode);
    if (timClock.isActive())
        actNewGameExecute();
}

void TfrmDravolt::actNoGuessExecute()
{
    // The game in progress was dealt by the other rule: it ends, and the
    // next one is dealt by the new setting.
    if (!ConfirmStopGame()) {
        actNoGuess->setChecked(!actNoGuess->isChecked());
        return;
    }
    FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::NoGuess, OnOff(actNoGuess->isChecked()));
    if (timClock.isActive())
        actNewGameExecute();
}

void TfrmDravolt::actSizeForXPExecute()
{
    FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::SizeForXP, OnOff(actSizeForXP->isChecked()));
    WindowSized = false;
    actNewGameExecute();
}

void TfrmDravolt::actSizeExecute()
{
    TfrmSize dialog(this);
    dialog.SetSlotsDown(FField->SlotsDown());
    dialog.SetSlotsAcross(FField->SlotsAcross());
    dialog.SetBombTotal(FField->BombTotal());
    dialog.SetSlotsDownMin(1);
    dialog.SetSlotsDownMax(60);
    dialog.SetSlotsAcrossMin(10);
    dialog.SetSlotsAcrossMax(100);
    dialog.SetBombTotalMin(0);
    dialog.SetBombTotalMax(10000);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    if (dialog.SlotsDown() != FField->SlotsDown()) {
        FField->SetSlotsDown(dialog.SlotsDown());
        WindowSized = false;
        FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::SlotsDown, std::to_string(FField->SlotsDown()));
    }
    if (dialog.SlotsAcross() != FField->SlotsAcross()) {
        FField->SetSlotsAcross(dialog.SlotsAcross());
        WindowSized = false;
        FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::SlotsAcross,
                     std::to_string(FField->SlotsAcross()));
    }
    if (dialog.BombTotal() != FField->BombTotal()) {
        FField->SetBombTotal(dialog.BombTotal());
        FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::BombTotal, std::to_string(FField->BombTotal()));
    }
    // Another field size may fit the screen at other zooms; the chosen one
    // comes back whenever it fits again.
    if (UpdateZoom())
        WindowSized = false;
    actNewGameExecute();
}

void TfrmDravolt::miZoomClick(QAction* item)
{
    const int zoom = item->data().toInt();
    if (zoom == FZoom)
        return;
    FZoom = zoom;
    FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::Zoom, std::to_string(zoom));
    if (!UpdateZoom())
        return;
    // The game goes on at the new size: the board, the clock and the cursor
    // stay; only the window and the field's drawing change.
    WindowSized = false;
    SizeWindowToField();
    WindowSized = true;
    KeepOnScreen();
    FField->Paint();
}

void TfrmDravolt::actSetBackgroundExecute()
{
    TfrmBackground dialog(this);
    dialog.SetBackgroundChoice(QString::fromStdString(BackgroundChoice));
    dialog.SetBackgroundFile(QString::fromStdString(BackgroundFile));
    dialog.SetStretchBackground(StretchBackground);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    BackgroundChoice = dialog.BackgroundChoice().toStdString();
    BackgroundFile = dialog.BackgroundFile().toStdString();
    StretchBackground = dialog.StretchBackground();
    ApplyBackground();
    FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::Background, BackgroundChoice);
    FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::BackgroundFile, BackgroundFile);
    FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::BackgroundStretch, OnOff(StretchBackground));
}

void TfrmDravolt::actAboutExecute()
{
    TfrmAbout dialog(this);
    ExecDialog(dialog);
}

// --- Options ----------------------------------------------------------------

void TfrmDravolt::ToggleOption(QAction* action, std::string_view key)
{
    FSettings.WriteSetting(SettingsKeys::Section, key, OnOff(action->isChecked()));
}

void TfrmDravolt::actAccentAreaExecute()
{
    ToggleOption(actAccentArea, SettingsKeys::AccentClearedAreaUponLoss);
}

void TfrmDravolt::actAutoSaveStatsExecute() { ToggleOption(actAutoSaveStats, SettingsKeys::AutoSaveSessionStats); }

void TfrmDravolt::actFreeClickExecute() { ToggleOption(actFreeClick, SettingsKeys::FreeClick); }

void TfrmDravolt::actUndecidedExecute() { ToggleOption(actUndecided, SettingsKeys::UseUndecided); }

void TfrmDravolt::actKeyboardNavigationExecute()
{
    ToggleOption(actKeyboardNavigation, SettingsKeys::KeyboardNavigation);
    FField->SetKeyboardCursor(actKeyboardNavigation->isChecked());
}

void TfrmDravolt::miFlagClick() { SetFlagMarker(miFlag); }

void TfrmDravolt::miFlagAtClick() { SetFlagMarker(miFlagAt); }

void TfrmDravolt::SetFlagMarker(QAction* item)
{
    // The click has already toggled the item, and its group has unchecked the
    // other one: unchecked now means it was checked before, and choosing the
    // checked item does nothing.
    if (!item->isChecked()) {
        item->setChecked(true);
        return;
    }
    const std::string hint = item->data().toString().toStdString();
    FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::PreferredFlag, hint);
    FField->SetPreferredMarker(hint);
    FField->RemarkFlags();
}

// --- Clock, counters, undo --------------------------------------------------

void TfrmDravolt::timClockTimer()
{
    ++FClockSeconds;
    if (FClockSeconds >= kClockLimit) {
        timClock.stop();
        FClockAtLimit = true;
    }
    SetDisplayedNumber(lblTimer, QString::number(FClockSeconds).rightJustified(4, '0'));
}

void TfrmDravolt::timPaintDelayerTimer()
{
    timPaintDelayer.stop();
    FField->Paint();
}

void TfrmDravolt::actUndoExecute()
{
    FField->Undo();
    actUndo->setEnabled(false);
    SetDisplayedNumber(lblCounter, QString::number(FField->BombsLeft()));
    StartClock();
    FField->SetEnabled(true);
}

void TfrmDravolt::actMinimizeExecute() { showMinimized(); }

void TfrmDravolt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        FormResize();
    QMainWindow::changeEvent(event);
}

void TfrmDravolt::FormResize()
{
    if (windowState().testFlag(Qt::WindowMinimized)) {
        if (timClock.isActive()) {
            ClockPausedByMinimize = true;
            timClock.stop();
        }
    } else if (ClockPausedByMinimize) {
        StartClock();
        ClockPausedByMinimize = false;
    }
}

// --- The field's view of the window ----------------------------------------

bool TfrmDravolt::FreeClickChecked() const { return actFreeClick->isChecked(); }
bool TfrmDravolt::KeyboardNavigationChecked() const { return actKeyboardNavigation->isChecked(); }
bool TfrmDravolt::AccentClearedChecked() const { return actAccentArea->isChecked(); }
bool TfrmDravolt::UndecidedChecked() const { return actUndecided->isChecked(); }
bool TfrmDravolt::NoGuessChecked() const { return actNoGuess->isChecked(); }
void TfrmDravolt::SetCounterText(const std::string& text)
{
    SetDisplayedNumber(lblCounter, QString::fromStdString(text));
}
void TfrmDravolt::StartClock()
{
    // A clock that has reached its limit stays there for the rest of the
    // game, which then no longer counts as in progress.
    if (!FClockAtLimit)
        timClock.start();
}
void TfrmDravolt::StopClock() { timClock.stop(); }
bool TfrmDravolt::ClockRunning() const { return timClock.isActive(); }
void TfrmDravolt::StartPaintDelayer() { timPaintDelayer.start(); }
void TfrmDravolt::EnableUndo() { actUndo->setEnabled(true); }
void TfrmDravolt::FocusNewGameButton() { btnNewGame->setFocus(); }
void TfrmDravolt::SetLossPending() { FLossPending = true; }

void TfrmDravolt::NoGuessDealSlow()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    FBusyCursor = true;
    // The deal goes on in this call: the cursor must reach the screen now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmDravolt::NoGuessDealt(const TNoGuessOutcome& outcome)
{
    if (std::exchange(FBusyCursor, false))
        QApplication::restoreOverrideCursor();
    DebugLog(QString("No-guess board dealt in %1 ms%2")
                 .arg(outcome.Milliseconds, 0, 'f', 1)
                 .arg(outcome.Solved ? "" : ": it may need a guess"));
    if (outcome.Solved)
        return;
    // Told once the first click is done, rather than in the middle of it.
    const QString text = outcome.TooFull
                             ? tr("The field is too full for a board that logic alone can clear, so this one may "
                                  "need a guess.")
                             : tr("No board that logic alone can clear was found in time for this field, so this "
                                  "one may need a guess.");
    QTimer::singleShot(0, this, [this, text] { ShowMessageBox(this, TMsgIcon::Information, TMsgButtons::Ok, text); });
}

void TfrmDravolt::ShowWinnerImage()
{
    imgWinner.SetVisible(true);
    ActivePanel()->DrawWinnerImage();
}

// --- The key hook -----------------------------------------------------------

bool TfrmDravolt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pnlMain && event->type() == QEvent::Resize) {
        RealignPanels();
        return false;
    }
    // Keys reach the main window's top-level window before any widget sees
    // them; those meant for a dialog are left alone.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && windowHandle() &&
        watched == windowHandle())
        return myAppMessage(event);
    return QMainWindow::eventFilter(watched, event);
}

bool TfrmDravolt::myAppMessage(QEvent* event)
{
    if (!actKeyboardNavigation->isChecked() || !FField)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key();
    const bool arrow = code == Qt::Key_Left || code == Qt::Key_Up || code == Qt::Key_Right || code == Qt::Key_Down;
    const bool action = code == Qt::Key_D || code == Qt::Key_F || code == Qt::Key_S;
    if (event->type() == QEvent::KeyPress) {
        if (arrow || (action && FField->Enabled()))
            return FField->HandleNavigationKey(code, true);
        return false;
    }
    // Held keys repeat their press only: the releases of a repeat are dropped.
    if ((code == Qt::Key_D || code == Qt::Key_S) && FField->Enabled() && !key->isAutoRepeat())
        return FField->HandleNavigationKey(code, false);
    return false;
}

// --- Shut-down --------------------------------------------------------------

void TfrmDravolt::miExitClick() { close(); }

void TfrmDravolt::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool TfrmDravolt::FormClose()
{
    if (FLossPending)
        RecordGameStat();
    if (!SaveSessionStats())
        return false;
    FGameHistory->Recorder().Close(*ActivePanel());
    if (FSettings.Dirty() && !FSettings.UpdateFile() && !TellRefusedSave(FSettings, "Dravolt.ini", true))
        ShowMessageBox(this, TMsgIcon::Error, TMsgButtons::Ok,
                       tr("Could not save Dravolt.ini: the settings changed during this session are lost."));
    return true;
}
