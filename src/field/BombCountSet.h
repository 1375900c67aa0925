// A set of bomb counts: which totals some layouts of a part of the field can
// reach. Kept as a bitset from its smallest member, so that adding up the sets
// of many parts stays cheap when each spans only a few values.
#pragma once

#include <cstdint>
#include <vector>

class TBombCountSet {
public:
    // The empty set.
    TBombCountSet() = default;
    // The set {count}.
    static TBombCountSet Single(int count);
    // The members of a bitset whose bit k stands for the count k.
    static TBombCountSet FromBits(const std::uint64_t* bits, int words);

    bool Empty() const { return FBits.empty(); }
    int Min() const { return FLow; }
    int Max() const;
    bool Contains(int count) const;
    // Whether some member lies in [low, high].
    bool AnyWithin(int low, int high) const;
    // Every sum of a member of this set and a member of the other.
    TBombCountSet Plus(const TBombCountSet& other) const;

    friend bool operator==(const TBombCountSet&, const TBombCountSet&) = default;

private:
    void Trim();

    int FLow = 0;
    std::vector<std::uint64_t> FBits; // bit k: FLow + k is a member; empty for the empty set
};
