// Where the first line of each key of a section is: a table from a key's
// hash to the index of its line. Loading puts every key line of a file here,
// so the table keeps its slots in one array (open addressing with linear
// probing) rather than a node of its own per line.
#pragma once

#include <cstddef>
#include <vector>

class TKeyIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // A hash that is there already keeps its line: the first line wins.
    void Insert(std::size_t hash, std::size_t line)
    {
        if (2 * (FCount + 1) > FSlots.size())
            Grow();
        TSlot& slot = Probe(hash);
        if (slot.Line == npos) {
            slot = {hash, line};
            ++FCount;
        }
    }

    // The line stored for the hash, or npos.
    std::size_t Find(std::size_t hash) const
    {
        return FSlots.empty() ? npos : const_cast<TKeyIndex*>(this)->Probe(hash).Line;
    }

    void Clear()
    {
        FSlots.clear();
        FCount = 0;
    }

private:
    struct TSlot {
        std::size_t Hash = 0;
        std::size_t Line = npos;
    };

    // The slot holding the hash, or the empty one where it would go.
    TSlot& Probe(std::size_t hash)
    {
        const std::size_t mask = FSlots.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask)
            if (FSlots[i].Line == npos || FSlots[i].Hash == hash)
                return FSlots[i];
    }

    void Grow()
    {
        std::vector<TSlot> old(FSlots.empty() ? 8 : 2 * FSlots.size());
        old.swap(FSlots);
        FCount = 0;
        for (const TSlot& slot : old)
            if (slot.Line != npos)
                Insert(slot.Hash, slot.Line);
    }

    std::vector<TSlot> FSlots; // a power of two in size, at most half full
    std::size_t FCount = 0;
};
