#include "field/NoGuessSolver.h"

#include <algorithm>
#include <bit>

namespace {

// Cells around a number, and around the numbers near it, as bits of a 7 x 7
// window centred on the number.
constexpr int kWindow = 7;
constexpr int kCentre = 3;
int WindowBit(int dc, int dr) { return (dr + kCentre) * kWindow + dc + kCentre; }

} // namespace

TDeduction Deduce(const TPlayerView& view)
{
    const int n = view.Across * view.Down;
    int known = 0;
    for (int i = 0; i < n; ++i)
        known += view.Cells[i] == TPlayerView::kKnownBomb;
    TNoGuessSolver solver;
    solver.Start(view.Across, view.Down, view.BombsLeft + known);
    for (int i = 0; i < n; ++i)
        if (view.Cells[i] == TPlayerView::kKnownBomb)
            solver.MarkBomb(i);
    for (int i = 0; i < n; ++i)
        if (view.Cells[i] >= 0)
            solver.Open(i, view.Cells[i]);
    solver.DecideAll();
    TDeduction result;
    result.Consistent = solver.Consistent();
    result.Facts.resize(n);
    for (int i = 0; i < n; ++i)
        result.Facts[i] = solver.Fact(i);
    return result;
}

// --- Knowledge ---------------------------------------------------------------

void TNoGuessSolver::Start(int across, int down, int bombs)
{
    FAcross = across;
    FDown = down;
    FCellCount = across * down;
    const int n = FCellCount;
    FNeighbours.assign(n * 8, -1);
    FNeighbourCount.assign(n, 0);
    for (int i = 0; i < n; ++i) {
        const int col = i % across;
        const int row = i / across;
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc)
                if ((dc != 0 || dr != 0) && col + dc >= 0 && col + dc < across && row + dr >= 0 && row + dr < down)
                    FNeighbours[i * 8 + FNeighbourCount[i]++] = i + dr * across + dc;
    }
    FFact.assign(n, TCellFact::Undecided);
    FNumber.assign(n, 0);
    FNeed.assign(n, 0);
    FUnknown.assign(n, 0);
    FUsed.assign(n, 0);
    FBombsLeft = bombs;
    FUndecided = n;
    FConsistent = bombs >= 0 && bombs <= n;
    FSingleQueue.clear();
    FPairQueue.clear();
    FSafeQueue.clear();
    FInSingle.assign(n, 0);
    FInPair.assign(n, 0);
    FChanged.assign(n, 1);
    FCachedMin.assign(n, 0);
    FCachedMax.assign(n, 0);
    FParent.assign(n, -1);
    FPartOf.assign(n, -1);
    FLocal.assign(n, -1);
    FSweepStates = 0;
}

// The number at j lost an undecided cell, found a bomb or changed: its rules
// may fire again, and the exact step must sweep its part again.
void TNoGuessSolver::Changed(int j)
{
    if (FUnknown[j] > 0) {
        if (!FInSingle[j]) {
            FInSingle[j] = 1;
            FSingleQueue.push_back(j);
        }
        if (!FInPair[j]) {
            FInPair[j] = 1;
            FPairQueue.push_back(j);
        }
    }
    for (int k = 0; k < FNeighbourCount[j]; ++k) {
        const int cell = FNeighbours[j * 8 + k];
        if (FFact[cell] == TCellFact::Undecided)
            FChanged[cell] = 1;
    }
    CheckNumber(j);
}

void TNoGuessSolver::CheckNumber(int j)
{
    if (FNeed[j] < 0 || FNeed[j] > FUnknown[j])
        FConsistent = false;
}

void TNoGuessSolver::Open(int i, int number)
{
    if (FFact[i] == TCellFact::Open) {
        ChangeNumber(i, number);
        return;
    }
    if (FFact[i] == TCellFact::Bomb) {
        FConsistent = false;
        return;
    }
    const bool wasUndecided = FFact[i] == TCellFact::Undecided;
    FFact[i] = TCellFact::Open;
    if (wasUndecided) {
        --FUndecided;
        for (int k = 0; k < FNeighbourCount[i]; ++k) {
            const int j = FNeighbours[i * 8 + k];
            if (FFact[j] == TCellFact::Open) {
                --FUnknown[j];
                Changed(j);
            }
        }
    }
    int need = number;
    int unknown = 0;
    for (int k = 0; k < FNeighbourCount[i]; ++k) {
        const TCellFact fact = FFact[FNeighbours[i * 8 + k]];
        need -= fact == TCellFact::Bomb;
        unknown += fact == TCellFact::Undecided;
    }
    FNumber[i] = static_cast<std::int8_t>(number);
    FNeed[i] = static_cast<std::int8_t>(need);
    FUnknown[i] = static_cast<std::int8_t>(unknown);
    FUsed[i] = 0;
    Changed(i);
}

