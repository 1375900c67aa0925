// A no-guess game on the field: no bombs until the first uncovering, then the
// dealer's board around that cell, and every board reported solved is won by
// logic alone through the field's own rules.
#include "field/FakeField.h"
#include "field/NoGuessDealer.h"
#include "field/NoGuessSolver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct NoGuessGameTest : ::testing::Test {
    FakeHost host;
    FixedTime time;
    FakeField field{host, time};

    void NewGame(int across, int down, int bombs, bool startClick = false)
    {
        field.SetSlotsAcross(across);
        field.SetSlotsDown(down);
        field.SetBombTotal(bombs);
        host.NoGuess = true;
        field.NewGame(startClick);
    }
    void ClickIndex(int i) { field.Click(i % field.GridAcross(), i / field.GridAcross()); }
    std::vector<int> DealerBoard(int start) const
    {
        TRandomGenerator random;
        random.Reseed(time.Milliseconds);
        return TNoGuessDealer(random)
            .Deal({field.GridAcross(), field.GridDown(), field.BombTotal(), start, field.CornerToCorner()})
            .Bombs;
    }

    // Plays as a player who never guesses: what the field shows goes to the
    // solver, the cells it proves safe are clicked, the bombs it proves are
    // flagged, until the game ends or nothing more follows. True for a win.
    bool PlayByLogic()
    {
        const int n = field.CellCount();
        std::vector<bool> known(n, false);
        int knownCount = 0;
        while (field.Enabled()) {
            TPlayerView view{field.GridAcross(), field.GridDown(), std::vector<int>(n, TPlayerView::kCovered),
                             field.BombTotal() - knownCount};
            for (int i = 0; i < n; ++i) {
                const TSlot& slot = field.CellAtIndex(i);
                if (known[i])
                    view.Cells[i] = TPlayerView::kKnownBomb;
                else if (slot.Cleared)
                    view.Cells[i] = slot.Content.empty() ? 0 : slot.Content[0] - '0';
            }
            const TDeduction deduction = Deduce(view);
            if (!deduction.Consistent)
                return false;
            const int progress = field.ClearedCount + knownCount;
            for (int i = 0; i < n && field.Enabled(); ++i) {
                if (deduction.Facts[i] == TCellFact::Safe) {
                    ClickIndex(i);
                } else if (deduction.Facts[i] == TCellFact::Bomb && !known[i]) {
                    known[i] = true;
                    ++knownCount;
                    field.Flag(i % field.GridAcross(), i / field.GridAcross());
                }
            }
            if (field.ClearedCount + knownCount == progress)
                return false;
        }
        return host.Called("record game") && !host.LossPending;
    }
};

TEST_F(NoGuessGameTest, NewGamePlacesNoBombAndShowsTheTotal)
{
    NewGame(30, 16, 99);
    EXPECT_TRUE(field.DealPending());
    EXPECT_TRUE(field.BombIndices().empty());
    EXPECT_EQ(host.Counter, "99");
    EXPECT_EQ(field.SafeCellTotal(), 480 - 99);
    for (int i = 0; i < field.CellCount(); ++i)
        EXPECT_FALSE(field.CellAtIndex(i).Shown);
    EXPECT_TRUE(host.Deals.empty());
}

TEST_F(NoGuessGameTest, FirstClickDealsAroundItsCellThenUncoversIt)
{
    time.Milliseconds = 1234;
    NewGame(30, 16, 99);
    field.Flag(0, 0); // a flag before the deal stays a mere marker
    field.Click(12, 7);
    const int start = field.Index(12, 7);
    EXPECT_FALSE(field.DealPending());
    EXPECT_EQ(field.BombIndices(), DealerBoard(start));
    EXPECT_EQ(field.CellAtIndex(start).Content, ""); // its neighbours are free: it floods
    EXPECT_TRUE(field.CellAtIndex(start).Cleared);
    EXPECT_GT(field.ClearedCount, 1);
    EXPECT_TRUE(host.ClockOn);
    EXPECT_EQ(field.Cell(0, 0).Marker, "Flag");
    EXPECT_EQ(field.BombsLeft(), 98);
    ASSERT_EQ(host.Deals.size(), 1u) << "told once";
    EXPECT_TRUE(host.Deals[0].Solved);
    EXPECT_LT(std::find(host.Calls.begin(), host.Calls.end(), "dealt"),
              std::find(host.Calls.begin(), host.Calls.end(), "start clock"));
}

