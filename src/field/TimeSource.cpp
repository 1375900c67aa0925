#include "field/TimeSource.h"

#include <ctime>

namespace {

class SystemTimeSource final : public TimeSource {
public:
    std::uint32_t MillisecondsSinceMidnightUtc() override
    {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                        static_cast<std::uint64_t>(now.tv_nsec / 1'000'000);
        return static_cast<std::uint32_t>(ms % 86'400'000u);
    }

    TLocalDateTime LocalNow() override
    {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::tm local{};
        localtime_r(&now.tv_sec, &local);
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                local.tm_min,         local.tm_sec,     static_cast<int>(now.tv_nsec / 1'000'000)};
    }
};

} // namespace

TimeSource& SystemTime()
{
    static SystemTimeSource source;
    return source;
}
