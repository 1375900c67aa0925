#include "records/SessionStats.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Averages(const std::vector<const char*>& counters)
{
    TSessionList sessions;
    std::vector<int> averages;
    for (const char* counter : counters)
        averages.push_back(RecordGameStat(sessions, "0042", counter, {}).Average);
    return averages;
}

TEST(SessionStatsTest, RunningAveragesTruncateTowardZero)
{
    struct Case {
        std::vector<const char*> counters;
        std::vector<int> averages;
    } cases[] = {
        {{"10", "5", "0"}, {10, 7, 5}},
        {{"0", "-3"}, {0, -1}},
        {{"-5", "-6"}, {-5, -5}},
        {{"3", "x"}, {3, 1}}, // a counter text that is no number counts as 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(Averages(c.counters), c.averages);
}

TEST(SessionStatsTest, CurrentSessionGrowsAfterTheSavedOnesAndClears)
{
    TMemIniFile history = TMemIniFile::FromText("[session]\n0=a\n1=-1\n3=c\n"); // "-1" is a name, the gap ends the list
    TSessionList sessions = ReadSessionNames(history);
    ASSERT_EQ(sessions.Count(), 2u);
    EXPECT_EQ(sessions.Items()[1].Name, "-1");
    EXPECT_EQ(CurrentSessionGameCount(sessions), 0);

    const TGameStat& first = RecordGameStat(sessions, "0012", "x", {2024, 1, 2, 3, 4, 5, 6});
    EXPECT_EQ(first.BombsLeftText, "x");
    EXPECT_EQ(first.BombsLeft, 0);
    EXPECT_EQ(first.Stamp.Second, 5);
    RecordGameStat(sessions, "0013", "4", {});
    EXPECT_EQ(CurrentSessionGameCount(sessions), 2);
    EXPECT_EQ(sessions.IndexOf("CURRENT"), 2u);
    EXPECT_EQ(sessions.Items()[2].Games->at(1).Time, "0013");

    EXPECT_TRUE(ClearCurrentSession(sessions));
    EXPECT_FALSE(ClearCurrentSession(sessions));
    EXPECT_EQ(CurrentSessionGameCount(sessions), 0);
    EXPECT_EQ(RecordGameStat(sessions, "0001", "8", {}).Average, 8);
}

TEST(SessionStatsTest, ParseGameLineShapes)
{
    struct Case {
        const char* line;
        const char* bombsLeft;
        int average;
        const char* time;
    } cases[] = {
        {"-2|3|0042", "-2", 3, "0042"}, {"nothing", "0", 0, "0"},  {"5|", "5", 0, "0"},
        {"5|x|0042", "5", -1, "0042"},  {"5|3|a|b", "5", 3, "a|b"}, {"||", "", -1, ""},
    };
    for (const Case& c : cases) {
        const TGameStat stat = ParseGameLine(c.line);
        EXPECT_EQ(stat.BombsLeftText, c.bombsLeft) << c.line;
        EXPECT_EQ(stat.Average, c.average) << c.line;
        EXPECT_EQ(stat.Time, c.time) << c.line;
        EXPECT_EQ(stat.BombsLeft, 0) << c.line;
    }
}

TEST(SessionStatsTest, SavedGamesAreReadOnce)
{
    TMemIniFile history = TMemIniFile::FromText("[session]\n0=s\n[s]\n2=1|4|0020\n1=7|7|0010\n4=9|9|0009\n");
    TSessionList sessions = ReadSessionNames(history);
    const TGameList& games = SessionGames(sessions[0], history);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].Time, "0010");
    EXPECT_EQ(games[1].Average, 4);

    history.WriteString("s", "3", "0|0|0030");
    EXPECT_EQ(SessionGames(sessions[0], history).size(), 2u);
}

TEST(SessionStatsTest, SessionsAreWrittenUnderFreshKeysAndNames)
{
    TMemIniFile history = TMemIniFile::FromText("[session]\n0=20240101 - 10:00:00\n");
    history.WriteString("session", "1", "-1"); // taken: the next session goes after it
    const TGameList games{{"0010", {}, "3", 3, 3}, {"0020", {}, "-1", -1, 1}};

    EXPECT_EQ(WriteSession(history, games, {2024, 5, 6, 7, 8, 9, 0}), "20240506 - 07:08:09");
    EXPECT_EQ(WriteSession(history, games, {2024, 5, 6, 7, 8, 10, 0}), "20240506 - 07:08:10");
    EXPECT_EQ(WriteSession(history, {}, {2024, 5, 6, 7, 8, 11, 0}), "");
    EXPECT_EQ(history.Text(), "[session]\n0=20240101 - 10:00:00\n1=-1\n2=20240506 - 07:08:09\n3=20240506 - 07:08:10\n\n"
                                    "[20240506 - 07:08:09]\n2=-1|1|0020\n1=3|3|0010\n\n"
                                    "[20240506 - 07:08:10]\n2=-1|1|0020\n1=3|3|0010\n\n");
}

TEST(SessionStatsTest, ANameInUseMovesOnToTheNextFreeSecond)
{
    struct Case {
        const char* history;
        TLocalDateTime now;
        const char* name;
    } cases[] = {
        {"[session]\n0=20240506 - 07:08:09\n", {2024, 5, 6, 7, 8, 9, 0}, "20240506 - 07:08:10"},
        {"[20240506 - 07:08:09]\n", {2024, 5, 6, 7, 8, 9, 0}, "20240506 - 07:08:10"},
        {"[session]\n0=20231231 - 23:59:59\n1=20240101 - 00:00:00\n", {2023, 12, 31, 23, 59, 59, 0},
         "20240101 - 00:00:01"},
        {"[session]\n0=20230228 - 23:59:59\n", {2023, 2, 28, 23, 59, 59, 0}, "20230301 - 00:00:00"},
        {"[session]\n0=20240228 - 23:59:59\n", {2024, 2, 28, 23, 59, 59, 0}, "20240229 - 00:00:00"},
    };
    for (const Case& c : cases) {
        TMemIniFile history = TMemIniFile::FromText(c.history);
        EXPECT_EQ(WriteSession(history, {{"0001", {}, "0", 0, 0}}, c.now), c.name) << c.history;
    }
}

} // namespace
