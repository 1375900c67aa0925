#include "field/BombCountSet.h"

#include <algorithm>
#include <bit>

namespace {

bool Bit(const std::vector<std::uint64_t>& bits, int k)
{
    return (bits[static_cast<std::size_t>(k >> 6)] >> (k & 63)) & 1u;
}

} // namespace

TBombCountSet TBombCountSet::Single(int count)
{
    TBombCountSet set;
    set.FLow = count;
    set.FBits.assign(1, 1u);
    return set;
}

TBombCountSet TBombCountSet::FromBits(const std::uint64_t* bits, int words)
{
    TBombCountSet set;
    set.FBits.assign(bits, bits + words);
    set.Trim();
    return set;
}

void TBombCountSet::Trim()
{
    while (!FBits.empty() && FBits.back() == 0)
        FBits.pop_back();
    if (FBits.empty()) {
        FLow = 0;
        return;
    }
    // Move the lowest member to bit 0.
    std::size_t firstWord = 0;
    while (FBits[firstWord] == 0)
        ++firstWord;
    const int shift = static_cast<int>(firstWord) * 64 + std::countr_zero(FBits[firstWord]);
    if (shift == 0)
        return;
    const int words = static_cast<int>(FBits.size());
    std::vector<std::uint64_t> moved(FBits.size(), 0);
    const int wordShift = shift >> 6;
    const int bitShift = shift & 63;
    for (int w = wordShift; w < words; ++w) {
        const std::uint64_t value = FBits[static_cast<std::size_t>(w)];
        moved[static_cast<std::size_t>(w - wordShift)] |= value >> bitShift;
        if (bitShift != 0 && w - wordShift - 1 >= 0)
            moved[static_cast<std::size_t>(w - wordShift - 1)] |= value << (64 - bitShift);
    }
    FBits = std::move(moved);
    FLow += shift;
    while (FBits.back() == 0)
        FBits.pop_back();
}

int TBombCountSet::Max() const
{
    const int last = static_cast<int>(FBits.size()) - 1;
    return FLow + last * 64 + 63 - std::countl_zero(FBits.back());
}

bool TBombCountSet::Contains(int count) const
{
    const int k = count - FLow;
    return !Empty() && k >= 0 && k < static_cast<int>(FBits.size()) * 64 && Bit(FBits, k);
}

bool TBombCountSet::AnyWithin(int low, int high) const
{
    if (Empty())
        return false;
    low = std::max(low, FLow) - FLow;
    high = std::min(high, Max()) - FLow;
    for (int k = low; k <= high;) {
        const int word = k >> 6;
        std::uint64_t bits = FBits[static_cast<std::size_t>(word)] >> (k & 63);
        const int span = std::min(64 - (k & 63), high - k + 1);
        if (span < 64)
            bits &= (std::uint64_t{1} << span) - 1;
        if (bits != 0)
            return true;
        k += span;
    }
    return false;
}

TBombCountSet TBombCountSet::Plus(const TBombCountSet& other) const
{
    if (Empty() || other.Empty())
        return {};
    TBombCountSet sum;
    sum.FLow = FLow + other.FLow;
    const int span = (Max() - FLow) + (other.Max() - other.FLow) + 1;
    sum.FBits.assign(static_cast<std::size_t>((span + 63) / 64), 0);
    const int otherWords = static_cast<int>(other.FBits.size());
    // The sum is the union of the other set shifted by each member of this one.
    for (int k = 0; k <= Max() - FLow; ++k) {
        if (!Bit(FBits, k))
            continue;
        const int wordShift = k >> 6;
        const int bitShift = k & 63;
        for (int w = 0; w < otherWords; ++w) {
            const std::uint64_t value = other.FBits[static_cast<std::size_t>(w)];
            sum.FBits[static_cast<std::size_t>(w + wordShift)] |= value << bitShift;
            if (bitShift != 0 && w + wordShift + 1 < static_cast<int>(sum.FBits.size()))
                sum.FBits[static_cast<std::size_t>(w + wordShift + 1)] |= value >> (64 - bitShift);
        }
    }
    sum.Trim();
    return sum;
}
