// The record files at their largest: a Dravolt.ini with 10,000 best times and
// a DravoltHistory.ini with 1,000 sessions, read, written and saved whole,
// and the best-time look-ups over them.
#include "RecordFiles.h"
#include "records/BestTimes.h"
#include "records/SessionStats.h"
#include "settings/IniFile.h"
#include "settings/IniStore.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int kBestTimeCount = 10000;
constexpr int kSessionCount = 1000;

enum class TRecordFile { BestTimes, History };

const std::string& FileText(TRecordFile file)
{
    static const std::string bestTimes = BestTimesIniText(kBestTimeCount);
    static const std::string history = HistoryIniText(kSessionCount);
    return file == TRecordFile::BestTimes ? bestTimes : history;
}


// A folder of its own under the temporary folder, removed at the end.
class TScratchFolder {
public:
    TScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dravolt-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            FPath = pattern;
    }
    ~TScratchFolder()
    {
        std::error_code ignored;
        if (!FPath.empty())
            std::filesystem::remove_all(FPath, ignored);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return FPath; }

private:
    std::filesystem::path FPath;
};

void BM_IniFromText(benchmark::State& state, TRecordFile file)
{
    const std::string& text = FileText(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(TMemIniFile::FromText(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK_CAPTURE(BM_IniFromText, Dravolt_ini, TRecordFile::BestTimes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IniFromText, DravoltHistory_ini, TRecordFile::History)->Unit(benchmark::kMillisecond);

void BM_IniText(benchmark::State& state, TRecordFile file)
{
    const TMemIniFile ini = TMemIniFile::FromText(FileText(file));
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.Text());
}
BENCHMARK_CAPTURE(BM_IniText, Dravolt_ini, TRecordFile::BestTimes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IniText, DravoltHistory_ini, TRecordFile::History)->Unit(benchmark::kMillisecond);

// A whole save: the text, a new file beside the target flushed to the disk,
// and the rename over the target.
void BM_IniUpdateFile(benchmark::State& state, TRecordFile file)
{
    const TScratchFolder folder;
    const TMemIniFile ini = TMemIniFile::FromText(FileText(file), (folder.Path() / "records.ini").string());
    for (auto _ : state) {
        if (!ini.UpdateFile()) {
            state.SkipWithError("the file could not be saved");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_IniUpdateFile, Dravolt_ini, TRecordFile::BestTimes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IniUpdateFile, DravoltHistory_ini, TRecordFile::History)->Unit(benchmark::kMillisecond);

// A save of a run's change by another run's rules: the file re-read under
// its lock, the change applied, the file written and renamed over the old
// one. The change keeps the file's size from one save to the next.
void BM_MergedSave(benchmark::State& state, TRecordFile file)
{
    const TScratchFolder folder;
    const std::string path = (folder.Path() / "records.ini").string();
    if (!TMemIniFile::FromText(FileText(file), path).UpdateFile()) {
        state.SkipWithError("the file could not be written");
        return;
    }
    TIniStore store;
    store.Assign(TMemIniFile::FromFile(path));
    int n = 0;
    for (auto _ : state) {
        store.WriteSetting("settings", "freeClick", ++n % 2 ? "1" : "0");
        if (!store.UpdateFile()) {
            state.SkipWithError("the file could not be saved");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_MergedSave, Dravolt_ini, TRecordFile::BestTimes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MergedSave, DravoltHistory_ini, TRecordFile::History)->Unit(benchmark::kMillisecond);

// What a won game asks of the file: its current contents read under the
// lock and the entry of the game's size judged, the last of 10,000.
void BM_BestTimeJudgedInTheFile(benchmark::State& state)
{
    const TScratchFolder folder;
    const std::string path = (folder.Path() / "Dravolt.ini").string();
    if (!TMemIniFile::FromText(FileText(TRecordFile::BestTimes), path).UpdateFile()) {
        state.SkipWithError("the file could not be written");
        return;
    }
    TIniStore settings;
    settings.Assign(TMemIniFile::FromFile(path));
    const TBestTimeEntry last = BenchBestTime(kBestTimeCount - 1);
    for (auto _ : state) {
        settings.Refresh();
        benchmark::DoNotOptimize(JudgeBestTime(settings.Ini(), {last.Height, last.Width, last.Bombs}, 1));
    }
    if (JudgeBestTime(settings.Ini(), {last.Height, last.Width, last.Bombs}, 1).Index != kBestTimeCount - 1)
        state.SkipWithError("the last entry was not found");
}
BENCHMARK(BM_BestTimeJudgedInTheFile)->Unit(benchmark::kMillisecond);

// The same after another run has saved the file: it is parsed anew.
void BM_BestTimeJudgedInAFileSavedByAnotherRun(benchmark::State& state)
{
    const TScratchFolder folder;
    const std::string path = (folder.Path() / "Dravolt.ini").string();
    TMemIniFile other = TMemIniFile::FromText(FileText(TRecordFile::BestTimes), path);
    if (!other.UpdateFile()) {
        state.SkipWithError("the file could not be written");
        return;
    }
    TIniStore settings;
    settings.Assign(TMemIniFile::FromFile(path));
    const TBestTimeEntry last = BenchBestTime(kBestTimeCount - 1);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        other.WriteString("settings", "freeClick", ++n % 2 ? "1" : "0");
        other.UpdateFile();
        state.ResumeTiming();
        settings.Refresh();
        benchmark::DoNotOptimize(JudgeBestTime(settings.Ini(), {last.Height, last.Width, last.Bombs}, 1));
    }
}
BENCHMARK(BM_BestTimeJudgedInAFileSavedByAnotherRun)->Unit(benchmark::kMillisecond);

// The tree of the best-times view, built from the 10,000 entries.
void BM_LoadBestTimes(benchmark::State& state)
{
    const TMemIniFile settings = TMemIniFile::FromText(FileText(TRecordFile::BestTimes));
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadBestTimes(settings));
}
BENCHMARK(BM_LoadBestTimes)->Unit(benchmark::kMillisecond);

// What every won game asks first: the walk through "sizes" to the last entry.
void BM_FindSizeIndexOfLast(benchmark::State& state)
{
    const TMemIniFile settings = TMemIniFile::FromText(FileText(TRecordFile::BestTimes));
    const TBestTimeEntry last = BenchBestTime(kBestTimeCount - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindSizeIndex(settings, last.Height, last.Width, last.Bombs));
    if (FindSizeIndex(settings, last.Height, last.Width, last.Bombs) != kBestTimeCount - 1)
        state.SkipWithError("the last entry was not found");
}
BENCHMARK(BM_FindSizeIndexOfLast)->Unit(benchmark::kMicrosecond);

// The session list the window reads at start-up.
void BM_ReadSessionNames(benchmark::State& state)
{
    const TMemIniFile history = TMemIniFile::FromText(FileText(TRecordFile::History));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSessionNames(history));
}
BENCHMARK(BM_ReadSessionNames)->Unit(benchmark::kMicrosecond);

} // namespace