void TNoGuessSolver::MarkBomb(int i)
{
    if (FFact[i] == TCellFact::Undecided)
        DecideBomb(i);
    else if (FFact[i] != TCellFact::Bomb)
        FConsistent = false;
}

void TNoGuessSolver::ChangeNumber(int i, int number)
{
    FNeed[i] = static_cast<std::int8_t>(FNeed[i] + number - FNumber[i]);
    FNumber[i] = static_cast<std::int8_t>(number);
    Changed(i);
}

void TNoGuessSolver::DecideSafe(int i)
{
    FFact[i] = TCellFact::Safe;
    --FUndecided;
    FSafeQueue.push_back(i);
    for (int k = 0; k < FNeighbourCount[i]; ++k) {
        const int j = FNeighbours[i * 8 + k];
        if (FFact[j] == TCellFact::Open) {
            --FUnknown[j];
            Changed(j);
        }
    }
}

void TNoGuessSolver::DecideBomb(int i)
{
    FFact[i] = TCellFact::Bomb;
    --FUndecided;
    --FBombsLeft;
    for (int k = 0; k < FNeighbourCount[i]; ++k) {
        const int j = FNeighbours[i * 8 + k];
        if (FFact[j] == TCellFact::Open) {
            --FUnknown[j];
            --FNeed[j];
            Changed(j);
        }
    }
}

int TNoGuessSolver::TakeSafeCell()
{
    while (!FSafeQueue.empty()) {
        const int i = FSafeQueue.back();
        FSafeQueue.pop_back();
        if (FFact[i] == TCellFact::Safe)
            return i;
    }
    return -1;
}

// --- The cheap rules -----------------------------------------------------------

void TNoGuessSolver::Propagate()
{
    // Single numbers first; the pair rules only once those have nothing left.
    while (FConsistent) {
        if (!FSingleQueue.empty()) {
            const int j = FSingleQueue.back();
            FSingleQueue.pop_back();
            FInSingle[j] = 0;
            SingleRule(j);
        } else if (!FPairQueue.empty()) {
            const int j = FPairQueue.back();
            FPairQueue.pop_back();
            FInPair[j] = 0;
            PairRules(j);
        } else {
            break;
        }
    }
}

void TNoGuessSolver::SingleRule(int j)
{
    if (FUnknown[j] == 0)
        return;
    const bool allSafe = FNeed[j] == 0;
    if (!allSafe && FNeed[j] != FUnknown[j])
        return;
    FUsed[j] = 1;
    for (int k = 0; k < FNeighbourCount[j]; ++k) {
        const int cell = FNeighbours[j * 8 + k];
        if (FFact[cell] != TCellFact::Undecided)
            continue;
        if (allSafe)
            DecideSafe(cell);
        else
            DecideBomb(cell);
    }
}

void TNoGuessSolver::PairRules(int j)
{
    if (FUnknown[j] == 0)
        return;
    const int col = j % FAcross;
    const int row = j / FAcross;
    // The undecided cells around a number as bits of the window around j.
    auto undecidedAround = [&](int centre) {
        std::uint64_t mask = 0;
        for (int k = 0; k < FNeighbourCount[centre]; ++k) {
            const int cell = FNeighbours[centre * 8 + k];
            if (FFact[cell] == TCellFact::Undecided)
                mask |= std::uint64_t{1} << WindowBit(cell % FAcross - col, cell / FAcross - row);
        }
        return mask;
    };
    const std::uint64_t mine = undecidedAround(j);
    const int a = FNeed[j];
    for (int dr = -2; dr <= 2; ++dr) {
        for (int dc = -2; dc <= 2; ++dc) {
            const int c = col + dc;
            const int r = row + dr;
            if ((dc == 0 && dr == 0) || c < 0 || c >= FAcross || r < 0 || r >= FDown)
                continue;
            const int other = c + r * FAcross;
            if (FFact[other] != TCellFact::Open || FUnknown[other] == 0)
                continue;
            const std::uint64_t theirs = undecidedAround(other);
            const std::uint64_t shared = mine & theirs;
            if (shared == 0)
                continue;
            const std::uint64_t onlyMine = mine & ~theirs;
            const std::uint64_t onlyTheirs = theirs & ~mine;
            const int b = FNeed[other];
            const int nMine = std::popcount(onlyMine);
            const int nTheirs = std::popcount(onlyTheirs);
            const int nShared = std::popcount(shared);
            // The bombs in the shared cells lie between these bounds.
            const int sharedMin = std::max({0, a - nMine, b - nTheirs});
            const int sharedMax = std::min({nShared, a, b});
            if (sharedMin > sharedMax) {
                FConsistent = false;
                return;
            }
            std::uint64_t safe = 0;
            std::uint64_t bombs = 0;
            auto settle = [&](std::uint64_t cells, int count, int fewest, int most) {
                if (cells == 0)
                    return;
                if (most == 0)
                    safe |= cells;
                else if (fewest == count)
                    bombs |= cells;
            };
            settle(onlyMine, nMine, a - sharedMax, a - sharedMin);
            settle(onlyTheirs, nTheirs, b - sharedMax, b - sharedMin);
            settle(shared, nShared, sharedMin, sharedMax);
            if ((safe | bombs) == 0)
                continue;
            FUsed[j] = 1;
            FUsed[other] = 1;
            auto cellOf = [&](int bit) { return j + (bit / kWindow - kCentre) * FAcross + bit % kWindow - kCentre; };
            for (std::uint64_t bits = safe; bits != 0; bits &= bits - 1)
                DecideSafe(cellOf(std::countr_zero(bits)));
            for (std::uint64_t bits = bombs; bits != 0; bits &= bits - 1)
                DecideBomb(cellOf(std::countr_zero(bits)));
            return; // the number changed: it is queued again if cells are left
        }
    }
}

