// The window's part in the game history: the menu items, the option, the
// recorder on both field panels, board codes, and the history window.
#include "window/uDravolt.h"

#include "access/Accessibility.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/MessageBox.h"
#include "gamelog/BoardCode.h"
#include "history/HistoryRoom.h"
#include "history/HistoryWindow.h"
#include "panels/PanelMineField.h"
#include "panels/PanelMineFieldAnimatedButtons.h"
#include "settings/Filer.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>

#include <variant>

namespace {

// The item after `after` in its menu, before which new items go.
QAction* NextItem(QAction* after)
{
    const QList<QAction*> items = static_cast<QMenu*>(after->parent())->actions();
    const qsizetype at = items.indexOf(after);
    return at + 1 < items.size() ? items[at + 1] : nullptr;
}

QAction* InsertItem(QAction* after, const char* name, const QString& caption, bool checkable = false)
{
    auto* menu = static_cast<QMenu*>(after->parent());
    auto* action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    menu->insertAction(NextItem(after), action);
    return action;
}

QString CodeErrorText(TBoardCodeError error)
{
    switch (error) {
    case TBoardCodeError::Foreign: return TfrmDravolt::tr("This is not a Dravolt board code.");
    case TBoardCodeError::Newer:
        return TfrmDravolt::tr("This board code was made by a newer version of Dravolt, which this one cannot read.");
    case TBoardCodeError::Damaged:
        return TfrmDravolt::tr("This board code is damaged: some of it was changed or lost in copying.");
    case TBoardCodeError::Impossible: break;
    }
    return TfrmDravolt::tr("This board code holds a board that Dravolt cannot deal.");
}

} // namespace

void TfrmDravolt::CreateHistoryMenus()
{
    actHistory = InsertItem(actClearSessionStat, "actHistory", tr("&History..."));
    actHistory->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    // "B" belongs to Best Times and "H" in Options to Show Numbers: these two
    // take letters of their own, so that the keys of the existing items stay.
    actCopyBoardCode = InsertItem(actHistory, "actCopyBoardCode", tr("Copy Board Co&de"));
    actPlayBoardCode = InsertItem(actCopyBoardCode, "actPlayBoardCode", tr("Play Board from &Code..."));
    actKeepHistory = InsertItem(actUndecided, "actKeepHistory", tr("Keep Game Histor&y"), true);
    actKeepHistory->setChecked(true);
    connect(actHistory, &QAction::triggered, this, &TfrmDravolt::actHistoryExecute);
    connect(actCopyBoardCode, &QAction::triggered, this, &TfrmDravolt::actCopyBoardCodeExecute);
    connect(actPlayBoardCode, &QAction::triggered, this, &TfrmDravolt::actPlayBoardCodeExecute);
    connect(actKeepHistory, &QAction::triggered, this, &TfrmDravolt::actKeepHistoryExecute);

    FGameHistory = std::make_unique<THistoryRoom>(CurrentFolder(), [this](const QString& text) {
        ShowMessageBox(this, TMsgIcon::Information, TMsgButtons::Ok, text);
    });
}

void TfrmDravolt::WatchPlay(TMineField& panel)
{
    // The recorder follows every panel, so that Copy Board Code works with
    // the history off too; the history decides whether a game is kept.
    panel.SetObserver(&FGameHistory->Recorder());
}

void TfrmDravolt::ReadHistorySetting()
{
    const std::optional<std::string> stored = FSettings.ReadValue(SettingsKeys::Section, SettingsKeys::GameHistory);
    const bool on = !stored || *stored != "0";
    actKeepHistory->setChecked(on);
    FGameHistory->SetEnabled(on);
    actHistory->setEnabled(on);
}

void TfrmDravolt::actKeepHistoryExecute()
{
    const bool on = actKeepHistory->isChecked();
    FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::GameHistory, on ? "1" : "0");
    FGameHistory->SetEnabled(on);
    actHistory->setEnabled(on);
}

void TfrmDravolt::actHistoryExecute()
{
    THistoryWindow window(
        *FGameHistory,
        [this](const TBoard& board) {
            if (ConfirmStopGame())
                PlayBoard(board);
        },
        this);
    ExecDialog(window);
}

void TfrmDravolt::actCopyBoardCodeExecute()
{
    const TGameRecorder& recorder = FGameHistory->Recorder();
    if (!recorder.HasBoard()) {
        ShowMessageBox(this, TMsgIcon::Information, TMsgButtons::Ok,
                       tr("There is no board to copy yet: its bombs are placed at the first uncovering."));
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(
        BoardToCode({recorder.Height(), recorder.Width(), recorder.Start(), recorder.Mines()})));
}

void TfrmDravolt::actPlayBoardCodeExecute()
{
    QInputDialog prompt(this);
    prompt.setWindowTitle(tr("Play Board from Code"));
    prompt.setAccessibleName(tr("Play Board from Code"));
    prompt.setLabelText(tr("&Board code:"));
    prompt.setTextValue(QGuiApplication::clipboard()->text().trimmed().left(20000));
    if (ExecDialog(prompt) != QDialog::Accepted)
        return;
    const auto board = BoardFromCode(prompt.textValue().toStdString());
    if (const auto* error = std::get_if<TBoardCodeError>(&board)) {
        ShowMessageBox(this, TMsgIcon::Error, TMsgButtons::Ok, CodeErrorText(*error));
        return;
    }
    if (!ConfirmStopGame())
        return;
    PlayBoard(std::get<TBoard>(board));
}

void TfrmDravolt::PlayBoard(const TBoard& board)
{
    // As a new game, but with the given board, and the window sized to it.
    LeaveGameInProgress();
    FField->SetSlotsDown(board.Height);
    FField->SetSlotsAcross(board.Width);
    WindowSized = false;
    UpdateZoom();
    SizeWindowToField();
    WindowSized = true;
    FClockSeconds = 0;
    SetDisplayedNumber(lblTimer, "0000");
    ActivePanel()->NewBoard(board.Width, board.Height, board.Mines, GameModes::Code, board.Start);
    FField->Paint();
    FField->SetEnabled(true);
}
