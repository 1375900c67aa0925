#include "gamelog/MoveRecord.h"

#include "gamelog/Varint.h"

std::vector<std::uint8_t> PackMoves(const std::vector<TMove>& moves)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(moves.size() * 3);
    std::int64_t last = 0;
    for (const TMove& move : moves) {
        PutVarint(bytes, (static_cast<std::uint64_t>(move.Cell) << 3) | static_cast<std::uint64_t>(move.Kind));
        PutVarint(bytes, static_cast<std::uint64_t>(move.Millis - last));
        last = move.Millis;
    }
    return bytes;
}

std::optional<std::vector<TMove>> UnpackMoves(const std::vector<std::uint8_t>& bytes)
{
    std::vector<TMove> moves;
    std::size_t at = 0;
    std::int64_t time = 0;
    while (at < bytes.size()) {
        const std::optional<std::uint64_t> code = GetVarint(bytes, at);
        const std::optional<std::uint64_t> delta = code ? GetVarint(bytes, at) : std::nullopt;
        if (!delta || (*code & 7) > static_cast<std::uint64_t>(TMoveKind::Auto) || (*code >> 3) > 0x7fffffff ||
            *delta > 0x7fffffffffff)
            return std::nullopt;
        time += static_cast<std::int64_t>(*delta);
        moves.push_back({static_cast<TMoveKind>(*code & 7), static_cast<int>(*code >> 3), time});
    }
    return moves;
}
