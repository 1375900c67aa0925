#include "gamelog/GameDatabase.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

namespace {

constexpr int kBusyTimeoutMs = 5000;

constexpr const char* kCreate = R"(CREATE TABLE IF NOT EXISTS games (
    id INTEGER PRIMARY KEY,
    ended_at TEXT NOT NULL,
    height INTEGER NOT NULL,
    width INTEGER NOT NULL,
    bombs INTEGER NOT NULL,
    mode TEXT NOT NULL,
    result TEXT NOT NULL,
    millis INTEGER NOT NULL,
    bbbv INTEGER NOT NULL,
    bbbv_done INTEGER NOT NULL,
    left_clicks INTEGER NOT NULL,
    right_clicks INTEGER NOT NULL,
    chords INTEGER NOT NULL,
    start INTEGER NOT NULL,
    mines TEXT NOT NULL,
    moves BLOB NOT NULL);
-- The history window reads every game but its board: from this index alone,
-- without the pages of the mines and moves.
CREATE INDEX IF NOT EXISTS games_summary ON games (id, ended_at, height, width, bombs, mode, result, millis, bbbv,
    bbbv_done, left_clicks, right_clicks, chords, start))";

constexpr const char* kSummaryColumns = "id, ended_at, height, width, bombs, mode, result, millis, bbbv, bbbv_done, "
                                        "left_clicks, right_clicks, chords, start";

// A prepared statement, finalized when it goes.
class TStatement {
public:
    TStatement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &FStatement, nullptr); }
    ~TStatement() { sqlite3_finalize(FStatement); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;
    explicit operator bool() const { return FStatement != nullptr; }
    sqlite3_stmt* get() const { return FStatement; }

private:
    sqlite3_stmt* FStatement = nullptr;
};

std::string Text(sqlite3_stmt* s, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
    return text ? std::string(text) : std::string();
}

TGameRow ReadSummary(sqlite3_stmt* s)
{
    TGameRow row;
    row.Id = sqlite3_column_int64(s, 0);
    row.EndedAt = Text(s, 1);
    row.Height = sqlite3_column_int(s, 2);
    row.Width = sqlite3_column_int(s, 3);
    row.Bombs = sqlite3_column_int(s, 4);
    row.Mode = Text(s, 5);
    row.Result = Text(s, 6);
    row.Millis = sqlite3_column_int64(s, 7);
    row.Bbbv = sqlite3_column_int(s, 8);
    row.BbbvDone = sqlite3_column_int(s, 9);
    row.LeftClicks = sqlite3_column_int(s, 10);
    row.RightClicks = sqlite3_column_int(s, 11);
    row.Chords = sqlite3_column_int(s, 12);
    row.Start = sqlite3_column_int(s, 13);
    return row;
}

bool Damage(int code)
{
    code &= 0xff;
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

} // namespace

TGameDatabase::~TGameDatabase() { Close(); }

void TGameDatabase::Close()
{
    sqlite3_close(FDb);
    FDb = nullptr;
}

TDatabaseOpen TGameDatabase::Open(const std::string& path, const std::string& dateText)
{
    Close();
    FRenamedTo.clear();
    const TDatabaseOpen opened = OpenFile(path);
    if (opened != TDatabaseOpen::Renamed)
        return opened;
    // Set the damaged file aside, with the journal files that belong to it.
    Close();
    std::string aside = path + ".damaged-" + dateText;
    std::error_code error;
    for (int n = 2; std::filesystem::exists(aside, error); ++n)
        aside = path + ".damaged-" + dateText + "-" + std::to_string(n);
    std::filesystem::rename(path, aside, error);
    if (error)
        return TDatabaseOpen::Unwritable;
    for (const char* suffix : {"-wal", "-shm"})
        std::filesystem::remove(path + suffix, error);
    FRenamedTo = aside;
    const TDatabaseOpen fresh = OpenFile(path);
    return fresh == TDatabaseOpen::Ready ? TDatabaseOpen::Renamed : TDatabaseOpen::Unwritable;
}

