// The real program in a real window.
#include "e2e/E2eSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    EXPECT_LE(menu, 80); // the menus wrap to a second row at 10 columns

    const QPoint cell = game.CellOnScreen(4, 6, 10);
    const QColor covered = game.Pixel(cell + QPoint(5, 5));
    EXPECT_NE(covered, kSilver);
    game.Click(game.GoOnScreen(10));
    game.Click(cell + QPoint(8, 8));
    EXPECT_TRUE(game.WaitForPixel(cell + QPoint(2, 14), kSilver));

    game.Key("alt+o");
    game.Key("h"); // S&how Numbers When Game Over
    game.Click(game.GameMenuOnScreen());
    game.Key("x");                                       // E&xit
    ASSERT_TRUE(game.WaitForExit());
    EXPECT_EQ(game.ExitCode(), 0);
    EXPECT_TRUE(game.ReadFile("Dravolt.ini").contains("accentClearedAreaUponLoss=1\n")) << game.ReadFile("Dravolt.ini").toStdString();
}

// The desktop's menu starts the game through the launcher in the home folder:
// the game gets its data folder, made when missing, and writes both files
// there, never loose into the home folder.
TEST(EndToEnd, LauncherStartsTheGameInItsDataFolder)
{
    TXServer x;
    ASSERT_TRUE(x.Running());
    const struct {
        const char* DataHome; // XDG_DATA_HOME, inside the home folder when Absolute; unset when empty
        bool Absolute;
        const char* Folder; // where the files must land, inside the home folder
    } cases[] = {
        {"", false, ".local/share/dravolt"},
        {"my data", true, "my data/dravolt"},
        {"my data", false, ".local/share/dravolt"}, // a relative path does not count
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("XDG_DATA_HOME=") + c.DataHome + (c.Absolute ? " (absolute)" : ""));
        QTemporaryDir home;
        const QDir homeDir(home.path());
        const QString dataHome = c.Absolute ? homeDir.filePath(c.DataHome) : QString(c.DataHome);
        TGame game(x, {.Home = home.path(), .DataHome = dataHome});
        ASSERT_TRUE(game.Started());
        game.Key("alt+o");
        game.Key("h"); // S&how Numbers When Game Over
        game.Click(game.GameMenuOnScreen());
        game.Key("x");                                                                 // E&xit
        ASSERT_TRUE(game.WaitForExit());
        EXPECT_EQ(game.ExitCode(), 0);

        QFile settings(QDir(homeDir.filePath(c.Folder)).filePath("Dravolt.ini"));
        ASSERT_TRUE(settings.open(QIODevice::ReadOnly)) << settings.fileName().toStdString();
        EXPECT_TRUE(settings.readAll().contains("accentClearedAreaUponLoss=1\n"));
        EXPECT_TRUE(QFileInfo::exists(QDir(homeDir.filePath(c.Folder)).filePath("DravoltHistory.ini")));
        EXPECT_FALSE(homeDir.exists("Dravolt.ini"));
        EXPECT_FALSE(homeDir.exists("DravoltHistory.ini"));
        if (*c.DataHome) {
            EXPECT_EQ(homeDir.exists(c.DataHome), c.Absolute);
        }
    }
}

} // namespace

namespace {

TEST(EndToEnd, ZeroBombWinAsksForANameShowsThePictureAndSavesBothFiles)
{
    TXServer x;
    ASSERT_TRUE(x.Running());
    TGame game(x, {.Settings = "[settings]\nbombTotal=0\nautoSaveSessionStats=1\n",
                   .FakeTime = "2026-12-08 12:00:00"});
    ASSERT_TRUE(game.Started());
    const QColor face = game.Pixel(game.CellOnScreen(5, 5, 10) + QPoint(6, 6));
    game.Click(game.CellOnScreen(5, 5, 10) + QPoint(8, 8));

    unsigned long prompt = 0;
    ASSERT_TRUE(WaitFor([&] { return (prompt = game.OtherWindow()) != 0; }));
    x.Run("xdotool", {"windowfocus", "--sync", QString::number(prompt)});
    x.Run("xdotool", {"type", "--delay", "30", "Ann=]"});
    game.Key("Return");
    ASSERT_TRUE(WaitFor([&] { return game.OtherWindow() == 0; }));

    // The built-in picture shows through the open cells; the grid lines stay.
    const QImage shot = game.Shot();
    int picture = 0;
    for (int col = 0; col < 10; ++col)
        for (int row = 0; row < 10; ++row) {
            const QColor c = shot.pixelColor(game.CellOnScreen(col, row, 10) + QPoint(7, 9));
            picture += c != face && c != QColor(192, 192, 192);
        }
    EXPECT_GT(picture, 60);
    EXPECT_EQ(shot.pixelColor(game.CellOnScreen(3, 4, 10) + QPoint(15, 5)), QColor(128, 128, 128));
    SaveShot(shot.copy(game.Geometry()), "win-picture");

    game.Click(game.GameMenuOnScreen());
    game.Key("x");
    ASSERT_TRUE(game.WaitForExit());
    const QString settings = game.ReadFile("Dravolt.ini");
    EXPECT_TRUE(settings.contains("[sizes]\n[0]=10.10.0\n")) << settings.toStdString();
    EXPECT_TRUE(settings.contains("[times]\n[0]=0\n")) << settings.toStdString();
    EXPECT_TRUE(settings.contains("[names]\n[0]=Ann=]\n")) << settings.toStdString();
    EXPECT_TRUE(settings.contains("[dates]\n[0]=2026 12 08, 12:00\n")) << settings.toStdString();
    EXPECT_EQ(game.ReadFile("DravoltHistory.ini"),
              "[session]\n0=20261208 - 12:00:00\n\n[20261208 - 12:00:00]\n1=0|0|0000\n\n");
}

// Under a window manager that frames it, the best-times view measures
// 421 x 727 with its frame, and OK stands at (335, 10) of the bottom panel.
TEST(EndToEnd, BestTimesViewMeasures421By727WithItsFrame)
{
    TXServer x(TXServer::TWindowManager::Framing);
    ASSERT_TRUE(x.Running());
    TGame game(x, {});
    ASSERT_TRUE(game.Started());
    game.Key("alt+g");
    game.Key("b"); // &Best Times...
    unsigned long view = 0;
    ASSERT_TRUE(WaitFor([&] { return (view = game.OtherWindow()) != 0; }));
    QMargins frame;
    ASSERT_TRUE(WaitFor([&] { return !(frame = game.FrameExtents(view)).isNull(); }));
    QRect client;
    EXPECT_TRUE(WaitFor([&] {
        client = game.WindowGeometry(view);
        return client.size().grownBy(frame) == QSize(421, 727);
    })) << client.width() << " x " << client.height() << " inside a frame of " << frame.left() << ", " << frame.top()
        << ", " << frame.right() << ", " << frame.bottom();
    // OK's border: the pixel left of it is the panel's, its own is darker.
    const QImage shot = game.Shot();
    SaveShot(shot.copy(client.marginsAdded(frame)), "best-times-framed");
    const QPoint ok = client.topLeft() + QPoint(335, client.height() - 41 + 10 + 12);
    EXPECT_NE(shot.pixelColor(ok), shot.pixelColor(ok - QPoint(1, 0)));
    EXPECT_EQ(shot.pixelColor(ok - QPoint(1, 0)), shot.pixelColor(ok - QPoint(3, 0)));
    game.Key("Return");
}

} // namespace