TEST_F(NoGuessGameTest, NumbersAndFacesMatchThePlainDealing)
{
    NewGame(17, 11, 60);
    field.Click(8, 5);
    // The same bombs drawn on a plainly dealt field give the same cells.
    const std::vector<int> bombs = field.BombIndices();
    FakeHost plainHost;
    FakeField plain(plainHost, time);
    std::vector<std::string> rows(11, std::string(17, '.'));
    for (int i : bombs)
        rows[i / 17][i % 17] = '*';
    ApplyLayout(plain, rows);
    for (int i = 0; i < field.CellCount(); ++i) {
        TSlot dealt = field.CellAtIndex(i);
        dealt.Cleared = dealt.Shown = false;
        EXPECT_EQ(dealt, plain.CellAtIndex(i)) << "cell " << i;
    }
    EXPECT_EQ(field.SafeCellTotal(), plain.SafeCellTotal());
}

TEST_F(NoGuessGameTest, FreeClickDealsAroundTheCellItClicks)
{
    host.FreeClick = true;
    time.Milliseconds = 777;
    NewGame(30, 16, 99, true);
    ASSERT_EQ(field.Simulated.size(), 1u);
    const int start = 480 * field.FreeClickStep / 9;
    EXPECT_EQ(field.Simulated[0], field.CellOrigin(start % 30, start / 30));
    EXPECT_EQ(field.BombIndices(), DealerBoard(start));
    EXPECT_TRUE(host.ClockOn);
}

TEST_F(NoGuessGameTest, CornerToCornerDealsAroundTheTopLeftCell)
{
    time.Milliseconds = 4242;
    field.SetPlayMode("cornerToCorner");
    NewGame(10, 10, 99, true); // lowered to 98: only the two corners stay free
    EXPECT_EQ(field.BombTotal(), 98);
    EXPECT_TRUE(field.Cell(0, 0).Cleared);
    const std::vector<int> bombs = field.BombIndices();
    EXPECT_EQ(bombs.size(), 98u);
    EXPECT_EQ(bombs, DealerBoard(0));
    EXPECT_FALSE(std::binary_search(bombs.begin(), bombs.end(), 99));
}

TEST_F(NoGuessGameTest, AGameKeepsTheModeItStartedWith)
{
    NewGame(30, 16, 99);
    host.NoGuess = false;
    field.Click(3, 3);
    EXPECT_EQ(field.BombIndices().size(), 99u) << "dealt no-guess at the first click";
    EXPECT_EQ(host.Deals.size(), 1u);

    field.NewGame(false); // off now: the plain dealing at once
    EXPECT_EQ(field.BombIndices().size(), 99u);
    host.NoGuess = true;
    const std::vector<int> dealt = field.BombIndices();
    field.Click(20, 10);
    EXPECT_EQ(field.BombIndices(), dealt);
    EXPECT_EQ(host.Deals.size(), 1u);
}

TEST_F(NoGuessGameTest, EveryCellABombLosesAtTheFirstClick)
{
    NewGame(10, 10, 100);
    field.Click(5, 5);
    EXPECT_EQ(field.BombIndices().size(), 100u);
    EXPECT_TRUE(host.LossPending);
    ASSERT_EQ(host.Deals.size(), 1u);
    EXPECT_FALSE(host.Deals[0].Solved);
}

struct WinCase {
    const char* Name;
    int Across, Down, Bombs;
    bool Corner;
    int StartCol, StartRow;
    std::vector<std::uint32_t> Seeds;
};

class NoGuessWinTest : public NoGuessGameTest, public ::testing::WithParamInterface<WinCase> {};

TEST_P(NoGuessWinTest, SolvedBoardsAreWonByLogicAlone)
{
    const WinCase& c = GetParam();
    field.SetPlayMode(c.Corner ? "cornerToCorner" : "");
    for (std::uint32_t seed : c.Seeds) {
        time.Milliseconds = seed;
        host.Calls.clear();
        host.Deals.clear();
        host.LossPending = false;
        // Corner-to-corner play starts by itself at the top-left cell.
        NewGame(c.Across, c.Down, c.Bombs, c.Corner);
        if (!c.Corner)
            field.Click(c.StartCol, c.StartRow);
        ASSERT_EQ(host.Deals.size(), 1u);
        ASSERT_TRUE(host.Deals[0].Solved) << "seed " << seed;
        EXPECT_TRUE(PlayByLogic()) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boards, NoGuessWinTest,
    ::testing::Values(WinCase{"Beginner", 9, 9, 10, false, 4, 4, {1, 2, 3, 4, 5}},
                      WinCase{"Expert", 30, 16, 99, false, 15, 8, {1, 2, 3, 4, 5, 6, 7, 8}},
                      WinCase{"ExpertFromACorner", 30, 16, 99, false, 0, 15, {11, 12, 13}},
                      WinCase{"Dense", 30, 16, 150, false, 15, 8, {21, 22, 23}},
                      WinCase{"OneRow", 60, 1, 15, false, 30, 0, {31, 32, 33}},
                      WinCase{"CornerToCorner", 30, 16, 120, true, 0, 0, {41, 42, 43}},
                      WinCase{"Largest", 100, 60, 1200, false, 50, 30, {51}},
                      WinCase{"LargestDensest", 100, 60, 2100, false, 50, 30, {61}}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
