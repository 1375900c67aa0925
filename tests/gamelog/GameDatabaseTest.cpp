// The game database: rows as written, windows recording at once, a killed
// program, and the files it must not damage or cannot write.
#include "gamelog/GameDatabase.h"
#include "gamelog/SqliteLibrary.h"
#include "settings/TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char* kStamp = "2026-12-08";

TGameRow Row(int n)
{
    TGameRow row;
    row.EndedAt = "2026-12-08T12:00:00+01:00";
    row.Height = 9;
    row.Width = 10;
    row.Bombs = 3;
    row.Mode = "noGuess";
    row.Result = n % 2 ? "won" : "lost";
    row.Millis = 1000 + n;
    row.Bbbv = 12;
    row.BbbvDone = 7;
    row.LeftClicks = 9;
    row.RightClicks = 2;
    row.Chords = 1;
    row.Start = 44;
    row.Mines = "3,17,40";
    row.Moves = {1, 2, static_cast<std::uint8_t>(n)};
    return row;
}

// Runs the action in a child process, as the given user when it is not
// root; the child's wait status.
int InChild(uid_t user, const std::function<int()>& action)
{
    const pid_t child = fork();
    if (child == 0) {
        if (user != 0 && (setgid(user) != 0 || setuid(user) != 0))
            _exit(3);
        _exit(action());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

int UserVersion(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &query, nullptr);
    const int version = sqlite3_step(query) == SQLITE_ROW ? sqlite3_column_int(query, 0) : -1;
    sqlite3_finalize(query);
    sqlite3_close(db);
    return version;
}

TEST(GameDatabaseTest, KeepsEveryColumnAsWrittenAndTheBoardOnlyWhenAsked)
{
    TTempFolder folder;
    TGameDatabase db;
    ASSERT_EQ(db.Open(folder.File("DravoltGames.sqlite"), kStamp), TDatabaseOpen::Ready);
    TGameRow empty = Row(2);
    empty.Moves.clear();
    ASSERT_TRUE(db.Record(Row(1)));
    ASSERT_TRUE(db.Record(empty));
    const std::vector<TGameRow> rows = db.Games();
    ASSERT_EQ(rows.size(), 2u);
    TGameRow expected = Row(1);
    expected.Id = 1;
    expected.Mines.clear();
    expected.Moves.clear();
    EXPECT_EQ(rows[0], expected);
    expected.Mines = Row(1).Mines;
    expected.Moves = Row(1).Moves;
    EXPECT_EQ(db.Game(1), expected);
    EXPECT_EQ(db.Game(2)->Moves, std::vector<std::uint8_t>{});
    EXPECT_FALSE(db.Game(3));
    EXPECT_EQ(UserVersion(folder.File("DravoltGames.sqlite")), TGameDatabase::kSchemaVersion);
}

TEST(GameDatabaseTest, TwoProgramsRecordingAtOnceLoseNothingAndAKilledOneOnlyItsGameInProgress)
{
    TTempFolder folder;
    const std::string path = folder.File("DravoltGames.sqlite");
    constexpr int kGames = 150;
    const auto record = [&] {
        TGameDatabase db;
        if (db.Open(path, kStamp) != TDatabaseOpen::Ready)
            return 1;
        for (int n = 0; n < kGames; ++n)
            if (!db.Record(Row(n)))
                return 2;
        return 0;
    };
    pid_t children[2];
    for (pid_t& child : children) {
        child = fork();
        if (child == 0)
            _exit(record());
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    // Killed in the middle of a write: the games before it stay.
    const int killed = InChild(0, [&] {
        TGameDatabase db;
        db.Open(path, kStamp);
        db.Record(Row(1));
        sqlite3* raw = nullptr;
        sqlite3_open(path.c_str(), &raw);
        sqlite3_exec(raw, "BEGIN IMMEDIATE; INSERT INTO games SELECT NULL, ended_at, height, width, bombs, mode, "
                          "result, millis, bbbv, bbbv_done, left_clicks, right_clicks, chords, start, mines, moves "
                          "FROM games LIMIT 1;",
                     nullptr, nullptr, nullptr);
        raise(SIGKILL);
        return 0;
    });
    EXPECT_TRUE(WIFSIGNALED(killed));
    TGameDatabase db;
    ASSERT_EQ(db.Open(path, kStamp), TDatabaseOpen::Ready);
    EXPECT_EQ(db.Games().size(), 2u * kGames + 1);
    EXPECT_TRUE(db.Record(Row(3)));
}

TEST(GameDatabaseTest, ADamagedFileIsSetAsideAndANewOneStarted)
{
    TTempFolder folder;
    const std::string path = folder.File("DravoltGames.sqlite");
    WriteFileText(path, std::string(8192, 'x'));
    TGameDatabase db;
    EXPECT_EQ(db.Open(path, kStamp), TDatabaseOpen::Renamed);
    EXPECT_EQ(db.RenamedTo(), path + ".damaged-2026-12-08");
    EXPECT_EQ(ReadFileText(db.RenamedTo()), std::string(8192, 'x'));
    EXPECT_TRUE(db.Record(Row(1)));
    EXPECT_EQ(db.Games().size(), 1u);
}

TEST(GameDatabaseTest, ANewerSchemaIsNeitherReadNorWritten)
{
    TTempFolder folder;
    const std::string path = folder.File("DravoltGames.sqlite");
    {
        sqlite3* raw = nullptr;
        sqlite3_open(path.c_str(), &raw);
        sqlite3_exec(raw, "CREATE TABLE games (id INTEGER PRIMARY KEY, later TEXT); PRAGMA user_version=2;", nullptr,
                     nullptr, nullptr);
        sqlite3_close(raw);
    }
    const std::string before = ReadFileText(path);
    TGameDatabase db;
    EXPECT_EQ(db.Open(path, kStamp), TDatabaseOpen::Newer);
    EXPECT_FALSE(db.Record(Row(1)));
    EXPECT_TRUE(db.Games().empty());
    EXPECT_EQ(ReadFileText(path), before);
    EXPECT_EQ(UserVersion(path), 2);
}

TEST(GameDatabaseTest, AFolderThatCannotBeWrittenTurnsTheHistoryOff)
{
    TTempFolder folder;
    const std::string inside = folder.File("locked");
    chmod(folder.Path().c_str(), 0755); // only the folder inside is locked
    std::filesystem::create_directory(inside);
    chmod(inside.c_str(), 0555);
    constexpr uid_t kNobody = 65534;
    const int status = InChild(geteuid() == 0 ? kNobody : 0, [&] {
        TGameDatabase db;
        return db.Open(inside + "/DravoltGames.sqlite", kStamp) == TDatabaseOpen::Unwritable && !db.Record(Row(1))
                   ? 0
                   : 1;
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_FALSE(std::filesystem::exists(inside + "/DravoltGames.sqlite"));
}

// SQLite comes whole or not at all: a library without one of its functions
// would leave a null pointer to be called when a game ends.
TEST(GameDatabaseTest, SqliteIsLoadedOnlyWithEveryFunction)
{
    const struct {
        const char* Library;
        bool Loaded;
    } cases[] = {
        {kSqliteLibrary, true},
        {"libm.so.6", false}, // loads, but is no SQLite
        {"libdravolt-missing.so.0", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadSqlite(c.Library).has_value(), c.Loaded) << c.Library;
}

} // namespace
