#include "records/BestTimes.h"

#include "settings/zorvUtil.h"

#include <cstdio>

namespace {

std::optional<std::string> ReadEntry(const TMemIniFile& settings, std::string_view section, int n)
{
    return settings.ReadValue(section, BestTimeKey(n));
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

int FindSizeIndex(const TMemIniFile& settings, std::string_view height, std::string_view width,
                  std::string_view bombs, const TBestTimeSections& sections)
{
    const std::string wanted = SizeText(height, width, bombs);
    for (int n = 0;; ++n) {
        const auto value = ReadEntry(settings, sections.Sizes, n);
        if (!value)
            return -1;
        if (*value == wanted)
            return n;
    }
}

int FirstFreeSizeIndex(const TMemIniFile& settings, const TBestTimeSections& sections)
{
    int n = 0;
    while (ReadEntry(settings, sections.Sizes, n))
        ++n;
    return n;
}

void WriteBestTimeEntry(TMemIniFile& settings, int n, const TBestTimeEntry& entry, const TBestTimeSections& sections)
{
    const std::string key = BestTimeKey(n);
    settings.WriteString(sections.Sizes, key, SizeText(entry.Height, entry.Width, entry.Bombs));
    settings.WriteString(sections.Times, key, entry.Time);
    settings.WriteString(sections.Names, key, entry.Name);
    settings.WriteString(sections.Dates, key, entry.Date);
}

std::optional<TBestTimeEntry> ReadBestTimeEntry(const TMemIniFile& settings, int n, const TBestTimeSections& sections)
{
    const auto size = ReadEntry(settings, sections.Sizes, n);
    const auto time = ReadEntry(settings, sections.Times, n);
    const auto name = ReadEntry(settings, sections.Names, n);
    const auto parts = size ? SplitSizeKey(*size) : std::nullopt;
    if (!parts || !time || !name)
        return std::nullopt;
    return TBestTimeEntry{parts->Height, parts->Width, parts->Bombs, *time, *name,
                          settings.ReadString(sections.Dates, BestTimeKey(n), "")};
}

TBestTimeJudgement JudgeBestTime(const TMemIniFile& settings, const TSizeParts& size, int seconds,
                                 const TBestTimeSections& sections)
{
    TBestTimeJudgement judged;
    judged.Index = FindSizeIndex(settings, size.Height, size.Width, size.Bombs, sections);
    judged.PromptName = "me";
    if (judged.Index == -1)
        return judged;
    judged.StoredTime = settings.ReadString(sections.Times, BestTimeKey(judged.Index), "-1");
    judged.PromptName = ReadEntry(settings, sections.Names, judged.Index).value_or("me");
    if (judged.StoredTime == "-1")
        return judged; // an entry without a time
    const std::optional<int> best = StrToIntOpt(judged.StoredTime);
    if (!best)
        judged.Verdict = TBestTimeVerdict::Unreadable;
    else if (*best <= seconds)
        judged.Verdict = TBestTimeVerdict::NotBetter;
    return judged;
}

TBestTimeSave SaveBestTime(TIniStore& settings, const TBestTimeEntry& entry, int seconds,
                           const TBestTimeSections& sections)
{
    const TSizeParts size{entry.Height, entry.Width, entry.Bombs};
    const bool saved = settings.Transact([=](TMemIniFile& ini) {
        const TBestTimeJudgement judged = JudgeBestTime(ini, size, seconds, sections);
        if (judged.Verdict == TBestTimeVerdict::NewBest)
            WriteBestTimeEntry(ini, judged.Index != -1 ? judged.Index : FirstFreeSizeIndex(ini, sections), entry,
                               sections);
    });
    if (!saved)
        return TBestTimeSave::Failed;
    const int n = FindSizeIndex(settings.Ini(), size.Height, size.Width, size.Bombs, sections);
    return n != -1 && ReadBestTimeEntry(settings.Ini(), n, sections) == entry ? TBestTimeSave::Stored
                                                                               : TBestTimeSave::Beaten;
}

void FollowBestTime(TBestTimes& bestTimes, const TMemIniFile& settings, const TSizeParts& size,
                    const TBestTimeSections& sections)
{
    const int n = FindSizeIndex(settings, size.Height, size.Width, size.Bombs, sections);
    if (const auto entry = n == -1 ? std::nullopt : ReadBestTimeEntry(settings, n, sections))
        StoreBestTime(bestTimes, *entry);
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

TBestTimes LoadBestTimes(const TMemIniFile& settings, const TBestTimeSections& sections)
{
    TBestTimes bestTimes;
    for (int n = 0;; ++n) {
        if (!ReadEntry(settings, sections.Sizes, n) || !ReadEntry(settings, sections.Times, n) ||
            !ReadEntry(settings, sections.Names, n))
            break;
        if (const auto entry = ReadBestTimeEntry(settings, n, sections))
            StoreBestTime(bestTimes, *entry); // a later entry of a size replaces the earlier one
    }
    return bestTimes;
}

void FreeBestTimes(std::optional<TBestTimes>& bestTimes) { bestTimes.reset(); }
