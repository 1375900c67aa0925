// Best times in Dravolt.ini and in the tree of the best-times view.
//
// An entry n lives under the key "[n]" in four parallel sections: "sizes"
// (height.width.bombs), "times" (seconds), "names" and "dates". The entries
// form a list without gaps: readers walk n upward from 0 and stop at the
// first missing "sizes" key. There is one entry per size.
#pragma once

#include "field/TimeSource.h"
#include "records/uBombLib.h"
#include "settings/IniStore.h"

#include <optional>
#include <string>
#include <string_view>

namespace BestTimeSections {
inline constexpr std::string_view Sizes = "sizes";
inline constexpr std::string_view Times = "times";
inline constexpr std::string_view Names = "names";
inline constexpr std::string_view Dates = "dates";
} // namespace BestTimeSections

struct TBestTimeEntry {
    std::string Height;
    std::string Width;
    std::string Bombs;
    std::string Time;
    std::string Name;
    std::string Date;
};

struct TSizeParts {
    std::string Height;
    std::string Width;
    std::string Bombs;
};

// "[n]"
std::string BestTimeKey(int n);
// height.width.bombs, the text stored in "sizes"
std::string SizeText(std::string_view height, std::string_view width, std::string_view bombs);
// "yyyy mm dd, hh:nn", 24-hour clock
std::string BestTimeDateText(const TLocalDateTime& when);

// The index of the first entry of that size (compared as exact text), or -1.
int FindSizeIndex(const TIniStore& settings, std::string_view height, std::string_view width,
                  std::string_view bombs);
// The first n whose "sizes" key is missing.
int FirstFreeSizeIndex(const TIniStore& settings);

// Writes entry n through WriteSetting in the order sizes, times, names,
// dates. While the tree is not loaded the file is saved at once, and the
// result is that of the save; otherwise the change waits for the save at
// close and the result is true.
bool WriteBestTimeEntry(TIniStore& settings, int n, const TBestTimeEntry& entry, bool bestTimesLoaded);

// Splits a "sizes" value at its first two "."; further dots stay in the
// bombs. Nothing when there are fewer than two. No part has to be numeric.
std::optional<TSizeParts> SplitSizeKey(std::string_view value);

// Prepends fill until the text is at least length long; an empty fill or a
// text long enough leaves it unchanged.
std::string PadLeft(std::string_view text, std::string_view fill, std::size_t length);

// Puts the record into the tree. True when that size had a record already:
// its Bomb, Time, Name and Date are then replaced (the Tall and Wide texts of
// existing nodes never change).
bool StoreBestTime(TBestTimes& bestTimes, const TBestTimeEntry& entry);

// Builds the tree from the four sections. An entry whose size has fewer than
// two "." is skipped; the walk stops at the first missing "sizes", "times" or
// "names" key ("dates" may be missing). When a size occurs twice the later
// entry wins, and its values are written back at the first entry of that
// size (in memory, as the tree then counts as loaded).
TBestTimes LoadBestTimes(TIniStore& settings);

// Drops the tree with every node and record; it is absent afterwards.
void FreeBestTimes(std::optional<TBestTimes>& bestTimes);
