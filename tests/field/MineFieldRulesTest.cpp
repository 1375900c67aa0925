// The rules of play on known layouts: uncovering, flood, chord, flags and
// marks, corner-to-corner, win, loss, undo and the flag marker.
#include "field/FakeField.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct RulesTest : ::testing::Test {
    FakeHost host;
    FixedTime time;
    FakeField field{host, time};

    int OpenCount() const
    {
        int n = 0;
        for (int i = 0; i < field.CellCount(); ++i)
            n += field.CellAtIndex(i).Cleared;
        return n;
    }
    std::vector<TSlot> Snapshot() const
    {
        std::vector<TSlot> cells;
        for (int i = 0; i < field.CellCount(); ++i)
            cells.push_back(field.CellAtIndex(i));
        return cells;
    }
};

// Bombs in the top-right corner; a wide empty area elsewhere.
const std::vector<std::string> kCornerBombs = {
    "........**",
    "........**",
    "..........",
    "..........",
};

TEST_F(RulesTest, FloodOpensTheAreaAndItsBorderOnce)
{
    field.Layout(kCornerBombs);
    field.Click(0, 3);
    // Everything but the four bombs is reachable: numbers border the area.
    EXPECT_EQ(field.ClearedCount, 36);
    EXPECT_EQ(OpenCount(), 36);
    std::vector<int> redraws = field.Redraws;
    std::sort(redraws.begin(), redraws.end());
    EXPECT_EQ(std::adjacent_find(redraws.begin(), redraws.end()), redraws.end()) << "a cell was redrawn twice";
    EXPECT_TRUE(field.FieldOn == false); // won: the field is disabled
    EXPECT_TRUE(host.Called("record game"));
}

TEST_F(RulesTest, FloodStopsAtFlagsAndOpensUndecidedCells)
{
    field.Layout({"*.........", "..........", ".........."});
    field.Cell(5, 1).Marker = "Flag";
    field.Cell(6, 1).Marker = "?";
    field.Click(9, 2);
    EXPECT_FALSE(field.Cell(5, 1).Cleared);
    EXPECT_TRUE(field.Cell(6, 1).Cleared);
    EXPECT_EQ(field.Cell(6, 1).Marker, "?"); // the mark stays under the open face
    EXPECT_EQ(field.ClearedCount, 28);
    EXPECT_TRUE(field.FieldOn); // 28 of 29 safe cells: still playing
    EXPECT_TRUE(host.ClockOn);
}

TEST_F(RulesTest, FloodFollowsTheDepthFirstOrder)
{
    field.Layout({"...", "...", "*.."});
    field.Redraws.clear();
    field.Click(2, 0);
    // From (2,0): up-left, up, up-right, left, right, down-left, down, down-right,
    // diving into every empty cell at once.
    EXPECT_EQ(field.Redraws, (std::vector<int>{2, 1, 0, 3, 4, 5, 7, 8}));
}

TEST_F(RulesTest, FloodOverAWholeLargeFieldNeedsNoDeepRecursion)
{
    field.SetSlotsAcross(100);
    field.SetSlotsDown(60);
    field.SetBombTotal(0);
    field.NewGame(false);
    field.Click(50, 30);
    EXPECT_EQ(field.ClearedCount, 6000);
    EXPECT_EQ(field.Redraws.size(), 6000u);
    EXPECT_TRUE(host.Called("record game"));
}

TEST_F(RulesTest, ClockStartsOnlyWithAnUncoveringClick)
{
    field.Layout({"*.........", "..........", ".........."});
    field.Flag(5, 2);
    field.Flag(5, 2);
    EXPECT_EQ(host.ClockStarts, 0);
    field.Click(1, 0); // a "1": opens one cell
    EXPECT_EQ(host.ClockStarts, 1);
    field.Click(2, 0);
    EXPECT_EQ(host.ClockStarts, 1) << "a running clock is left alone";
    host.ClockOn = false;
    field.Flag(0, 0);
    field.Dual(1, 0); // a chord that opens the neighbours and floods on
    EXPECT_GT(field.ClearedCount, 2);
    EXPECT_EQ(host.ClockStarts, 1) << "a chord never starts the clock";
}

