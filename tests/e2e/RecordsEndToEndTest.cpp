// Records in the real program: several windows of the game in one folder,
// and a clock that runs to its limit.
#include "e2e/E2eSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <thread>

namespace {

const char* const kFrozenNoon = "2026-12-08 12:00:00";
const QColor kSilver(192, 192, 192);
const QColor kRed(255, 0, 0);

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

QString ReadText(const QTemporaryDir& folder, const char* name)
{
    QFile file(folder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteText(const QTemporaryDir& folder, const char* name, const QString& text)
{
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// Wins a game without bombs: the first click opens the whole field.
void WinAtOnce(const TGame& game, int rows)
{
    game.Click(game.CellOnScreen(3, 3, rows) + QPoint(8, 8));
}

// Window B sets a record for another size and toggles an option; window A
// sets a record after that. Both records and B's option stay, whichever
// window closes first.
TEST(RecordsEndToEnd, TwoWindowsInOneFolderKeepBothRecordsAndTheOption)
{
    for (const bool aClosesFirst : {true, false}) {
        TXServer x;
        ASSERT_TRUE(x.Running());
        QTemporaryDir folder;
        WriteText(folder, "Dravolt.ini", "[settings]\nbombTotal=0\nautoSaveSessionStats=1\nbackground=backgroundNone\n");
        const TGame::TOptions options{.FakeTime = kFrozenNoon, .Folder = folder.path()};
        TGame a(x, options);
        TGame b(x, options);
        ASSERT_TRUE(a.Started() && b.Started());
        a.MoveWindow({0, 0});
        b.MoveWindow({500, 0});

        b.Focus();
        b.Key("alt+g");
        b.Key("s"); // &Size...
        unsigned long dialog = 0;
        ASSERT_TRUE(WaitFor([&] { return (dialog = b.OtherWindow()) != 0; }));
        x.Run("xdotool", {"windowfocus", "--sync", QString::number(dialog)});
        b.Key("ctrl+a");
        x.Run("xdotool", {"type", "12"});
        b.Key("Return");
        ASSERT_TRUE(WaitFor([&] { return b.OtherWindow() == 0 && b.MenuHeight(12) < 60; }));
        b.Focus();
        WinAtOnce(b, 12);
        ASSERT_TRUE(b.AnswerNamePrompt("Bea"));
        b.Key("alt+o");
        b.Key("h"); // S&how Numbers When Game Over: saved at close

        a.Focus();
        WinAtOnce(a, 10);
        ASSERT_TRUE(a.AnswerNamePrompt("Ann"));
        EXPECT_TRUE(WaitFor([&] { return ReadText(folder, "Dravolt.ini").contains("[1]=Ann\n"); }))
            << "saved at once\n" << ReadText(folder, "Dravolt.ini").toStdString();

        TGame& first = aClosesFirst ? a : b;
        TGame& second = aClosesFirst ? b : a;
        first.ExitThroughTheMenu();
        ASSERT_TRUE(first.WaitForExit());
        second.Focus();
        second.ExitThroughTheMenu();
        ASSERT_TRUE(second.WaitForExit());

        const QString settings = ReadText(folder, "Dravolt.ini");
        for (const char* line : {"[1]=10.10.0\n", "[0]=12.10.0\n", "[1]=Ann\n", "[0]=Bea\n",
                                 "accentClearedAreaUponLoss=1\n", "slotsDown=12\n"})
            EXPECT_TRUE(settings.contains(line)) << line << " missing, " << aClosesFirst << "\n"
                                                 << settings.toStdString();
        const QString history = ReadText(folder, "DravoltHistory.ini");
        EXPECT_TRUE(history.contains("0=20261208 - 12:00:00\n") && history.contains("1=20261208 - 12:00:01\n"))
            << history.toStdString();
    }
}

// Three windows play one, two and three games and close within the same
// second with auto-save on: three sessions, every game line present.
TEST(RecordsEndToEnd, ThreeWindowsClosingInOneSecondSaveThreeSessions)
{
    TXServer x;
    ASSERT_TRUE(x.Running());
    QTemporaryDir folder;
    WriteText(folder, "Dravolt.ini", "[settings]\nbombTotal=0\nautoSaveSessionStats=1\nbackground=backgroundNone\n");
    std::vector<std::unique_ptr<TGame>> games;
    for (int i = 0; i < 3; ++i) {
        games.push_back(std::make_unique<TGame>(x, TGame::TOptions{.FakeTime = kFrozenNoon, .Folder = folder.path()}));
        ASSERT_TRUE(games.back()->Started());
        games.back()->MoveWindow({400 * i, 0});
    }
    for (int i = 0; i < 3; ++i) {
        const TGame& game = *games[static_cast<std::size_t>(i)];
        game.Focus();
        for (int played = 0; played <= i; ++played) {
            const QPoint corner = game.CellOnScreen(3, 3, 10) + QPoint(2, 14);
            if (played > 0) {
                game.Click(game.GoOnScreen(10));
                ASSERT_TRUE(WaitFor([&] { return game.Pixel(corner) != kSilver; }));
            }
            WinAtOnce(game, 10);
            if (i == 0 && played == 0) {
                ASSERT_TRUE(game.AnswerNamePrompt("Ann")); // the later wins only equal it
            }
            ASSERT_TRUE(game.WaitForPixel(corner, kSilver));
        }
    }
    for (auto& game : games) {
        game->Focus();
        game->ExitThroughTheMenu();
    }
    for (auto& game : games)
        ASSERT_TRUE(game->WaitForExit());

    const QString history = ReadText(folder, "DravoltHistory.ini");
    for (const char* line : {"[session]\n0=20261208 - 12:00:00\n1=20261208 - 12:00:01\n2=20261208 - 12:00:02\n\n",
                             "[20261208 - 12:00:00]\n1=0|0|0000\n\n", "[20261208 - 12:00:01]\n2=0|0|0000\n1=0|0|0000\n\n",
                             "[20261208 - 12:00:02]\n3=0|0|0000\n2=0|0|0000\n1=0|0|0000\n\n"})
        EXPECT_TRUE(history.contains(line)) << line << "\n" << history.toStdString();
    // The game history is the only other file: nothing of the saves is left.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Dravolt.ini", "DravoltGames.sqlite", "DravoltHistory.ini"}));
}

// A's best time cannot be saved (the file is read-only for a while); B then
// saves one for another size. When A exits, its time goes to a free entry
// of the file as it is then: B's stays.
TEST(RecordsEndToEnd, ABestTimeNotSavedInTimeLeavesAnotherWindowsRecordAlone)
{
    TXServer x;
    ASSERT_TRUE(x.Running());
    QTemporaryDir folder;
    const QString settings = "[settings]\nbombTotal=0\nautoSaveSessionStats=1\nbackground=backgroundNone\n";
    WriteText(folder, "Dravolt.ini", settings);
    const TGame::TOptions options{.FakeTime = kFrozenNoon, .Folder = folder.path()};
    TGame a(x, options);
    ASSERT_TRUE(a.Started());
    WriteText(folder, "Dravolt.ini", settings + "slotsAcross=11\n");
    TGame b(x, options);
    ASSERT_TRUE(b.Started());
    a.MoveWindow({0, 0});
    b.MoveWindow({500, 0});

    const QString file = folder.filePath("Dravolt.ini");
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner));
    a.Focus();
    WinAtOnce(a, 10);
    // The prompt, then at once the message of the failed save.
    unsigned long prompt = 0;
    unsigned long failed = 0;
    ASSERT_TRUE(WaitFor([&] { return (prompt = a.OtherWindow()) != 0; }));
    x.Run("xdotool", {"windowfocus", "--sync", QString::number(prompt)});
    x.Run("xdotool", {"type", "Ann"});
    a.Key("Return");
    ASSERT_TRUE(WaitFor([&] { return (failed = a.OtherWindow()) != 0 && failed != prompt; }));
    x.Run("xdotool", {"windowfocus", "--sync", QString::number(failed)});
    a.Key("Return");
    ASSERT_TRUE(WaitFor([&] { return a.OtherWindow() == 0; }));
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    b.Focus();
    WinAtOnce(b, 10);
    ASSERT_TRUE(b.AnswerNamePrompt("Bea"));
    ASSERT_TRUE(WaitFor([&] { return ReadText(folder, "Dravolt.ini").contains("[0]=Bea\n"); }));
    for (TGame* game : {&a, &b}) {
        game->Focus();
        game->ExitThroughTheMenu();
        ASSERT_TRUE(game->WaitForExit());
    }

    const QString saved = ReadText(folder, "Dravolt.ini");
    for (const char* line : {"[0]=10.11.0\n", "[0]=Bea\n", "[1]=10.10.0\n", "[1]=Ann\n"})
        EXPECT_TRUE(saved.contains(line)) << line << " missing\n" << saved.toStdString();
}

// Both files as links to files not made yet: the game starts, makes the
// files the links name, and saves there at close.
TEST(RecordsEndToEnd, LinksToMissingFilesLeadToTheFilesTheyName)
{
    TXServer x;
    ASSERT_TRUE(x.Running());
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("kept"));
    ASSERT_TRUE(QFile::link("kept/settings.ini", folder.filePath("Dravolt.ini")));
    ASSERT_TRUE(QFile::link("kept/history.ini", folder.filePath("DravoltHistory.ini")));
    TGame game(x, {.FakeTime = kFrozenNoon, .Folder = folder.path()});
    ASSERT_TRUE(game.Started());
    game.Focus();
    game.Key("alt+o");
    game.Key("h"); // S&how Numbers When Game Over: saved at close
    game.ExitThroughTheMenu();
    ASSERT_TRUE(game.WaitForExit());

    EXPECT_TRUE(ReadText(folder, "kept/settings.ini").contains("accentClearedAreaUponLoss=1\n"))
        << ReadText(folder, "kept/settings.ini").toStdString();
    EXPECT_TRUE(QFileInfo(folder.filePath("kept/history.ini")).isFile());
    EXPECT_TRUE(QFileInfo(folder.filePath("Dravolt.ini")).isSymLink());
}

// The wall clock and the timers run 2000 times faster: a game reaches 9999
// seconds within seconds, and nothing starts the clock again in that game.
TEST(RecordsEndToEnd, TheClockStaysAt9999)
{
    TXServer x;
    ASSERT_TRUE(x.Running());
    constexpr int kRows = 1;
    TGame game(x, {.Settings = "[settings]\nslotsDown=1\nbombTotal=1\nautoSaveSessionStats=1\nbackground=backgroundNone\n",
                   .FakeTime = "+0 x2000",
                   .FakeTimers = true});
    ASSERT_TRUE(game.Started());
    const auto cell = [&](int col, int dx = 8, int dy = 8) { return game.CellOnScreen(col, 0, kRows) + QPoint(dx, dy); };
    const auto open = [&](const QImage& shot, int col) { return shot.pixelColor(cell(col, 2, 14)) == kSilver; };

    // The layout is whatever the sped-up clock deals: play until cell 0 is
    // safe and the bomb lies at 1 to 7, leaving two safe cells right of it.
    int bomb = -1;
    for (int attempt = 0; attempt < 40 && bomb < 0; ++attempt) {
        game.Click(game.GoOnScreen(kRows));
        Pause(150);
        game.Click(cell(0));
        Pause(300);
        if (game.OtherWindow() != 0) { // won at once: no record from this one
            game.Key("Escape");
            ASSERT_TRUE(WaitFor([&] { return game.OtherWindow() == 0; }));
            game.Focus();
            continue;
        }
        const QImage shot = game.Shot();
        if (!open(shot, 0))
            continue; // lost on the first click
        for (int col = 1; col < 10 && bomb < 0; ++col)
            if (!open(shot, col))
                bomb = col;
        if (bomb > 7)
            bomb = -1;
    }
    ASSERT_GE(bomb, 1) << "no usable layout dealt";

    // The clock has stopped when it stays the same for a real second, in
    // which 2000 seconds would pass on it.
    const auto clockStopped = [&] {
        const QRect clock(game.ClockOnScreen(kRows), QSize(55, 23));
        const QImage before = game.Shot().copy(clock);
        Pause(1000);
        return game.Shot().copy(clock) == before;
    };
    ASSERT_TRUE(WaitFor(clockStopped, std::chrono::seconds(60))) << "the clock never stopped";

    game.Click(cell(bomb + 1)); // a safe click
    ASSERT_TRUE(game.WaitForPixel(cell(bomb + 1, 2, 14), kSilver));
    EXPECT_TRUE(clockStopped());
    game.Click(cell(bomb)); // the loss
    ASSERT_TRUE(game.WaitForPixel(cell(bomb, 0, 14), kRed));
    game.Focus();
    game.Key("ctrl+z");
    ASSERT_TRUE(game.WaitForPixel(cell(bomb, 0, 14), game.Pixel(cell(bomb + 2, 0, 14))));
    EXPECT_TRUE(clockStopped());
    game.Click(cell(bomb + 2)); // opens the rest: the win
    ASSERT_TRUE(game.AnswerNamePrompt("Max"));
    game.ExitThroughTheMenu();
    ASSERT_TRUE(game.WaitForExit());

    EXPECT_TRUE(game.ReadFile("Dravolt.ini").contains("[times]\n[0]=9999\n")) << game.ReadFile("Dravolt.ini").toStdString();
    const QString history = game.ReadFile("DravoltHistory.ini");
    EXPECT_TRUE(history.contains("=0|0|9999\n")) << history.toStdString();
    const QStringList lines = history.split('\n');
    for (const QString& line : lines)
        if (line.count('|') == 2) {
            EXPECT_LE(line.section('|', 2).toInt(), 9999) << line.toStdString();
        }
}

} // namespace
