// The cells that may still receive a bomb, in ascending order. Taking the k-th
// candidate and removing it moves the later ones down one place, exactly as a
// plain list would, but both steps cost O(log n) instead of O(n), so dealing a
// nearly full 100 x 60 field stays fast.
#pragma once

#include <cstddef>
#include <vector>

class TCandidateList {
public:
    // The candidates 0 .. n-1.
    void Reset(int n);
    int Size() const { return FCount; }
    // The candidate at position k (0 <= k < Size()).
    int At(int k) const;
    // Removes the candidate with the given value (which must be present).
    void Remove(int value);

private:
    std::vector<int> FTree; // Fenwick tree of presence counts, 1-based
    int FLength = 0; // n
    int FCount = 0;  // candidates left
    int FTopBit = 0;
};
