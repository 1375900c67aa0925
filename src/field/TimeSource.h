// Where the program gets the time: the time of day in UTC with milliseconds
// seeds the field, the local date and time stamps the records. Tests fix both.
#pragma once

#include <cstdint>

struct TLocalDateTime {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

class TimeSource {
public:
    virtual ~TimeSource() = default;
    // ((hour * 60 + minute) * 60 + second) * 1000 + millisecond, in UTC.
    virtual std::uint32_t MillisecondsSinceMidnightUtc() = 0;
    virtual TLocalDateTime LocalNow() = 0;
};

// The real clock of the machine.
TimeSource& SystemTime();
