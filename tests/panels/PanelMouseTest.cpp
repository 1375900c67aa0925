// The mouse on both panels: the plain panel's 50 ms decision between single
// and dual clicks, the animated panel's press, drag and release, the pressed
// look, double clicks, the bevel and a disabled panel.
#include "panels/PanelTestSupport.h"
#include "settings/SettingsReader.h"

#include <QTest>

namespace {

using namespace PanelColours;

// QTest remembers which buttons are down across tests: let go of both.
template <typename Panel>
void ReleaseButtons(Panel& panel)
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
        QTest::mouseRelease(&panel, button, {}, QPoint(-50, -50));
}

struct PlainMouseTest : PanelFixture<TPanelMineField> {
    PlainMouseTest()
    {
        panel->resize(200, 100);
        panel->show();
    }
    ~PlainMouseTest() override { ReleaseButtons(*panel); }
    // The click timer's timeout, without waiting for it.
    void TimerFires()
    {
        ASSERT_TRUE(panel->ClickTimer.isActive());
        panel->ClickTimer.stop();
        panel->ClickTimerTimer();
    }
};

// (1,1) is a "2" between the bombs (0,0) and (2,0).
const std::vector<std::string> kTwoBombs = {"*.*.......", "..........", "..........", ".........."};

TEST_F(PlainMouseTest, SecondButtonWithinTheWaitMakesOneDualClickAtTheFirstPoint)
{
    Layout(kTwoBombs);
    panel->ToggleFlag(0, 0);
    panel->ToggleFlag(2, 0);
    panel->Cell(1, 1).Cleared = panel->Cell(1, 1).Shown = true;
    QTest::mousePress(panel.get(), Qt::LeftButton, {}, Centre(1, 1));
    QTest::mousePress(panel.get(), Qt::RightButton, {}, Centre(7, 3)); // "30 ms later"
    TimerFires();
    EXPECT_FALSE(panel->Cell(7, 3).Marker == "Flag");
    EXPECT_TRUE(panel->Cell(1, 2).Cleared) << "the chord opened the neighbours of the first point";
    EXPECT_FALSE(panel->LeftArmed);
    EXPECT_FALSE(panel->RightArmed);
}

TEST_F(PlainMouseTest, SecondButtonAfterTheWaitIsAClickOfItsOwn)
{
    Layout(kTwoBombs);
    QTest::mousePress(panel.get(), Qt::LeftButton, {}, Centre(1, 1));
    TimerFires(); // "80 ms later" the left click has already run
    EXPECT_TRUE(panel->Cell(1, 1).Cleared);
    QTest::mousePress(panel.get(), Qt::RightButton, {}, Centre(7, 3));
    TimerFires();
    EXPECT_EQ(panel->Cell(7, 3).Marker, "Flag");
    EXPECT_EQ(panel->ClearedCount, 1);
}

TEST_F(PlainMouseTest, TheTimerReallyDecidesAfterFiftyMilliseconds)
{
    Layout(kTwoBombs);
    QTest::mousePress(panel.get(), Qt::LeftButton, {}, Centre(5, 3));
    EXPECT_FALSE(panel->Cell(5, 3).Shown) << "nothing happens before the wait";
    QTRY_VERIFY(panel->Cell(5, 3).Cleared);
    // Holding the button does not repeat the click; the release does nothing.
    const int cleared = panel->ClearedCount;
    QTest::qWait(120);
    QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, Centre(5, 3));
    QTest::qWait(80);
    EXPECT_EQ(panel->ClearedCount, cleared);
    EXPECT_FALSE(panel->ClickTimer.isActive());
}

TEST_F(PlainMouseTest, ADoubleClickActsOnce)
{
    Layout(kTwoBombs);
    // The second press of a double click arrives as a double-click event.
    QTest::mouseClick(panel.get(), Qt::RightButton, {}, Centre(6, 2));
    TimerFires();
    QTest::mouseDClick(panel.get(), Qt::RightButton, {}, Centre(6, 2));
    EXPECT_FALSE(panel->ClickTimer.isActive());
    EXPECT_FALSE(panel->RightArmed);
    EXPECT_EQ(panel->Cell(6, 2).Marker, "Flag") << "the second press would have removed the flag";
    EXPECT_EQ(panel->BombsLeft(), 1);
}

