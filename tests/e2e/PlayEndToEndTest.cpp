// Whole games in the real window on the layout that the frozen clock deals:
// by mouse, by keyboard, with a loss taken back, on the animated panel, with a
// size change, the statistics view and a close that saves the session.
#include "e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace {

constexpr std::uint32_t kNoon = 43'200'000; // 12:00:00.000 UTC
const char* const kFrozenNoon = "2026-12-08 12:00:00";
const QColor kSilver(192, 192, 192);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

class PlayTest : public ::testing::Test {
protected:
    TXServer x;
    std::unique_ptr<TGame> game;
    TKnownField field{kNoon, 10, 10, 10};
    QColor face; // a covered cell's interior, read from the screen at the start

    void Start(const QString& settings, int rows = 10, int scaleFactor = 1)
    {
        ASSERT_TRUE(x.Running());
        TGame::TOptions options{settings, kFrozenNoon};
        options.ScaleFactor = scaleFactor;
        game = std::make_unique<TGame>(x, options);
        ASSERT_TRUE(game->Started());
        face = game->Pixel(game->CellOnScreen(0, 0, rows) + QPoint(6, 6));
    }
    QPoint Cell(int col, int row, int dx = 8, int dy = 8) const
    {
        return game->CellOnScreen(col, row, field.Down()) + QPoint(dx, dy);
    }
    QColor At(int col, int row, int dx, int dy) const { return game->Pixel(Cell(col, row, dx, dy)); }
    // Whether a colour appears in the text box of a cell's face.
    bool FaceShows(const QImage& shot, int col, int row, const QColor& colour) const
    {
        for (int dy = 1; dy < 14; ++dy)
            for (int dx = 2; dx < 13; ++dx)
                if (shot.pixelColor(Cell(col, row, dx, dy)) == colour)
                    return true;
        return false;
    }
    // The plain panel decides 50 ms after a press, and two presses within that
    // time make one click: every click waits for its effect on the screen.
    void LeftClick(int col, int row)
    {
        game->Click(Cell(col, row), 1);
        Pause(60);
        if (!field.Bomb(col, row)) {
            EXPECT_TRUE(game->WaitForPixel(Cell(col, row, 2, 14), kSilver)) << "open " << col << "," << row;
        }
    }
    void RightClick(int col, int row)
    {
        const bool flagged = !field.Flagged(col, row);
        game->Click(Cell(col, row), 3);
        Pause(60);
        EXPECT_TRUE(game->WaitForPixel(Cell(col, row, 5, 3), flagged ? kRed : face)) << "flag " << col << "," << row;
    }
    void DualClick(int col, int row)
    {
        game->MoveTo(Cell(col, row));
        x.Run("xdotool", {"mousedown", "1", "mousedown", "3", "mouseup", "1", "mouseup", "3"});
        Pause(60);
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                const int c = col + dc;
                const int r = row + dr;
                if (c >= 0 && c < 10 && r >= 0 && r < 10 && !field.Bomb(c, r) && !field.Open(c, r)) {
                    EXPECT_TRUE(game->WaitForPixel(Cell(c, r, 2, 14), kSilver)) << "chord opens " << c << "," << r;
                    return;
                }
            }
    }
    QImage CounterShot() const { return game->Shot().copy(QRect(game->CounterOnScreen(field.Down()), QSize(55, 23))); }
    QImage ClockShot() const { return game->Shot().copy(QRect(game->ClockOnScreen(field.Down()), QSize(55, 23))); }
    void AnswerNamePrompt(const QString& name)
    {
        ASSERT_TRUE(game->AnswerNamePrompt(name));
    }
    void ExitThroughTheMenu() { game->ExitThroughTheMenu(); }
    // Flags every bomb next to an open number with right clicks, then plays
    // dual clicks and single clicks until the model says the game is won.
    void PlayToTheEndByMouse()
    {
        for (int step = 0; step < 200 && !field.Won(); ++step) {
            const QPoint chord = field.ChordCandidate();
            if (chord.x() >= 0) {
                DualClick(chord.x(), chord.y());
                field.Chord(chord.x(), chord.y());
                continue;
            }
            const QPoint next = field.NextSafeCovered();
            LeftClick(next.x(), next.y());
            field.Uncover(next.x(), next.y());
        }
    }
    void FlagBombsNextToOpenCells()
    {
        for (int row = 0; row < field.Down(); ++row)
            for (int col = 0; col < field.Across(); ++col) {
                if (!field.Bomb(col, row) || field.Flagged(col, row))
                    continue;
                bool touchesOpen = false;
                for (int dr = -1; dr <= 1; ++dr)
                    for (int dc = -1; dc <= 1; ++dc) {
                        const int c = col + dc;
                        const int r = row + dr;
                        touchesOpen |= c >= 0 && c < 10 && r >= 0 && r < 10 && field.Open(c, r);
                    }
                if (touchesOpen) {
                    RightClick(col, row);
                    field.ToggleFlag(col, row);
                }
            }
    }
};

