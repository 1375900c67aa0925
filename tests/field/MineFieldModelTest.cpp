// The field model: indexing, neighbours, geometry, dealing and the reset of a
// new game, including the free click and the keyboard cursor it keeps.
#include "field/FakeField.h"
#include "field/CandidateList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

struct ModelTest : ::testing::Test {
    FakeHost host;
    FixedTime time;
    FakeField field{host, time};

    void Deal(int across, int down, int bombs, bool startClick = false)
    {
        field.SetSlotsAcross(across);
        field.SetSlotsDown(down);
        field.SetBombTotal(bombs);
        field.NewGame(startClick);
    }
};

struct NeighbourCase {
    int Across, Down, Index;
    std::array<int, 8> Expected; // up-left, up, up-right, left, right, down-left, down, down-right
};

class NeighbourTest : public ModelTest, public ::testing::WithParamInterface<NeighbourCase> {};

TEST_P(NeighbourTest, FollowsTheGridEdges)
{
    const NeighbourCase& c = GetParam();
    Deal(c.Across, c.Down, 0);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(field.Neighbour(c.Index, k), c.Expected[static_cast<std::size_t>(k)]) << "neighbour " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, NeighbourTest,
    ::testing::Values(
        // one row: no cell has an upper or lower neighbour
        NeighbourCase{10, 1, 0, {-1, -1, -1, -1, 1, -1, -1, -1}},
        NeighbourCase{10, 1, 9, {-1, -1, -1, 8, -1, -1, -1, -1}},
        NeighbourCase{10, 1, 4, {-1, -1, -1, 3, 5, -1, -1, -1}},
        // last cell of a row never wraps to the next row, first never to the previous
        NeighbourCase{10, 3, 19, {8, 9, -1, 18, -1, 28, 29, -1}},
        NeighbourCase{10, 3, 10, {-1, 0, 1, -1, 11, -1, 20, 21}},
        // corners and the middle of a square field
        NeighbourCase{10, 10, 0, {-1, -1, -1, -1, 1, -1, 10, 11}},
        NeighbourCase{10, 10, 9, {-1, -1, -1, 8, -1, 18, 19, -1}},
        NeighbourCase{10, 10, 90, {-1, 80, 81, -1, 91, -1, -1, -1}},
        NeighbourCase{10, 10, 99, {88, 89, -1, 98, -1, -1, -1, -1}},
        NeighbourCase{10, 10, 55, {44, 45, 46, 54, 56, 64, 65, 66}}));

TEST_F(ModelTest, IndexRoundTripsThroughColumnAndRow)
{
    Deal(13, 7, 0);
    for (int i = 0; i < field.CellCount(); ++i) {
        const TCellPos cell = field.IndexToCell(i);
        EXPECT_EQ(cell.Col, i % 13);
        EXPECT_EQ(cell.Row, i / 13);
        EXPECT_EQ(field.CellToIndex(cell.Col, cell.Row), i);
    }
}

TEST_F(ModelTest, CellAtTruncatesTowardZero)
{
    Deal(10, 5, 0);
    struct Case {
        int X, Y;
        bool Valid;
        int Col, Row;
    };
    for (const Case& c : {Case{0, 0, true, 0, 0}, Case{2, 2, true, 0, 0}, Case{3, 3, true, 0, 0},
                          Case{18, 3, true, 0, 0}, Case{19, 19, true, 1, 1},
                          Case{-12, -12, true, 0, 0}, // up to one cell outside still maps to 0
                          Case{-13, 5, false, -1, 0}, Case{162, 82, true, 9, 4},
                          Case{163, 5, false, 10, 0}, Case{5, 83, false, 0, 5}}) {
        TCellPos cell;
        EXPECT_EQ(field.CellAt(c.X, c.Y, cell), c.Valid) << c.X << "," << c.Y;
        if (c.Valid) {
            EXPECT_EQ(cell.Col, c.Col) << c.X << "," << c.Y;
            EXPECT_EQ(cell.Row, c.Row) << c.X << "," << c.Y;
        }
    }
    EXPECT_EQ(field.CellOrigin(0, 0), (TPoint{3, 3}));
    EXPECT_EQ(field.CellOrigin(9, 4), (TPoint{147, 67}));
}

TEST_F(ModelTest, KnownSeedDealsTheKnownLayout)
{
    time.Milliseconds = 43'200'000;
    Deal(10, 10, 10);
    EXPECT_EQ(field.BombIndices(), (std::vector<int>{2, 14, 24, 37, 41, 43, 51, 70, 77, 96}));
}

TEST_F(ModelTest, SameSeedSameLayoutOtherSeedOtherLayout)
{
    time.Milliseconds = 1234;
    Deal(30, 16, 99);
    const auto first = field.BombIndices();
    Deal(30, 16, 99);
    EXPECT_EQ(field.BombIndices(), first);
    time.Milliseconds = 1235;
    Deal(30, 16, 99);
    EXPECT_NE(field.BombIndices(), first);
}

