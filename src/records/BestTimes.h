// Best times in Dravolt.ini and in the tree of the best-times view.
//
// An entry n lives under the key "[n]" in four parallel sections: "sizes"
// (height.width.bombs), "times" (seconds), "names" and "dates", and so do
// the best times of no-guess boards in their own four sections. The entries
// form a list without gaps: readers walk n upward from 0 and stop at the
// first missing "sizes" key. There is one entry per size. A value "-1" is a
// value like any other here: a player may be called "-1".
#pragma once

#include "field/TimeSource.h"
#include "records/uBombLib.h"
#include "settings/IniStore.h"

#include <optional>
#include <string>
#include <string_view>

// The four sections of one kind of best times.
struct TBestTimeSections {
    std::string_view Sizes;
    std::string_view Times;
    std::string_view Names;
    std::string_view Dates;
};
// Boards dealt at random.
inline constexpr TBestTimeSections kClassicBestTimes{"sizes", "times", "names", "dates"};
// Boards dealt to be cleared without guessing: kept apart, in sections that
// a reader of the classic ones never looks at.
inline constexpr TBestTimeSections kNoGuessBestTimes{"noGuessSizes", "noGuessTimes", "noGuessNames", "noGuessDates"};

struct TBestTimeEntry {
    std::string Height;
    std::string Width;
    std::string Bombs;
    std::string Time;
    std::string Name;
    std::string Date;

    friend bool operator==(const TBestTimeEntry&, const TBestTimeEntry&) = default;
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
int FindSizeIndex(const TMemIniFile& settings, std::string_view height, std::string_view width,
                  std::string_view bombs, const TBestTimeSections& sections = kClassicBestTimes);
// The first n whose "sizes" key is missing.
int FirstFreeSizeIndex(const TMemIniFile& settings, const TBestTimeSections& sections = kClassicBestTimes);

// Writes entry n in the order sizes, times, names, dates.
void WriteBestTimeEntry(TMemIniFile& settings, int n, const TBestTimeEntry& entry,
                        const TBestTimeSections& sections = kClassicBestTimes);

// Entry n as stored; nothing when its "sizes", "times" or "names" key is
// missing or its size has fewer than two ".".
std::optional<TBestTimeEntry> ReadBestTimeEntry(const TMemIniFile& settings, int n,
                                                const TBestTimeSections& sections = kClassicBestTimes);

// How the time of a won game compares with the entry of its size.
enum class TBestTimeVerdict {
    NewBest,    // no entry, no time stored ("-1"), or a longer one
    NotBetter,  // an equal time keeps the older record
    Unreadable, // the stored time is no whole number
};
struct TBestTimeJudgement {
    TBestTimeVerdict Verdict = TBestTimeVerdict::NewBest;
    int Index = -1;         // the size's entry; -1 when it has none
    std::string StoredTime; // as stored
    std::string PromptName; // offered in the name prompt: the holder's, or "me" without one
};
TBestTimeJudgement JudgeBestTime(const TMemIniFile& settings, const TSizeParts& size, int seconds,
                                 const TBestTimeSections& sections = kClassicBestTimes);

// Stores a new best time and saves the file at once. It is kept as the time
// achieved for its size, not as the entry it lands in: each save judges it
// against the file as it is then, under its lock, puts it where its size has
// an entry there, otherwise at the first free index, and only when it is
// better than the one stored: when another run has stored an equal or better
// time meanwhile, that one stays. When the file cannot be saved, the time is
// kept in memory for the next save.
enum class TBestTimeSave { Stored, Beaten, Failed };
TBestTimeSave SaveBestTime(TIniStore& settings, const TBestTimeEntry& entry, int seconds,
                           const TBestTimeSections& sections = kClassicBestTimes);

// Puts the settings' entry for the size into the tree, so that the tree
// shows what the file holds; nothing happens when the size has no entry.
void FollowBestTime(TBestTimes& bestTimes, const TMemIniFile& settings, const TSizeParts& size,
                    const TBestTimeSections& sections = kClassicBestTimes);

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
// entry wins in the tree; the file is left as it is.
TBestTimes LoadBestTimes(const TMemIniFile& settings, const TBestTimeSections& sections = kClassicBestTimes);

// Drops the tree with every node and record; it is absent afterwards.
void FreeBestTimes(std::optional<TBestTimes>& bestTimes);
