// The games of the sessions and their place in DravoltHistory.ini.
//
// The section "session" lists the saved sessions under the keys "0", "1", ...
// (no gaps); each session has a section of its own, named like the session,
// whose keys "1", "2", ... hold the game lines "bombsLeft|average|time".
#pragma once

#include "field/TimeSource.h"
#include "records/uBombLib.h"
#include "settings/IniFile.h"

#include <string>
#include <string_view>

inline constexpr std::string_view kSessionSection = "session";

// The names of the saved sessions, in file order, none of them read yet.
TSessionList ReadSessionNames(const TMemIniFile& history);

// The number of games in "current"; 0 when there is no "current".
int CurrentSessionGameCount(const TSessionList& sessions);

// Appends a game to "current" (appended to the list when absent) and returns
// it. BombsLeft is the counter text as an integer, 0 when the text is none;
// Average is the mean of BombsLeft over the session's games, this one
// included, truncated toward zero.
const TGameStat& RecordGameStat(TSessionList& sessions, std::string_view clockText, std::string_view counterText,
                                const TLocalDateTime& stamp);

// Removes "current"; the next recorded game starts again at key 1. False
// when there was no "current".
bool ClearCurrentSession(TSessionList& sessions);

// A saved game line. Without any "|": bombs left "0", average 0, time "0".
// With one "|": the first field as bombs left, average 0, time "0". With
// two: the middle field as the average (-1 when it is no integer) and the
// rest as the time. Stamp and BombsLeft stay zero.
TGameStat ParseGameLine(std::string_view line);

// The games of the session, read from the history on the first call and
// kept with the session from then on.
const TGameList& SessionGames(TSession& session, const TMemIniFile& history);

// "yyyymmdd - hh:nn:ss", 24-hour clock.
std::string SessionNameText(const TLocalDateTime& when);

// Writes the games into the history object as a new session named after
// now, listed under the first missing key of "session"; game keys are
// written from the highest number down to "1". Returns the name used, or
// empty when there are no games (nothing is written then). Does not save
// the file.
std::string WriteSession(TMemIniFile& history, const TGameList& games, const TLocalDateTime& now);
