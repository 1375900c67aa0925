// Opening the statistics view on a history of 1,000 saved sessions, built as
// the main window builds it, without running it modally.
#include "RecordFiles.h"
#include "dialogs/uBestTime.h"
#include "records/SessionStats.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The window's steps for "View Stats" with no running session: the dialog in
// the statistics mode, the session names newest first in the chooser, and the
// games of the chosen one read from the history and shown.
std::unique_ptr<TfrmBestTime> OpenStatsView(TSessionList& sessions, const TIniStore& history)
{
    auto dialog = std::make_unique<TfrmBestTime>();
    dialog->SetMode(kViewStatMode);
    dialog->setWindowTitle("Stats");
    dialog->SetHeader({"Game #", "Bombs Left", "Average", "Time"});
    dialog->SetColumnWidth(1, 60);
    dialog->SetColumnWidth(4, 0);
    dialog->SetSessions(&sessions, &history);
    {
        const QSignalBlocker quiet(dialog->cboSession);
        for (std::size_t i = sessions.Count(); i-- > 0;)
            dialog->cboSession->addItem(QString::fromStdString(sessions.Items()[i].Name));
        dialog->cboSession->setCurrentIndex(0);
    }
    dialog->cboSessionChange();
    return dialog;
}

// Argument 0: built only. Argument 1: also shown and drawn once, as the first
// frame on screen would be.
void BM_OpenStatsView(benchmark::State& state)
{
    TIniStore history;
    history.Assign(TMemIniFile::FromText(HistoryIniText(1000)));
    const TSessionList saved = ReadSessionNames(history.Ini());
    const bool drawn = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        TSessionList sessions = saved; // no games read yet
        state.ResumeTiming();
        std::unique_ptr<TfrmBestTime> dialog = OpenStatsView(sessions, history);
        if (drawn) {
            dialog->show();
            benchmark::DoNotOptimize(dialog->grab());
        }
        state.PauseTiming();
        if (dialog->RowCount() < 2 + 18)
            state.SkipWithError("the games of the session are missing");
        dialog.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenStatsView)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
