// Unsigned LEB128 numbers: seven bits a byte, the high bit set on every byte
// but the last. The move record and the board code are written in them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

inline void PutVarint(std::vector<std::uint8_t>& out, std::uint64_t value)
{
    while (value >= 0x80) {
        out.push_back(static_cast<std::uint8_t>(value | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(value));
}

// Reads one number at `at` and moves past it; empty when the bytes end first
// or the number does not fit.
inline std::optional<std::uint64_t> GetVarint(const std::vector<std::uint8_t>& in, std::size_t& at)
{
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64 && at < in.size(); shift += 7) {
        const std::uint8_t byte = in[at++];
        value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0)
            return value;
    }
    return std::nullopt;
}
