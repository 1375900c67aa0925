// Dealing and playing the largest field, without drawing.
#include "field/MineField.h"

#include <benchmark/benchmark.h>

namespace {

struct QuietHost final : FieldHost {
    bool FreeClickChecked() const override { return false; }
    bool KeyboardNavigationChecked() const override { return false; }
    bool AccentClearedChecked() const override { return false; }
    bool UndecidedChecked() const override { return false; }
    void SetCounterText(const std::string&) override {}
    void StartClock() override { Running = true; }
    void StopClock() override { Running = false; }
    bool ClockRunning() const override { return Running; }
    void ShowWinnerImage() override {}
    void StartPaintDelayer() override {}
    void EnableUndo() override {}
    void FocusNewGameButton() override {}
    void SetLossPending() override {}
    void RecordGameStat() override {}
    void CheckBestTime() override {}
    int CurrentSessionGameCount() const override { return 0; }
    bool Running = false;
};

struct SteppingTime final : TimeSource {
    std::uint32_t Milliseconds = 0;
    std::uint32_t MillisecondsSinceMidnightUtc() override { return Milliseconds += 7; }
    TLocalDateTime LocalNow() override { return {}; }
};

class QuietField final : public TMineField {
public:
    using TMineField::TMineField;
    void SetEnabled(bool value) override { FOn = value; }
    bool Enabled() const override { return FOn; }
    void Paint() override {}
    bool HandleNavigationKey(int, bool) override { return false; }
    void RedrawCell(int col, int row) override { benchmark::DoNotOptimize(Cell(col, row)); }

private:
    bool FOn = true;
};

void BM_BuildField(benchmark::State& state)
{
    QuietHost host;
    SteppingTime time;
    QuietField field(host, time);
    field.SetSlotsAcross(100);
    field.SetSlotsDown(60);
    field.SetBombTotal(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        field.BuildField();
        benchmark::DoNotOptimize(field.Cell(99, 59));
    }
}
BENCHMARK(BM_BuildField)->Arg(10)->Arg(1000)->Arg(5999)->Unit(benchmark::kMicrosecond);

// A first click on an empty 100 x 60 field: the flood opens all 6,000 cells,
// then the win test runs.
void BM_FloodWholeField(benchmark::State& state)
{
    QuietHost host;
    SteppingTime time;
    QuietField field(host, time);
    field.SetSlotsAcross(100);
    field.SetSlotsDown(60);
    field.SetBombTotal(0);
    for (auto _ : state) {
        state.PauseTiming();
        field.NewGame(false);
        state.ResumeTiming();
        field.ClickPoint = field.CellOrigin(50, 30);
        field.LeftClick();
        benchmark::DoNotOptimize(field.ClearedCount);
    }
}
BENCHMARK(BM_FloodWholeField)->Unit(benchmark::kMicrosecond);

} // namespace
