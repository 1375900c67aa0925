#include "field/FrontierSweep.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace {

int NeedAt(const std::uint64_t* key, int slot) { return static_cast<int>((key[slot >> 4] >> ((slot & 15) * 4)) & 15u); }

void SetNeed(std::uint64_t* key, int slot, int need)
{
    const int shift = (slot & 15) * 4;
    key[slot >> 4] = (key[slot >> 4] & ~(std::uint64_t{15} << shift)) | (static_cast<std::uint64_t>(need) << shift);
}

std::uint64_t HashKey(const std::uint64_t* key, int words)
{
    std::uint64_t h = 0x9E3779B97F4A7C15u;
    for (int w = 0; w < words; ++w) {
        h ^= key[w];
        h *= 0xBF58476D1CE4E5B9u;
        h ^= h >> 29;
    }
    return h;
}

// target |= source << shift, over bitsets of the same number of words.
void OrShifted(std::uint64_t* target, const std::uint64_t* source, int words, int shift)
{
    const int wordShift = shift >> 6;
    const int bitShift = shift & 63;
    for (int w = words - 1; w >= wordShift; --w) {
        std::uint64_t value = source[w - wordShift] << bitShift;
        if (bitShift != 0 && w - wordShift > 0)
            value |= source[w - wordShift - 1] >> (64 - bitShift);
        target[w] |= value;
    }
}

// Whether a + b + extra lies in allowed for some a in first and b in second.
bool SumHits(const std::uint64_t* first, const std::uint64_t* second, int extra, const std::uint64_t* allowed,
             int words)
{
    for (int w = 0; w < words; ++w) {
        for (std::uint64_t bits = first[w]; bits != 0; bits &= bits - 1) {
            const int shift = w * 64 + std::countr_zero(bits) + extra;
            const int wordShift = shift >> 6;
            const int bitShift = shift & 63;
            for (int v = wordShift; v < words; ++v) {
                std::uint64_t value = second[v - wordShift] << bitShift;
                if (bitShift != 0 && v - wordShift > 0)
                    value |= second[v - wordShift - 1] >> (64 - bitShift);
                if (value & allowed[v])
                    return true;
            }
        }
    }
    return false;
}

} // namespace

void TFrontierPart::Clear()
{
    Cells = 0;
    Needs.clear();
    Members.clear();
    MemberBegin.assign(1, 0);
}

void TFrontierPart::AddNumber(int need)
{
    Needs.push_back(need);
    MemberBegin.push_back(static_cast<int>(Members.size()));
}

void TFrontierPart::AddMember(int cell)
{
    Members.push_back(cell);
    ++MemberBegin.back();
}

// --- The order ---------------------------------------------------------------

void TFrontierSweep::ChooseOrder(const TFrontierPart& part)
{
    const int numbers = part.Numbers();
    // Each cell's numbers, as one compressed list.
    FCellNumberBegin.assign(FCells + 1, 0);
    for (int cell : part.Members)
        ++FCellNumberBegin[cell + 1];
    for (int c = 0; c < FCells; ++c)
        FCellNumberBegin[c + 1] += FCellNumberBegin[c];
    FCellNumbers.assign(part.Members.size(), 0);
    std::vector<int> fill(FCellNumberBegin.begin(), FCellNumberBegin.end() - 1);
    for (int k = 0; k < numbers; ++k)
        for (int m = part.MemberBegin[k]; m < part.MemberBegin[k + 1]; ++m)
            FCellNumbers[fill[part.Members[m]]++] = k;
    auto numbersOf = [&](int cell) { return FCellNumberBegin[cell + 1] - FCellNumberBegin[cell]; };

    // Start at a cell with the fewest numbers, usually an end of the frontier.
    // Then always go on with the started number that has the fewest cells
    // left, the latest started first: numbers finish soon after they start,
    // and a branch of the frontier is done before the next one begins.
    std::vector<int> left(numbers);
    std::vector<int> started(numbers, -1);
    for (int k = 0; k < numbers; ++k)
        left[k] = part.MemberBegin[k + 1] - part.MemberBegin[k];
    FPosition.assign(FCells, -1);
    FOrder.clear();
    std::vector<int> open; // started numbers with cells left
    int stamp = 0;
    auto place = [&](int cell) {
        FPosition[cell] = static_cast<int>(FOrder.size());
        FOrder.push_back(cell);
        for (int e = FCellNumberBegin[cell]; e < FCellNumberBegin[cell + 1]; ++e) {
            const int k = FCellNumbers[e];
            if (started[k] < 0) {
                started[k] = stamp++;
                open.push_back(k);
            }
            --left[k];
        }
    };
    int start = 0;
    for (int c = 1; c < FCells; ++c)
        if (numbersOf(c) < numbersOf(start))
            start = c;
    if (FCells > 0)
        place(start);
    int firstUnplaced = 0;
    while (static_cast<int>(FOrder.size()) < FCells) {
        int best = -1;
        for (std::size_t o = 0; o < open.size();) {
            const int k = open[o];
            if (left[k] == 0) {
                open[o] = open.back();
                open.pop_back();
                continue;
            }
            if (best < 0 || left[k] < left[best] || (left[k] == left[best] && started[k] > started[best]))
                best = k;
            ++o;
        }
        int next = -1;
        if (best >= 0) {
            for (int m = part.MemberBegin[best]; next < 0; ++m)
                if (FPosition[part.Members[m]] < 0)
                    next = part.Members[m];
        } else {
            // A cell that no started number reaches: the part is not connected.
            while (FPosition[firstUnplaced] >= 0)
                ++firstUnplaced;
            next = firstUnplaced;
        }
        place(next);
    }
}