TEST_F(PlayTest, MouseGameOnThePlainPanelWithADualClick)
{
    Start("[settings]\ninanimateButtons=1\nbackground=backgroundNone\n");
    const QImage counterAtStart = CounterShot();
    const QImage clockAtStart = ClockShot();

    // (4,6) opens an empty area; the numbers around it show their colours.
    LeftClick(4, 6);
    field.Uncover(4, 6);
    ASSERT_TRUE(game->WaitForPixel(Cell(4, 6, 2, 14), kSilver));
    const QImage shot = game->Shot();
    EXPECT_TRUE(FaceShows(shot, 3, 5, kBlue));   // a "1"
    EXPECT_TRUE(FaceShows(shot, 2, 5, kRed));    // the "3" among three bombs
    EXPECT_TRUE(FaceShows(shot, 1, 6, kGreen));  // a "2"
    EXPECT_EQ(shot.pixelColor(Cell(7, 3, 6, 6)), face) << "covered cells stay raised";

    FlagBombsNextToOpenCells();
    EXPECT_EQ(At(3, 4, 5, 3), kRed) << "the flag's cloth";
    EXPECT_NE(CounterShot(), counterAtStart) << "the counter follows the flags";
    ASSERT_TRUE(WaitFor([&] { return ClockShot() != clockAtStart; }, std::chrono::seconds(3)));

    const QPoint chord = field.ChordCandidate();
    ASSERT_GE(chord.x(), 0) << "the layout offers a dual click";
    DualClick(chord.x(), chord.y());
    field.Chord(chord.x(), chord.y());

    PlayToTheEndByMouse();
    ASSERT_TRUE(field.Won());
    AnswerNamePrompt("Mouse");
    const QImage won = game->Shot();
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 10; ++col) {
            if (field.Bomb(col, row))
                EXPECT_EQ(won.pixelColor(Cell(col, row, 5, 3)), kRed) << "every bomb is flagged at the win";
            else
                EXPECT_EQ(won.pixelColor(Cell(col, row, 2, 14)), kSilver) << col << "," << row;
        }
    SaveShot(won.copy(game->Geometry()), "mouse-win");
    game->Key("alt+o");
    game->Key("a"); // auto-save, so that the close asks nothing
    ExitThroughTheMenu();
    ASSERT_TRUE(game->WaitForExit());
    EXPECT_TRUE(game->ReadFile("Dravolt.ini").contains("[names]\n[0]=Mouse\n"));
}

