#include "field/NoGuessDealer.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace {

// Repairs that keep every deduction may go round in circles where few numbers
// are free to change; after this many without a new deduction, play goes back.
constexpr int kFruitlessRepairs = 8;
// A state of play is saved each time this share of the cells has been opened.
constexpr int kSavesPerField = 32;
// Cells drawn when a change must reach back into play, of which the one
// settled last is taken.
constexpr int kTournament = 256;
// Cells drawn where a bomb moves to or from a cell that is not otherwise
// chosen, of which the one that keeps the bombs least clustered is taken.
constexpr int kShapeDraws = 4;

} // namespace

double TNoGuessDealer::SteadyMilliseconds()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

TNoGuessDealer::TNoGuessDealer(TRandomGenerator& random, TClock clock) : FRandom(random), FClock(std::move(clock)) {}

TNoGuessBoard TNoGuessDealer::Deal(const TNoGuessRequest& request)
{
    const double begin = FClock();
    FAcross = request.Across;
    FDown = request.Down;
    FCellCount = FAcross * FDown;
    FStart = request.Start;
    FCorner = request.CornerToCorner;
    const int bombs = std::clamp(request.Bombs, 0, FCellCount);
    FSafeTotal = FCellCount - bombs;
    TNoGuessBoard board;
    if (FSafeTotal == 0) {
        // Every cell a bomb, as the plain dealing does: the first cell loses.
        for (int i = 0; i < bombs; ++i)
            board.Bombs.push_back(i);
        board.TooFull = true;
        board.Milliseconds = FClock() - begin;
        return board;
    }
    FSolver.Start(FAcross, FDown, bombs);
    Protect(request, bombs);
    PlaceBombs(bombs);
    FSaveEvery = std::max(64, FCellCount / kSavesPerField);
    FBlockLimit = LargestBlock();
    Replay();

    std::vector<std::uint8_t> best;
    int bestOpened = -1;
    bool toldSlow = false;
    int fruitless = 0; // repairs in a row after which nothing more was decided
    int stalled = 0;   // times in a row that play went back without getting further than before
    while (!Finished()) {
        const double elapsed = FClock() - begin;
        if (elapsed >= GiveUpAfter)
            break;
        if (!toldSlow && elapsed >= SlowAfter) {
            toldSlow = true;
            if (OnSlow)
                OnSlow();
        }
        const int undecided = FSolver.UndecidedCount();
        if (fruitless < kFruitlessRepairs && RepairKeepingDeductions()) {
            ++board.Repairs;
            fruitless = FSolver.UndecidedCount() < undecided ? 0 : fruitless + 1;
            continue;
        }
        fruitless = 0;
        // Play goes back: keep the board in case nothing better follows.
        stalled = FSolver.Step() > bestOpened ? 0 : stalled + 1;
        if (FSolver.Step() > bestOpened) {
            best = FBomb;
            bestOpened = FSolver.Step();
        }
        if (!RepairAndRollBack(stalled))
            break;
        ++board.RollBacks;
    }
    board.Solved = Finished();
    board.TooFull = !board.Solved && FSafeTotal < std::min(FAcross, 3) * std::min(FDown, 3);
    if (!board.Solved && bestOpened > FSolver.Step())
        FBomb = best;
    for (int i = 0; i < FCellCount; ++i)
        if (FBomb[i])
            board.Bombs.push_back(i);
    board.Milliseconds = FClock() - begin;
    return board;
}

// The first cell and as many of its neighbours as the bomb total leaves room
// for stay free; in corner-to-corner play the bottom-right cell too.
void TNoGuessDealer::Protect(const TNoGuessRequest& request, int bombs)
{
    FProtected.assign(FCellCount, 0);
    int room = FCellCount - bombs;
    FProtected[FStart] = 1;
    --room;
    if (request.CornerToCorner && FCellCount - 1 != FStart && room > 0) {
        FProtected[FCellCount - 1] = 1;
        --room;
    }
    std::vector<int> around;
    for (int k = 0; k < FSolver.NeighbourCount(FStart); ++k)
        if (!FProtected[FSolver.NeighbourOf(FStart, k)])
            around.push_back(FSolver.NeighbourOf(FStart, k));
    const int kept = std::min(room, static_cast<int>(around.size()));
    for (int k = 0; k < kept; ++k) {
        if (kept < static_cast<int>(around.size()))
            std::swap(around[k], around[k + Draw(static_cast<int>(around.size()) - k)]);
        FProtected[around[k]] = 1;
    }
}

