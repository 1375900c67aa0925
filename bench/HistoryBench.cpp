// The game history with 100,000 games in DravoltGames.sqlite: recording one
// more, opening the history window with its figures and chart, and a step
// of a replay.
#include "gamelog/BoardCode.h"
#include "gamelog/MoveRecord.h"
#include "history/HistoryRoom.h"
#include "history/HistoryWindow.h"
#include "history/ReplayWindow.h"

#include <QApplication>
#include <QSlider>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <random>

namespace {

constexpr int kGames = 100'000;

// A won expert game: 16 x 30 with 99 bombs, every safe cell clicked in turn
// a quarter of a second apart.
TGameRow ExpertGame(std::mt19937& random)
{
    TGameRow row;
    row.EndedAt = "2026-12-08T12:00:00+01:00";
    row.Height = 16;
    row.Width = 30;
    row.Mode = GameModes::Normal;
    std::vector<int> cells(480);
    for (int i = 0; i < 480; ++i)
        cells[static_cast<std::size_t>(i)] = i;
    std::shuffle(cells.begin(), cells.end(), random);
    std::vector<int> mines(cells.begin(), cells.begin() + 99);
    std::sort(mines.begin(), mines.end());
    row.Bombs = 99;
    row.Mines = MinesText(mines);
    std::vector<TMove> moves;
    for (int i = 0; i < 480; ++i)
        if (!std::binary_search(mines.begin(), mines.end(), i))
            moves.push_back({TMoveKind::Left, i, 250LL * static_cast<long long>(moves.size())});
    row.Start = moves.front().Cell;
    row.Moves = PackMoves(moves);
    row.Result = random() % 3 == 0 ? GameResults::Lost : GameResults::Won;
    row.Millis = moves.back().Millis;
    row.Bbbv = 120;
    row.BbbvDone = row.Result == GameResults::Won ? 120 : 40;
    row.LeftClicks = static_cast<int>(moves.size());
    return row;
}

// The folder with the database, filled once for all the benchmarks; most
// games are of the size the window shows first.
class THistoryFolder {
public:
    THistoryFolder()
    {
        std::mt19937 random(1);
        {
            THistoryRoom room(Path(), [](const QString&) {});
            room.Record(ExpertGame(random)); // makes the file
        }
        Execute("BEGIN");
        for (int n = 1; n < kGames; ++n)
            Execute("INSERT INTO games SELECT NULL, ended_at, height, width, bombs, mode, result, millis, bbbv, "
                    "bbbv_done, left_clicks, right_clicks, chords, start, mines, moves FROM games WHERE id = 1");
        Execute("COMMIT");
        Example = ExpertGame(random);
    }
    ~THistoryFolder() { sqlite3_close(FDb); }
    THistoryFolder(const THistoryFolder&) = delete;
    THistoryFolder& operator=(const THistoryFolder&) = delete;
    // Takes away the games recorded after the first kGames, so that each
    // benchmark finds the same history.
    void Reset() { Execute("DELETE FROM games WHERE id > " + std::to_string(kGames)); }
    std::string Path() const { return FFolder.path().toStdString(); }
    TGameRow Example;

private:
    // Runs one statement on a connection of its own.
    void Execute(const std::string& sql)
    {
        if (!FDb)
            sqlite3_open((Path() + "/" + THistoryRoom::kFileName).c_str(), &FDb);
        sqlite3_exec(FDb, sql.c_str(), nullptr, nullptr, nullptr);
    }

    QTemporaryDir FFolder;
    sqlite3* FDb = nullptr;
};

THistoryFolder& Folder()
{
    static THistoryFolder folder;
    return folder;
}

void BM_RecordGame(benchmark::State& state)
{
    {
        THistoryRoom room(Folder().Path(), [](const QString&) {});
        room.Record(TGameRow(Folder().Example)); // opened before the timing
        for (auto _ : state)
            room.Record(TGameRow(Folder().Example));
    }
    Folder().Reset();
}
BENCHMARK(BM_RecordGame)->Unit(benchmark::kMillisecond);

// Argument 0: built; 1: also shown and drawn once, as its first frame.
void BM_OpenHistoryWindow(benchmark::State& state)
{
    THistoryRoom room(Folder().Path(), [](const QString&) {});
    for (auto _ : state) {
        THistoryWindow window(room, [](const TBoard&) {});
        if (state.range(0) == 1) {
            window.show();
            benchmark::DoNotOptimize(window.grab());
        }
    }
}
BENCHMARK(BM_OpenHistoryWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

std::unique_ptr<TReplayWindow> Replay()
{
    auto replay = std::make_unique<TReplayWindow>(*ReplayGameOf(Folder().Example));
    replay->SetPlaying(false);
    replay->show();
    return replay;
}

void BM_ReplayStep(benchmark::State& state)
{
    std::unique_ptr<TReplayWindow> replay = Replay();
    replay->SeekTo(0);
    for (auto _ : state) {
        if (replay->MovesDone() == replay->sldMoves->maximum()) {
            state.PauseTiming();
            replay->SeekTo(0);
            state.ResumeTiming();
        }
        replay->Step();
        QApplication::processEvents(); // the step reaches the screen
    }
}
BENCHMARK(BM_ReplayStep)->Unit(benchmark::kMicrosecond);

// The slider dragged from the start to the end: the board dealt again and
// every move done.
void BM_ReplaySeekToEnd(benchmark::State& state)
{
    std::unique_ptr<TReplayWindow> replay = Replay();
    for (auto _ : state) {
        replay->SeekTo(replay->sldMoves->maximum());
        QApplication::processEvents();
        state.PauseTiming();
        replay->SeekTo(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReplaySeekToEnd)->Unit(benchmark::kMillisecond);

} // namespace