// In WAL mode, synchronous=NORMAL keeps every committed game when the program
// is killed; only a power cut may take the last ones.
// Ready, Newer, Unwritable, or Renamed for a damaged file that is still to be
// set aside.
TDatabaseOpen TGameDatabase::OpenFile(const std::string& path)
{
    // One thread uses the connection: without its mutex each column read
    // costs half as much, which the history window's 100,000 rows feel.
    constexpr int kFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &FDb, kFlags, nullptr) != SQLITE_OK) {
        Close();
        return TDatabaseOpen::Unwritable;
    }
    sqlite3_extended_result_codes(FDb, 1);
    sqlite3_busy_timeout(FDb, kBusyTimeoutMs);
    int version = 0;
    {
        TStatement query(FDb, "PRAGMA user_version");
        const int step = query ? sqlite3_step(query.get()) : sqlite3_errcode(FDb);
        if (Damage(step) || Damage(sqlite3_errcode(FDb)))
            return TDatabaseOpen::Renamed;
        if (step != SQLITE_ROW) {
            Close();
            return TDatabaseOpen::Unwritable;
        }
        version = sqlite3_column_int(query.get(), 0);
    }
    if (version > kSchemaVersion) {
        Close();
        return TDatabaseOpen::Newer;
    }
    const std::string setup = std::string("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; BEGIN IMMEDIATE; ") + kCreate +
                              "; PRAGMA user_version=" + std::to_string(kSchemaVersion) + "; COMMIT;";
    const int result = sqlite3_exec(FDb, setup.c_str(), nullptr, nullptr, nullptr);
    if (Damage(result))
        return TDatabaseOpen::Renamed;
    if (result != SQLITE_OK) {
        Close();
        return TDatabaseOpen::Unwritable;
    }
    return TDatabaseOpen::Ready;
}

bool TGameDatabase::Record(const TGameRow& row)
{
    if (!FDb)
        return false;
    TStatement insert(FDb, "INSERT INTO games (ended_at, height, width, bombs, mode, result, millis, bbbv, "
                           "bbbv_done, left_clicks, right_clicks, chords, start, mines, moves) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (!insert)
        return false;
    sqlite3_stmt* s = insert.get();
    sqlite3_bind_text(s, 1, row.EndedAt.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(s, 2, row.Height);
    sqlite3_bind_int(s, 3, row.Width);
    sqlite3_bind_int(s, 4, row.Bombs);
    sqlite3_bind_text(s, 5, row.Mode.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(s, 6, row.Result.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int64(s, 7, row.Millis);
    sqlite3_bind_int(s, 8, row.Bbbv);
    sqlite3_bind_int(s, 9, row.BbbvDone);
    sqlite3_bind_int(s, 10, row.LeftClicks);
    sqlite3_bind_int(s, 11, row.RightClicks);
    sqlite3_bind_int(s, 12, row.Chords);
    sqlite3_bind_int(s, 13, row.Start);
    sqlite3_bind_text(s, 14, row.Mines.c_str(), -1, SQLITE_TRANSIENT);
    if (row.Moves.empty())
        sqlite3_bind_zeroblob(s, 15, 0); // a null pointer would bind NULL
    else
        sqlite3_bind_blob(s, 15, row.Moves.data(), static_cast<int>(row.Moves.size()), SQLITE_TRANSIENT);
    // A single statement is its own transaction, committed when it is done.
    return sqlite3_step(s) == SQLITE_DONE;
}

std::vector<TGameRow> TGameDatabase::Games() const
{
    std::vector<TGameRow> rows;
    if (!FDb)
        return rows;
    {
        // Room for every row at once, where a growing vector would move each
        // game several times. Ids are given in turn, so the largest bounds the
        // count at the cost of one look-up (count(*) would read every row once
        // more); ids set by another tool get no more than kRoomBound rows' room.
        constexpr sqlite3_int64 kRoomBound = 1'000'000;
        TStatement last(FDb, "SELECT max(id) FROM games");
        if (last && sqlite3_step(last.get()) == SQLITE_ROW) {
            const sqlite3_int64 room = std::clamp<sqlite3_int64>(sqlite3_column_int64(last.get(), 0), 0, kRoomBound);
            rows.reserve(static_cast<std::size_t>(room));
        }
    }
    TStatement query(FDb, (std::string("SELECT ") + kSummaryColumns + " FROM games ORDER BY id").c_str());
    while (query && sqlite3_step(query.get()) == SQLITE_ROW)
        rows.push_back(ReadSummary(query.get()));
    return rows;
}

std::optional<TGameRow> TGameDatabase::Game(std::int64_t id) const
{
    if (!FDb)
        return std::nullopt;
    TStatement query(FDb, (std::string("SELECT ") + kSummaryColumns + ", mines, moves FROM games WHERE id = ?").c_str());
    if (!query)
        return std::nullopt;
    sqlite3_bind_int64(query.get(), 1, id);
    if (sqlite3_step(query.get()) != SQLITE_ROW)
        return std::nullopt;
    TGameRow row = ReadSummary(query.get());
    row.Mines = Text(query.get(), 14);
    const auto* blob = static_cast<const std::uint8_t*>(sqlite3_column_blob(query.get(), 15));
    row.Moves.assign(blob, blob + sqlite3_column_bytes(query.get(), 15));
    return row;
}