void TNoGuessDealer::PlaceBombs(int bombs)
{
    std::vector<int> cells;
    for (int i = 0; i < FCellCount; ++i)
        if (!FProtected[i])
            cells.push_back(i);
    FBomb.assign(FCellCount, 0);
    for (int k = 0; k < bombs; ++k) {
        std::swap(cells[k], cells[k + Draw(static_cast<int>(cells.size()) - k)]);
        FBomb[cells[k]] = 1;
    }
    FAround.assign(FCellCount, 0);
    for (int i = 0; i < FCellCount; ++i)
        if (FBomb[i])
            for (int k = 0; k < FSolver.NeighbourCount(i); ++k)
                ++FAround[FSolver.NeighbourOf(i, k)];
}

// --- Play ----------------------------------------------------------------------

void TNoGuessDealer::Replay()
{
    FSolver.Start(FAcross, FDown, FCellCount - FSafeTotal);
    FDeferred.clear();
    FSavedCount = 0;
    OpenCell(FStart);
    Advance();
}

void TNoGuessDealer::OpenCell(int i) { FSolver.Open(i, FAround[i]); }

bool TNoGuessDealer::Finished() const
{
    return FCorner ? FSolver.Fact(FCellCount - 1) == TCellFact::Open : FSolver.Step() == FSafeTotal;
}

void TNoGuessDealer::SaveCheckpoint()
{
    const int last = FSavedCount > 0 ? FSaved[FSavedCount - 1].Solver.Step : 0;
    if (FSolver.Step() - last < FSaveEvery)
        return;
    if (FSavedCount == static_cast<int>(FSaved.size()))
        FSaved.emplace_back();
    FSolver.Save(FSaved[FSavedCount].Solver);
    FSaved[FSavedCount].Deferred = FDeferred;
    ++FSavedCount;
}

bool TNoGuessDealer::TouchesOpen(int i) const
{
    for (int k = 0; k < FSolver.NeighbourCount(i); ++k)
        if (FSolver.Fact(FSolver.NeighbourOf(i, k)) == TCellFact::Open)
            return true;
    return false;
}

// Opens every cell that logic proves safe, until none is left.
void TNoGuessDealer::Advance()
{
    while (!Finished() && FSolver.FindSafeCells()) {
        SaveCheckpoint();
        for (int cell; (cell = FSolver.TakeSafeCell()) >= 0;) {
            if (FCorner && !TouchesOpen(cell))
                FDeferred.push_back(cell); // the player cannot click it yet
            else
                OpenCell(cell);
        }
        for (bool opened = FCorner; opened;) {
            opened = false;
            for (std::size_t d = 0; d < FDeferred.size(); ++d) {
                if (TouchesOpen(FDeferred[d])) {
                    OpenCell(FDeferred[d]);
                    FDeferred[d] = FDeferred.back();
                    FDeferred.pop_back();
                    opened = true;
                }
            }
        }
    }
}

// --- Repairs -------------------------------------------------------------------

void TNoGuessDealer::MoveBomb(int from, int to)
{
    FBomb[from] = 0;
    FBomb[to] = 1;
    for (int k = 0; k < FSolver.NeighbourCount(from); ++k)
        --FAround[FSolver.NeighbourOf(from, k)];
    for (int k = 0; k < FSolver.NeighbourCount(to); ++k)
        ++FAround[FSolver.NeighbourOf(to, k)];
}

