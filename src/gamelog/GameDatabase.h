// The game history: DravoltGames.sqlite beside the INI files, one row per
// game in the table `games`. WAL mode and a busy timeout let several windows
// in one folder record at once; each game is committed on its own, so a
// killed program loses at most the game it was playing. The schema version is
// PRAGMA user_version: a file of a later version is left untouched. SQLite
// itself is loaded by the first Open.
#pragma once

#include "gamelog/GameRow.h"

#include <optional>
#include <string>
#include <vector>

struct sqlite3;
struct TSqlite;

enum class TDatabaseOpen {
    Ready,
    Renamed,    // the file was no database or damaged: set aside, a new one started
    Newer,      // written by a later version: nothing is read or recorded
    Unwritable, // cannot be made or written here
    NoLibrary,  // SQLite cannot be loaded: nothing is read or recorded
};

class TGameDatabase {
public:
    static constexpr int kSchemaVersion = 1;

    TGameDatabase() = default;
    ~TGameDatabase();
    TGameDatabase(const TGameDatabase&) = delete;
    TGameDatabase& operator=(const TGameDatabase&) = delete;

    // Opens the file, making it when missing. A damaged file is renamed to
    // "<path>.damaged-<dateText>" (RenamedTo() tells the name) and a new one made.
    TDatabaseOpen Open(const std::string& path, const std::string& dateText);
    bool IsOpen() const { return FDb != nullptr; }
    const std::string& RenamedTo() const { return FRenamedTo; }

    // One game in one transaction; false when it could not be written.
    bool Record(const TGameRow& row);
    // Every game without its mines and moves, oldest first.
    std::vector<TGameRow> Games() const;
    // One game whole.
    std::optional<TGameRow> Game(std::int64_t id) const;

private:
    TDatabaseOpen OpenFile(const std::string& path);
    void Close();

    const TSqlite* FSql = nullptr; // the library's functions, once opened
    sqlite3* FDb = nullptr;
    std::string FRenamedTo;
};