TEST_F(PlayTest, KeyboardGameWithALossAndSpaceOnGo)
{
    Start("[settings]\ninanimateButtons=1\nkeyboardNavigation=1\nbackground=backgroundNone\n");
    EXPECT_EQ(At(0, 0, 0, 5), QColor(0, 0, 128)) << "the cursor starts on the top-left cell";
    QPoint cursor(0, 0);
    const auto go = [&](int col, int row) {
        QStringList keys;
        for (; cursor.x() < col; cursor.rx()++)
            keys << "Right";
        for (; cursor.x() > col; cursor.rx()--)
            keys << "Left";
        for (; cursor.y() < row; cursor.ry()++)
            keys << "Down";
        for (; cursor.y() > row; cursor.ry()--)
            keys << "Up";
        if (!keys.isEmpty())
            game->Key(keys.join(' '));
    };
    // (2,0) holds a bomb: S on it loses; the arrows still move, space starts anew.
    go(2, 0);
    game->Key("s");
    ASSERT_TRUE(game->WaitForPixel(Cell(2, 0, 14, 14), kRed)) << "inside the cursor's frame";
    go(3, 0);
    EXPECT_TRUE(game->WaitForPixel(Cell(3, 0, 0, 5), QColor(0, 0, 128))) << "arrows move after a loss";
    game->Key("space");
    ASSERT_TRUE(game->WaitForPixel(Cell(2, 0, 6, 6), face)) << "a new game, the same layout";

    for (int step = 0; step < 300 && !field.Won(); ++step) {
        const QPoint chord = field.ChordCandidate();
        if (chord.x() >= 0) {
            go(chord.x(), chord.y());
            game->Key("d");
            field.Chord(chord.x(), chord.y());
            continue;
        }
        bool flagged = false;
        for (int row = 0; row < 10 && !flagged; ++row)
            for (int col = 0; col < 10 && !flagged; ++col)
                if (field.Bomb(col, row) && !field.Flagged(col, row) && field.Open(std::min(col + 1, 9), row)) {
                    go(col, row);
                    game->Key("f");
                    field.ToggleFlag(col, row);
                    flagged = true;
                }
        if (flagged)
            continue;
        const QPoint next = field.NextSafeCovered();
        go(next.x(), next.y());
        game->Key("s");
        field.Uncover(next.x(), next.y());
    }
    ASSERT_TRUE(field.Won());
    AnswerNamePrompt("Keys");
    EXPECT_EQ(At(6, 5, 2, 14), kSilver);
    SaveShot(game->Shot().copy(game->Geometry()), "keyboard-win");
}

TEST_F(PlayTest, OnAScreenScaledTwiceALossIsDrawnAtDevicePixels)
{
    Start("[settings]\ninanimateButtons=1\nbackground=backgroundNone\n", 10, 2);
    EXPECT_EQ(game->Geometry().width(), 2 * 182) << "the client area, in device pixels";
    LeftClick(4, 6); // opens an area with numbers around it
    field.Uncover(4, 6);
    game->Click(Cell(2, 0, 16, 16)); // a bomb
    ASSERT_TRUE(game->WaitForPixel(Cell(2, 0, 3, 3), kRed)) << "the exploded bomb on red";
    const QImage shot = game->Shot();
    SaveShot(shot.copy(game->Geometry()), "loss-scaled-twice");
    const auto px = [&](int col, int row, int dx, int dy) { return shot.pixelColor(Cell(col, row, dx, dy)); };

    // The bomb: a shape of its own size in one colour on the red.
    const QColor ink = px(2, 0, 15, 15); // the body's middle
    int glyph = 0;
    for (int dy = 0; dy < 30; ++dy)
        for (int dx = 0; dx < 30; ++dx) {
            const QColor c = px(2, 0, dx, dy);
            ASSERT_TRUE(c == kRed || c == ink) << dx << "," << dy;
            glyph += c == ink;
        }
    EXPECT_GT(glyph, 4 * 40);

    // A covered cell: its lines are two device pixels wide.
    const QPoint c = field.NextSafeCovered();
    ASSERT_GE(c.x(), 0);
    const QColor light = px(c.x(), c.y(), 0, 12);
    EXPECT_NE(light, face);
    EXPECT_EQ(px(c.x(), c.y(), 1, 12), light);
    EXPECT_EQ(px(c.x(), c.y(), 2, 12), face);
    EXPECT_EQ(px(c.x(), c.y(), 12, 1), light);
    EXPECT_EQ(px(c.x(), c.y(), 12, 2), face);
    EXPECT_EQ(px(c.x(), c.y(), 30, 12), px(c.x(), c.y(), 31, 12));
    EXPECT_NE(px(c.x(), c.y(), 30, 12), face);
    EXPECT_EQ(px(c.x(), c.y(), 29, 12), face);

    // The red "3": strokes of at least two device pixels, drawn at the size
    // rather than enlarged from 16-pixel cells (which would make every 2 x 2
    // block one colour).
    int solid = 0;
    int mixed = 0;
    for (int dy = 0; dy < 32; dy += 2)
        for (int dx = 0; dx < 32; dx += 2) {
            const int inks = (px(2, 5, dx, dy) == kRed) + (px(2, 5, dx + 1, dy) == kRed) +
                             (px(2, 5, dx, dy + 1) == kRed) + (px(2, 5, dx + 1, dy + 1) == kRed);
            solid += inks == 4;
            mixed += inks != 0 && inks != 4;
        }
    EXPECT_GT(solid, 0);
    EXPECT_GT(mixed, 0);
}

