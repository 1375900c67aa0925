#include "records/SessionStats.h"

#include "settings/zorvUtil.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view kAbsent = "-1";

TLocalDateTime NextSecond(const TLocalDateTime& when)
{
    using namespace std::chrono;
    const sys_days day = year_month_day{year{when.Year}, month{static_cast<unsigned>(when.Month)},
                                        std::chrono::day{static_cast<unsigned>(when.Day)}};
    const sys_seconds next = day + hours{when.Hour} + minutes{when.Minute} + seconds{when.Second + 1};
    const sys_days nextDay = floor<days>(next);
    const year_month_day date{nextDay};
    const hh_mm_ss time{next - nextDay};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count()),
            when.Millisecond};
}

} // namespace

TSessionList ReadSessionNames(const TMemIniFile& history)
{
    TSessionList sessions;
    // The list ends at the first missing key; a name "-1" is a name.
    for (int n = 0;; ++n) {
        std::optional<std::string> name = history.ReadValue(kSessionSection, std::to_string(n));
        if (!name)
            return sessions;
        sessions.Append(std::move(*name));
    }
}

int CurrentSessionGameCount(const TSessionList& sessions)
{
    const TSession* current = sessions.Find(kCurrentSession);
    return current && current->Games ? static_cast<int>(current->Games->size()) : 0;
}

const TGameStat& RecordGameStat(TSessionList& sessions, std::string_view clockText, std::string_view counterText,
                                const TLocalDateTime& stamp)
{
    TSession* current = sessions.Find(kCurrentSession);
    if (!current)
        current = &sessions.Append(std::string(kCurrentSession), TGameList{});
    if (!current->Games)
        current->Games.emplace(); // a saved session that happens to carry the name
    TGameList& games = *current->Games;

    TGameStat& stat = games.emplace_back();
    stat.Time = clockText;
    stat.Stamp = stamp;
    stat.BombsLeftText = counterText;
    stat.BombsLeft = StrToIntOpt(counterText).value_or(0);
    std::int64_t sum = 0;
    for (const TGameStat& game : games)
        sum += game.BombsLeft;
    stat.Average = static_cast<std::int32_t>(sum / static_cast<std::int64_t>(games.size()));
    return stat;
}

bool ClearCurrentSession(TSessionList& sessions) { return sessions.Remove(kCurrentSession); }

TGameStat ParseGameLine(std::string_view line)
{
    TGameStat stat;
    stat.Time = "0";
    const auto first = line.find('|');
    if (first == std::string_view::npos) {
        stat.BombsLeftText = "0";
        return stat;
    }
    stat.BombsLeftText = line.substr(0, first);
    const std::string_view rest = line.substr(first + 1);
    const auto second = rest.find('|');
    if (second == std::string_view::npos)
        return stat;
    stat.Average = StrToIntOpt(rest.substr(0, second)).value_or(-1);
    stat.Time = rest.substr(second + 1);
    return stat;
}

const TGameList& SessionGames(TSession& session, const TMemIniFile& history)
{
    if (!session.Games) {
        TGameList games;
        for (int g = 1;; ++g) {
            const std::string line = history.ReadString(session.Name, std::to_string(g), kAbsent);
            if (SameText(line, kAbsent))
                break;
            games.push_back(ParseGameLine(line));
        }
        session.Games = std::move(games);
    }
    return *session.Games;
}

std::string SessionNameText(const TLocalDateTime& when)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d - %02d:%02d:%02d", when.Year, when.Month, when.Day, when.Hour,
                  when.Minute, when.Second);
    return text;
}

std::string WriteSession(TMemIniFile& history, const TGameList& games, const TLocalDateTime& now)
{
    if (games.empty())
        return {};
    std::vector<std::string> listed;
    int k = 0;
    for (;; ++k) {
        std::optional<std::string> name = history.ReadValue(kSessionSection, std::to_string(k));
        if (!name)
            break;
        listed.push_back(std::move(*name));
    }

    // Two runs saving within the same second would otherwise share one
    // section and mix their games: a name already in use moves on to the next
    // free second.
    TLocalDateTime when = now;
    std::string name = SessionNameText(when);
    const auto taken = [&](const std::string& candidate) {
        return history.SectionExists(candidate) ||
               std::any_of(listed.begin(), listed.end(), [&](const std::string& s) { return SameText(s, candidate); });
    };
    while (taken(name)) {
        when = NextSecond(when);
        name = SessionNameText(when);
    }

    history.WriteString(kSessionSection, std::to_string(k), name);
    for (std::size_t i = games.size(); i-- > 0;) {
        const TGameStat& game = games[i];
        history.WriteString(name, std::to_string(i + 1),
                             game.BombsLeftText + "|" + std::to_string(game.Average) + "|" + game.Time);
    }
    return name;
}