struct ChordCase {
    const char* Name;
    std::vector<TCellPos> Flags;
    TCellPos Target;
    bool Lost;
    int OpenedAfter; // cells cleared after the chord
};

class ChordTest : public RulesTest, public ::testing::WithParamInterface<ChordCase> {};

TEST_P(ChordTest, OpensOrLosesOrDoesNothing)
{
    const ChordCase& c = GetParam();
    // (1,1) is a "2" next to the bombs (0,0) and (2,0).
    field.Layout({"*.*.......", "..........", "..........", "..........", "..........", ".........."});
    field.Cell(1, 1).Cleared = field.Cell(1, 1).Shown = true;
    field.ClearedCount = 1;
    for (const TCellPos& f : c.Flags)
        field.Flag(f.Col, f.Row);
    host.Calls.clear();
    field.Dual(c.Target.Col, c.Target.Row);
    EXPECT_EQ(host.Called("loss pending") || host.Called("enable undo"), c.Lost);
    EXPECT_EQ(OpenCount(), c.OpenedAfter);
    EXPECT_FALSE(host.Called("focus go")) << "a chord never moves the focus";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChordTest,
    ::testing::Values(ChordCase{"CorrectFlags", {{0, 0}, {2, 0}}, {1, 1}, false, 58},
                      ChordCase{"TooFewFlags", {{0, 0}}, {1, 1}, false, 1},
                      ChordCase{"OnACoveredCell", {{0, 0}, {2, 0}}, {5, 5}, false, 1},
                      ChordCase{"WrongFlag", {{0, 0}, {1, 0}}, {1, 1}, true, 1}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(RulesTest, ChordWithAWrongFlagExplodesTheUnflaggedBombAndMarksTheFlag)
{
    field.Layout({"*.*.......", "..........", ".........."});
    field.Cell(1, 1).Cleared = field.Cell(1, 1).Shown = true;
    field.Cell(2, 0).Marker = "?"; // a marked bomb is not turned red
    field.Flag(0, 0);
    field.Flag(1, 0);
    field.Cell(2, 0).Marker.clear();
    field.Dual(1, 1);
    EXPECT_EQ(field.Cell(2, 0).BackColor, clRed);
    EXPECT_TRUE(field.Cell(2, 0).Shown);
    EXPECT_EQ(field.Cell(0, 0).BackColor, clSilver); // flagged bomb untouched
    EXPECT_FALSE(field.Cell(0, 0).Shown);
    EXPECT_EQ(field.Cell(1, 0).FaceText, "X");
    EXPECT_EQ(field.Cell(1, 0).TextColor, clRed);
    EXPECT_FALSE(field.FieldOn);
    EXPECT_EQ(host.Counter, "1"); // bombs left 0 plus one wrong flag
    EXPECT_EQ(field.BombsLeft(), 0);
}

TEST_F(RulesTest, ChordOnAnEmptyClearedCellDoesNothing)
{
    field.Layout({"*.........", "..........", ".........."});
    field.Cell(5, 1).Cleared = field.Cell(5, 1).Shown = true;
    field.Dual(5, 1);
    EXPECT_EQ(OpenCount(), 1);
}

struct CycleCase {
    bool Animated;
    bool Undecided;
    std::vector<std::string> Markers; // after each right click
    std::vector<int> Counters;
};

class RightClickTest : public RulesTest, public ::testing::WithParamInterface<CycleCase> {};

TEST_P(RightClickTest, CyclesThroughItsMarkers)
{
    const CycleCase& c = GetParam();
    host.Undecided = c.Undecided;
    field.Layout({"*.........", ".........."});
    for (std::size_t step = 0; step < c.Markers.size(); ++step) {
        if (c.Animated)
            field.CycleMarker(4, 1);
        else
            field.ToggleFlag(4, 1);
        EXPECT_EQ(field.Cell(4, 1).Marker, c.Markers[step]) << "step " << step;
        EXPECT_EQ(field.BombsLeft(), c.Counters[step]) << "step " << step;
        EXPECT_EQ(host.Counter, std::to_string(field.BombsLeft()));
    }
    EXPECT_EQ(host.ClockStarts, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, RightClickTest,
    ::testing::Values(CycleCase{false, false, {"Flag", "", "Flag"}, {0, 1, 0}},
                      CycleCase{false, true, {"Flag", "", "Flag"}, {0, 1, 0}},
                      CycleCase{true, false, {"Flag", "", "Flag"}, {0, 1, 0}},
                      CycleCase{true, true, {"Flag", "?", "", "Flag"}, {0, 1, 1, 0}}));

TEST_F(RulesTest, RightClickOnAClearedCellChangesNothing)
{
    field.Layout({"*.........", ".........."});
    field.Click(5, 1);
    const auto before = Snapshot();
    field.ToggleFlag(5, 1);
    field.CycleMarker(5, 1);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(RulesTest, FlagsBeyondTheBombsDriveTheCounterNegative)
{
    field.Layout({"*.........", ".........."});
    field.Flag(3, 0);
    field.Flag(4, 0);
    field.Flag(5, 0);
    EXPECT_EQ(host.Counter, "-2");
}

TEST_F(RulesTest, ASingleClickOnAFlagDoesNothing)
{
    field.Layout({"*.........", ".........."});
    field.Flag(5, 1);
    field.Click(5, 1);
    EXPECT_FALSE(field.Cell(5, 1).Shown);
    field.Flag(0, 0);
    field.Click(0, 0);
    EXPECT_TRUE(field.FieldOn);
}

TEST_F(RulesTest, BombClickLosesAndFocusesGo)
{
    field.Layout({"*.........", ".........."});
    field.Click(0, 0);
    EXPECT_EQ(field.Cell(0, 0).BackColor, clRed);
    EXPECT_TRUE(field.Cell(0, 0).Shown);
    EXPECT_FALSE(field.Cell(0, 0).Cleared);
    EXPECT_FALSE(field.FieldOn);
    EXPECT_EQ(host.Calls.back(), "focus go");
    EXPECT_TRUE(host.UndoEnabled);
    EXPECT_EQ(field.Paints, 1);
}

struct LossCase {
    bool ShowNumbers;
    int ShownAfterLoss;
};

class LossTest : public RulesTest, public ::testing::WithParamInterface<LossCase> {};

TEST_P(LossTest, RevealsBombsAndOptionallyEveryUnflaggedCell)
{
    host.AccentCleared = GetParam().ShowNumbers;
    field.Layout({"*...*.....", ".........."});
    field.Flag(4, 0); // a correct flag stays covered
    field.Click(0, 0);
    int shown = 0;
    for (int i = 0; i < field.CellCount(); ++i)
        shown += field.CellAtIndex(i).Shown;
    EXPECT_EQ(shown, GetParam().ShownAfterLoss);
    EXPECT_FALSE(field.Cell(4, 0).Shown);
    EXPECT_EQ(OpenCount(), 0) << "a loss clears nothing";
}

INSTANTIATE_TEST_SUITE_P(Options, LossTest, ::testing::Values(LossCase{false, 1}, LossCase{true, 19}));

TEST_F(RulesTest, LossCounterAddsTheWrongFlags)
{
    field.Layout({"*...*.....", ".........."});
    field.Flag(4, 0);
    field.Flag(6, 1);
    field.Flag(7, 1);
    ASSERT_EQ(field.BombsLeft(), -1);
    field.Click(0, 0);
    EXPECT_EQ(host.Counter, "1"); // -1 + 2 wrong flags: one bomb not correctly flagged
    EXPECT_EQ(field.BombsLeft(), -1);
}

TEST_F(RulesTest, LossOrderDisablesStopsMarksThenRevealsAndPaints)
{
    host.ClockOn = true;
    field.Layout({"*.........", ".........."});
    host.Calls.clear();
    field.Click(0, 0);
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"stop clock", "loss pending", "enable undo", "focus go"}));
}

struct PendingCase {
    bool Optimize;
    bool PlaceAndRemoveFlag;
    bool KeepFlag;
    int SessionGames;
    bool Pending;
};

class LossPendingTest : public RulesTest, public ::testing::WithParamInterface<PendingCase> {};

TEST_P(LossPendingTest, EarlyFirstLossIsNotCountedWithTheOption)
{
    const PendingCase& c = GetParam();
    field.SetOptimizeStatsStart(c.Optimize);
    host.SessionGames = c.SessionGames;
    field.Layout({"*.........", ".........."});
    if (c.PlaceAndRemoveFlag) {
        field.Flag(5, 1);
        field.Flag(5, 1);
    }
    if (c.KeepFlag)
        field.Flag(6, 1);
    field.Click(0, 0);
    EXPECT_EQ(host.LossPending, c.Pending);
}

INSTANTIATE_TEST_SUITE_P(Cases, LossPendingTest,
                         ::testing::Values(PendingCase{false, false, false, 0, true},
                                           PendingCase{true, false, false, 0, false},
                                           PendingCase{true, true, false, 0, false},
                                           PendingCase{true, false, true, 0, true},
                                           PendingCase{true, false, false, 1, true}));

TEST_F(RulesTest, UndoRestoresTheFieldBeforeTheFatalClickEveryTime)
{
    host.AccentCleared = true;
    // A wall of bombs keeps the left part covered after the first flood.
    field.Layout({"*...*.....", "....*.....", "....*....."});
    field.Click(9, 2);
    ASSERT_TRUE(field.FieldOn);
    field.Flag(4, 0);
    field.Flag(2, 1);        // a wrong flag
    field.CycleMarker(2, 2); // another, placed the animated way
    const auto before = Snapshot();
    const int cleared = field.ClearedCount;
    const int bombsLeft = field.BombsLeft();
    for (int round = 0; round < 3; ++round) {
        field.Click(0, 0);
        ASSERT_FALSE(field.FieldOn);
        field.Undo();
        EXPECT_EQ(Snapshot(), before) << "round " << round;
        EXPECT_EQ(field.ClearedCount, cleared);
        EXPECT_EQ(field.BombsLeft(), bombsLeft);
        EXPECT_FALSE(field.PaintCleared);
        field.FieldOn = true; // the window enables the field after its undo
    }
}

TEST_F(RulesTest, UndoAfterAFailedChordToo)
{
    field.Layout({"*.*.......", "..........", ".........."});
    field.Click(1, 1);
    field.Flag(0, 0);
    field.Flag(1, 0);
    const auto before = Snapshot();
    field.Dual(1, 1);
    ASSERT_FALSE(field.FieldOn);
    field.Undo();
    EXPECT_EQ(Snapshot(), before);
}

struct WinCase {
    bool Picture;
    int FlagsPlaced; // on bombs
    std::string Counter;
    int Paints;
};

class WinTest : public RulesTest, public ::testing::WithParamInterface<WinCase> {};

TEST_P(WinTest, FlagsTheBombsAndShowsThePictureOrRepaints)
{
    const WinCase& c = GetParam();
    field.SetShowPictureOnWin(c.Picture);
    field.Layout({"*........*", "..........", ".........."});
    if (c.FlagsPlaced > 0)
        field.Flag(0, 0);
    if (c.FlagsPlaced > 1)
        field.Flag(9, 0);
    host.Calls.clear();
    field.Click(5, 1);
    EXPECT_FALSE(field.FieldOn);
    EXPECT_EQ(host.Counter, c.Counter);
    EXPECT_EQ(field.Paints, c.Paints);
    EXPECT_EQ(field.Cell(0, 0).Marker, "Flag");
    EXPECT_EQ(field.Cell(9, 0).Marker, "Flag");
    EXPECT_EQ(field.PictureShown(), c.Picture);
    EXPECT_EQ(field.Cell(5, 1).SeeThrough, c.Picture);
    EXPECT_FALSE(field.Cell(0, 0).SeeThrough);
    EXPECT_EQ(host.Calls.back(), "check best time");
    EXPECT_EQ(host.Calls[host.Calls.size() - 2], "record game");
    EXPECT_EQ(host.Called("paint delayer"), c.Picture);
    EXPECT_EQ(host.Called("show picture"), c.Picture);
    EXPECT_FALSE(host.ClockOn);
}

INSTANTIATE_TEST_SUITE_P(Cases, WinTest,
                         ::testing::Values(WinCase{false, 0, "0", 1}, WinCase{false, 2, "0", 1},
                                           WinCase{true, 0, "0", 0}, WinCase{true, 2, "0", 0}));

TEST_F(RulesTest, WinWithoutBombsLeftAndWithoutPictureKeepsMarkersAndCounter)
{
    // Only corner-to-corner play can be won with flags on safe cells.
    field.SetPlayMode("cornerToCorner");
    field.Layout({"*.........", "..........", ".........."});
    field.Cell(8, 2).Cleared = field.Cell(8, 2).Shown = true;
    field.Flag(3, 1);
    field.Flag(4, 1);
    field.Flag(5, 1);
    host.Calls.clear();
    field.Click(9, 2);
    EXPECT_FALSE(field.FieldOn);
    EXPECT_EQ(host.Counter, "-2");
    EXPECT_EQ(field.BombsLeft(), -2);
    EXPECT_TRUE(field.Cell(0, 0).Marker.empty());
    EXPECT_EQ(field.Paints, 1);
    EXPECT_TRUE(host.Called("record game"));
}

TEST_F(RulesTest, UndecidedBombsKeepTheirMarkAtAWin)
{
    field.Layout({"*........*", "..........", ".........."});
    field.Cell(9, 0).Marker = "?";
    field.Click(5, 1);
    EXPECT_EQ(field.Cell(9, 0).Marker, "?");
    EXPECT_EQ(field.Cell(0, 0).Marker, "Flag");
}

TEST_F(RulesTest, ZeroBombsWinAtTheFirstClick)
{
    field.SetSlotsAcross(10);
    field.SetSlotsDown(10);
    field.SetBombTotal(0);
    field.NewGame(false);
    field.Click(3, 3);
    EXPECT_EQ(field.ClearedCount, 100);
    EXPECT_TRUE(host.Called("record game"));
    EXPECT_FALSE(host.ClockOn);
}

TEST_F(RulesTest, AllBombsLoseAtAnyClick)
{
    field.SetSlotsAcross(10);
    field.SetSlotsDown(2);
    field.SetBombTotal(20);
    field.NewGame(false);
    field.Click(7, 1);
    EXPECT_FALSE(field.FieldOn);
    EXPECT_TRUE(host.UndoEnabled);
    EXPECT_FALSE(host.Called("record game"));
}

TEST_F(RulesTest, CornerModeOpensOnlyCellsNextToClearedOnes)
{
    field.SetPlayMode("cornerToCorner");
    field.Layout({".*........", "*...*.....", ".........."});
    field.Cell(0, 0).Cleared = field.Cell(0, 0).Shown = true;
    field.ClearedCount = 1;
    field.Click(5, 1); // touches nothing cleared
    EXPECT_FALSE(field.Cell(5, 1).Shown);
    field.Click(1, 1); // touches (0,0)
    EXPECT_TRUE(field.Cell(1, 1).Cleared);
    // Walk along the bottom row to the corner: the win comes with cells still covered.
    for (int col = 2; col < 10; ++col)
        field.Click(col, 2);
    field.Click(0, 2);
    EXPECT_TRUE(field.Cell(9, 2).Cleared);
    EXPECT_FALSE(field.FieldOn);
    EXPECT_TRUE(host.Called("record game"));
    EXPECT_LT(field.ClearedCount, field.SafeCellTotal());
}

// Switching the mode acts at the next deal: the board on the table keeps the
// rules it was dealt with, through a loss and its undo too.
TEST_F(RulesTest, BoardPlaysByTheModeItWasDealtWith)
{
    // (6,2) is a "2" and (9,3) a "1", both far from anything cleared.
    const std::vector<std::string> layout = {"..........", ".*.....*..", "........*.", ".......*.."};
    field.Layout(layout);
    field.SetPlayMode("cornerToCorner");
    field.Click(6, 2);
    EXPECT_TRUE(field.Cell(6, 2).Cleared) << "a normal board needs no cleared neighbour";
    field.Click(9, 3);
    EXPECT_TRUE(field.Cell(9, 3).Cleared);
    EXPECT_TRUE(field.FieldOn) << "nor does its far corner win";

    field.Layout(layout); // dealt in corner-to-corner mode now
    EXPECT_EQ(field.GamePlayMode(), "cornerToCorner");
    field.SetPlayMode("");
    field.Cell(0, 0).Cleared = field.Cell(0, 0).Shown = true;
    field.ClearedCount = 1;
    field.Click(1, 1); // the bomb next to the corner
    ASSERT_FALSE(field.FieldOn);
    field.Undo();
    field.FieldOn = true;
    field.Click(6, 2);
    EXPECT_FALSE(field.Cell(6, 2).Shown) << "still corner-to-corner after the undo";
    EXPECT_EQ(field.PlayMode(), "");

    field.NewGame(false);
    EXPECT_EQ(field.GamePlayMode(), "");
}

TEST_F(RulesTest, CornerRefusalRedrawsOnlyForTheCursor)
{
    field.SetPlayMode("cornerToCorner");
    field.Layout({"..........", "..........", "..........", ".........."});
    for (bool keyboard : {false, true}) {
        host.KeyboardNavigation = keyboard;
        field.Redraws.clear();
        field.Click(6, 3);
        EXPECT_FALSE(field.Cell(6, 3).Shown);
        EXPECT_EQ(std::count(field.Redraws.begin(), field.Redraws.end(), field.Index(6, 3)), keyboard ? 1 : 0);
    }
}

TEST_F(RulesTest, RemarkFlagsRedrawsEachFlagTwiceAndLeavesMarks)
{
    field.Layout({"*...*.....", ".........."});
    field.Flag(0, 0);
    field.Flag(4, 0);
    field.Cell(7, 1).Marker = "?";
    const int bombsLeft = field.BombsLeft();
    field.SetPreferredMarker("@");
    field.Redraws.clear();
    field.RemarkFlags();
    EXPECT_EQ(field.Cell(0, 0).Marker, "@");
    EXPECT_EQ(field.Cell(4, 0).Marker, "@");
    EXPECT_EQ(field.Cell(7, 1).Marker, "?");
    EXPECT_EQ(field.BombsLeft(), bombsLeft);
    EXPECT_EQ(field.Redraws, (std::vector<int>{0, 0, 4, 4}));
    field.Flag(0, 0); // still a flag: removing it gives the bomb back
    EXPECT_EQ(field.BombsLeft(), bombsLeft + 1);
}

TEST_F(RulesTest, CursorFollowsTheGesturesOnlyWithKeyboardNavigation)
{
    field.Layout({"*.........", "..........", ".........."});
    field.Click(9, 2);
    EXPECT_EQ(field.CursorIndex, -1);
    host.KeyboardNavigation = true;
    field.SetKeyboardCursor(true);
    EXPECT_EQ(field.CursorIndex, 0);
    EXPECT_TRUE(field.Cell(0, 0).HasCursor);
    field.Redraws.clear();
    field.Flag(3, 1);
    EXPECT_EQ(field.CursorIndex, field.Index(3, 1));
    EXPECT_FALSE(field.Cell(0, 0).HasCursor);
    EXPECT_EQ(field.Redraws, (std::vector<int>{0, field.Index(3, 1)}));
    field.SetKeyboardCursor(false);
    EXPECT_EQ(field.CursorIndex, -1);
    EXPECT_FALSE(field.Cell(3, 1).HasCursor);
}

TEST_F(RulesTest, ClickOnAClearedCellRedrawsItForTheCursorOnly)
{
    field.Layout({"*.........", "..........", ".........."});
    field.Click(1, 0);
    for (bool keyboard : {false, true}) {
        host.KeyboardNavigation = keyboard;
        field.Redraws.clear();
        field.Click(1, 0);
        field.Flag(1, 0);
        EXPECT_EQ(field.Redraws.size(), keyboard ? 2u : 0u);
    }
    EXPECT_EQ(field.ClearedCount, 1);
}

TEST_F(RulesTest, ClicksOutsideTheGridDoNothing)
{
    field.Layout({"*.........", ".........."});
    const auto before = Snapshot();
    for (TPoint p : {TPoint{163, 5}, TPoint{5, 35}, TPoint{-20, 5}, TPoint{500, 500}}) {
        field.ClickPoint = p;
        field.LeftClick();
        field.RightClick();
        field.DualClick();
    }
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(field.Redraws.empty());
}

} // namespace