void TFrontierSweep::PlanSteps(const TFrontierPart& part)
{
    const int numbers = part.Numbers();
    std::vector<int> first(numbers, INT_MAX);
    std::vector<int> last(numbers, -1);
    for (int k = 0; k < numbers; ++k) {
        for (int m = part.MemberBegin[k]; m < part.MemberBegin[k + 1]; ++m) {
            const int p = FPosition[part.Members[m]];
            first[k] = std::min(first[k], p);
            last[k] = std::max(last[k], p);
        }
    }
    std::vector<int> slotOf(numbers, -1);
    std::vector<char> slotBusy;
    FSteps.clear();
    FStepBegin.assign(1, 0);
    for (int p = 0; p < FCells; ++p) {
        const int cell = FOrder[p];
        for (int e = FCellNumberBegin[cell]; e < FCellNumberBegin[cell + 1]; ++e) {
            const int k = FCellNumbers[e];
            if (first[k] == p) {
                const auto free = std::find(slotBusy.begin(), slotBusy.end(), 0);
                slotOf[k] = static_cast<int>(free - slotBusy.begin());
                if (free == slotBusy.end())
                    slotBusy.push_back(1);
                else
                    *free = 1;
            }
            int after = 0;
            for (int m = part.MemberBegin[k]; m < part.MemberBegin[k + 1]; ++m)
                after += FPosition[part.Members[m]] > p;
            FSteps.push_back({slotOf[k], first[k] == p ? part.Needs[k] : -1, after});
        }
        // Numbers that end here free their slots for the next position.
        for (int e = FCellNumberBegin[cell]; e < FCellNumberBegin[cell + 1]; ++e)
            if (last[FCellNumbers[e]] == p)
                slotBusy[slotOf[FCellNumbers[e]]] = 0;
        FStepBegin.push_back(static_cast<int>(FSteps.size()));
    }
    FWords = std::max(1, (static_cast<int>(slotBusy.size()) + 15) / 16);
}

// --- The sweep ---------------------------------------------------------------

int TFrontierSweep::FindOrAdd(const std::uint64_t* key)
{
    if (FNextCount * 2 >= static_cast<int>(FTable.size())) {
        // Keep the table at most half full.
        FTable.assign(FTable.size() * 2, -1);
        for (int i = 0; i < FNextCount; ++i) {
            std::size_t h = HashKey(&FNextKeys[i * FWords], FWords) & (FTable.size() - 1);
            while (FTable[h] >= 0)
                h = (h + 1) & (FTable.size() - 1);
            FTable[h] = i;
        }
    }
    const std::size_t mask = FTable.size() - 1;
    for (std::size_t h = HashKey(key, FWords) & mask;; h = (h + 1) & mask) {
        const int index = FTable[h];
        if (index < 0) {
            FTable[h] = FNextCount;
            FNextKeys.insert(FNextKeys.end(), key, key + FWords);
            return FNextCount++;
        }
        if (std::equal(key, key + FWords, &FNextKeys[index * FWords]))
            return index;
    }
}

TSweepResult TFrontierSweep::Build(const TFrontierPart& part)
{
    FCells = part.Cells;
    FForwardDone = false;
    ChooseOrder(part);
    PlanSteps(part);

    FLayerBegin.assign(1, 0);
    FChild.clear();
    FMin.assign(1, 0);
    FMax.assign(1, 0);
    FKeys.assign(FWords, 0);
    std::vector<std::uint64_t> key(FWords);
    int count = 1; // states before the cell at position p
    for (int p = 0; p < FCells; ++p) {
        const int base = FLayerBegin.back();
        const int nextBase = base + count;
        FTable.assign(std::bit_ceil(static_cast<unsigned>(count) * 4u), -1);
        FNextKeys.clear();
        FNextCount = 0;
        FChild.resize(nextBase * 2);
        for (int s = 0; s < count; ++s) {
            const std::uint64_t* from = &FKeys[s * FWords];
            for (int bomb = 0; bomb <= 1; ++bomb) {
                std::copy(from, from + FWords, key.begin());
                bool fits = true;
                for (int e = FStepBegin[p]; fits && e < FStepBegin[p + 1]; ++e) {
                    const TStep& step = FSteps[e];
                    const int need = (step.StartNeed >= 0 ? step.StartNeed : NeedAt(key.data(), step.Slot)) - bomb;
                    fits = need >= 0 && need <= step.CellsAfter;
                    SetNeed(key.data(), step.Slot, step.CellsAfter == 0 ? 0 : need);
                }
                int child = -1;
                if (fits) {
                    const int index = FindOrAdd(key.data());
                    child = nextBase + index;
                    const int lo = FMin[base + s] + bomb;
                    const int hi = FMax[base + s] + bomb;
                    if (index == static_cast<int>(FMin.size()) - nextBase) {
                        FMin.push_back(lo);
                        FMax.push_back(hi);
                    } else {
                        FMin[child] = std::min(FMin[child], lo);
                        FMax[child] = std::max(FMax[child], hi);
                    }
                }
                FChild[(base + s) * 2 + bomb] = child;
            }
        }
        if (FNextCount == 0)
            return TSweepResult::NoLayout;
        if (nextBase + FNextCount > FStateBudget)
            return TSweepResult::TooLarge;
        FLayerBegin.push_back(nextBase);
        count = FNextCount;
        FKeys.swap(FNextKeys);
    }
    FLayerBegin.push_back(FLayerBegin.back() + count);
    // Every number has ended, so one state is left: the empty one.
    FMinBombs = FMin.back();
    FMaxBombs = FMax.back();
    return TSweepResult::Done;
}