// --- The exact step ------------------------------------------------------------

bool TNoGuessSolver::FindSafeCells()
{
    Propagate();
    auto waiting = [this] {
        while (!FSafeQueue.empty() && FFact[FSafeQueue.back()] != TCellFact::Safe)
            FSafeQueue.pop_back();
        return !FSafeQueue.empty();
    };
    if (waiting() || !FConsistent || FUndecided == 0)
        return waiting();
    ExactStep();
    return waiting();
}

void TNoGuessSolver::DecideAll()
{
    Propagate();
    if (FConsistent && FUndecided > 0)
        ExactStep();
}

int TNoGuessSolver::Root(int cell)
{
    while (FParent[cell] != cell) {
        FParent[cell] = FParent[FParent[cell]];
        cell = FParent[cell];
    }
    return cell;
}

void TNoGuessSolver::ExactStep()
{
    // Join the undecided cells of every number into the parts of the frontier.
    std::vector<int> frontier;
    std::vector<int> numbers;
    for (int j = 0; j < FCellCount; ++j) {
        if (FFact[j] != TCellFact::Open || FUnknown[j] == 0)
            continue;
        numbers.push_back(j);
        int first = -1;
        for (int k = 0; k < FNeighbourCount[j]; ++k) {
            const int cell = FNeighbours[j * 8 + k];
            if (FFact[cell] != TCellFact::Undecided)
                continue;
            if (FParent[cell] < 0) {
                FParent[cell] = cell;
                frontier.push_back(cell);
            }
            if (first < 0)
                first = cell;
            else
                FParent[Root(cell)] = Root(first);
        }
    }
    int parts = 0;
    for (int cell : frontier) {
        const int root = Root(cell);
        if (FPartOf[root] < 0)
            FPartOf[root] = parts++;
    }
    if (static_cast<int>(FParts.size()) < parts) {
        FParts.resize(parts);
        FPartCells.resize(parts);
        FPartNumbers.resize(parts);
        FSweeps.resize(parts);
    }
    for (int p = 0; p < parts; ++p) {
        FParts[p].Clear();
        FPartCells[p].clear();
        FPartNumbers[p].clear();
    }
    std::vector<std::uint8_t> dirty(parts, 0);
    std::vector<int> lowest(parts, FCellCount);
    for (int cell : frontier) {
        const int p = FPartOf[Root(cell)];
        FLocal[cell] = static_cast<int>(FPartCells[p].size());
        FPartCells[p].push_back(cell);
        dirty[p] |= FChanged[cell];
        lowest[p] = std::min(lowest[p], cell);
    }
    for (int j : numbers) {
        int p = -1;
        for (int k = 0; k < FNeighbourCount[j]; ++k) {
            const int cell = FNeighbours[j * 8 + k];
            if (FFact[cell] != TCellFact::Undecided)
                continue;
            if (p < 0) {
                p = FPartOf[Root(cell)];
                FParts[p].AddNumber(FNeed[j]);
                FPartNumbers[p].push_back(j);
            }
            FParts[p].AddMember(FLocal[cell]);
        }
    }
    for (int p = 0; p < parts; ++p)
        FParts[p].Cells = static_cast<int>(FPartCells[p].size());

    // Sweep the parts that changed; the others keep their bounds.
    std::vector<std::uint8_t> swept(parts, 0);
    int fewest = 0;
    int most = 0;
    auto sweep = [&](int p) {
        swept[p] = 1;
        if (!FSweeps[p].Build(FParts[p])) {
            FConsistent = false;
            return;
        }
        FSweepStates += FSweeps[p].StateTotal();
        FCachedMin[lowest[p]] = FSweeps[p].MinBombs();
        FCachedMax[lowest[p]] = FSweeps[p].MaxBombs();
    };
    for (int p = 0; p < parts && FConsistent; ++p) {
        if (dirty[p])
            sweep(p);
        fewest += FCachedMin[lowest[p]];
        most += FCachedMax[lowest[p]];
    }

    const int interior = FUndecided - static_cast<int>(frontier.size());
    const int bombs = FBombsLeft;
    // Which cells each part can make bombs or keep safe, and whether the
    // cells off the frontier can.
    std::vector<std::vector<std::uint8_t>> canBomb(parts), canSafe(parts);
    bool interiorCanBomb = true;
    bool interiorCanSafe = true;
    bool countMatters = false;
    if (FConsistent && most <= bombs && fewest >= bombs - interior) {
        // Any layouts of the parts leave a count that the cells off the
        // frontier can take up: the count decides nothing within the parts.
        for (int p = 0; p < parts; ++p)
            if (swept[p])
                FSweeps[p].Possible(canBomb[p], canSafe[p]);
        interiorCanBomb = bombs - fewest >= 1;
        interiorCanSafe = bombs - most <= interior - 1;
    } else if (FConsistent) {
        countMatters = true;
        for (int p = 0; p < parts && FConsistent; ++p)
            if (!swept[p])
                sweep(p);
        std::vector<TBombCountSet> counts(parts);
        for (int p = 0; p < parts && FConsistent; ++p)
            counts[p] = FSweeps[p].Counts();
        // Sums of the parts before and after each one.
        std::vector<TBombCountSet> before(parts + 1), after(parts + 1);
        before[0] = after[parts] = TBombCountSet::Single(0);
        for (int p = 0; p < parts && FConsistent; ++p)
            before[p + 1] = before[p].Plus(counts[p]);
        for (int p = parts - 1; p >= 0 && FConsistent; --p)
            after[p] = after[p + 1].Plus(counts[p]);
        const TBombCountSet& all = before[parts];
        if (FConsistent && !all.AnyWithin(bombs - interior, bombs))
            FConsistent = false;
        for (int p = 0; p < parts && FConsistent; ++p) {
            const TBombCountSet others = before[p].Plus(after[p + 1]);
            // The part may hold k bombs when the other parts and the cells off
            // the frontier can take the rest.
            std::vector<std::uint64_t> bits((FParts[p].Cells + 64) / 64, 0);
            for (int k = 0; k <= FParts[p].Cells; ++k)
                if (others.AnyWithin(bombs - k - interior, bombs - k))
                    bits[k >> 6] |= std::uint64_t{1} << (k & 63);
            FSweeps[p].Possible(TBombCountSet::FromBits(bits.data(), static_cast<int>(bits.size())), canBomb[p],
                                canSafe[p]);
        }
        interiorCanBomb = all.AnyWithin(bombs - interior, bombs - 1);
        interiorCanSafe = all.AnyWithin(bombs - interior + 1, bombs);
    }

    // Settle what was found, then forget the parts.
    std::vector<int> safe, found;
    bool anyDecided = false;
    for (int p = 0; p < parts && FConsistent; ++p) {
        if (!swept[p])
            continue;
        bool decided = false;
        for (int c = 0; c < FParts[p].Cells; ++c) {
            if (!canBomb[p][c] && !canSafe[p][c]) {
                FConsistent = false;
            } else if (!canBomb[p][c]) {
                safe.push_back(FPartCells[p][c]);
                decided = true;
            } else if (!canSafe[p][c]) {
                found.push_back(FPartCells[p][c]);
                decided = true;
            }
        }
        if (decided && !countMatters)
            for (int j : FPartNumbers[p])
                FUsed[j] = 1;
        anyDecided |= decided;
    }
    for (int cell : frontier) {
        FChanged[cell] = 0;
        FPartOf[cell] = -1;
    }
    const bool interiorDecided = interior > 0 && FConsistent && (!interiorCanBomb || !interiorCanSafe);
    if (interiorDecided) {
        if (!interiorCanBomb && !interiorCanSafe) {
            FConsistent = false;
        } else {
            for (int cell = 0; cell < FCellCount; ++cell) {
                if (FFact[cell] == TCellFact::Undecided && FParent[cell] < 0)
                    (interiorCanBomb ? found : safe).push_back(cell);
            }
        }
    }
    for (int cell : frontier)
        FParent[cell] = -1;
    if ((countMatters && anyDecided) || interiorDecided)
        for (int j : numbers)
            FUsed[j] = 1;
    for (int cell : safe)
        DecideSafe(cell);
    for (int cell : found)
        DecideBomb(cell);
}
