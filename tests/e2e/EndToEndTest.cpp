// The real program in a real window.
#include "e2e/E2eSupport.h"

#include <gtest/gtest.h>

namespace {

const QColor kSilver(192, 192, 192);

TEST(EndToEnd, StartsPlaysTogglesAnOptionAndSavesItOnExit)
{
    TXServer x;
    ASSERT_TRUE(x.Running());
    // 12:00:00.000 UTC deals bombs at 2, 14, 24, 37, 41, 43, 51, 70, 77, 96.
    TGame game(x, {.FakeTime = "2026-12-08 12:00:00"});
    ASSERT_TRUE(game.Started());
    const QRect window = game.Geometry();
    EXPECT_EQ(window.width(), 16 * 10 + 22);
    const int menu = game.MenuHeight(10);
    EXPECT_GE(menu, 10);
    EXPECT_LE(menu, 40);

    const QPoint cell = game.CellOnScreen(4, 6, 10);
    const QColor covered = game.Pixel(cell + QPoint(5, 5));
    EXPECT_NE(covered, kSilver);
    game.Click(game.GoOnScreen(10));
    game.Click(cell + QPoint(8, 8));
    EXPECT_TRUE(game.WaitForPixel(cell + QPoint(2, 14), kSilver));

    game.Key("alt+o");
    game.Key("h"); // S&how Numbers When Game Over
    game.Click(window.topLeft() + QPoint(20, menu / 2)); // "Game"
    game.Key("x");                                       // E&xit
    ASSERT_TRUE(game.WaitForExit());
    EXPECT_EQ(game.ExitCode(), 0);
    EXPECT_TRUE(game.ReadFile("Dravolt.ini").contains("accentClearedAreaUponLoss=1\n")) << game.ReadFile("Dravolt.ini").toStdString();
}

} // namespace
