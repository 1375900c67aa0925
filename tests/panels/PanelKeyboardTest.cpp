// Keyboard play on both panels, as the window's key hook passes the keys on.
#include "panels/PanelTestSupport.h"

namespace {

using namespace PanelColours;

template <typename Panel>
struct KeyboardTest : PanelFixture<Panel> {
    KeyboardTest() { this->host.KeyboardNavigation = true; }
    // A press of a key the way the hook passes it: down, and up for S and D.
    void Press(int key)
    {
        this->panel->HandleNavigationKey(key, true);
        if (key == Qt::Key_S || key == Qt::Key_D)
            this->panel->HandleNavigationKey(key, false);
    }
    void CursorTo(int col, int row)
    {
        this->panel->SetKeyboardCursor(true);
        for (int c = 0; c < col; ++c)
            this->panel->HandleNavigationKey(Qt::Key_Right, true);
        for (int r = 0; r < row; ++r)
            this->panel->HandleNavigationKey(Qt::Key_Down, true);
    }
};

const std::vector<std::string> kField = {"*.*.......", "..........", "..........", "..........", ".........."};

using Panels = ::testing::Types<TPanelMineField, TPanelMineFieldAnimatedButtons>;
TYPED_TEST_SUITE(KeyboardTest, Panels);

TYPED_TEST(KeyboardTest, ArrowsMoveTheCursorAndStopAtTheEdges)
{
    this->Layout(kField);
    auto& panel = *this->panel;
    EXPECT_EQ(panel.CursorIndex, 0);
    struct Step {
        int Key;
        int Expected;
    };
    for (const Step& s : {Step{Qt::Key_Left, 0}, Step{Qt::Key_Up, 0}, Step{Qt::Key_Right, 1}, Step{Qt::Key_Down, 11},
                          Step{Qt::Key_Left, 10}, Step{Qt::Key_Left, 10}}) {
        EXPECT_TRUE(panel.HandleNavigationKey(s.Key, true)) << "arrows are always consumed";
        EXPECT_EQ(panel.CursorIndex, s.Expected);
    }
    for (int i = 0; i < 12; ++i)
        panel.HandleNavigationKey(Qt::Key_Right, true);
    EXPECT_EQ(panel.CursorIndex, 19) << "the last column keeps the cursor";
    for (int i = 0; i < 8; ++i)
        panel.HandleNavigationKey(Qt::Key_Down, true);
    EXPECT_EQ(panel.CursorIndex, 49);
    int cursors = 0;
    for (int i = 0; i < panel.CellCount(); ++i)
        cursors += panel.CellAtIndex(i).HasCursor;
    EXPECT_EQ(cursors, 1);
    EXPECT_EQ(this->Px(9, 4, 0, 0), Navy);
    EXPECT_EQ(this->Px(9, 3, 0, 0), Light) << "the old cursor cell was redrawn";
}

TYPED_TEST(KeyboardTest, SPressedOnceClearsOneCellOnce)
{
    this->Layout(kField);
    this->CursorTo(1, 0); // a "2"
    this->Press(Qt::Key_S);
    EXPECT_TRUE(this->panel->Cell(1, 0).Cleared);
    EXPECT_EQ(this->panel->ClearedCount, 1);
    EXPECT_TRUE(this->host.ClockOn);
}

TYPED_TEST(KeyboardTest, FlagKeyOnAFlagAndSOnAFlag)
{
    this->host.Undecided = true;
    this->Layout(kField);
    this->CursorTo(5, 3);
    this->Press(Qt::Key_F);
    EXPECT_EQ(this->panel->Cell(5, 3).Marker, "Flag");
    this->Press(Qt::Key_S);
    EXPECT_FALSE(this->panel->Cell(5, 3).Shown) << "S on a flag only redraws it";
    EXPECT_EQ(this->Px(5, 3, 0, 0), Navy);
    this->Press(Qt::Key_F);
    const bool animated = std::is_same_v<TypeParam, TPanelMineFieldAnimatedButtons>;
    EXPECT_EQ(this->panel->Cell(5, 3).Marker, animated ? "?" : "");
}

TYPED_TEST(KeyboardTest, DualClickKeyChordsOnANumber)
{
    this->Layout(kField);
    this->CursorTo(1, 0);
    this->Press(Qt::Key_S);
    this->panel->Cell(0, 0).Marker = this->panel->Cell(2, 0).Marker = "Flag";
    this->Press(Qt::Key_D);
    EXPECT_TRUE(this->panel->Cell(1, 1).Cleared);
    EXPECT_FALSE(this->host.Called("loss pending"));
}

TYPED_TEST(KeyboardTest, NoCursorMeansTheKeysAreNotConsumed)
{
    this->host.KeyboardNavigation = false;
    this->Layout(kField);
    for (int key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_S, Qt::Key_D, Qt::Key_F})
        EXPECT_FALSE(this->panel->HandleNavigationKey(key, true));
    EXPECT_EQ(this->panel->ClearedCount, 0);
}

