// 3BV counted by hand on small boards, efficiency, the move record, and
// board codes: their round trip and their refusal of damaged or foreign text.
#include "gamelog/Bbbv.h"
#include "gamelog/BoardCode.h"
#include "gamelog/MoveRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A board drawn row by row: '*' a bomb, '#' a cleared cell, '.' a covered one.
struct TDrawn {
    int Across = 0;
    int Down = 0;
    std::vector<bool> Bombs;
    std::vector<bool> Cleared;
};

TDrawn Draw(const std::vector<std::string>& rows)
{
    TDrawn board{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}, {}};
    for (const std::string& row : rows)
        for (char c : row) {
            board.Bombs.push_back(c == '*');
            board.Cleared.push_back(c == '#');
        }
    return board;
}

TEST(BbbvTest, CountsEachOpeningOnceAndEveryNumberOutsideThem)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        int total;
        int done;
    } cases[] = {
        {"no opening: eight lone numbers", {"...", ".*.", "..."}, 8, 0},
        {"one opening swallows every number", {"*....", ".....", "....*"}, 1, 0},
        {"three openings with their rims", {"..*....*.."}, 3, 0},
        {"lone numbers only", {".*.*."}, 3, 0},
        {"a lone 2 beside an opening", {"*.*..."}, 2, 0},
        {"an opening is done when all its empty cells are", {"##*##..*##"}, 3, 2},
        {"half an opening is not done", {"..*.#..*.."}, 3, 0},
        {"a cleared rim alone does not do its opening", {"..*#...*.."}, 3, 0},
        {"a cleared lone number is done", {"*#*###"}, 2, 2},
        {"every cell a bomb", {"**", "**"}, 0, 0},
        {"no bomb: one opening", {"##", "##"}, 1, 1},
    };
    for (const Case& c : cases) {
        const TDrawn board = Draw(c.rows);
        const TBbbv bbbv = CountBbbv(board.Across, board.Down, board.Bombs, board.Cleared);
        EXPECT_EQ(bbbv.Total, c.total) << c.name;
        EXPECT_EQ(bbbv.Done, c.done) << c.name;
    }
}

TEST(BbbvTest, EfficiencyIsTheClearedPartOfTheBbbvPerClickInPercent)
{
    EXPECT_DOUBLE_EQ(Efficiency(3, 4), 75.0);
    EXPECT_DOUBLE_EQ(Efficiency(8, 8), 100.0);
    EXPECT_DOUBLE_EQ(Efficiency(5, 0), 0.0);
}

TEST(MoveRecordTest, PacksAndUnpacksEveryKindAndRefusesCutRecords)
{
    const std::vector<TMove> moves = {{TMoveKind::Auto, 5999, 0},
                                      {TMoveKind::Left, 0, 0},
                                      {TMoveKind::Right, 130, 250},
                                      {TMoveKind::Chord, 77, 1'000'000},
                                      {TMoveKind::Mark, 3, 1'000'001}};
    const std::vector<std::uint8_t> bytes = PackMoves(moves);
    EXPECT_EQ(UnpackMoves(bytes), moves);
    EXPECT_EQ(UnpackMoves({}), std::vector<TMove>{});
    EXPECT_FALSE(UnpackMoves(std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1)));
    EXPECT_FALSE(UnpackMoves({0x80}));
    EXPECT_FALSE(UnpackMoves({0x07, 0x00})); // no such kind
}

TEST(BoardCodeTest, ACodeDealsTheSameBoardAgain)
{
    std::vector<int> dense;
    for (int i = 0; i < 6000; ++i)
        if (i % 7 != 3)
            dense.push_back(i);
    const TBoard boards[] = {
        {9, 10, 4, {0, 1, 2, 89}},
        {1, 10, 0, {}},
        {60, 100, 3, dense},
        {16, 30, 255, {100, 200, 300, 479}},
    };
    for (const TBoard& board : boards) {
        const std::string code = BoardToCode(board);
        const auto back = BoardFromCode(" " + code.substr(0, 7) + "\n" + code.substr(7) + " ");
        ASSERT_TRUE(std::holds_alternative<TBoard>(back)) << code;
        EXPECT_EQ(std::get<TBoard>(back), board) << code;
    }
    // Few bombs make a short code: they are written as gaps.
    EXPECT_LT(BoardToCode(boards[3]).size(), 30u);
    // Many make one bit a cell: 6000 cells in about 1000 characters.
    EXPECT_LT(BoardToCode(boards[2]).size(), 1020u);
}

TEST(BoardCodeTest, RefusesWhatIsNoCodeOfAPlayableBoard)
{
    const std::string good = BoardToCode({9, 10, 4, {0, 1, 2, 89}});
    std::string flipped = good;
    flipped[8] = flipped[8] == 'A' ? 'B' : 'A';
    struct Case {
        const char* name;
        std::string code;
        TBoardCodeError error;
    } cases[] = {
        {"empty", "", TBoardCodeError::Foreign},
        {"other text", "hello world", TBoardCodeError::Foreign},
        {"a later version", "DRV2-" + good.substr(5), TBoardCodeError::Newer},
        {"one character changed", flipped, TBoardCodeError::Damaged},
        {"cut short", good.substr(0, good.size() - 3), TBoardCodeError::Damaged},
        {"a character outside the alphabet", good + "!", TBoardCodeError::Damaged},
        {"the first cell on a bomb", BoardToCode({9, 10, 2, {0, 1, 2}}), TBoardCodeError::Impossible},
        {"too narrow", BoardToCode({9, 9, 4, {0}}), TBoardCodeError::Impossible},
        {"a bomb outside", BoardToCode({9, 10, 4, {90}}), TBoardCodeError::Impossible},
    };
    for (const Case& c : cases) {
        const auto read = BoardFromCode(c.code);
        ASSERT_TRUE(std::holds_alternative<TBoardCodeError>(read)) << c.name;
        EXPECT_EQ(std::get<TBoardCodeError>(read), c.error) << c.name;
    }
}

TEST(BoardCodeTest, MinesTextRoundTripsAndRefusesOtherText)
{
    EXPECT_EQ(MinesText({3, 17, 40}), "3,17,40");
    EXPECT_EQ(std::get<std::vector<int>>(MinesFromText("3,17,40")), (std::vector<int>{3, 17, 40}));
    EXPECT_EQ(std::get<std::vector<int>>(MinesFromText("")), std::vector<int>{});
    for (const char* bad : {"3,,4", "3,", "x", "3;4"})
        EXPECT_TRUE(std::holds_alternative<TBoardCodeError>(MinesFromText(bad))) << bad;
}

} // namespace
