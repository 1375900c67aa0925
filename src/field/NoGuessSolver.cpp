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

TDeduction Deduce(const TPlayerView& view, int sweepBudget)
{
    const int n = view.Across * view.Down;
    int known = 0;
    for (int i = 0; i < n; ++i)
        known += view.Cells[i] == TPlayerView::kKnownBomb;
    TNoGuessSolver solver;
    if (sweepBudget > 0)
        solver.SetSweepBudget(sweepBudget);
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
    result.Complete = solver.Complete();
    result.Facts.resize(n);
    for (int i = 0; i < n; ++i)
        result.Facts[i] = solver.Fact(i);
    return result;
}

// --- Knowledge ---------------------------------------------------------------

void TNoGuessSolver::Start(int across, int down, int bombs)
{
    const int n = across * down;
    if (across != FAcross || down != FDown || FNeighbourCount.size() != static_cast<std::size_t>(n)) {
        FAcross = across;
        FDown = down;
        FCellCount = n;
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
    }
    FFact.assign(n, TCellFact::Undecided);
    FNumber.assign(n, 0);
    FNeed.assign(n, 0);
    FUnknown.assign(n, 0);
    FPinned.assign(n, 0);
    FBombsLeft = bombs;
    FUndecided = n;
    FConsistent = bombs >= 0 && bombs <= n;
    FComplete = true;
    FStep = 0;
    FSettledAt.assign(n, 0);
    FActive.clear();
    FActiveAt.assign(n, -1);
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
    FRecords.clear();
    FRecordNumbers.clear();
    FRecordMembers.clear();
    FRecordDecided.clear();
    FFirstRecordOf.assign(n, -1);
    FRecordLinks.clear();
}

// The number at j lost an undecided cell, found a bomb or changed: its rules
// may fire again, and the exact step must sweep its part again.
void TNoGuessSolver::TrackActive(int j)
{
    const bool active = FFact[j] == TCellFact::Open && FUnknown[j] > 0;
    if (active && FActiveAt[j] < 0) {
        FActiveAt[j] = static_cast<int>(FActive.size());
        FActive.push_back(j);
    } else if (!active && FActiveAt[j] >= 0) {
        FActive[FActiveAt[j]] = FActive.back();
        FActiveAt[FActive.back()] = FActiveAt[j];
        FActive.pop_back();
        FActiveAt[j] = -1;
    }
}

void TNoGuessSolver::Changed(int j)
{
    TrackActive(j);
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
    FSettledAt[i] = FStep++;
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
    const int delta = number - FNumber[i];
    FNeed[i] = static_cast<std::int8_t>(FNeed[i] + delta);
    FNumber[i] = static_cast<std::int8_t>(number);
    // The deductions that used the number had seen the new one, had it been there.
    for (int link = FFirstRecordOf[i]; link >= 0; link = FRecordLinks[link].Next) {
        const int r = FRecordLinks[link].Record;
        for (int e = FRecords[r].NumberBegin; e < FRecords[r + 1].NumberBegin; ++e)
            if (FRecordNumbers[e].Cell == i)
                FRecordNumbers[e].Need += delta;
    }
    Changed(i);
}

// --- Checkpoints -----------------------------------------------------------------

void TNoGuessSolver::TCheckpoint::ShiftNumber(int i, int delta)
{
    if (Fact[i] != TCellFact::Open)
        return;
    Number[i] = static_cast<std::int8_t>(Number[i] + delta);
    Need[i] = static_cast<std::int8_t>(Need[i] + delta);
}

void TNoGuessSolver::Save(TCheckpoint& checkpoint) const
{
    checkpoint.Step = FStep;
    checkpoint.Fact = FFact;
    checkpoint.Number = FNumber;
    checkpoint.Need = FNeed;
    checkpoint.Unknown = FUnknown;
    checkpoint.Pinned = FPinned;
    checkpoint.BombsLeft = FBombsLeft;
    checkpoint.Undecided = FUndecided;
    checkpoint.Consistent = FConsistent;
    checkpoint.SingleQueue = FSingleQueue;
    checkpoint.PairQueue = FPairQueue;
    checkpoint.SafeQueue = FSafeQueue;
    checkpoint.Records = FRecords.size();
    checkpoint.RecordNumbers = FRecordNumbers.size();
    checkpoint.RecordMembers = FRecordMembers.size();
    checkpoint.RecordDecided = FRecordDecided.size();
    checkpoint.RecordLinks = FRecordLinks.size();
}