void TFrontierSweep::Possible(std::vector<std::uint8_t>& canBomb, std::vector<std::uint8_t>& canSafe)
{
    canBomb.assign(FCells, 0);
    canSafe.assign(FCells, 0);
    // Walking back from the end: a state is alive when some layout of the
    // remaining cells completes it. Every state was reached from the start, so
    // a live child of a state stands for a whole layout.
    std::vector<std::uint8_t> alive(FMin.size(), 0);
    alive.back() = 1;
    for (int p = FCells - 1; p >= 0; --p) {
        const int cell = FOrder[p];
        for (int s = FLayerBegin[p]; s < FLayerBegin[p + 1]; ++s) {
            const int safe = FChild[s * 2];
            const int bomb = FChild[s * 2 + 1];
            const bool safeAlive = safe >= 0 && alive[safe];
            const bool bombAlive = bomb >= 0 && alive[bomb];
            alive[s] = safeAlive || bombAlive;
            canSafe[cell] |= safeAlive;
            canBomb[cell] |= bombAlive;
        }
    }
}

void TFrontierSweep::CountForward()
{
    if (FForwardDone)
        return;
    FCountWords = (FCells + 1 + 63) / 64;
    FForward.assign(FMin.size() * FCountWords, 0);
    FForward[0] = 1;
    for (int p = 0; p < FCells; ++p) {
        for (int s = FLayerBegin[p]; s < FLayerBegin[p + 1]; ++s) {
            for (int bomb = 0; bomb <= 1; ++bomb) {
                const int child = FChild[s * 2 + bomb];
                if (child >= 0)
                    OrShifted(&FForward[child * FCountWords], &FForward[s * FCountWords], FCountWords, bomb);
            }
        }
    }
    FForwardDone = true;
}

bool TFrontierSweep::CountsFit() const
{
    // As many 64-bit words as the state budget allows in states.
    return static_cast<long long>(FMin.size()) * ((FCells + 1 + 63) / 64) <= FStateBudget;
}

TBombCountSet TFrontierSweep::Counts()
{
    CountForward();
    return TBombCountSet::FromBits(&FForward[(FMin.size() - 1) * FCountWords], FCountWords);
}

void TFrontierSweep::Possible(const TBombCountSet& allowed, std::vector<std::uint8_t>& canBomb,
                              std::vector<std::uint8_t>& canSafe)
{
    CountForward();
    canBomb.assign(FCells, 0);
    canSafe.assign(FCells, 0);
    const int words = FCountWords;
    std::vector<std::uint64_t> allowedBits(words, 0);
    for (int k = 0; k <= FCells; ++k)
        if (allowed.Contains(k))
            allowedBits[k >> 6] |= std::uint64_t{1} << (k & 63);
    // Walking back from the end, each state gets the bomb counts with which
    // the remaining cells complete it; a cell can take a value when some state
    // before it, with that value, reaches an allowed total.
    std::vector<std::uint64_t> backward(FMin.size() * words, 0);
    backward[(FMin.size() - 1) * words] = 1;
    for (int p = FCells - 1; p >= 0; --p) {
        const int cell = FOrder[p];
        for (int s = FLayerBegin[p]; s < FLayerBegin[p + 1]; ++s) {
            for (int bomb = 0; bomb <= 1; ++bomb) {
                const int child = FChild[s * 2 + bomb];
                if (child < 0)
                    continue;
                const std::uint64_t* rest = &backward[child * words];
                OrShifted(&backward[s * words], rest, words, bomb);
                std::uint8_t& can = bomb ? canBomb[cell] : canSafe[cell];
                if (!can && SumHits(&FForward[s * words], rest, bomb, allowedBits.data(), words))
                    can = 1;
            }
        }
    }
}
