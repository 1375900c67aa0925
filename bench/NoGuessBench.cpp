// Dealing no-guess boards on the fields of their goals, and the solver alone
// on the largest field.
#include "BoardShape.h"
#include "field/NoGuessDealer.h"
#include "field/NoGuessSolver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

// The processor time of this thread, in milliseconds: what a deal costs when
// other programs share the machine.
double ThreadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

constexpr int kSeeds = 100;

TNoGuessRequest MiddleStart(int rows, int columns, int bombs)
{
    return {columns, rows, bombs, columns / 2 + rows / 2 * columns};
}

// One deal per iteration, with the seeds 1 to 100, from the middle cell (the
// default of dravolt-boards). The time is the mean of a deal; the counters
// give the median and the worst deal, as the dealer timed them (wall clock)
// and in processor time, the share of boards proven clearable, the repairs a
// deal needed on average, and the medians of the boards' shape beside those
// of random boards drawn with the same seeds (after the timed loop).
void BM_NoGuessDeal(benchmark::State& state)
{
    const TNoGuessRequest request = MiddleStart(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                                static_cast<int>(state.range(2)));
    std::vector<double> times, processorTimes;
    int solved = 0;
    double repairs = 0;
    double rollBacks = 0;
    std::vector<TBoardShape> dealt;
    TRandomGenerator random;
    std::uint32_t seed = 0;
    for (auto _ : state) {
        random.Reseed(++seed);
        const double begin = ThreadMilliseconds();
        const TNoGuessBoard board = TNoGuessDealer(random).Deal(request);
        processorTimes.push_back(ThreadMilliseconds() - begin);
        times.push_back(board.Milliseconds);
        solved += board.Solved;
        repairs += board.Repairs;
        rollBacks += board.RollBacks;
        dealt.push_back(ShapeOf(request, board.Bombs));
    }
    std::vector<TBoardShape> chance;
    for (std::uint32_t s = 1; s <= seed; ++s)
        chance.push_back(ShapeOf(request, RandomBombs(request, s)));
    const auto medianOf = [](const std::vector<TBoardShape>& shapes, int TBoardShape::*figure) {
        std::vector<double> values;
        for (const TBoardShape& shape : shapes)
            values.push_back(shape.*figure);
        return Median(values);
    };
    const std::size_t n = times.size();
    state.counters["median_ms"] = Median(times);
    state.counters["worst_ms"] = *std::max_element(times.begin(), times.end());
    state.counters["median_cpu_ms"] = Median(processorTimes);
    state.counters["worst_cpu_ms"] = *std::max_element(processorTimes.begin(), processorTimes.end());
    state.counters["solved_pct"] = 100.0 * solved / static_cast<double>(n);
    state.counters["repairs"] = repairs / static_cast<double>(n);
    state.counters["rollbacks"] = rollBacks / static_cast<double>(n);
    state.counters["buried"] = medianOf(dealt, &TBoardShape::BuriedBombs);
    state.counters["random_buried"] = medianOf(chance, &TBoardShape::BuriedBombs);
    state.counters["block"] = medianOf(dealt, &TBoardShape::LargestBlock);
    state.counters["random_block"] = medianOf(chance, &TBoardShape::LargestBlock);
    state.counters["bomb_free"] = medianOf(dealt, &TBoardShape::BombFreeCells);
    state.counters["random_bomb_free"] = medianOf(chance, &TBoardShape::BombFreeCells);
}
BENCHMARK(BM_NoGuessDeal)
    ->Args({16, 30, 99})
    ->Args({60, 100, 1200})
    ->Args({60, 100, 1800})
    ->Args({60, 100, 2100})
    ->Iterations(kSeeds)
    ->Unit(benchmark::kMillisecond);

struct TKnownBoard {
    TNoGuessRequest Request;
    std::vector<std::uint8_t> Bomb;
    std::vector<int> Around; // the number of every cell
};

// The board that seed 1 deals on the largest field.
TKnownBoard KnownBoard(int bombs)
{
    TKnownBoard board{MiddleStart(60, 100, bombs), std::vector<std::uint8_t>(6000, 0), std::vector<int>(6000, 0)};
    TRandomGenerator random;
    random.Reseed(1);
    for (int i : TNoGuessDealer(random).Deal(board.Request).Bombs)
        board.Bomb[i] = 1;
    for (int i = 0; i < 6000; ++i)
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                const int col = i % 100 + dc;
                const int row = i / 100 + dr;
                if ((dc != 0 || dr != 0) && col >= 0 && col < 100 && row >= 0 && row < 60)
                    board.Around[i] += board.Bomb[col + row * 100];
            }
    return board;
}

// Opens cells the way the dealer plays: every proven safe cell, with the
// exact sweep only where the cheap rules find none; stops after limit cells.
int PlayByLogic(TNoGuessSolver& solver, const TKnownBoard& board, int limit)
{
    solver.Start(100, 60, board.Request.Bombs);
    solver.Open(board.Request.Start, board.Around[board.Request.Start]);
    int opened = 1;
    while (opened < limit && solver.FindSafeCells())
        for (int cell; opened < limit && (cell = solver.TakeSafeCell()) >= 0; ++opened)
            solver.Open(cell, board.Around[cell]);
    return opened;
}

// The solver alone on a known 100 x 60 board: from the first cell to the
// last safe cell, every step proven.
void BM_SolveKnownBoard(benchmark::State& state)
{
    const TKnownBoard board = KnownBoard(static_cast<int>(state.range(0)));
    const int safe = 6000 - board.Request.Bombs;
    TNoGuessSolver solver;
    for (auto _ : state) {
        if (PlayByLogic(solver, board, safe) != safe)
            state.SkipWithError("the board was not cleared");
    }
}
BENCHMARK(BM_SolveKnownBoard)->Arg(1200)->Arg(1800)->Arg(2100)->Unit(benchmark::kMicrosecond);

// One complete answer from nothing but what a player sees: the largest field
// with 2,100 bombs, half of its safe cells open and the bombs proven so far
// known. Every covered cell is decided or shown to be open to both.
void BM_DeduceHalfwayView(benchmark::State& state)
{
    const TKnownBoard board = KnownBoard(2100);
    TNoGuessSolver solver;
    PlayByLogic(solver, board, (6000 - 2100) / 2);
    TPlayerView view{100, 60, std::vector<int>(6000, TPlayerView::kCovered), solver.BombsLeft()};
    for (int i = 0; i < 6000; ++i) {
        if (solver.Fact(i) == TCellFact::Open)
            view.Cells[i] = board.Around[i];
        else if (solver.Fact(i) == TCellFact::Bomb)
            view.Cells[i] = TPlayerView::kKnownBomb;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(Deduce(view));
}
BENCHMARK(BM_DeduceHalfwayView)->Unit(benchmark::kMicrosecond);

} // namespace