void TNoGuessSolver::Restore(const TCheckpoint& checkpoint)
{
    FStep = checkpoint.Step;
    FFact = checkpoint.Fact;
    FNumber = checkpoint.Number;
    FNeed = checkpoint.Need;
    FUnknown = checkpoint.Unknown;
    FPinned = checkpoint.Pinned;
    FBombsLeft = checkpoint.BombsLeft;
    FUndecided = checkpoint.Undecided;
    FConsistent = checkpoint.Consistent;
    FSingleQueue = checkpoint.SingleQueue;
    FPairQueue = checkpoint.PairQueue;
    FSafeQueue = checkpoint.SafeQueue;
    std::fill(FInSingle.begin(), FInSingle.end(), 0);
    std::fill(FInPair.begin(), FInPair.end(), 0);
    for (int j : FSingleQueue)
        FInSingle[j] = 1;
    for (int j : FPairQueue)
        FInPair[j] = 1;
    // Every part of the frontier is swept afresh.
    std::fill(FChanged.begin(), FChanged.end(), 1);
    FActive.clear();
    std::fill(FActiveAt.begin(), FActiveAt.end(), -1);
    for (int j = 0; j < FCellCount; ++j)
        TrackActive(j);
    // The deductions made since are forgotten, newest first.
    for (std::size_t link = FRecordLinks.size(); link-- > checkpoint.RecordLinks;)
        FFirstRecordOf[FRecordLinks[link].Cell] = FRecordLinks[link].Next;
    FRecordLinks.resize(checkpoint.RecordLinks);
    FRecords.resize(checkpoint.Records);
    FRecordNumbers.resize(checkpoint.RecordNumbers);
    FRecordMembers.resize(checkpoint.RecordMembers);
    FRecordDecided.resize(checkpoint.RecordDecided);
}

// --- Records of deductions -----------------------------------------------------

void TNoGuessSolver::Record(const std::vector<int>& numbers, const std::vector<int>& safe,
                            const std::vector<int>& bombs)
{
    if (FRecords.empty())
        FRecords.push_back({0, 0}); // the end marker of the first record
    const int r = static_cast<int>(FRecords.size()) - 1;
    for (int j : numbers) {
        FRecordNumbers.push_back({j, FNeed[j], static_cast<int>(FRecordMembers.size())});
        for (int k = 0; k < FNeighbourCount[j]; ++k)
            if (FFact[FNeighbours[j * 8 + k]] == TCellFact::Undecided)
                FRecordMembers.push_back(FNeighbours[j * 8 + k]);
        FRecordLinks.push_back({r, FFirstRecordOf[j], j});
        FFirstRecordOf[j] = static_cast<int>(FRecordLinks.size()) - 1;
    }
    for (int cell : safe)
        FRecordDecided.push_back(cell * 2);
    for (int cell : bombs)
        FRecordDecided.push_back(cell * 2 + 1);
    FRecords.push_back({static_cast<int>(FRecordNumbers.size()), static_cast<int>(FRecordDecided.size())});
}

bool TNoGuessSolver::ShiftKeepsDeductions(const std::vector<TNumberShift>& shifts)
{
    std::vector<int> records;
    for (const TNumberShift& shift : shifts) {
        if (FPinned[shift.Cell])
            return false;
        for (int link = FFirstRecordOf[shift.Cell]; link >= 0; link = FRecordLinks[link].Next)
            records.push_back(FRecordLinks[link].Record);
    }
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    std::vector<int> cells;
    std::vector<std::uint8_t> canBomb, canSafe;
    for (int r : records) {
        // The record's numbers with their needs shifted, over its cells.
        FCheckPart.Clear();
        cells.clear();
        for (int e = FRecords[r].NumberBegin; e < FRecords[r + 1].NumberBegin; ++e) {
            const TRecordNumber& number = FRecordNumbers[e];
            int need = number.Need;
            for (const TNumberShift& shift : shifts)
                if (shift.Cell == number.Cell)
                    need += shift.Delta;
            FCheckPart.AddNumber(need);
            const int end = e + 1 < static_cast<int>(FRecordNumbers.size()) ? FRecordNumbers[e + 1].MemberBegin
                                                                             : static_cast<int>(FRecordMembers.size());
            for (int m = number.MemberBegin; m < end; ++m) {
                const int cell = FRecordMembers[m];
                if (FLocal[cell] < 0) {
                    FLocal[cell] = static_cast<int>(cells.size());
                    cells.push_back(cell);
                }
                FCheckPart.AddMember(FLocal[cell]);
            }
        }
        FCheckPart.Cells = static_cast<int>(cells.size());
        FCheckSweep.SetStateBudget(FSweepBudget);
        bool holds = FCheckSweep.Build(FCheckPart) == TSweepResult::Done;
        if (holds) {
            FCheckSweep.Possible(canBomb, canSafe);
            for (int d = FRecords[r].DecidedBegin; holds && d < FRecords[r + 1].DecidedBegin; ++d) {
                const int local = FLocal[FRecordDecided[d] / 2];
                holds = (FRecordDecided[d] & 1) ? !canSafe[local] : !canBomb[local];
            }
        }
        for (int cell : cells)
            FLocal[cell] = -1;
        if (!holds)
            return false;
    }
    return true;
}

