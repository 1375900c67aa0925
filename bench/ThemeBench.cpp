// The largest field drawn in the Light and Dark themes, as PanelBench draws
// it in the classic look: run with QT_SCALE_FACTOR=2 too (scripts/bench.sh).
#include "QuietHost.h"
#include "panels/PanelMineField.h"

#include <benchmark/benchmark.h>

namespace {

struct ThemedField {
    QuietHost host;
    TPanelMineField panel{host, nullptr};
    ThemedField(int bombs, int theme)
    {
        panel.SetTheme(static_cast<TTheme>(theme));
        panel.SetSlotsAcross(100);
        panel.SetSlotsDown(60);
        panel.SetBombTotal(bombs);
        panel.NewGame(false);
        panel.Paint();
    }
    void Repaint(benchmark::State& state)
    {
        for (auto _ : state) {
            panel.Paint();
            benchmark::DoNotOptimize(panel.Canvas().constBits());
        }
    }
};

void BM_ThemePaintCovered(benchmark::State& state)
{
    ThemedField field(1000, static_cast<int>(state.range(0)));
    field.Repaint(state);
}

// After a loss with every cell shown: numbers, bombs and empty faces.
void BM_ThemePaintRevealed(benchmark::State& state)
{
    ThemedField field(1500, static_cast<int>(state.range(0)));
    for (int i = 0; i < field.panel.CellCount(); ++i)
        field.panel.CellAtIndex(i).Shown = true;
    field.Repaint(state);
}

void BM_ThemeRedrawCell(benchmark::State& state)
{
    ThemedField field(1000, static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        const TCellPos cell = field.panel.IndexToCell(i);
        field.panel.RedrawCell(cell.Col, cell.Row);
        i = (i + 37) % field.panel.CellCount();
    }
    benchmark::DoNotOptimize(field.panel.Canvas().constBits());
}

// The first click on an empty field: 6,000 cells opened and redrawn, then
// the win repaints the whole field.
void BM_ThemeFloodWithRedraws(benchmark::State& state)
{
    ThemedField field(0, static_cast<int>(state.range(0)));
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

// theme: 1 Light, 2 Dark (the classic look is PanelBench's).
BENCHMARK(BM_ThemePaintCovered)->ArgName("theme")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThemePaintRevealed)->ArgName("theme")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThemeRedrawCell)->ArgName("theme")->Arg(1)->Arg(2);
BENCHMARK(BM_ThemeFloodWithRedraws)->ArgName("theme")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
