// An index of entries that are kept elsewhere (the key lines of a section,
// the sections of a file): open addressing with linear probing over 32-bit
// entry numbers, at most three quarters full. The entries' keys are hashed
// and compared where they are kept, so a slot costs four bytes; a big file
// puts millions of entries here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TKeyIndex {
public:
    static constexpr std::uint32_t npos = UINT32_MAX;

    // The entry whose key is the one looked for (same(entry) is true), or npos.
    template <typename Same>
    std::uint32_t Find(std::size_t hash, Same&& same) const
    {
        return FSlots.empty() ? npos : FSlots[Probe(hash, same)];
    }

    // Adds the entry unless one with the same key is there already: the first
    // one stays. hashOf(entry) gives the hash of a stored entry's key.
    template <typename Same, typename HashOf>
    void Insert(std::size_t hash, std::uint32_t entry, Same&& same, HashOf&& hashOf)
    {
        if (4 * (FCount + 1) > 3 * FSlots.size())
            Reserve(2 * (FCount + 1), hashOf);
        std::uint32_t& slot = FSlots[Probe(hash, same)];
        if (slot == npos) {
            slot = entry;
            ++FCount;
        }
    }

    // Room for count entries without growing.
    template <typename HashOf>
    void Reserve(std::size_t count, HashOf&& hashOf)
    {
        std::size_t size = 8;
        while (4 * count > 3 * size)
            size *= 2;
        if (size <= FSlots.size())
            return;
        std::vector<std::uint32_t> old(size, npos);
        old.swap(FSlots);
        for (const std::uint32_t entry : old)
            if (entry != npos)
                FSlots[Probe(hashOf(entry), [](std::uint32_t) { return false; })] = entry;
    }

    // Entries above the given one move by delta: entries that are offsets in
    // a text where something was replaced.
    void Shift(std::uint32_t above, std::int64_t delta)
    {
        for (std::uint32_t& slot : FSlots)
            if (slot != npos && slot > above)
                slot = static_cast<std::uint32_t>(slot + delta);
    }

    void Clear()
    {
        FSlots.clear();
        FCount = 0;
    }

private:
    // The slot holding the entry, or the free one where it would go.
    template <typename Same>
    std::size_t Probe(std::size_t hash, Same&& same) const
    {
        // The bits are mixed first: keys that differ in their last character
        // only would otherwise fill runs of neighbouring slots.
        std::uint64_t mixed = hash;
        mixed = (mixed ^ (mixed >> 33)) * 0xff51afd7ed558ccdull;
        mixed = (mixed ^ (mixed >> 33)) * 0xc4ceb9fe1a85ec53ull;
        mixed ^= mixed >> 33;
        const std::size_t mask = FSlots.size() - 1;
        for (std::size_t i = static_cast<std::size_t>(mixed) & mask;; i = (i + 1) & mask)
            if (FSlots[i] == npos || same(FSlots[i]))
                return i;
    }

    std::vector<std::uint32_t> FSlots; // a power of two in size
    std::size_t FCount = 0;
};