// The Dark theme in the real window on a screen scaled twice: the whole
// window dark, the field in the theme's colours, the loss drawn antialiased.
TEST_F(PlayTest, DarkThemeOnAScreenScaledTwicePlaysToALoss)
{
    Start("[settings]\ninanimateButtons=1\nbackground=backgroundNone\ntheme=dark\n", 10, 2);
    const QColor covered(84, 94, 112);
    const QColor open(36, 40, 48);
    const QColor hit(150, 44, 44);
    EXPECT_EQ(game->Geometry().width(), 2 * 182);
    EXPECT_EQ(At(0, 0, 16, 16), covered);
    game->Click(Cell(4, 6)); // opens an area with numbers around it
    field.Uncover(4, 6);
    EXPECT_TRUE(game->WaitForPixel(Cell(4, 6, 3, 3), open));
    game->Click(Cell(2, 0, 16, 16)); // a bomb
    ASSERT_TRUE(game->WaitForPixel(Cell(2, 0, 3, 3), hit)) << "the exploded bomb on the theme's red";
    const QImage shot = game->Shot();
    SaveShot(shot.copy(game->Geometry()), "dark-loss-scaled-twice");

    // Dark everywhere: the menu bar, the frames, the counters and the field.
    const QImage window = shot.copy(game->Geometry());
    double brightness = 0;
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x) {
            const QColor c = window.pixelColor(x, y);
            brightness += (c.red() + c.green() + c.blue()) / 3.0;
        }
    EXPECT_LT(brightness / (window.width() * window.height()), 80);
    EXPECT_LT(window.pixelColor(4, 4).lightness(), 80) << "the menu bar";
    EXPECT_EQ(shot.pixelColor(game->CounterOnScreen(field.Down()) + QPoint(4, 4)), QColor(14, 16, 20));

    // The bomb: antialiased edges between its ink and the red face.
    std::set<QRgb> shades;
    for (int dy = 0; dy < 32; ++dy)
        for (int dx = 0; dx < 32; ++dx)
            shades.insert(shot.pixel(Cell(2, 0, dx, dy)));
    EXPECT_GT(shades.size(), 6u);
    // A covered cell stays raised in the theme's colour.
    const QPoint c = field.NextSafeCovered();
    ASSERT_GE(c.x(), 0);
    EXPECT_EQ(shot.pixelColor(Cell(c.x(), c.y(), 16, 16)), covered);
}

TEST_F(PlayTest, LossUndoneWithCtrlZThenWon)
{
    Start("[settings]\ninanimateButtons=1\nbackground=backgroundNone\nautoSaveSessionStats=1\n");
    LeftClick(4, 6);
    field.Uncover(4, 6);
    LeftClick(3, 4); // a bomb
    ASSERT_TRUE(game->WaitForPixel(Cell(3, 4, 0, 14), kRed)) << "the exploded bomb";
    SaveShot(game->Shot().copy(game->Geometry()), "loss");
    game->Key("ctrl+z");
    ASSERT_TRUE(game->WaitForPixel(Cell(3, 4, 6, 6), face)) << "covered again";
    EXPECT_EQ(At(4, 6, 2, 14), kSilver) << "what was open before stays open";
    FlagBombsNextToOpenCells();
    PlayToTheEndByMouse();
    AnswerNamePrompt("Undo");
    ExitThroughTheMenu();
    ASSERT_TRUE(game->WaitForExit());
    // Lost, undone and won: one game, recorded as the win.
    const QString history = game->ReadFile("DravoltHistory.ini");
    EXPECT_TRUE(history.contains("\n1=0|0|")) << history.toStdString();
    EXPECT_FALSE(history.contains("\n2=")) << history.toStdString();
}

