// What the history window shows of the games of one size and mode: the
// figures, and the list as CSV.
#pragma once

#include "gamelog/GameRow.h"

#include <string>
#include <vector>

// A size and mode, which the history window groups games by.
struct TGameKind {
    int Height = 0;
    int Width = 0;
    int Bombs = 0;
    std::string Mode;

    friend auto operator<=>(const TGameKind&, const TGameKind&) = default;
};

TGameKind KindOf(const TGameRow& row);
bool IsOfKind(const TGameRow& row, const TGameKind& kind);
// Every kind that has games, the most played first.
std::vector<TGameKind> KindsPlayed(const std::vector<TGameRow>& games);

struct TFigures {
    int Games = 0;
    int Wins = 0;
    double WinRate = 0;          // percent
    std::int64_t BestMillis = 0; // 0 without a win
    double BestBbbvPerSecond = 0;
    double AverageWinMillis = 0;
    int CurrentStreak = 0; // wins since the last game that was not one
    int LongestStreak = 0;
};

// The figures of the games of one kind, given oldest first. A game played
// from a code keeps no best time but counts in the rest.
TFigures FiguresOf(const std::vector<const TGameRow*>& games);

// The games as CSV (RFC 4180), with a header line, oldest first.
std::string GamesCsv(const std::vector<const TGameRow*>& games);
