// The dravolt-boards command: its arguments, and the lines it writes.
#include "field/FakeField.h"
#include "field/NoGuessDealer.h"
#include "gamelog/BoardCode.h"
#include "tools/BoardsCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

struct ArgumentsCase {
    std::vector<std::string> Arguments;
    std::optional<TBoardsRequest> Expected;
};

TEST(BoardsArgumentsTest, AcceptTheUsageAndRefuseAnythingElse)
{
    const ArgumentsCase cases[] = {
        {{"16", "30", "99", "5"}, TBoardsRequest{16, 30, 99, 5, std::nullopt, std::nullopt}},
        {{"60", "100", "2100", "1", "--seed", "4294967295"}, TBoardsRequest{60, 100, 2100, 1, 4294967295u, std::nullopt}},
        {{"1", "10", "0", "1", "--start", "9", "--seed", "0"}, TBoardsRequest{1, 10, 0, 1, 0u, 9}},
        {{"10", "10", "10000", "3", "--start", "99"}, TBoardsRequest{10, 10, 10000, 3, std::nullopt, 99}},
        {{"9", "10", "10", "2", "--codes", "--seed", "7"}, TBoardsRequest{9, 10, 10, 2, 7u, std::nullopt, true}},
        {{"9", "10", "10", "2", "--codes", "--codes"}, std::nullopt},
        {{"9", "10", "10", "2", "--seed", "--codes"}, std::nullopt},
        {{}, std::nullopt},
        {{"16", "30", "99"}, std::nullopt},                            // no COUNT
        {{"16", "30", "99", "5", "7"}, std::nullopt},                  // one number too many
        {{"0", "30", "99", "5"}, std::nullopt},                        // rows 1..60
        {{"61", "30", "99", "5"}, std::nullopt},
        {{"16", "9", "99", "5"}, std::nullopt},                        // columns 10..100
        {{"16", "101", "99", "5"}, std::nullopt},
        {{"16", "30", "10001", "5"}, std::nullopt},                    // bombs 0..10000
        {{"16", "30", "99", "0"}, std::nullopt},                       // at least one board
        {{"16", "30", "-1", "5"}, std::nullopt},
        {{"16", "30", "+9", "5"}, std::nullopt},
        {{"16", "30", "9x", "5"}, std::nullopt},
        {{"16", "30", "99999999999999999999", "5"}, std::nullopt},
        {{"16", "30", "99", "5", "--seed"}, std::nullopt},             // an option without its value
        {{"16", "30", "99", "5", "--seed", "4294967296"}, std::nullopt},
        {{"16", "30", "99", "5", "--seed", "1", "--seed", "2"}, std::nullopt},
        {{"16", "30", "99", "5", "--start", "480"}, std::nullopt},     // beyond the last cell
        {{"16", "30", "99", "5", "--count", "2"}, std::nullopt},
        {{"--seed", "1", "16", "30", "99", "5"}, std::nullopt},
    };
    for (const ArgumentsCase& c : cases) {
        std::string text;
        for (const std::string& argument : c.Arguments)
            text += argument + ' ';
        EXPECT_EQ(ParseBoardsArguments(c.Arguments), c.Expected) << text;
    }
}

TEST(BoardsCommandTest, BadArgumentsPrintTheUsageAndExitWithTwo)
{
    std::ostringstream out, err;
    FixedTime time;
    EXPECT_EQ(RunBoardsCommand({"16", "30"}, out, err, time), 2);
    EXPECT_EQ(err.str(), std::string(kBoardsUsage) + "\n");
    EXPECT_EQ(out.str(), "");
}

// Splits "ROWS COLUMNS START SOLVED b1,b2,..." into its fields.
std::vector<std::string> Fields(const std::string& line, char separator)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, separator);)
        fields.push_back(field);
    return fields;
}

TEST(BoardsCommandTest, WritesOneBoardALineWithSuccessiveSeeds)
{
    std::ostringstream out, err;
    FixedTime time;
    time.Milliseconds = 555; // the seed when none is given
    ASSERT_EQ(RunBoardsCommand({"16", "30", "99", "3"}, out, err, time), 0);
    std::istringstream lines(out.str());
    std::string line;
    for (std::uint32_t k = 0; k < 3; ++k) {
        ASSERT_TRUE(std::getline(lines, line));
        const std::vector<std::string> fields = Fields(line, ' ');
        ASSERT_EQ(fields.size(), 5u) << line;
        EXPECT_EQ(fields[0], "16");
        EXPECT_EQ(fields[1], "30");
        EXPECT_EQ(fields[2], "255"); // column 15 of row 8
        TRandomGenerator random;
        random.Reseed(555 + k);
        const TNoGuessBoard board = TNoGuessDealer(random).Deal({30, 16, 99, 255});
        EXPECT_EQ(fields[3], board.Solved ? "1" : "0");
        std::vector<int> bombs;
        for (const std::string& bomb : Fields(fields[4], ','))
            bombs.push_back(std::stoi(bomb));
        EXPECT_EQ(bombs, board.Bombs);
    }
    EXPECT_FALSE(std::getline(lines, line));
    EXPECT_EQ(err.str(), "");
}

TEST(BoardsCommandTest, WithCodesEachLineIsTheCodeOfTheBoardDealt)
{
    std::ostringstream out, err;
    FixedTime time;
    ASSERT_EQ(RunBoardsCommand({"16", "30", "99", "2", "--seed", "40", "--codes"}, out, err, time), 0);
    std::istringstream lines(out.str());
    std::string line;
    for (std::uint32_t k = 0; k < 2; ++k) {
        ASSERT_TRUE(std::getline(lines, line));
        TRandomGenerator random;
        random.Reseed(40 + k);
        TNoGuessBoard dealt = TNoGuessDealer(random).Deal({30, 16, 99, 255});
        std::sort(dealt.Bombs.begin(), dealt.Bombs.end());
        const auto board = BoardFromCode(line);
        ASSERT_TRUE(std::holds_alternative<TBoard>(board)) << line;
        EXPECT_EQ(std::get<TBoard>(board), (TBoard{16, 30, 255, dealt.Bombs}));
    }
    EXPECT_FALSE(std::getline(lines, line));
}

TEST(BoardsCommandTest, ABoardWithoutBombsEndsAfterSolved)
{
    std::ostringstream out, err;
    FixedTime time;
    ASSERT_EQ(RunBoardsCommand({"2", "10", "0", "1", "--start", "3"}, out, err, time), 0);
    EXPECT_EQ(out.str(), "2 10 3 1\n");
}

} // namespace
