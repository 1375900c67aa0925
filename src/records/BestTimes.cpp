#include "records/BestTimes.h"

#include "settings/zorvUtil.h"

#include <cstdio>

namespace {

namespace S = BestTimeSections;
constexpr std::string_view kAbsent = "-1";

std::string ReadEntry(const TIniStore& settings, std::string_view section, int n)
{
    return settings.ReadString(section, BestTimeKey(n), kAbsent);
}

} // namespace

std::string BestTimeKey(int n) { return "[" + std::to_string(n) + "]"; }

std::string SizeText(std::string_view height, std::string_view width, std::string_view bombs)
{
    std::string text(height);
    return text.append(".").append(width).append(".").append(bombs);
}

std::string BestTimeDateText(const TLocalDateTime& when)
{
    char text[48];
    std::snprintf(text, sizeof text, "%04d %02d %02d, %02d:%02d", when.Year, when.Month, when.Day, when.Hour,
                  when.Minute);
    return text;
}

int FindSizeIndex(const TIniStore& settings, std::string_view height, std::string_view width,
                  std::string_view bombs)
{
    const std::string wanted = SizeText(height, width, bombs);
    for (int n = 0;; ++n) {
        const std::string value = ReadEntry(settings, S::Sizes, n);
        if (value == wanted)
            return n;
        if (value == kAbsent)
            return -1;
    }
}

int FirstFreeSizeIndex(const TIniStore& settings)
{
    int n = 0;
    while (ReadEntry(settings, S::Sizes, n) != kAbsent)
        ++n;
    return n;
}

bool WriteBestTimeEntry(TIniStore& settings, int n, const TBestTimeEntry& entry, bool bestTimesLoaded)
{
    const std::string key = BestTimeKey(n);
    settings.WriteSetting(S::Sizes, key, SizeText(entry.Height, entry.Width, entry.Bombs));
    settings.WriteSetting(S::Times, key, entry.Time);
    settings.WriteSetting(S::Names, key, entry.Name);
    settings.WriteSetting(S::Dates, key, entry.Date);
    return bestTimesLoaded || settings.UpdateFile();
}

std::optional<TSizeParts> SplitSizeKey(std::string_view value)
{
    const auto first = value.find('.');
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto second = value.find('.', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    return TSizeParts{std::string(value.substr(0, first)), std::string(value.substr(first + 1, second - first - 1)),
                      std::string(value.substr(second + 1))};
}

std::string PadLeft(std::string_view text, std::string_view fill, std::size_t length)
{
    std::string result(text);
    if (fill.empty())
        return result;
    std::string prefix;
    while (prefix.size() + result.size() < length)
        prefix.append(fill);
    return prefix + result;
}

bool StoreBestTime(TBestTimes& bestTimes, const TBestTimeEntry& entry)
{
    const TBombSpec record{entry.Bombs, entry.Time, entry.Name, entry.Date};
    auto [tall, newTall] = bestTimes.try_emplace(PadLeft(entry.Height, "0", 2), TTallWide{entry.Height, {}});
    auto [wide, newWide] = tall->second.WideList.try_emplace(PadLeft(entry.Width, "0", 2), TWideBomb{entry.Width, {}});
    auto [bomb, newBomb] = wide->second.BombList.try_emplace(PadLeft(entry.Bombs, "0", 4), record);
    if (newTall || newWide || newBomb)
        return false;
    bomb->second = record;
    return true;
}

TBestTimes LoadBestTimes(TIniStore& settings)
{
    TBestTimes bestTimes;
    for (int n = 0;; ++n) {
        const std::string size = ReadEntry(settings, S::Sizes, n);
        const std::string time = ReadEntry(settings, S::Times, n);
        const std::string name = ReadEntry(settings, S::Names, n);
        if (size == kAbsent || time == kAbsent || name == kAbsent)
            break;
        const auto parts = SplitSizeKey(size);
        if (!parts)
            continue;
        const TBestTimeEntry entry{parts->Height, parts->Width, parts->Bombs, time, name,
                                   settings.ReadString(S::Dates, BestTimeKey(n), "")};
        if (StoreBestTime(bestTimes, entry))
            WriteBestTimeEntry(settings, FindSizeIndex(settings, entry.Height, entry.Width, entry.Bombs), entry, true);
    }
    return bestTimes;
}

void FreeBestTimes(std::optional<TBestTimes>& bestTimes) { bestTimes.reset(); }
