// The command dravolt-boards: no-guess boards dealt as the game deals them,
// one a line, for other programs and for measuring the dealer.
//
//   dravolt-boards ROWS COLUMNS BOMBS COUNT [--seed S] [--start INDEX] [--codes]
//
// Each line reads "ROWS COLUMNS START SOLVED b1,b2,...": START is the linear
// index (column + row x COLUMNS) of the first uncovered cell, SOLVED is 1 for
// a board that logic alone clears from there and 0 for the best board found
// in the time allowed, and the b are the bombs' linear indices in ascending
// order (the last field is left out when there are none). Board k uses the
// seed S + k. With --codes each line is the board's code instead, which
// Game > Play Board from Code deals.
#pragma once

#include "field/TimeSource.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

struct TBoardsRequest {
    int Rows = 0;
    int Columns = 0;
    int Bombs = 0;
    int Count = 0;
    std::optional<std::uint32_t> Seed; // from the clock, as the game seeds, when absent
    std::optional<int> Start;          // row ROWS / 2, column COLUMNS / 2 when absent
    bool Codes = false;                // board codes rather than the layout lines

    friend bool operator==(const TBoardsRequest&, const TBoardsRequest&) = default;
};

extern const char* const kBoardsUsage;

// The request the arguments (without the program name) stand for; empty when
// they break the usage. Sizes and totals are the game's: 1 to 60 rows, 10 to
// 100 columns, 0 to 10000 bombs (more than the cells make every cell a bomb).
std::optional<TBoardsRequest> ParseBoardsArguments(const std::vector<std::string>& arguments);

// Deals and writes the boards of a valid request.
void WriteBoards(const TBoardsRequest& request, std::uint32_t seed, std::ostream& out);

// The whole command: exit status 0, or 2 after the usage line on err, or 1
// when the output could not be written.
int RunBoardsCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                     TimeSource& time);