TEST_F(PlayTest, AnimatedPanelActsOnTheReleaseUnderThePointer)
{
    Start("[settings]\nbackground=backgroundNone\n");
    game->Press(Cell(3, 6), 1);
    ASSERT_TRUE(game->WaitForPixel(Cell(3, 6, 0, 0), kSilver)) << "drawn pressed";
    game->MoveTo(Cell(4, 6));
    ASSERT_TRUE(game->WaitForPixel(Cell(4, 6, 0, 0), kSilver)) << "the press follows the pointer";
    EXPECT_EQ(At(3, 6, 6, 6), face) << "the first cell is raised again";
    game->Release(1);
    ASSERT_TRUE(game->WaitForPixel(Cell(4, 6, 2, 14), kSilver));
    field.Uncover(4, 6);
    EXPECT_EQ(At(3, 6, 6, 6), kSilver) << "the empty cell opened its area";
    // A press that leaves the field before the release does nothing.
    const QPoint covered = field.NextSafeCovered();
    game->Press(Cell(covered.x(), covered.y()), 1);
    ASSERT_TRUE(game->WaitForPixel(Cell(covered.x(), covered.y(), 0, 0), kSilver));
    game->MoveTo(game->Geometry().topLeft() + QPoint(-20, -20));
    game->Release(1);
    Pause(200);
    EXPECT_EQ(At(covered.x(), covered.y(), 6, 6), face);
}

TEST_F(PlayTest, CornerToCornerGameIsWonAtTheFarCornerAndNeverABestTime)
{
    field = TKnownField(kNoon, 10, 10, 10, true);
    Start("[settings]\ncornerToCorner=1\ninanimateButtons=1\nbackground=backgroundNone\nautoSaveSessionStats=1\n");
    // The new game's start click has uncovered the top-left corner; a bomb
    // cell shows what covered looks like.
    ASSERT_TRUE(game->WaitForPixel(Cell(0, 0, 2, 14), kSilver));
    field.Uncover(0, 0);
    const int bomb = ExpectedBombs(kNoon, 10, 10, 10, true).front();
    face = At(bomb % 10, bomb / 10, 6, 6);
    const auto touchesOpen = [&](int col, int row) {
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc)
                if ((dc || dr) && col + dc >= 0 && col + dc < 10 && row + dr >= 0 && row + dr < 10 &&
                    field.Open(col + dc, row + dr))
                    return true;
        return false;
    };
    ASSERT_FALSE(touchesOpen(9, 9)) << "the start click should leave a way to go";

    // The far corner touches nothing cleared yet: a click there is refused.
    game->Click(Cell(9, 9));
    Pause(200);
    EXPECT_EQ(At(9, 9, 6, 6), face);

    // Each cell of the way touches the one before it, which is open by then.
    const std::vector<QPoint> path = field.SafePath({0, 0}, {9, 9});
    ASSERT_FALSE(path.empty()) << "the layout leaves a way to the far corner";
    for (const QPoint& p : path)
        if (!field.Open(p.x(), p.y())) {
            LeftClick(p.x(), p.y());
            field.Uncover(p.x(), p.y());
        }
    Pause(500);
    EXPECT_EQ(game->OtherWindow(), 0u) << "no name prompt: corner games are no best times";
    const QImage won = game->Shot();
    SaveShot(won.copy(game->Geometry()), "corner-win");
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 10; ++col) {
            if (field.Bomb(col, row)) {
                EXPECT_EQ(won.pixelColor(Cell(col, row, 5, 3)), kRed) << "every bomb is flagged at the win";
            }
        }
    // The win came with safe cells still covered, and the field takes no more clicks.
    const QPoint covered = field.NextSafeCovered();
    ASSERT_GE(covered.x(), 0);
    EXPECT_EQ(won.pixelColor(Cell(covered.x(), covered.y(), 6, 6)), face);
    game->Click(Cell(covered.x(), covered.y()));
    Pause(200);
    EXPECT_EQ(At(covered.x(), covered.y(), 6, 6), face);

    ExitThroughTheMenu();
    ASSERT_TRUE(game->WaitForExit());
    EXPECT_FALSE(game->ReadFile("Dravolt.ini").contains("[times]")) << game->ReadFile("Dravolt.ini").toStdString();
    EXPECT_TRUE(game->ReadFile("DravoltHistory.ini").contains("\n1=0|0|"))
        << game->ReadFile("DravoltHistory.ini").toStdString();
}

