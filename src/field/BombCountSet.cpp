#include "field/BombCountSet.h"

#include <algorithm>
#include <bit>

namespace {

bool Bit(const std::vector<std::uint64_t>& bits, int k) { return (bits[k >> 6] >> (k & 63)) & 1u; }

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

// Drops empty words at the top and moves the smallest member to bit 0.
void TBombCountSet::Trim()
{
    while (!FBits.empty() && FBits.back() == 0)
        FBits.pop_back();
    if (FBits.empty()) {
        FLow = 0;
        return;
    }
    int shift = 0;
    while (!Bit(FBits, shift))
        ++shift;
    if (shift == 0)
        return;
    std::vector<std::uint64_t> moved(FBits.size(), 0);
    for (int k = shift; k < static_cast<int>(FBits.size()) * 64; ++k)
        if (Bit(FBits, k))
            moved[(k - shift) >> 6] |= std::uint64_t{1} << ((k - shift) & 63);
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
    return !Empty() && k >= 0 && k <= Max() - FLow && Bit(FBits, k);
}

bool TBombCountSet::AnyWithin(int low, int high) const
{
    if (Empty())
        return false;
    // Word by word: the ranges asked about can span thousands of counts.
    for (int k = std::max(low, FLow) - FLow, last = std::min(high, Max()) - FLow; k <= last;) {
        const int span = std::min(64 - (k & 63), last - k + 1);
        std::uint64_t bits = FBits[k >> 6] >> (k & 63);
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
    // The union of the other set shifted by each member of this one.
    TBombCountSet sum;
    sum.FLow = FLow + other.FLow;
    const int span = (Max() - FLow) + (other.Max() - other.FLow) + 1;
    sum.FBits.assign((span + 63) / 64, 0);
    const int words = static_cast<int>(other.FBits.size());
    for (int k = 0; k <= Max() - FLow; ++k) {
        if (!Bit(FBits, k))
            continue;
        const int wordShift = k >> 6;
        const int bitShift = k & 63;
        for (int w = 0; w < words; ++w) {
            sum.FBits[w + wordShift] |= other.FBits[w] << bitShift;
            if (bitShift != 0 && w + wordShift + 1 < static_cast<int>(sum.FBits.size()))
                sum.FBits[w + wordShift + 1] |= other.FBits[w] >> (64 - bitShift);
        }
    }
    sum.Trim();
    return sum;
}
