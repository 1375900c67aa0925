// One game that ended, as the table `games` keeps it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace GameModes {
inline constexpr const char* Normal = "normal";
inline constexpr const char* NoGuess = "noGuess";
inline constexpr const char* CornerToCorner = "cornerToCorner";
inline constexpr const char* Code = "code"; // a board dealt from a code
} // namespace GameModes

namespace GameResults {
inline constexpr const char* Won = "won";
inline constexpr const char* Lost = "lost";
inline constexpr const char* Abandoned = "abandoned";
} // namespace GameResults

struct TGameRow {
    std::int64_t Id = 0;
    std::string EndedAt; // local, ISO 8601 with the offset
    int Height = 0;
    int Width = 0;
    int Bombs = 0;
    std::string Mode;
    std::string Result;
    std::int64_t Millis = 0;
    int Bbbv = 0;
    int BbbvDone = 0;
    int LeftClicks = 0;
    int RightClicks = 0;
    int Chords = 0;
    int Start = 0;
    // Left empty by the summary reads:
    std::string Mines;               // ascending linear indices joined by ","
    std::vector<std::uint8_t> Moves; // PackMoves

    int Clicks() const { return LeftClicks + RightClicks + Chords; }
    bool Won() const { return Result == GameResults::Won; }
    // 3BV per second of a game; 0 for a game without time.
    double BbbvPerSecond() const { return Millis > 0 ? 1000.0 * BbbvDone / static_cast<double>(Millis) : 0.0; }

    friend bool operator==(const TGameRow&, const TGameRow&) = default;
};
