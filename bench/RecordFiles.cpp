#include "RecordFiles.h"

#include "records/SessionStats.h"

#include <cstdio>

namespace {

void AppendLine(std::string& text, std::string_view key, std::string_view value)
{
    text.append(key).append("=").append(value).append("\n");
}

template <typename Value>
void AppendSection(std::string& text, std::string_view name, int count, Value value)
{
    text.append("[").append(name).append("]\n");
    for (int n = 0; n < count; ++n)
        AppendLine(text, BestTimeKey(n), value(BenchBestTime(n)));
    text.append("\n");
}

// Distinct names in ascending order for up to 1,008 sessions.
TLocalDateTime SessionTime(int n)
{
    return {2024, 1 + n / 84, 1 + n % 84 / 3, 8 + n % 3 * 4, n % 60, (n * 7) % 60, 0};
}

} // namespace

TBestTimeEntry BenchBestTime(int n)
{
    char date[32];
    std::snprintf(date, sizeof date, "2025 %02d %02d, %02d:%02d", 1 + n % 12, 1 + n % 28, n % 24, n % 60);
    return {std::to_string(1 + n % 60),         std::to_string(10 + n / 60 % 91),
            std::to_string(1 + n / 5460 * 100 + n % 7), std::to_string(5 + n % 900),
            "Player " + std::to_string(n % 97), date};
}

std::string BestTimesIniText(int count)
{
    std::string text = "[settings]\nslotsDown=16\nslotsAcross=30\nbombTotal=99\nfreeClick=1\n\n";
    AppendSection(text, kClassicBestTimes.Sizes, count,
                  [](const TBestTimeEntry& e) { return SizeText(e.Height, e.Width, e.Bombs); });
    AppendSection(text, kClassicBestTimes.Times, count, [](const TBestTimeEntry& e) { return e.Time; });
    AppendSection(text, kClassicBestTimes.Names, count, [](const TBestTimeEntry& e) { return e.Name; });
    AppendSection(text, kClassicBestTimes.Dates, count, [](const TBestTimeEntry& e) { return e.Date; });
    return text;
}

std::string HistoryIniText(int count)
{
    std::string text = "[";
    text.append(kSessionSection).append("]\n");
    for (int n = 0; n < count; ++n)
        AppendLine(text, std::to_string(n), SessionNameText(SessionTime(n)));
    text.append("\n");
    for (int n = 0; n < count; ++n) {
        text.append("[").append(SessionNameText(SessionTime(n))).append("]\n");
        const int games = 18 + n % 5;
        for (int g = games; g >= 1; --g) {
            char line[32];
            std::snprintf(line, sizeof line, "%d|%d|%04d", (n + g) % 11, (n + g) % 7, 20 + (n * g) % 400);
            AppendLine(text, std::to_string(g), line);
        }
        text.append("\n");
    }
    return text;
}