void TNoGuessSolver::DecideSafe(int i)
{
    FFact[i] = TCellFact::Safe;
    FSettledAt[i] = FStep;
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
    FSettledAt[i] = FStep;
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
    // No record: the number keeps no undecided cell, so no repair touches it.
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
            auto cellsOf = [&](std::uint64_t bits) {
                std::vector<int> cells;
                for (; bits != 0; bits &= bits - 1) {
                    const int bit = std::countr_zero(bits);
                    cells.push_back(j + (bit / kWindow - kCentre) * FAcross + bit % kWindow - kCentre);
                }
                return cells;
            };
            const std::vector<int> safeCells = cellsOf(safe);
            const std::vector<int> bombCells = cellsOf(bombs);
            Record({j, other}, safeCells, bombCells);
            for (int cell : safeCells)
                DecideSafe(cell);
            for (int cell : bombCells)
                DecideBomb(cell);
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
    std::vector<int> frontier;
    const int parts = JoinParts(frontier);
    const int interior = FUndecided - static_cast<int>(frontier.size());
    const int bombs = FBombsLeft;

    // Sweep the parts that changed; the others keep their bounds.
    int fewest = 0;
    int most = 0;
    for (int p = 0; p < parts && FConsistent; ++p) {
        TPart& part = FParts[p];
        if (part.Changed)
            SweepPart(part);
        fewest += FCachedMin[part.Lowest];
        most += FCachedMax[part.Lowest];
    }
    // Which cells each part can make bombs or keep safe, and whether the cells
    // off the frontier can.
    bool interiorCanBomb = true;
    bool interiorCanSafe = true;
    const bool countMatters = FConsistent && !(most <= bombs && fewest >= bombs - interior);
    if (countMatters) {
        PossibleWithCount(parts, interior, interiorCanBomb, interiorCanSafe);
    } else if (FConsistent) {
        // Any layouts of the parts leave a count that the cells off the
        // frontier can take up: the count decides nothing within the parts.
        for (int p = 0; p < parts; ++p)
            if (FParts[p].Swept && !FParts[p].TooLarge)
                FParts[p].Sweep.Possible(FParts[p].CanBomb, FParts[p].CanSafe);
        interiorCanBomb = bombs - fewest >= 1;
        interiorCanSafe = bombs - most <= interior - 1;
    }

    // Settle what was found, then forget the parts. A part decided without
    // the count is recorded; what the count decided pins every number.
    std::vector<int> safe, found;
    bool anyDecided = false;
    for (int p = 0; p < parts && FConsistent; ++p) {
        const TPart& part = FParts[p];
        if (!part.Swept || part.TooLarge)
            continue;
        std::vector<int> partSafe, partFound;
        for (int c = 0; c < part.Local.Cells; ++c) {
            if (!part.CanBomb[c] && !part.CanSafe[c])
                FConsistent = false;
            else if (!part.CanBomb[c])
                partSafe.push_back(part.Cells[c]);
            else if (!part.CanSafe[c])
                partFound.push_back(part.Cells[c]);
        }
        if (partSafe.empty() && partFound.empty())
            continue;
        anyDecided = true;
        if (!countMatters)
            Record(part.Numbers, partSafe, partFound);
        safe.insert(safe.end(), partSafe.begin(), partSafe.end());
        found.insert(found.end(), partFound.begin(), partFound.end());
    }
    for (int cell : frontier) {
        FChanged[cell] = 0;
        FPartOf[cell] = -1;
        FLocal[cell] = -1;
    }
    const bool interiorDecided = interior > 0 && FConsistent && (!interiorCanBomb || !interiorCanSafe);
    if (interiorDecided && !interiorCanBomb && !interiorCanSafe) {
        FConsistent = false;
    } else if (interiorDecided) {
        for (int cell = 0; cell < FCellCount; ++cell)
            if (FFact[cell] == TCellFact::Undecided && FParent[cell] < 0)
                (interiorCanBomb ? found : safe).push_back(cell);
    }
    for (int cell : frontier)
        FParent[cell] = -1;
    if ((countMatters && anyDecided) || interiorDecided)
        for (int j : FActive)
            FPinned[j] = 1;
    for (int cell : safe)
        DecideSafe(cell);
    for (int cell : found)
        DecideBomb(cell);
}

