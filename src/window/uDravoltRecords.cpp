// The window's part in the records: every finished game enters the running
// session, a better time asks for a name and is stored, the session is saved
// at close, and both kinds of records can be viewed.
#include "window/uDravolt.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/MessageBox.h"
#include "dialogs/uBestTime.h"
#include "dialogs/uGetName.h"
#include "i18n/Translations.h"
#include "settings/Filer.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace {

constexpr const char* kHistoryFile = "DravoltHistory.ini";

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

int TfrmDravolt::CurrentSessionGameCount() const { return ::CurrentSessionGameCount(FSessions); }

void TfrmDravolt::RecordGameStat()
{
    ::RecordGameStat(FSessions, lblTimer->text().toStdString(), lblCounter->text().toStdString(), FTime.LocalNow());
    FLossPending = false;
}

void TfrmDravolt::CheckBestTime()
{
    // A record is judged by the mode the game was played in: a board kept
    // while the mode was switched plays, and counts, as it was dealt.
    if (!FField->GamePlayMode().empty())
        return; // corner-to-corner games are no records
    const TSizeParts size{std::to_string(FField->SlotsDown()), std::to_string(FField->SlotsAcross()),
                          std::to_string(FField->BombTotal())};
    // Another run may have stored a time for this size since this one read
    // the file; an unreadable file leaves the copy in memory to judge by.
    FSettings.Refresh();
    // Boards dealt to be cleared without guessing keep records of their own.
    const bool noGuess = FField->GameNoGuess();
    const TBestTimeSections& sections = noGuess ? kNoGuessBestTimes : kClassicBestTimes;
    std::optional<TBestTimes>& tree = noGuess ? FNoGuessBestTimes : FBestTimes;
    const TBestTimeJudgement judged = JudgeBestTime(FSettings.Ini(), size, FClockSeconds, sections);
    if (tree)
        FollowBestTime(*tree, FSettings.Ini(), size, sections);
    if (judged.Verdict == TBestTimeVerdict::Unreadable) {
        ShowMessageBox(this, TMsgIcon::Error, TMsgButtons::Ok,
                       tr("The best time stored for %1 x %2 with %3 bombs is unreadable (\"%4\"), "
                          "so this game cannot be compared with it.")
                           .arg(Text(size.Height), Text(size.Width), Text(size.Bombs), Text(judged.StoredTime)));
        return;
    }
    if (judged.Verdict == TBestTimeVerdict::NotBetter)
        return; // an equal time keeps the older record

    {
        TfrmGetName prompt(this);
        prompt.SetPlayerName(Text(judged.PromptName));
        if (ExecDialog(prompt) == QDialog::Accepted) {
            const TBestTimeEntry entry{size.Height, size.Width, size.Bombs, std::to_string(FClockSeconds),
                                       prompt.PlayerName().toStdString(), BestTimeDateText(FTime.LocalNow())};
            switch (SaveBestTime(FSettings, entry, FClockSeconds, sections)) {
            case TBestTimeSave::Stored: break;
            case TBestTimeSave::Beaten:
                ShowMessageBox(this, TMsgIcon::Information, TMsgButtons::Ok,
                               tr("Another Dravolt window has meanwhile stored an equal or better time for "
                                  "%1 x %2 with %3 bombs, so that one stays the best time.")
                                   .arg(Text(size.Height), Text(size.Width), Text(size.Bombs)));
                break;
            case TBestTimeSave::Failed:
                if (!TellRefusedSave(FSettings, "Dravolt.ini", false))
                    ShowMessageBox(
                        this, TMsgIcon::Error, TMsgButtons::Ok,
                        tr("Could not save Dravolt.ini: the new best time is kept until the program closes."));
                break;
            }
            if (tree)
                FollowBestTime(*tree, FSettings.Ini(), size, sections);
        }
    }
    if (FField->PictureShown())
        timPaintDelayer.start(); // draw the cells over the picture once more
}

bool TfrmDravolt::SaveSessionStats()
{
    const TSession* current = FSessions.Find(kCurrentSession);
    if (!current || !current->Games || current->Games->empty())
        return true;
    bool save = actAutoSaveStats->isChecked();
    if (!save) {
        switch (ShowMessageBox(this, TMsgIcon::Question, TMsgButtons::YesNoCancel,
                               tr("Would you like to save the stats for this session?"))) {
        case TMsgResult::Yes: save = true; break;
        case TMsgResult::No: break;
        default: return false; // the close is abandoned
        }
    }
    if (!save)
        return true;
    // The file is read afresh: another run may have saved a session meanwhile.
    FHistory.Assign(OpenIniFile(kHistoryFile, "", [this](const std::string& text) {
        ShowMessageBox(this, TMsgIcon::None, TMsgButtons::Ok, CoreMessage(text));
    }));
    if (!FHistory.Open())
        return true;
    // The session is kept as played, not under a key: the save gives it the
    // next free key and name of the file as it is then, under its lock, so
    // that runs closing at the same moment each get their own.
    const bool saved = FHistory.Transact(
        [games = *current->Games, now = FTime.LocalNow()](TMemIniFile& history) { WriteSession(history, games, now); });
    if (!saved && !TellRefusedSave(FHistory, kHistoryFile, true))
        ShowMessageBox(this, TMsgIcon::Error, TMsgButtons::Ok,
                       tr("Could not save DravoltHistory.ini: the stats of this session are lost."));
    return true;
}