TYPED_TEST(KeyboardTest, SwitchingTheOptionPlacesAndRemovesTheCursor)
{
    this->host.KeyboardNavigation = false;
    this->Layout(kField);
    EXPECT_EQ(this->panel->CursorIndex, -1);
    this->host.KeyboardNavigation = true;
    this->panel->SetKeyboardCursor(true);
    EXPECT_EQ(this->panel->CursorIndex, 0);
    EXPECT_EQ(this->Px(0, 0, 5, 15), Navy);
    this->panel->SetKeyboardCursor(false);
    EXPECT_EQ(this->panel->CursorIndex, -1);
    EXPECT_EQ(this->Px(0, 0, 5, 15), Shadow);
}

using AnimatedKeyboardTest = KeyboardTest<TPanelMineFieldAnimatedButtons>;

TEST_F(AnimatedKeyboardTest, HoldingDPressesTheBlockAndArrowsMoveIt)
{
    Layout(kField);
    CursorTo(5, 2);
    panel->HandleNavigationKey(Qt::Key_D, true);
    EXPECT_TRUE(panel->BlockPressed);
    EXPECT_EQ(Px(4, 1, 5, 5), Silver);
    panel->HandleNavigationKey(Qt::Key_Right, true);
    // The left column of the old block gets its look back; the new block is pressed.
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(Px(4, row, 5, 5), Face) << row;
        EXPECT_EQ(Px(7, row, 5, 5), Silver) << row;
    }
    EXPECT_EQ(panel->CursorIndex, panel->CellToIndex(6, 2));
    panel->HandleNavigationKey(Qt::Key_D, false);
    EXPECT_FALSE(panel->BlockPressed);
    for (int col = 5; col <= 7; ++col)
        for (int row = 1; row <= 3; ++row)
            EXPECT_EQ(Px(col, row, 5, 5), Face) << col << "," << row;
    EXPECT_EQ(panel->ClearedCount, 0) << "a dual release on a covered cell opens nothing";
}

TEST_F(AnimatedKeyboardTest, SDownPressesAndSUpUncovers)
{
    Layout(kField);
    CursorTo(6, 3);
    panel->HandleNavigationKey(Qt::Key_S, true);
    EXPECT_EQ(Px(6, 3, 5, 5), Silver);
    EXPECT_FALSE(panel->Cell(6, 3).Shown);
    panel->HandleNavigationKey(Qt::Key_S, false);
    EXPECT_TRUE(panel->Cell(6, 3).Cleared);
}

using PlainKeyboardTest = KeyboardTest<TPanelMineField>;

TEST_F(PlainKeyboardTest, ActionKeysSetTheClickPointToTheCursorCell)
{
    Layout(kField);
    CursorTo(3, 4);
    panel->HandleNavigationKey(Qt::Key_F, true);
    EXPECT_EQ(panel->ClickPoint, panel->CellOrigin(3, 4));
    EXPECT_EQ(panel->Cell(3, 4).Marker, "Flag");
}

} // namespace
