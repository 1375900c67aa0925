// Every action of a game, in order, with its cell and its time: what a replay
// plays back. Packed for the database as bytes: per move one unsigned LEB128
// number for the cell and the kind (cell x 8 + kind), one for the
// milliseconds since the move before.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

enum class TMoveKind : std::uint8_t {
    Left,  // a left click or its key: uncovers a cell
    Right, // a right click or its key: a flag set or taken away
    Chord, // a dual click or its key
    Mark,  // a right click that steps through flag, "?" and nothing
    Auto,  // the uncovering the program makes for the player (a free click, a
           // corner start, the first cell of a board from a code)
};

struct TMove {
    TMoveKind Kind = TMoveKind::Left;
    int Cell = 0;               // linear index: column + row x width
    std::int64_t Millis = 0;    // since the first uncovering; 0 before it

    friend bool operator==(const TMove&, const TMove&) = default;
};

std::vector<std::uint8_t> PackMoves(const std::vector<TMove>& moves);
// Empty when the bytes are no packed moves (cut short, or a time going back).
std::optional<std::vector<TMove>> UnpackMoves(const std::vector<std::uint8_t>& bytes);