bool TfrmDravolt::TellRefusedSave(const TIniStore& store, const char* fileName, bool closing)
{
    if (!store.Refused())
        return false;
    // While the link stays, every later save is refused too: once is enough.
    const QString name = QString::fromUtf8(fileName);
    if (!FRefusalsTold.contains(name)) {
        FRefusalsTold.append(name);
        ShowMessageBox(this, TMsgIcon::Error, TMsgButtons::Ok,
                       (closing ? tr("%1 is now a link that another user could have placed, so it was not written: "
                                     "the changes of this session are lost.")
                                : tr("%1 is now a link that another user could have placed, so it was not written. "
                                     "The changes are kept until the program closes."))
                           .arg(name));
    }
    return true;
}

void TfrmDravolt::actBestTimeExecute()
{
    if (!FSettings.Open())
        return;
    TfrmBestTime dialog(this);
    dialog.SetHeader({tr("Height"), tr("Width"), tr("Bombs"), tr("Time"), tr("Name")});
    dialog.SetColumnWidth(4, 200);
    if (!FBestTimes)
        FBestTimes = LoadBestTimes(FSettings.Ini());
    if (!FNoGuessBestTimes)
        FNoGuessBestTimes = LoadBestTimes(FSettings.Ini(), kNoGuessBestTimes);
    const auto addRows = [&](const TBestTimes& tree) {
        for (const auto& [tallKey, tall] : tree)
            for (const auto& [wideKey, wide] : tall.WideList)
                for (const auto& [bombKey, spec] : wide.BombList)
                    dialog.AddRow(
                        {Text(tall.Tall), Text(wide.Wide), Text(spec.Bomb), Text(spec.Time), Text(spec.Name)});
    };
    addRows(*FBestTimes);
    // Boards that never need a guess are another game: their records follow
    // apart, under a title of their own.
    if (!FNoGuessBestTimes->empty()) {
        dialog.AddRow({});
        dialog.AddTitleRow(tr("Boards without guessing"));
        addRows(*FNoGuessBestTimes);
    }
    ExecDialog(dialog);
}

void TfrmDravolt::actViewStatsExecute()
{
    if (!FSettings.Open() || !FHistory.Open())
        return;
    if (FSessions.Empty()) {
        ShowMessageBox(this, TMsgIcon::Information, TMsgButtons::Ok, tr("There are no stats for viewing."));
        return;
    }
    TfrmBestTime dialog(this);
    dialog.SetMode(kViewStatMode);
    FStatsView = &dialog;
    dialog.setWindowTitle(tr("Stats"));
    dialog.SetHeader({tr("Game #"), tr("Bombs Left"), tr("Average"), tr("Time")});
    dialog.SetColumnWidth(1, 60);
    dialog.SetColumnWidth(4, 0);
    dialog.SetSessions(&FSessions, &FHistory);
    {
        const QSignalBlocker quiet(dialog.cboSession);
        for (std::size_t i = FSessions.Count(); i-- > 0;)
            dialog.cboSession->addItem(QString::fromStdString(FSessions.Items()[i].Name));
        const TSession* current = FSessions.Find(kCurrentSession);
        if (!current) {
            dialog.cboSession->setCurrentIndex(0);
        } else {
            dialog.cboSession->setCurrentIndex(dialog.cboSession->findText(Text(kCurrentSession), Qt::MatchFixedString));
            if (current->Games && !current->Games->empty())
                dialog.SetAction(actClearSessionStat);
        }
    }
    dialog.cboSessionChange();
    ExecDialog(dialog);
    FStatsView = nullptr;
    dialog.SetAction(nullptr);
    dialog.SetSessions(nullptr, nullptr);
}

void TfrmDravolt::actClearSessionStatExecute()
{
    if (ShowMessageBox(FStatsView ? static_cast<QWidget*>(FStatsView) : this, TMsgIcon::Question, TMsgButtons::YesNo,
                       tr("Are you sure you want to clear this session's stats ?")) != TMsgResult::Yes)
        return;
    ClearCurrentSession(FSessions);
    if (FStatsView)
        FStatsView->CurrentSessionCleared();
}