TEST_F(PlainMouseTest, BevelMapsToTheFirstCellAndBeyondTheGridNothing)
{
    Layout(kTwoBombs);
    QTest::mousePress(panel.get(), Qt::RightButton, {}, QPoint(1, 1)); // in the bevel
    TimerFires();
    EXPECT_EQ(panel->Cell(0, 0).Marker, "Flag");
    QTest::mousePress(panel.get(), Qt::RightButton, {}, QPoint(3 + 160 + 1, 20)); // right of the grid
    TimerFires();
    QTest::mousePress(panel.get(), Qt::LeftButton, {}, QPoint(20, 3 + 64 + 1)); // below it
    TimerFires();
    EXPECT_EQ(panel->BombsLeft(), 1);
    EXPECT_EQ(panel->ClearedCount, 0);
}

TEST_F(PlainMouseTest, DisabledPanelTakesNoInput)
{
    Layout(kTwoBombs);
    panel->SetEnabled(false);
    QTest::mousePress(panel.get(), Qt::LeftButton, {}, Centre(5, 3));
    EXPECT_FALSE(panel->ClickTimer.isActive());
    EXPECT_FALSE(panel->LeftArmed);
}

struct AnimatedMouseTest : PanelFixture<TPanelMineFieldAnimatedButtons> {
    AnimatedMouseTest()
    {
        panel->resize(200, 100);
        panel->show();
    }
    ~AnimatedMouseTest() override { ReleaseButtons(*panel); }
    // A pressed cell looks open and empty: silver with grey right and bottom edges.
    bool LooksPressed(int col, int row)
    {
        return Px(col, row, 5, 5) == Silver && Px(col, row, 0, 0) == Silver && Px(col, row, 15, 5) == Grey;
    }
    bool LooksCovered(int col, int row) { return Px(col, row, 0, 0) == Light && Px(col, row, 5, 5) == Face; }
};

TEST_F(AnimatedMouseTest, PressDragReleaseUncoversTheCellUnderThePointer)
{
    Layout(kTwoBombs);
    QTest::mousePress(panel.get(), Qt::LeftButton, {}, Centre(1, 1));
    EXPECT_TRUE(LooksPressed(1, 1));
    EXPECT_FALSE(panel->Cell(1, 1).Shown) << "pressing changes no cell";
    QTest::mouseMove(panel.get(), Centre(3, 1));
    EXPECT_TRUE(LooksCovered(1, 1));
    EXPECT_TRUE(LooksPressed(3, 1));
    EXPECT_EQ(panel->PressedCell, (TCellPos{3, 1}));
    QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, Centre(3, 1));
    EXPECT_TRUE(panel->Cell(3, 1).Cleared);
    EXPECT_EQ(panel->ClearedCount, 1);
    EXPECT_FALSE(panel->Cell(1, 1).Shown);
    EXPECT_EQ(panel->PressedCell, (TCellPos{-1, -1}));
}

TEST_F(AnimatedMouseTest, AtEveryZoomAClickActsOnTheCellUnderIt)
{
    for (int zoom : kZoomPercents) {
        const int cell = 16 * zoom / 100;
        panel->SetCellWidth(cell);
        panel->SetCellHeight(cell);
        Layout(kTwoBombs);
        panel->resize(panel->sizeHint());
        // The centre of the "2" at (1,1), then the last pixel of the "1" at
        // (3,1), which a 16-pixel grid would give to another cell.
        const TPoint two = panel->CellOrigin(1, 1);
        const TPoint one = panel->CellOrigin(3, 1);
        for (const QPoint& p : {QPoint(two.X + cell / 2, two.Y + cell / 2), QPoint(one.X + cell - 1, one.Y + cell - 1)}) {
            QTest::mousePress(panel.get(), Qt::LeftButton, {}, p);
            QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, p);
        }
        EXPECT_TRUE(panel->Cell(1, 1).Cleared) << zoom;
        EXPECT_TRUE(panel->Cell(3, 1).Cleared) << zoom;
        EXPECT_EQ(panel->ClearedCount, 2) << zoom;
        EXPECT_EQ(panel->Canvas().size(), panel->sizeHint()) << zoom;
    }
}