TEST_F(PlayTest, SizeDialogResizesTheWindow)
{
    Start("[settings]\n");
    const int menu = game->MenuHeight(10);
    game->Key("alt+g");
    game->Key("s");
    unsigned long dialog = 0;
    ASSERT_TRUE(WaitFor([&] { return (dialog = game->OtherWindow()) != 0; }));
    x.Run("xdotool", {"windowfocus", "--sync", QString::number(dialog)});
    game->Key("ctrl+a");
    x.Run("xdotool", {"type", "16"});
    game->Key("Tab ctrl+a");
    x.Run("xdotool", {"type", "30"});
    game->Key("Tab ctrl+a");
    x.Run("xdotool", {"type", "99"});
    game->Key("Return");
    ASSERT_TRUE(WaitFor([&] { return game->Geometry().width() == 16 * 30 + 22; }));
    // At 10 columns the menus take two rows; at 30 they fit one.
    EXPECT_EQ(game->Geometry().height(), 16 * 16 + 65 + menu / 2);
    game->Click(game->GameMenuOnScreen());
    Pause(200);
    game->Key("x");
    ASSERT_TRUE(game->WaitForExit());
    const QString settings = game->ReadFile("Dravolt.ini");
    EXPECT_TRUE(settings.contains("slotsDown=16\n") && settings.contains("slotsAcross=30\n") &&
                settings.contains("bombTotal=99\n"))
        << settings.toStdString();
}

TEST_F(PlayTest, StatisticsAfterTwoGamesAndAClosingThatSavesThem)
{
    Start("[settings]\ninanimateButtons=1\nbackground=backgroundNone\n");
    for (int game_ = 0; game_ < 2; ++game_) {
        LeftClick(2, 0); // a bomb
        ASSERT_TRUE(game->WaitForPixel(Cell(2, 0, 0, 14), kRed));
        game->Click(game->GoOnScreen(10));
        ASSERT_TRUE(game->WaitForPixel(Cell(2, 0, 6, 6), face));
    }
    game->Key("alt+g");
    game->Key("e"); // S&ession Stats...
    unsigned long view = 0;
    ASSERT_TRUE(WaitFor([&] { return (view = game->OtherWindow()) != 0; }));
    EXPECT_EQ(x.Run("xdotool", {"getwindowname", QString::number(view)}).trimmed(), "Stats");
    SaveShot(game->Shot().copy(game->WindowGeometry(view)), "stats");
    x.Run("xdotool", {"windowfocus", "--sync", QString::number(view)});
    game->Key("Return");
    ASSERT_TRUE(WaitFor([&] { return game->OtherWindow() == 0; }));
    game->Focus();

    ExitThroughTheMenu();
    unsigned long question = 0;
    ASSERT_TRUE(WaitFor([&] { return (question = game->OtherWindow()) != 0; }));
    x.Run("xdotool", {"windowfocus", "--sync", QString::number(question)});
    game->Key("y");
    ASSERT_TRUE(game->WaitForExit());
    EXPECT_EQ(game->ReadFile("DravoltHistory.ini"),
              "[session]\n0=20261208 - 12:00:00\n\n[20261208 - 12:00:00]\n2=10|10|0000\n1=10|10|0000\n\n");
}

} // namespace
