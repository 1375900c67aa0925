// The game history in the real program: a game won and one lost become rows
// of DravoltGames.sqlite as they must be, the history window replays one, and
// with the option off no file is made.
#include "e2e/E2eSupport.h"
#include "gamelog/Bbbv.h"
#include "gamelog/BoardCode.h"
#include "gamelog/GameDatabase.h"

#include <QFile>

#include <gtest/gtest.h>

#include <thread>

namespace {

constexpr std::uint32_t kNoon = 43'200'000; // 12:00:00.000 UTC
const char* const kFrozenNoon = "2026-12-08 12:00:00";
const QColor kSilver(192, 192, 192);
const QString kSettings = "[settings]\ninanimateButtons=1\nbackground=backgroundNone\nautoSaveSessionStats=1\n";

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

class HistoryTest : public ::testing::Test {
protected:
    TXServer x;
    std::unique_ptr<TGame> game;
    TKnownField field{kNoon, 10, 10, 10};

    void Start(const QString& settings)
    {
        ASSERT_TRUE(x.Running());
        game = std::make_unique<TGame>(x, TGame::TOptions{settings, kFrozenNoon});
        ASSERT_TRUE(game->Started());
    }
    QPoint Cell(int col, int row) const { return game->CellOnScreen(col, row, 10) + QPoint(8, 8); }
    // A left click that waits for its cell to open (the plain panel acts 50
    // ms after a press).
    void Uncover(int col, int row)
    {
        game->Click(Cell(col, row));
        Pause(60);
        if (!field.Bomb(col, row)) {
            EXPECT_TRUE(game->WaitForPixel(game->CellOnScreen(col, row, 10) + QPoint(2, 14), kSilver));
        }
        field.Uncover(col, row);
    }
    // Ends with the window showing the next game: the loss then stands.
    void NewGame()
    {
        game->Focus();
        game->Click(game->GoOnScreen(10));
        Pause(200);
    }
    std::vector<bool> Bombs() const
    {
        std::vector<bool> bombs;
        for (int row = 0; row < 10; ++row)
            for (int col = 0; col < 10; ++col)
                bombs.push_back(field.Bomb(col, row));
        return bombs;
    }
    std::vector<int> Mines() const
    {
        std::vector<int> mines;
        for (int i = 0; i < 100; ++i)
            if (field.Bomb(i % 10, i / 10))
                mines.push_back(i);
        return mines;
    }
};

TEST_F(HistoryTest, AWonAndALostGameAreRecordedAndReplayed)
{
    Start(kSettings);
    ASSERT_FALSE(QFile::exists(game->Folder() + "/DravoltGames.sqlite")); // made when the first game ends
    const QPoint first(4, 6);
    int clicks = 0;
    for (QPoint next = first; next.x() >= 0 && !field.Won(); next = field.NextSafeCovered(), ++clicks)
        Uncover(next.x(), next.y());
    ASSERT_TRUE(game->AnswerNamePrompt("Ann")); // a best time for 10 x 10
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(game->Folder() + "/DravoltGames.sqlite"); }));

    // The frozen clock deals the same board again: a bomb loses at once.
    NewGame();
    field = TKnownField(kNoon, 10, 10, 10);
    const int bomb = Mines().front();
    Uncover(bomb % 10, bomb / 10);
    NewGame(); // the loss can no longer be taken back

    TGameDatabase db;
    ASSERT_EQ(db.Open((game->Folder() + "/DravoltGames.sqlite").toStdString(), "today"), TDatabaseOpen::Ready);
    std::vector<TGameRow> rows;
    EXPECT_TRUE(WaitFor([&] { return (rows = db.Games()).size() == 2; }));
    ASSERT_EQ(rows.size(), 2u);
    const int bbbv = CountBbbv(10, 10, Bombs(), std::vector<bool>(100, false)).Total;
    const TGameRow& won = rows[0];
    EXPECT_EQ(won.Result, "won");
    EXPECT_EQ(won.EndedAt.substr(0, 19), "2026-12-08T12:00:00") << won.EndedAt;
    EXPECT_EQ(std::tie(won.Height, won.Width, won.Bombs, won.Mode), std::tuple(10, 10, 10, std::string("normal")));
    EXPECT_EQ(std::tie(won.Bbbv, won.BbbvDone), std::tuple(bbbv, bbbv));
    EXPECT_EQ(std::tie(won.LeftClicks, won.RightClicks, won.Chords), std::tuple(clicks, 0, 0));
    EXPECT_EQ(won.Start, first.x() + 10 * first.y());
    EXPECT_EQ(db.Game(won.Id)->Mines, MinesText(Mines()));
    const TGameRow& lost = rows[1];
    EXPECT_EQ(lost.Result, "lost");
    EXPECT_EQ(std::tie(lost.Bbbv, lost.BbbvDone, lost.LeftClicks, lost.Start), std::tuple(bbbv, 0, 1, bomb));
    EXPECT_GE(db.Game(won.Id)->Moves.size(), static_cast<std::size_t>(2 * clicks));

    // Game > History, the newest game selected: Replay opens a window of
    // its own over the history.
    game->Key("ctrl+h");
    unsigned long history = 0;
    ASSERT_TRUE(WaitFor([&] { return (history = game->OtherWindow()) != 0; }));
    x.Run("xdotool", {"windowfocus", "--sync", QString::number(history)});
    game->Key("alt+r");
    QString replay;
    ASSERT_TRUE(WaitFor([&] {
        replay = x.Run("xdotool", {"search", "--onlyvisible", "--name", "^Replay$"}).trimmed();
        return !replay.isEmpty();
    }));
    const QRect shown = game->WindowGeometry(replay.split('\n').first().toULong());
    EXPECT_GE(shown.width(), 160); // the replayed field: ten cells across
    SaveShot(game->Shot(), "history-replay");
    game->Key("Escape");
    Pause(200);
    game->Key("Escape");
    ASSERT_TRUE(WaitFor([&] { return game->OtherWindow() == 0; }));
}

TEST_F(HistoryTest, WithTheHistoryOffNoFileIsMade)
{
    Start(kSettings + "gameHistory=0\n");
    for (QPoint next(4, 6); next.x() >= 0 && !field.Won(); next = field.NextSafeCovered())
        Uncover(next.x(), next.y());
    ASSERT_TRUE(game->AnswerNamePrompt("Ann"));
    game->Focus();
    game->ExitThroughTheMenu();
    ASSERT_TRUE(game->WaitForExit());
    EXPECT_FALSE(QFile::exists(game->Folder() + "/DravoltGames.sqlite"));
    EXPECT_FALSE(game->ReadFile("Dravolt.ini").contains("gameHistory=1"));
}

} // namespace