TEST_F(AnimatedMouseTest, LeavingThePanelCancelsThePressForGood)
{
    Layout(kTwoBombs);
    panel->LeftDown(Centre(5, 2).x(), Centre(5, 2).y(), false);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(panel.get(), &leave);
    EXPECT_TRUE(LooksCovered(5, 2));
    EXPECT_FALSE(panel->LeftArmed);
    // Coming back before the release does not arm the click again.
    panel->MoveWithLeftHeld(Centre(5, 2).x(), Centre(5, 2).y(), false);
    panel->LeftUp(Centre(5, 2).x(), Centre(5, 2).y(), false);
    EXPECT_FALSE(panel->Cell(5, 2).Shown);
}

TEST_F(AnimatedMouseTest, DraggingPastTheEdgeCancelsLikeLeaving)
{
    Layout(kTwoBombs);
    QTest::mousePress(panel.get(), Qt::LeftButton, {}, Centre(5, 2));
    QTest::mouseMove(panel.get(), QPoint(-30, 20));
    QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, QPoint(-30, 20));
    EXPECT_TRUE(LooksCovered(5, 2));
    EXPECT_EQ(panel->ClearedCount, 0);
}

// Every crossing of the panel's edge with the button held counts as leaving,
// also a release outside that no move reported first, where the truncating hit
// test still finds row or column 0.
TEST_F(AnimatedMouseTest, EveryExitWithTheButtonHeldLeavesNoCellPressed)
{
    struct ExitCase {
        const char* Name;
        std::vector<QPoint> Moves; // after the press on (5,2)
        QPoint Release;
    };
    const QPoint out(-30, 20);
    const ExitCase cases[] = {
        {"out, back onto another cell, out again", {out, Centre(7, 2), out}, out},
        {"back onto another cell, released just above", {out, Centre(3, 0)}, QPoint(Centre(3, 0).x(), -5)},
        {"released just above", {}, QPoint(Centre(5, 2).x(), -5)},
        {"released just left", {}, QPoint(-5, Centre(5, 2).y())},
    };
    const auto allCovered = [this] {
        for (int col = 0; col < 10; ++col)
            for (int row = 0; row < 4; ++row)
                if (!LooksCovered(col, row))
                    return false;
        return true;
    };
    for (const ExitCase& c : cases) {
        Layout(kTwoBombs);
        QTest::mousePress(panel.get(), Qt::LeftButton, {}, Centre(5, 2));
        for (const QPoint& p : c.Moves)
            QTest::mouseMove(panel.get(), p);
        if (!c.Moves.empty() && !panel->rect().contains(c.Moves.back())) {
            EXPECT_TRUE(allCovered()) << c.Name << ": while the pointer is outside";
        }
        QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, c.Release);
        EXPECT_TRUE(allCovered()) << c.Name;
        EXPECT_EQ(panel->ClearedCount, 0) << c.Name;
        EXPECT_EQ(panel->PressedCell, (TCellPos{-1, -1})) << c.Name;
    }
}

TEST_F(AnimatedMouseTest, BothButtonsPressTheBlockAndTheFirstReleaseChords)
{
    Layout(kTwoBombs);
    panel->CycleMarker(0, 0);
    panel->CycleMarker(2, 0);
    panel->Cell(1, 1).Cleared = panel->Cell(1, 1).Shown = true;
    panel->RedrawCell(1, 1);
    const QPoint p = Centre(1, 1);
    panel->LeftDown(p.x(), p.y(), false);
    panel->RightDown(p.x(), p.y(), true);
    EXPECT_TRUE(panel->BlockPressed);
    EXPECT_FALSE(panel->LeftArmed);
    EXPECT_TRUE(LooksPressed(0, 2));
    EXPECT_TRUE(LooksPressed(2, 1));
    panel->LeftUp(p.x(), p.y(), true);
    EXPECT_TRUE(panel->Cell(0, 2).Cleared);
    EXPECT_TRUE(panel->Cell(2, 2).Cleared);
    const int cleared = panel->ClearedCount;
    panel->RightUp(p.x(), p.y(), false);
    EXPECT_EQ(panel->ClearedCount, cleared);
    EXPECT_FALSE(panel->BlockPressed);
}

