// The record classes: best times in a three-level tree (height, width, bombs)
// and the games of the sessions.
#pragma once

#include "field/TimeSource.h"
#include "settings/zorvUtil.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One game of a session.
struct TGameStat {
    std::string Time;          // the clock text at the end, four digits
    TLocalDateTime Stamp;      // when it was recorded; in memory only
    std::string BombsLeftText; // the bomb counter text at the end
    std::int32_t BombsLeft = 0; // the same as a number; in memory only
    std::int32_t Average = 0;   // truncated mean of BombsLeft up to this game
};

// One best-time record.
struct TBombSpec {
    std::string Bomb; // bomb count as it came in (not padded)
    std::string Time;
    std::string Name;
    std::string Date; // "yyyy mm dd, hh:nn"
};

// The levels are ordered by their padded key texts, compared ignoring case:
// heights and widths pad to 2 characters and bombs to 4, so width 100 sorts
// between 10 and 11 and 10000 bombs between 1000 and 1001.
using TBombList = std::map<std::string, TBombSpec, TTextLess>;

struct TWideBomb {
    std::string Wide; // width as it came with the first record of this width
    TBombList BombList;
};
using TWideList = std::map<std::string, TWideBomb, TTextLess>;

struct TTallWide {
    std::string Tall; // height as it came with the first record of this height
    TWideList WideList;
};

// The type of the window's FBestTimes (held as std::optional: absent until
// the best-times view loads it).
using TBestTimes = std::map<std::string, TTallWide, TTextLess>;

// The games of one session; the game at index i has the key i + 1.
using TGameList = std::vector<TGameStat>;

// The name of the running session in the session list.
inline constexpr std::string_view kCurrentSession = "current";

struct TSession {
    std::string Name;
    // Nothing: a saved session whose games have not been read yet.
    std::optional<TGameList> Games;
};

// The sessions in insertion order: the saved ones in the order of the
// history file, then "current". Names are looked up ignoring case. Pointers
// and references into the list stay valid until the next Append or Remove.
class TSessionList {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    std::size_t IndexOf(std::string_view name) const;
    TSession* Find(std::string_view name);
    const TSession* Find(std::string_view name) const;
    TSession& Append(std::string name, std::optional<TGameList> games = std::nullopt);
    // Removes the first session of that name; false when there is none.
    bool Remove(std::string_view name);

    const std::vector<TSession>& Items() const { return FItems; }
    TSession& operator[](std::size_t index) { return FItems[index]; }
    std::size_t Count() const { return FItems.size(); }
    bool Empty() const { return FItems.empty(); }

private:
    std::vector<TSession> FItems;
};
