// A board as a short text a player can copy and share: "DRV1-" and the
// board's height, width, first cell and bombs in base64url, closed by a
// 32-bit checksum, so that a code damaged in copying or made by something
// else is refused rather than dealt wrong.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct TBoard {
    int Height = 0;
    int Width = 0;
    int Start = 0;          // linear index of the first uncovered cell
    std::vector<int> Mines; // linear indices, ascending

    friend bool operator==(const TBoard&, const TBoard&) = default;
};

// Why a text is no board.
enum class TBoardCodeError {
    Foreign,    // not a board code at all
    Newer,      // a code of a later version of the program
    Damaged,    // a code whose characters or checksum do not hold
    Impossible, // a whole code for a board the game cannot deal
};

// The sizes the game deals: 1 to 60 rows, 10 to 100 columns; the first cell
// is no bomb.
bool BoardPlayable(const TBoard& board);

std::string BoardToCode(const TBoard& board);
// Blanks around the code and inside it (a code broken over lines) are ignored.
std::variant<TBoard, TBoardCodeError> BoardFromCode(std::string_view code);

// "3,17,40": the mines as the database keeps them, and back (empty when the
// text is no such list).
std::string MinesText(const std::vector<int>& mines);
std::variant<std::vector<int>, TBoardCodeError> MinesFromText(std::string_view text);