TEST_F(AnimatedMouseTest, LeftReleaseWithRightHeldRestoresTheBlockOverACoveredCell)
{
    Layout(kTwoBombs);
    const QPoint p = Centre(5, 2);
    panel->LeftDown(p.x(), p.y(), true);
    EXPECT_TRUE(LooksPressed(4, 1));
    panel->LeftUp(p.x(), p.y(), true);
    for (int col = 4; col <= 6; ++col)
        for (int row = 1; row <= 3; ++row)
            EXPECT_TRUE(LooksCovered(col, row)) << col << "," << row;
    EXPECT_EQ(panel->ClearedCount, 0);
}

TEST_F(AnimatedMouseTest, BlockFollowsTheDragWithBothButtons)
{
    Layout(kTwoBombs);
    panel->LeftDown(Centre(5, 2).x(), Centre(5, 2).y(), true);
    panel->MoveWithLeftHeld(Centre(7, 2).x(), Centre(7, 2).y(), true);
    EXPECT_TRUE(LooksCovered(4, 2));
    EXPECT_TRUE(LooksCovered(5, 1));
    EXPECT_TRUE(LooksPressed(6, 1));
    EXPECT_TRUE(LooksPressed(8, 3));
}

TEST_F(AnimatedMouseTest, PressOnAFlagDrawsNoPressedLook)
{
    Layout(kTwoBombs);
    panel->CycleMarker(5, 2);
    panel->LeftDown(Centre(5, 2).x(), Centre(5, 2).y(), false);
    EXPECT_EQ(Px(5, 2, 0, 0), Light);
    panel->LeftUp(Centre(5, 2).x(), Centre(5, 2).y(), false);
    EXPECT_FALSE(panel->Cell(5, 2).Shown);
}

TEST_F(AnimatedMouseTest, UndecidedOptionPressesWithAQuestionMark)
{
    host.Undecided = true;
    Layout(kTwoBombs);
    panel->LeftDown(Centre(5, 2).x(), Centre(5, 2).y(), false);
    bool mark = false;
    for (int dy = 3; dy < 15; ++dy)
        for (int dx = 5; dx < 14; ++dx)
            mark |= Px(5, 2, dx, dy) == Text;
    EXPECT_TRUE(mark);
    EXPECT_EQ(panel->Cell(5, 2).FaceText, "") << "the mark is drawn only";
}

TEST_F(AnimatedMouseTest, RightPressCyclesAtOnceAndNeverStartsTheClock)
{
    Layout(kTwoBombs);
    QTest::mousePress(panel.get(), Qt::RightButton, {}, Centre(5, 2));
    EXPECT_EQ(panel->Cell(5, 2).Marker, "Flag");
    QTest::mouseRelease(panel.get(), Qt::RightButton, {}, Centre(5, 2));
    EXPECT_EQ(panel->Cell(5, 2).Marker, "Flag");
    EXPECT_EQ(host.ClockStarts, 0);
}

TEST_F(AnimatedMouseTest, ADoubleClickUncoversOnceAndTheSecondPressArmsNothing)
{
    Layout(kTwoBombs);
    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, Centre(3, 1));
    QTest::mouseDClick(panel.get(), Qt::LeftButton, {}, Centre(3, 1));
    EXPECT_TRUE(panel->Cell(3, 1).Cleared);
    EXPECT_EQ(panel->ClearedCount, 1);
    EXPECT_FALSE(panel->LeftArmed);
}

TEST_F(AnimatedMouseTest, CornerModeRefusedReleaseLeavesThePressedLook)
{
    panel->SetPlayMode("cornerToCorner");
    Layout(kTwoBombs);
    panel->LeftDown(Centre(6, 3).x(), Centre(6, 3).y(), false);
    panel->LeftUp(Centre(6, 3).x(), Centre(6, 3).y(), false);
    EXPECT_FALSE(panel->Cell(6, 3).Shown);
    EXPECT_TRUE(LooksPressed(6, 3));
}

TEST_F(AnimatedMouseTest, SimulatedClickUncoversWithoutAPressedLookFirst)
{
    Layout(kTwoBombs);
    panel->SimulateLeftClick(Centre(5, 3).x(), Centre(5, 3).y());
    EXPECT_TRUE(panel->Cell(5, 3).Cleared);
    EXPECT_FALSE(panel->LeftArmed);
}

} // namespace
