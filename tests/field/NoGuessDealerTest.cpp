// The no-guess dealer on its own: exact bomb totals, the first cell's
// neighbourhood, the degenerate totals, determinism, and what happens when
// time runs out.
#include "field/NoGuessDealer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A clock that moves on by a fixed step each time it is read.
struct SteppingClock {
    double Now = 0;
    double Step = 0;
    double operator()() { return Now += Step; }
};

// The clock moves on by one at each repair, so a deal that went wrong ends
// after a few thousand instead of running on.
TNoGuessBoard DealWithSeed(std::uint32_t seed, const TNoGuessRequest& request, double giveUpAfter = 20000)
{
    TRandomGenerator random;
    random.Reseed(seed);
    TNoGuessDealer dealer(random, SteppingClock{0, 1});
    dealer.GiveUpAfter = giveUpAfter;
    return dealer.Deal(request);
}

bool Contains(const std::vector<int>& cells, int cell) { return std::binary_search(cells.begin(), cells.end(), cell); }

std::vector<int> NeighboursOf(const TNoGuessRequest& r, int i)
{
    std::vector<int> cells;
    const int col = i % r.Across;
    const int row = i / r.Across;
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc)
            if ((dc != 0 || dr != 0) && col + dc >= 0 && col + dc < r.Across && row + dr >= 0 && row + dr < r.Down)
                cells.push_back(i + dr * r.Across + dc);
    return cells;
}

void ExpectValidBoard(const TNoGuessRequest& r, const TNoGuessBoard& board)
{
    const int n = r.Across * r.Down;
    EXPECT_EQ(static_cast<int>(board.Bombs.size()), std::min(r.Bombs, n));
    if (r.Bombs >= n)
        return;
    EXPECT_TRUE(std::is_sorted(board.Bombs.begin(), board.Bombs.end()));
    EXPECT_EQ(std::adjacent_find(board.Bombs.begin(), board.Bombs.end()), board.Bombs.end());
    EXPECT_TRUE(board.Bombs.empty() || (board.Bombs.front() >= 0 && board.Bombs.back() < n));
    EXPECT_FALSE(Contains(board.Bombs, r.Start));
    // As many of the first cell's neighbours as the total leaves room for.
    const std::vector<int> around = NeighboursOf(r, r.Start);
    const int free = static_cast<int>(std::count_if(around.begin(), around.end(),
                                                    [&](int cell) { return !Contains(board.Bombs, cell); }));
    EXPECT_EQ(free, std::min(static_cast<int>(around.size()), n - r.Bombs - 1 - (r.CornerToCorner ? 1 : 0)));
    if (r.CornerToCorner) {
        EXPECT_FALSE(Contains(board.Bombs, n - 1));
    }
}

struct TotalCase {
    const char* Name;
    TNoGuessRequest Request;
    bool Solved;
    bool TooFull = false;
};

class DealerTotalTest : public ::testing::TestWithParam<TotalCase> {};

TEST_P(DealerTotalTest, DealsExactlyTheTotalAroundAFreeStart)
{
    const TotalCase& c = GetParam();
    for (std::uint32_t seed : {1u, 2u, 43'200'000u}) {
        const TNoGuessBoard board = DealWithSeed(seed, c.Request);
        ExpectValidBoard(c.Request, board);
        EXPECT_EQ(board.Solved, c.Solved) << "seed " << seed;
        EXPECT_EQ(board.TooFull, c.TooFull) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Totals, DealerTotalTest,
    ::testing::Values(TotalCase{"NoBombs", {30, 16, 0, 245}, true},
                      TotalCase{"EveryCell", {10, 10, 100, 55}, false, true},
                      TotalCase{"MoreThanTheCells", {10, 10, 10000, 55}, false, true},
                      TotalCase{"OnlyTheStartFree", {10, 10, 99, 55}, true},
                      TotalCase{"NoRoomForAllNeighbours", {10, 10, 95, 55}, false, true},
                      TotalCase{"ThreeRowsNearlyFull", {10, 3, 25, 15}, false, true},
                      TotalCase{"StartInACorner", {10, 10, 96, 0}, true},
                      TotalCase{"OneRow", {40, 1, 12, 20}, true},
                      TotalCase{"Beginner", {9, 9, 10, 40}, true},
                      TotalCase{"Expert", {30, 16, 99, 255}, true},
                      TotalCase{"Dense", {30, 16, 150, 255}, true},
                      TotalCase{"CornerToCorner", {30, 16, 99, 0, true}, true},
                      TotalCase{"CornerToCornerNearlyFull", {10, 10, 98, 0, true}, false, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DealerTest, SameSeedAndStartGiveTheSameBoard)
{
    const TNoGuessRequest request{30, 16, 120, 200};
    const TNoGuessBoard first = DealWithSeed(77, request);
    EXPECT_EQ(DealWithSeed(77, request).Bombs, first.Bombs);
    EXPECT_NE(DealWithSeed(78, request).Bombs, first.Bombs);
    TNoGuessRequest elsewhere = request;
    elsewhere.Start = 201;
    EXPECT_NE(DealWithSeed(77, elsewhere).Bombs, first.Bombs);
}

TEST(DealerTest, DenseBoardsNeedBothKindsOfRepair)
{
    // The board the game tests play to a win (NoGuessGameTest, LargestDensest).
    const TNoGuessBoard board = DealWithSeed(61, {100, 60, 2100, 3050});
    EXPECT_TRUE(board.Solved);
    EXPECT_GT(board.Repairs, 0);
    EXPECT_GT(board.RollBacks, 0);
}

TEST(DealerTest, OutOfTimeGivesAValidBoardMarkedUnsolved)
{
    // At this density a board as first dealt always needs repairs; with no
    // time for them the deal ends at once.
    const TNoGuessRequest request{30, 16, 170, 255};
    const TNoGuessBoard board = DealWithSeed(5, request, 0);
    EXPECT_FALSE(board.Solved);
    EXPECT_FALSE(board.TooFull);
    EXPECT_EQ(board.Repairs + board.RollBacks, 0);
    ExpectValidBoard(request, board);
    EXPECT_EQ(DealWithSeed(5, request, 0).Bombs, board.Bombs);
}

TEST(DealerTest, TellsOnceWhenADealIsSlow)
{
    TRandomGenerator random;
    random.Reseed(9);
    TNoGuessDealer dealer(random, SteppingClock{0, 5});
    int told = 0;
    dealer.OnSlow = [&] { ++told; };
    const TNoGuessBoard board = dealer.Deal({30, 16, 170, 255});
    ASSERT_GT(board.Repairs + board.RollBacks, 4); // the clock passed 16 ms
    EXPECT_EQ(told, 1);
    EXPECT_GT(board.Milliseconds, dealer.SlowAfter);
}

} // namespace