TEST_F(ModelTest, NumbersCountTheNeighbouringBombs)
{
    for (std::uint32_t seed : {1u, 777u, 86'399'999u}) {
        time.Milliseconds = seed;
        Deal(17, 11, 60);
        ASSERT_EQ(field.BombIndices().size(), 60u);
        EXPECT_EQ(field.SafeCellTotal(), 17 * 11 - 60);
        for (int i = 0; i < field.CellCount(); ++i) {
            const TSlot& slot = field.CellAtIndex(i);
            if (TMineField::IsBomb(slot)) {
                EXPECT_EQ(slot.FaceFontName, "Wingdings");
                EXPECT_EQ(slot.FaceFontSize, 10);
                EXPECT_EQ(slot.FaceFontStyle & fsBold, 0);
                EXPECT_EQ(slot.TextColor, clBtnText);
                continue;
            }
            int n = 0;
            for (int k = 0; k < 8; ++k) {
                const int j = field.Neighbour(i, k);
                n += j != -1 && TMineField::IsBomb(field.CellAtIndex(j));
            }
            EXPECT_EQ(slot.Content, n == 0 ? "" : std::to_string(n)) << "cell " << i;
            EXPECT_EQ(slot.FaceText, slot.Content);
            EXPECT_EQ(slot.TextColor, NumberColor(slot.Content));
            EXPECT_EQ(slot.FaceFontName, "MS Sans Serif");
            EXPECT_EQ(slot.FaceFontStyle, fsBold);
            EXPECT_EQ(slot.BackColor, clSilver);
            EXPECT_EQ(slot.EdgeColor, clGray);
        }
    }
}

TEST(NumberColorTest, EachNumberHasItsColour)
{
    const std::pair<const char*, TColor> cases[] = {
        {"1", clBlue},   {"2", clGreen}, {"3", clRed},      {"4", clBlack},    {"5", clMaroon},
        {"6", clTeal},   {"7", clPurple}, {"8", clBlack},   {"", clBtnText},   {"M", clBtnText},
        {"9", clBtnText}, {"0", clBtnText}, {"10", clBtnText}};
    for (const auto& [content, colour] : cases)
        EXPECT_EQ(NumberColor(content), colour) << '"' << content << '"';
}

// A cell's texts are kept once per distinct text: whatever the way in, a
// text reads back whole, and texts compare equal exactly when they are.
TEST(CellTextTest, ReadsBackWholeAndComparesByContent)
{
    const std::string longName(40, 'w');
    const std::string cases[] = {"", "7", "\xff", std::string(1, '\0'), "Flag", "\xe2\x98\x85", longName};
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        TCellText slotText;
        slotText = text;
        EXPECT_EQ(slotText.str(), text);
        EXPECT_EQ(slotText.size(), text.size());
        EXPECT_TRUE(slotText == TCellText(std::string(text)));
        EXPECT_FALSE(slotText == TCellText(text + "x"));
    }
}

TEST_F(ModelTest, EightBombsAroundACellMakeABlackEight)
{
    field.Layout({"***.......", "*.*.......", "***......."});
    const TSlot& centre = field.Cell(1, 1);
    EXPECT_EQ(centre.Content, "8");
    EXPECT_EQ(centre.TextColor, clBlack);
}

struct DealCase {
    int Across, Down, Bombs;
    bool Corner;
    int ExpectedBombs, ExpectedSafe;
};

class DealingTest : public ModelTest, public ::testing::WithParamInterface<DealCase> {};

