// Dealing and playing the largest field, without drawing.
#include "CornerChord.h"
#include "QuietHost.h"
#include "field/MineField.h"

#include <benchmark/benchmark.h>

namespace {

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

// A dual click on the "1" beside the only bomb, flagged in the corner: the
// chord floods the other 5,998 cells, then the win test runs.
void BM_ChordOpensField(benchmark::State& state)
{
    QuietHost host;
    SteppingTime time;
    QuietField field(host, time);
    for (auto _ : state) {
        state.PauseTiming();
        SetUpCornerChord(field);
        state.ResumeTiming();
        field.DualClick();
        benchmark::DoNotOptimize(field.ClearedCount);
    }
    if (field.ClearedCount != field.CellCount() - 1)
        state.SkipWithError("the chord left cells covered");
}
BENCHMARK(BM_ChordOpensField)->Unit(benchmark::kMicrosecond);

} // namespace