// Moves one bomb between an undecided frontier cell and a cell that shows in
// no number (or, where there is none of the kind needed, another frontier
// cell), such that every deduction made so far still follows from the
// changed numbers, then plays on. False when no such move exists.
bool TNoGuessDealer::RepairKeepingDeductions()
{
    // The frontier from the numbers that still have undecided cells; what the
    // cells off it hold follows from the totals.
    if (FMark.size() != FBomb.size())
        FMark.assign(FBomb.size(), 0);
    ++FMarkStamp;
    FFrontier.clear();
    int frontierCells = 0;
    int frontierBombs = 0;
    for (int j : FSolver.ActiveNumbers()) {
        for (int k = 0; k < FSolver.NeighbourCount(j); ++k) {
            const int cell = FSolver.NeighbourOf(j, k);
            if (FSolver.Fact(cell) != TCellFact::Undecided || FMark[cell] == FMarkStamp)
                continue;
            FMark[cell] = FMarkStamp;
            ++frontierCells;
            frontierBombs += FBomb[cell];
            if (FBomb[cell] || !FProtected[cell])
                FFrontier.push_back(cell);
        }
    }
    const int unreachedBombs = FSolver.BombsLeft() - frontierBombs;
    int unreachedSafe = FSolver.UndecidedCount() - frontierCells - unreachedBombs;
    if (FCorner && FSolver.Fact(FCellCount - 1) == TCellFact::Undecided && FMark[FCellCount - 1] != FMarkStamp)
        --unreachedSafe; // the bottom-right cell never takes a bomb
    // Promising moves first: those after which a number beside the cell
    // needs no bomb more, or needs every undecided cell around it. Within
    // each kind the order is random.
    auto promising = [&](int x) {
        for (int k = 0; k < FSolver.NeighbourCount(x); ++k) {
            const int j = FSolver.NeighbourOf(x, k);
            if (FSolver.Fact(j) != TCellFact::Open)
                continue;
            if (FBomb[x] ? FSolver.NeedOf(j) == 1 : FSolver.NeedOf(j) + 1 == FSolver.UndecidedAround(j))
                return true;
        }
        return false;
    };
    std::vector<int> order;
    for (int pass = 0; pass < 2; ++pass) {
        const std::size_t begin = order.size();
        for (int x : FFrontier)
            if (promising(x) == (pass == 0))
                order.push_back(x);
        for (std::size_t k = begin; k + 1 < order.size(); ++k)
            std::swap(order[k], order[k + static_cast<std::size_t>(Draw(static_cast<int>(order.size() - k)))]);
        SortByClustering(order, begin);
    }
    std::vector<TNoGuessSolver::TNumberShift> shifts;
    std::vector<int> partners;
    for (int x : order) {
        const bool bombLeaves = FBomb[x];
        const int unreached = bombLeaves ? unreachedSafe : unreachedBombs;
        int y;
        if (unreached > 0) {
            y = DrawUnreached(!bombLeaves, unreached);
            if (y < 0)
                continue;
        } else {
            // A frontier partner beside exactly the same numbers would change none.
            partners.clear();
            for (int i : FFrontier)
                if (i != x && FBomb[i] != bombLeaves && (bombLeaves ? !FProtected[i] : true) && !SameNumbersAround(i, x))
                    partners.push_back(i);
            if (partners.empty())
                continue;
            y = partners[Draw(static_cast<int>(partners.size()))];
        }
        if (BlockSize(bombLeaves ? y : x, bombLeaves ? x : y, FBlockLimit) > FBlockLimit)
            continue;
        // The numbers that change: beside x by one way, beside y the other.
        shifts.clear();
        for (int cell : {x, y}) {
            const int delta = (cell == x) == bombLeaves ? -1 : 1;
            for (int k = 0; k < FSolver.NeighbourCount(cell); ++k) {
                const int j = FSolver.NeighbourOf(cell, k);
                if (FSolver.Fact(j) != TCellFact::Open)
                    continue;
                auto same = std::find_if(shifts.begin(), shifts.end(), [j](const auto& s) { return s.Cell == j; });
                if (same == shifts.end())
                    shifts.push_back({j, delta});
                else
                    same->Delta += delta;
            }
        }
        std::erase_if(shifts, [](const auto& s) { return s.Delta == 0; });
        if (!FSolver.ShiftKeepsDeductions(shifts))
            continue;
        if (bombLeaves)
            MoveBomb(x, y);
        else
            MoveBomb(y, x);
        for (const auto& shift : shifts) {
            FSolver.ChangeNumber(shift.Cell, FAround[shift.Cell]);
            for (int k = 0; k < FSavedCount; ++k)
                FSaved[k].Solver.ShiftNumber(shift.Cell, shift.Delta);
        }
        Advance();
        return true;
    }
    return false;
}

