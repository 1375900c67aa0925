#include "gamelog/BoardCode.h"

#include "gamelog/Varint.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace {

constexpr std::string_view kPrefix = "DRV";
constexpr char kVersion = '1';
constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
// How the mines follow the header: as the gaps between them, or as one bit a
// cell; the code takes the shorter.
constexpr std::uint8_t kGaps = 0;
constexpr std::uint8_t kBits = 1;

std::uint32_t Checksum(const std::vector<std::uint8_t>& bytes)
{
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (std::uint8_t b : bytes)
        hash = (hash ^ b) * 16777619u;
    return hash;
}

std::string Base64(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (std::uint8_t b : bytes) {
        buffer = (buffer << 8) | b;
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            text += kAlphabet[(buffer >> bits) & 63];
        }
    }
    if (bits > 0)
        text += kAlphabet[(buffer << (6 - bits)) & 63];
    return text;
}

std::optional<std::vector<std::uint8_t>> FromBase64(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (char c : text) {
        const std::size_t value = kAlphabet.find(c);
        if (value == std::string_view::npos)
            return std::nullopt;
        buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<std::uint8_t>(buffer >> bits));
        }
    }
    return bytes;
}

std::vector<std::uint8_t> MineBytes(const TBoard& board, std::uint8_t layout)
{
    std::vector<std::uint8_t> out{layout};
    if (layout == kGaps) {
        int last = -1;
        for (int mine : board.Mines) {
            PutVarint(out, static_cast<std::uint64_t>(mine - last - 1));
            last = mine;
        }
        return out;
    }
    std::vector<std::uint8_t> bits(static_cast<std::size_t>((board.Height * board.Width + 7) / 8), 0);
    for (int mine : board.Mines)
        bits[static_cast<std::size_t>(mine / 8)] |= static_cast<std::uint8_t>(1u << (mine % 8));
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

} // namespace

bool BoardPlayable(const TBoard& board)
{
    const int cells = board.Height * board.Width;
    if (board.Height < 1 || board.Height > 60 || board.Width < 10 || board.Width > 100 || board.Start < 0 ||
        board.Start >= cells)
        return false;
    for (std::size_t i = 0; i < board.Mines.size(); ++i)
        if (board.Mines[i] < 0 || board.Mines[i] >= cells || (i > 0 && board.Mines[i] <= board.Mines[i - 1]))
            return false;
    return !std::binary_search(board.Mines.begin(), board.Mines.end(), board.Start);
}

std::string BoardToCode(const TBoard& board)
{
    std::vector<std::uint8_t> bytes;
    for (int value : {board.Height, board.Width, board.Start, static_cast<int>(board.Mines.size())})
        PutVarint(bytes, static_cast<std::uint64_t>(value));
    std::vector<std::uint8_t> gaps = MineBytes(board, kGaps);
    std::vector<std::uint8_t> bits = MineBytes(board, kBits);
    const std::vector<std::uint8_t>& mines = gaps.size() <= bits.size() ? gaps : bits;
    bytes.insert(bytes.end(), mines.begin(), mines.end());
    const std::uint32_t sum = Checksum(bytes);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(sum >> shift));
    return std::string(kPrefix) + kVersion + '-' + Base64(bytes);
}

std::variant<TBoard, TBoardCodeError> BoardFromCode(std::string_view code)
{
    std::string text;
    for (char c : code)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            text += c;
    if (text.size() < kPrefix.size() + 2 || text.compare(0, kPrefix.size(), kPrefix) != 0)
        return TBoardCodeError::Foreign;
    const char version = text[kPrefix.size()];
    if (version < '1' || version > '9' || text[kPrefix.size() + 1] != '-')
        return TBoardCodeError::Foreign;
    if (version > kVersion)
        return TBoardCodeError::Newer;

    std::optional<std::vector<std::uint8_t>> bytes = FromBase64(std::string_view(text).substr(kPrefix.size() + 2));
    if (!bytes || bytes->size() < 5)
        return TBoardCodeError::Damaged;
    std::uint32_t stored = 0;
    for (std::size_t i = bytes->size() - 4; i < bytes->size(); ++i)
        stored = (stored << 8) | (*bytes)[i];
    bytes->resize(bytes->size() - 4);
    if (Checksum(*bytes) != stored)
        return TBoardCodeError::Damaged;

    // The checksum holds: from here on, whatever is wrong was written so.
    std::size_t at = 0;
    std::array<std::uint64_t, 4> header{};
    for (std::uint64_t& value : header) {
        const std::optional<std::uint64_t> read = GetVarint(*bytes, at);
        if (!read || *read > 1'000'000)
            return TBoardCodeError::Impossible;
        value = *read;
    }
    TBoard board{static_cast<int>(header[0]), static_cast<int>(header[1]), static_cast<int>(header[2]), {}};
    const std::uint64_t count = header[3];
    if (at >= bytes->size())
        return TBoardCodeError::Impossible;
    const std::uint8_t layout = (*bytes)[at++];
    if (layout == kGaps) {
        std::int64_t last = -1;
        for (std::uint64_t k = 0; k < count; ++k) {
            const std::optional<std::uint64_t> gap = GetVarint(*bytes, at);
            if (!gap || *gap > 1'000'000)
                return TBoardCodeError::Impossible;
            last += static_cast<std::int64_t>(*gap) + 1;
            board.Mines.push_back(static_cast<int>(last));
        }
    } else if (layout == kBits) {
        for (std::size_t byte = at; byte < bytes->size(); ++byte)
            for (int bit = 0; bit < 8; ++bit)
                if ((*bytes)[byte] & (1u << bit))
                    board.Mines.push_back(static_cast<int>((byte - at) * 8 + static_cast<std::size_t>(bit)));
        at = bytes->size();
        if (board.Mines.size() != count)
            return TBoardCodeError::Impossible;
    } else {
        return TBoardCodeError::Impossible;
    }
    if (at != bytes->size() || !BoardPlayable(board))
        return TBoardCodeError::Impossible;
    return board;
}

std::string MinesText(const std::vector<int>& mines)
{
    std::string text;
    for (int mine : mines) {
        if (!text.empty())
            text += ',';
        text += std::to_string(mine);
    }
    return text;
}

std::variant<std::vector<int>, TBoardCodeError> MinesFromText(std::string_view text)
{
    std::vector<int> mines;
    while (!text.empty()) {
        int mine = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), mine);
        if (error != std::errc())
            return TBoardCodeError::Damaged;
        mines.push_back(mine);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        if (!text.empty()) {
            if (text.front() != ',' || text.size() == 1)
                return TBoardCodeError::Damaged;
            text.remove_prefix(1);
        }
    }
    return mines;
}
