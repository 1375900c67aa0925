// Large record files for the benchmarks, written in the program's own layout:
// a Dravolt.ini full of best times and a DravoltHistory.ini full of sessions.
#pragma once

#include "records/BestTimes.h"

#include <string>

// The best time stored at entry n: every n gives another size.
TBestTimeEntry BenchBestTime(int n);

// A Dravolt.ini with a short "settings" section and the entries 0 .. count-1
// in "sizes", "times", "names" and "dates".
std::string BestTimesIniText(int count);

// A DravoltHistory.ini with count saved sessions of 18 to 22 games (20 on
// average), listed in "session" and written as the program saves them: the
// game keys from the highest down to "1".
std::string HistoryIniText(int count);