// Joins the undecided cells of every number into the connected parts of the
// frontier (FParts, the first of them); the frontier's cells go to frontier.
int TNoGuessSolver::JoinParts(std::vector<int>& frontier)
{
    for (int j : FActive) {
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
    if (static_cast<int>(FParts.size()) < parts)
        FParts.resize(parts);
    for (int p = 0; p < parts; ++p) {
        TPart& part = FParts[p];
        part.Local.Clear();
        part.Cells.clear();
        part.Numbers.clear();
        part.Lowest = FCellCount;
        part.Changed = part.Swept = part.TooLarge = false;
    }
    for (int cell : frontier) {
        TPart& part = FParts[FPartOf[Root(cell)]];
        FLocal[cell] = static_cast<int>(part.Cells.size());
        part.Cells.push_back(cell);
        part.Changed = part.Changed || FChanged[cell];
        part.Lowest = std::min(part.Lowest, cell);
    }
    for (int j : FActive) {
        TPart* part = nullptr;
        for (int k = 0; k < FNeighbourCount[j]; ++k) {
            const int cell = FNeighbours[j * 8 + k];
            if (FFact[cell] != TCellFact::Undecided)
                continue;
            if (!part) {
                part = &FParts[FPartOf[Root(cell)]];
                part->Local.AddNumber(FNeed[j]);
                part->Numbers.push_back(j);
            }
            part->Local.AddMember(FLocal[cell]);
        }
    }
    for (int p = 0; p < parts; ++p)
        FParts[p].Local.Cells = static_cast<int>(FParts[p].Cells.size());
    return parts;
}

// Sweeps a part and keeps its bounds. A part too wide to sweep keeps the
// bounds of its size.
void TNoGuessSolver::SweepPart(TPart& part)
{
    part.Swept = true;
    part.Sweep.SetStateBudget(FSweepBudget);
    const TSweepResult result = part.Sweep.Build(part.Local);
    if (result == TSweepResult::NoLayout) {
        FConsistent = false;
    } else if (result == TSweepResult::TooLarge) {
        part.TooLarge = true;
        FComplete = false;
        FCachedMin[part.Lowest] = 0;
        FCachedMax[part.Lowest] = part.Local.Cells;
    } else {
        FCachedMin[part.Lowest] = part.Sweep.MinBombs();
        FCachedMax[part.Lowest] = part.Sweep.MaxBombs();
    }
}

// Where the count of bombs left decides: every part is swept with its bomb
// counts, and a part may take k bombs when the other parts and the cells off
// the frontier can take the rest.
void TNoGuessSolver::PossibleWithCount(int parts, int interior, bool& interiorCanBomb, bool& interiorCanSafe)
{
    const int bombs = FBombsLeft;
    for (int p = 0; p < parts && FConsistent; ++p)
        if (!FParts[p].Swept)
            SweepPart(FParts[p]);
    // A part whose counts do not fit in memory takes every count within its
    // bounds, and is decided without the count.
    std::vector<TBombCountSet> counts(parts);
    std::vector<std::uint8_t> counted(parts, 0);
    for (int p = 0; p < parts && FConsistent; ++p) {
        TPart& part = FParts[p];
        counted[p] = !part.TooLarge && part.Sweep.CountsFit();
        if (counted[p]) {
            counts[p] = part.Sweep.Counts();
            continue;
        }
        FComplete = false;
        std::vector<std::uint64_t> bits((FCachedMax[part.Lowest] + 64) / 64, 0);
        for (int k = FCachedMin[part.Lowest]; k <= FCachedMax[part.Lowest]; ++k)
            bits[k >> 6] |= std::uint64_t{1} << (k & 63);
        counts[p] = TBombCountSet::FromBits(bits.data(), static_cast<int>(bits.size()));
    }
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
        TPart& part = FParts[p];
        if (part.TooLarge)
            continue;
        if (!counted[p]) {
            part.Sweep.Possible(part.CanBomb, part.CanSafe);
            continue;
        }
        const TBombCountSet others = before[p].Plus(after[p + 1]);
        std::vector<std::uint64_t> allowed((part.Local.Cells + 64) / 64, 0);
        for (int k = 0; k <= part.Local.Cells; ++k)
            if (others.AnyWithin(bombs - k - interior, bombs - k))
                allowed[k >> 6] |= std::uint64_t{1} << (k & 63);
        part.Sweep.Possible(TBombCountSet::FromBits(allowed.data(), static_cast<int>(allowed.size())), part.CanBomb,
                            part.CanSafe);
    }
    interiorCanBomb = all.AnyWithin(bombs - interior, bombs - 1);
    interiorCanSafe = all.AnyWithin(bombs - interior + 1, bombs);
}
