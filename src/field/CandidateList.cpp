#include "field/CandidateList.h"

void TCandidateList::Reset(int n)
{
    FLength = n > 0 ? n : 0;
    FCount = FLength;
    FTree.assign(static_cast<std::size_t>(FLength) + 1, 0);
    for (int i = 1; i <= FLength; ++i)
        FTree[static_cast<std::size_t>(i)] = i & -i; // every candidate present once
    FTopBit = 1;
    while (FTopBit * 2 <= FLength)
        FTopBit *= 2;
}

int TCandidateList::At(int k) const
{
    // The largest prefix holding at most k candidates ends just before the k-th.
    int pos = 0;
    int remaining = k;
    for (int step = FTopBit; step > 0; step /= 2) {
        const int next = pos + step;
        if (next <= FLength && FTree[static_cast<std::size_t>(next)] <= remaining) {
            pos = next;
            remaining -= FTree[static_cast<std::size_t>(next)];
        }
    }
    return pos; // tree position pos + 1 is the candidate value pos
}

void TCandidateList::Remove(int value)
{
    for (int i = value + 1; i <= FLength; i += i & -i)
        --FTree[static_cast<std::size_t>(i)];
    --FCount;
}