// Moves one bomb to or from a covered cell beside the open area, even where
// a deduction relied on its numbers or on the cell itself, and goes back to
// the last state saved before any of them was settled (or to the first cell).
// False when no bomb can move.
bool TNoGuessDealer::RepairAndRollBack(int stalled)
{
    std::vector<int> undecided, covered;
    for (int i = 0; i < FCellCount; ++i) {
        if (FSolver.Fact(i) == TCellFact::Open || !TouchesOpen(i) || (!FBomb[i] && FProtected[i]))
            continue;
        (FSolver.Fact(i) == TCellFact::Undecided ? undecided : covered).push_back(i);
    }
    const std::vector<int>& pool = undecided.empty() ? covered : undecided;
    if (pool.empty())
        return false;
    // Of a few cells drawn, the one whose surroundings were settled last, so
    // that play goes back the least; fewer are drawn after going back led
    // nowhere new, lest the same few cells change back and forth.
    int x = pool[Draw(static_cast<int>(pool.size()))];
    for (int draws = std::max(1, kTournament >> std::min(stalled, 8)); draws > 1; --draws) {
        const int other = pool[Draw(static_cast<int>(pool.size()))];
        if (SettledLimit(other) > SettledLimit(x))
            x = other;
    }
    // The partner, a cell of the other kind: one that shows in no number
    // where there is one, else one the solver has settled (late in play, when
    // the stuck cells are a pocket that only numbers elsewhere can open), else
    // another undecided cell beside other numbers.
    std::vector<int> tiers[3];
    for (int i = 0; i < FCellCount; ++i) {
        if (i == x || FBomb[i] == FBomb[x] || (FBomb[x] && FProtected[i]))
            continue;
        const TCellFact fact = FSolver.Fact(i);
        if (fact == TCellFact::Undecided)
            (TouchesOpen(i) ? tiers[2] : tiers[0]).push_back(i);
        else
            tiers[1].push_back(i);
    }
    const auto tier = std::find_if(std::begin(tiers), std::end(tiers), [](const auto& t) { return !t.empty(); });
    if (tier == std::end(tiers))
        return false;
    const int y = DrawTidiest(*tier);
    const int limit = std::min(SettledLimit(x), SettledLimit(y));
    if (FBomb[x])
        MoveBomb(x, y);
    else
        MoveBomb(y, x);
    while (FSavedCount > 0 && FSaved[FSavedCount - 1].Solver.Step > limit)
        --FSavedCount;
    if (FSavedCount == 0) {
        Replay();
        return true;
    }
    FSolver.Restore(FSaved[FSavedCount - 1].Solver);
    FDeferred = FSaved[FSavedCount - 1].Deferred;
    Advance();
    return true;
}

// --- The bombs' look ----------------------------------------------------------
//
// The repairs would otherwise heap bombs where play got stuck: walls of bombs
// along the frontier, solid where they meet. So a repair never grows a block
// of bombs (4-connected) beyond the largest that chance made on this board,
// and where it draws a cell it takes, of a few, the one that clusters the
// bombs least.

// The cells beside i, not corner to corner; -1 off the field.
std::array<int, 4> TNoGuessDealer::Beside(int i) const
{
    const int col = i % FAcross;
    return {col > 0 ? i - 1 : -1, col + 1 < FAcross ? i + 1 : -1, i >= FAcross ? i - FAcross : -1,
            i + FAcross < FCellCount ? i + FAcross : -1};
}

// The bombs joined to cell (a bomb, or to be one) through bombs beside each
// other, without the cell leaving, counted up to more than most; they are
// left in FBlock.
int TNoGuessDealer::BlockSize(int cell, int leaving, int most)
{
    if (FSeen.size() != FBomb.size())
        FSeen.assign(FBomb.size(), 0);
    ++FSeenStamp;
    FSeen[cell] = FSeenStamp;
    if (leaving >= 0)
        FSeen[leaving] = FSeenStamp;
    FBlock.assign(1, cell);
    for (std::size_t k = 0; k < FBlock.size() && static_cast<int>(FBlock.size()) <= most; ++k)
        for (int j : Beside(FBlock[k]))
            if (j >= 0 && FBomb[j] && FSeen[j] != FSeenStamp) {
                FSeen[j] = FSeenStamp;
                FBlock.push_back(j);
            }
    return static_cast<int>(FBlock.size());
}

