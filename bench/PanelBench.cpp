// Drawing the largest field into the panel's canvas. The benchmarks with a
// zoom draw cells of 16 x zoom / 100 pixels; run with QT_SCALE_FACTOR=2, the
// canvas has twice the pixels each way (scripts/bench.sh does both).
#include "CornerChord.h"
#include "QuietHost.h"
#include "panels/PanelMineField.h"

#include <benchmark/benchmark.h>

namespace {

struct LargeField {
    QuietHost host;
    TPanelMineField panel{host, nullptr};
    explicit LargeField(int bombs, int zoom = 100)
    {
        panel.SetCellWidth(16 * zoom / 100);
        panel.SetCellHeight(16 * zoom / 100);
        panel.SetSlotsAcross(100);
        panel.SetSlotsDown(60);
        panel.SetBombTotal(bombs);
        panel.NewGame(false);
        panel.Paint();
        (void)panel.Canvas();
    }
};

// A full repaint of 100 x 60 covered cells; Canvas() ends the painting so the
// pixels are really there.
void RepaintWhole(benchmark::State& state, LargeField& field)
{
    for (auto _ : state) {
        field.panel.Paint();
        benchmark::DoNotOptimize(field.panel.Canvas().constBits());
    }
}

void BM_PaintCovered(benchmark::State& state)
{
    LargeField field(1000, static_cast<int>(state.range(0)));
    RepaintWhole(state, field);
}
BENCHMARK(BM_PaintCovered)->ArgName("zoom")->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);

// A full repaint after a loss with every cell shown: numbers and bombs.
void BM_PaintRevealed(benchmark::State& state)
{
    LargeField field(1500, static_cast<int>(state.range(0)));
    for (int i = 0; i < field.panel.CellCount(); ++i)
        field.panel.CellAtIndex(i).Shown = true;
    RepaintWhole(state, field);
}
BENCHMARK(BM_PaintRevealed)->ArgName("zoom")->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);

// One cell redrawn, as every rule does after it changes a cell.
void BM_RedrawCell(benchmark::State& state)
{
    LargeField field(1000, static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        const TCellPos cell = field.panel.IndexToCell(i);
        field.panel.RedrawCell(cell.Col, cell.Row);
        i = (i + 37) % field.panel.CellCount();
    }
    benchmark::DoNotOptimize(field.panel.Canvas().constBits());
}
BENCHMARK(BM_RedrawCell)->ArgName("zoom")->Arg(100)->Arg(300);

// The first click on an empty 100 x 60 field: 6,000 cells opened and redrawn,
// then the win repaints the whole field. With the panel on screen every redraw
// also marks its rectangle for the next screen update.
void BM_FloodWithRedraws(benchmark::State& state)
{
    LargeField field(0, static_cast<int>(state.range(1)));
    if (state.range(0) != 0) {
        field.panel.resize(field.panel.sizeHint());
        field.panel.show();
    }
    for (auto _ : state) {
        state.PauseTiming();
        field.panel.NewGame(false);
        field.panel.SetEnabled(true);
        state.ResumeTiming();
        field.panel.ClickPoint = field.panel.CellOrigin(50, 30);
        field.panel.LeftClick();
        benchmark::DoNotOptimize(field.panel.Canvas().constBits());
    }
}
BENCHMARK(BM_FloodWithRedraws)
    ->ArgNames({"shown", "zoom"})
    ->Args({0, 100})
    ->Args({1, 100})
    ->Args({0, 300})
    ->Unit(benchmark::kMicrosecond);

// The same chord as in the core benchmarks, drawn: 5,998 cells opened and
// redrawn, then the win repaints the field; off and on screen as above.
void BM_ChordWithRedraws(benchmark::State& state)
{
    LargeField field(0);
    if (state.range(0) != 0) {
        field.panel.resize(field.panel.sizeHint());
        field.panel.show();
    }
    for (auto _ : state) {
        state.PauseTiming();
        SetUpCornerChord(field.panel);
        field.panel.SetEnabled(true);
        state.ResumeTiming();
        field.panel.DualClick();
        benchmark::DoNotOptimize(field.panel.Canvas().constBits());
    }
    if (field.panel.ClearedCount != field.panel.CellCount() - 1)
        state.SkipWithError("the chord left cells covered");
}
BENCHMARK(BM_ChordWithRedraws)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