TEST_P(DealingTest, PlacesAtMostOneBombPerCell)
{
    const DealCase& c = GetParam();
    field.SetPlayMode(c.Corner ? "cornerToCorner" : "");
    Deal(c.Across, c.Down, c.Bombs);
    const auto bombs = field.BombIndices();
    EXPECT_EQ(static_cast<int>(bombs.size()), c.ExpectedBombs);
    EXPECT_EQ(field.SafeCellTotal(), c.ExpectedSafe);
    if (c.Corner) {
        const int n = c.Across * c.Down;
        EXPECT_EQ(field.BombTotal(), std::min(c.Bombs, n - 2)); // the lowered total stays in the field
        EXPECT_FALSE(TMineField::IsBomb(field.CellAtIndex(0)));
        EXPECT_FALSE(TMineField::IsBomb(field.CellAtIndex(n - 1)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Totals, DealingTest,
    ::testing::Values(DealCase{10, 10, 0, false, 0, 100}, DealCase{10, 10, 100, false, 100, 0},
                      DealCase{10, 10, 10000, false, 100, -9900}, DealCase{100, 60, 5999, false, 5999, 1},
                      DealCase{10, 1, 9, true, 8, 2}, DealCase{10, 10, 99, true, 98, 2},
                      DealCase{100, 60, 6000, true, 5998, 2}, DealCase{10, 10, 30, true, 30, 70},
                      DealCase{1, 1, 10000, false, 1, -9999}));

TEST_F(ModelTest, ZeroBombsLeaveEveryCellEmpty)
{
    Deal(20, 20, 0);
    for (int i = 0; i < field.CellCount(); ++i)
        EXPECT_TRUE(field.CellAtIndex(i).Content.empty());
    EXPECT_EQ(field.SafeCellTotal(), 400);
}

TEST(CandidateListTest, TakesAndRemovesLikeAPlainList)
{
    TCandidateList candidates;
    std::vector<int> plain(37);
    for (int i = 0; i < 37; ++i)
        plain[static_cast<std::size_t>(i)] = i;
    candidates.Reset(37);
    std::uint32_t state = 99;
    while (!plain.empty()) {
        state = state * 1103515245u + 12345u;
        const int k = static_cast<int>(state % plain.size());
        ASSERT_EQ(candidates.Size(), static_cast<int>(plain.size()));
        ASSERT_EQ(candidates.At(k), plain[static_cast<std::size_t>(k)]);
        candidates.Remove(plain[static_cast<std::size_t>(k)]);
        plain.erase(plain.begin() + k);
    }
    EXPECT_EQ(candidates.Size(), 0);
}

TEST_F(ModelTest, NewGameResetsTheCountersAndTheCounterLabel)
{
    Deal(10, 10, 10);
    field.ClearedCount = 7;
    field.LeftArmed = field.RightArmed = true;
    field.SetPictureShown(true);
    field.NewGame(false);
    EXPECT_EQ(field.ClearedCount, 0);
    EXPECT_FALSE(field.LeftArmed);
    EXPECT_FALSE(field.RightArmed);
    EXPECT_FALSE(field.PictureShown());
    EXPECT_EQ(field.PressedCell, (TCellPos{-1, -1}));
    EXPECT_EQ(field.BombsLeft(), 10);
    EXPECT_EQ(host.Counter, "10");
    EXPECT_FALSE(host.ClockOn);
}

int FreeClickedIndex(FakeField& field)
{
    if (field.Simulated.size() != 1)
        return -2;
    TCellPos cell;
    if (!field.CellAt(field.Simulated[0].X, field.Simulated[0].Y, cell))
        return -3;
    return field.CellToIndex(cell.Col, cell.Row);
}

TEST_F(ModelTest, FreeClickStartMovesThroughTheNinthsOfTheField)
{
    // Without bombs the first cell searched is the one clicked.
    host.FreeClick = true;
    std::vector<int> clicked;
    for (int game = 0; game < 10; ++game) {
        field.Simulated.clear();
        Deal(30, 3, 0, true);
        clicked.push_back(FreeClickedIndex(field));
    }
    EXPECT_EQ(clicked, (std::vector<int>{20, 30, 40, 50, 60, 70, 80, 10, 20, 30}));
}

TEST_F(ModelTest, FreeClickStartUsesExtendedPrecision)
{
    // 81 * (7 / 9) is 62.99... in extended precision; a double rounds it to 63.
    host.FreeClick = true;
    field.FreeClickStep = 6;
    Deal(27, 3, 0, true);
    EXPECT_EQ(field.FreeClickStep, 7);
    EXPECT_EQ(FreeClickedIndex(field), 62);
}

TEST_F(ModelTest, FreeClickSkipsBombsAndWrapsToTheStart)
{
    host.FreeClick = true;
    time.Milliseconds = 43'200'000;
    for (int game = 0; game < 8; ++game) {
        field.Simulated.clear();
        Deal(10, 10, 95, true);
        const auto bombs = field.BombIndices();
        const auto isBomb = [&](int i) { return std::find(bombs.begin(), bombs.end(), i) != bombs.end(); };
        int expected = 100 * field.FreeClickStep / 9;
        while (expected < 100 && isBomb(expected))
            ++expected;
        if (expected == 100)
            for (expected = 0; isBomb(expected); ++expected) {
            }
        EXPECT_EQ(FreeClickedIndex(field), expected) << "game " << game;
        time.Milliseconds += 997;
    }
}

TEST_F(ModelTest, FreeClickFromScansForwardThenTheCallerWrapsToZero)
{
    host.KeyboardNavigation = true;
    field.Layout({"..********", "**********"});
    field.Simulated.clear();
    EXPECT_FALSE(field.FreeClickFrom(5));
    EXPECT_TRUE(field.Simulated.empty());
    EXPECT_TRUE(field.FreeClickFrom(0));
    ASSERT_EQ(field.Simulated.size(), 1u);
    EXPECT_EQ(field.Simulated[0], field.CellOrigin(0, 0));
    EXPECT_EQ(field.CursorIndex, 0);
}

TEST_F(ModelTest, NoFreeClickWhenEveryCellIsABomb)
{
    host.FreeClick = true;
    Deal(10, 2, 20, true);
    EXPECT_TRUE(field.Simulated.empty());
    EXPECT_FALSE(host.ClockOn);
    Deal(10, 2, 500, true);
    EXPECT_TRUE(field.Simulated.empty());
}

TEST_F(ModelTest, FreeClickStartsTheClockAndMovesTheCursor)
{
    host.FreeClick = true;
    host.KeyboardNavigation = true;
    Deal(30, 16, 10, true);
    ASSERT_EQ(field.Simulated.size(), 1u);
    TCellPos cell;
    ASSERT_TRUE(field.CellAt(field.Simulated[0].X, field.Simulated[0].Y, cell));
    EXPECT_EQ(field.CursorIndex, field.CellToIndex(cell.Col, cell.Row));
    EXPECT_TRUE(field.Cell(cell.Col, cell.Row).Cleared);
    EXPECT_TRUE(host.ClockOn);
}

TEST_F(ModelTest, CursorSurvivesAsALinearIndex)
{
    host.KeyboardNavigation = true;
    Deal(10, 10, 0);
    field.SetKeyboardCursor(true);
    field.MoveCursorTo(7, 5); // index 57
    ASSERT_EQ(field.CursorIndex, 57);

    Deal(20, 10, 0);
    EXPECT_EQ(field.CursorIndex, 57);
    EXPECT_EQ(field.IndexToCell(57), (TCellPos{17, 2}));
    EXPECT_TRUE(field.Cell(17, 2).HasCursor);

    Deal(19, 3, 0); // 57 cells: index 57 no longer exists, the cursor goes to 0
    EXPECT_EQ(field.CursorIndex, 0);
    EXPECT_TRUE(field.Cell(0, 0).HasCursor);
}

TEST_F(ModelTest, FreeClickDropsTheKeptCursor)
{
    host.KeyboardNavigation = true;
    Deal(10, 10, 0);
    field.SetKeyboardCursor(true);
    field.MoveCursorTo(7, 5);
    host.FreeClick = true;
    Deal(10, 10, 99, true);
    const auto bombs = field.BombIndices();
    int safe = 0;
    while (std::find(bombs.begin(), bombs.end(), safe) != bombs.end())
        ++safe;
    EXPECT_EQ(field.CursorIndex, safe);
    EXPECT_FALSE(field.Cell(7, 5).HasCursor && safe != 57);
    int cursors = 0;
    for (int i = 0; i < field.CellCount(); ++i)
        cursors += field.CellAtIndex(i).HasCursor;
    EXPECT_EQ(cursors, 1);
}

TEST_F(ModelTest, CornerModeStartsWithTheTopLeftCellOpenAndTheCursorOnIt)
{
    host.KeyboardNavigation = true;
    field.SetPlayMode("CornerToCorner"); // the mode compares without letter case
    Deal(10, 10, 20, true);
    EXPECT_TRUE(field.Cell(0, 0).Cleared);
    EXPECT_EQ(field.CursorIndex, 0);
    EXPECT_FALSE(field.StartClick);
    EXPECT_TRUE(host.ClockOn);
}

struct MarkerCase {
    const char* Text;
    const char* Expected;
};

TEST(PreferredMarkerTest, KeepsFlagCutsWordsAndDefaultsToAt)
{
    FakeHost host;
    FixedTime time;
    FakeField field(host, time);
    for (const MarkerCase& c : {MarkerCase{"@", "@"}, MarkerCase{"Flag", "Flag"}, MarkerCase{"FLAG", "FLAG"},
                                MarkerCase{"flag", "flag"}, MarkerCase{"Bomb", "B"}, MarkerCase{"", "@"},
                                MarkerCase{"#", "#"}, MarkerCase{"\xC3\xA9t\xC3\xA9", "\xC3\xA9"}}) {
        field.SetPreferredMarker(c.Text);
        EXPECT_EQ(field.PreferredMarker(), c.Expected) << '"' << c.Text << '"';
    }
}

TEST_F(ModelTest, DimensionsTakeEffectOnlyWithTheNextGrid)
{
    host.KeyboardNavigation = true;
    Deal(10, 10, 10);
    field.SetKeyboardCursor(true);
    field.MoveCursorTo(9, 9);
    field.SetSlotsAcross(100);
    field.SetSlotsDown(60);
    EXPECT_EQ(field.CellCount(), 100); // the grid is still the old one
    field.SetKeyboardCursor(false);
    EXPECT_EQ(field.CursorIndex, -1);
    field.AllocateGrid();
    EXPECT_EQ(field.CellCount(), 6000);
}

} // namespace