int TNoGuessDealer::LargestBlock()
{
    int largest = 0;
    std::vector<std::uint8_t> counted(FCellCount, 0);
    for (int i = 0; i < FCellCount; ++i) {
        if (!FBomb[i] || counted[i])
            continue;
        largest = std::max(largest, BlockSize(i, -1, FCellCount));
        for (int j : FBlock)
            counted[j] = 1;
    }
    return largest;
}

// The most cells that a saved state may have open and still know nothing that
// a change of this cell touches: neither the numbers beside it nor a
// decision about it.
int TNoGuessDealer::SettledLimit(int cell) const
{
    int limit = FSolver.Step();
    const TCellFact fact = FSolver.Fact(cell);
    if (fact == TCellFact::Open)
        limit = std::min(limit, FSolver.SettledAt(cell));
    else if (fact != TCellFact::Undecided)
        limit = std::min(limit, FSolver.SettledAt(cell) - 1); // decided while that many were open
    for (int k = 0; k < FSolver.NeighbourCount(cell); ++k) {
        const int j = FSolver.NeighbourOf(cell, k);
        if (FSolver.Fact(j) == TCellFact::Open)
            limit = std::min(limit, FSolver.SettledAt(j));
    }
    return limit;
}

// A random undecided cell that shows in no number and holds a bomb or not (and
// then may take one), of which there are about count; -1 if there is none. Of
// a few such cells drawn, the one that keeps the bombs least clustered.
int TNoGuessDealer::DrawUnreached(bool bomb, int count)
{
    auto fits = [&](int i) {
        return FSolver.Fact(i) == TCellFact::Undecided && FMark[i] != FMarkStamp && FBomb[i] == bomb &&
               (bomb || !FProtected[i]);
    };
    // Where such cells are plenty, drawing any cell until one fits is quick.
    if (count * 16 >= FCellCount) {
        int best = -1;
        for (int tries = 0, found = 0; tries < 256 && found < kShapeDraws; ++tries)
            if (const int i = Draw(FCellCount); fits(i)) {
                best = found++ == 0 ? i : Tidier(i, best);
            }
        if (best >= 0)
            return best;
    }
    std::vector<int> cells;
    for (int i = 0; i < FCellCount; ++i)
        if (fits(i))
            cells.push_back(i);
    return cells.empty() ? -1 : DrawTidiest(cells);
}

// How much moving the bomb to or from this cell clusters the bombs, from 0
// (a bomb leaves a cell with 8 bomb neighbours, or comes to one with none)
// to 8.
int TNoGuessDealer::Clustering(int cell) const { return FBomb[cell] ? 8 - FAround[cell] : FAround[cell]; }

// Orders cells[begin...] by Clustering, keeping the order of equals.
void TNoGuessDealer::SortByClustering(std::vector<int>& cells, std::size_t begin)
{
    std::array<int, 10> start{};
    for (std::size_t k = begin; k < cells.size(); ++k)
        ++start[Clustering(cells[k]) + 1];
    for (std::size_t c = 1; c < start.size(); ++c)
        start[c] += start[c - 1];
    FSorted.resize(cells.size() - begin);
    for (std::size_t k = begin; k < cells.size(); ++k)
        FSorted[start[Clustering(cells[k])]++] = cells[k];
    std::copy(FSorted.begin(), FSorted.end(), cells.begin() + static_cast<std::ptrdiff_t>(begin));
}

// Of two cells of one kind, the one better for the board's look, so that the
// repairs do not build solid blocks of bombs.
int TNoGuessDealer::Tidier(int a, int b) const { return Clustering(a) < Clustering(b) ? a : b; }

int TNoGuessDealer::DrawTidiest(const std::vector<int>& cells)
{
    int best = cells[Draw(static_cast<int>(cells.size()))];
    for (int k = 1; k < kShapeDraws; ++k)
        best = Tidier(cells[Draw(static_cast<int>(cells.size()))], best);
    return best;
}

bool TNoGuessDealer::SameNumbersAround(int a, int b) const
{
    auto numbersAround = [this](int cell) {
        std::vector<int> numbers;
        for (int k = 0; k < FSolver.NeighbourCount(cell); ++k)
            if (FSolver.Fact(FSolver.NeighbourOf(cell, k)) == TCellFact::Open)
                numbers.push_back(FSolver.NeighbourOf(cell, k));
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    };
    return numbersAround(a) == numbersAround(b);
}
