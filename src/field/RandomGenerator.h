// The field's random generator: a 32-bit linear congruential generator whose
// exact sequence decides every layout, so a known seed gives a known field.
#pragma once

#include <cstdint>

class TRandomGenerator {
public:
    void Reseed(std::uint32_t seed) { FSeed = seed; }
    std::uint32_t Seed() const { return FSeed; }

    // A value in 0..n-1 (0 for n = 0).
    std::uint32_t Random(std::uint32_t n)
    {
        FSeed = FSeed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(FSeed) * n) >> 32);
    }

private:
    std::uint32_t FSeed = 0;
};
