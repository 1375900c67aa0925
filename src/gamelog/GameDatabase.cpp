#include "gamelog/GameDatabase.h"

#include "gamelog/SqliteLibrary.h"

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
    TStatement(const TSqlite& sql, sqlite3* db, const char* text) : FSql(sql)
    {
        FSql.prepare_v2(db, text, -1, &FStatement, nullptr);
    }
    ~TStatement() { FSql.finalize(FStatement); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;
    explicit operator bool() const { return FStatement != nullptr; }
    sqlite3_stmt* get() const { return FStatement; }

private:
    const TSqlite& FSql;
    sqlite3_stmt* FStatement = nullptr;
};

std::string Text(const TSqlite& sql, sqlite3_stmt* s, int column)
{
    const auto* text = reinterpret_cast<const char*>(sql.column_text(s, column));
    return text ? std::string(text) : std::string();
}

TGameRow ReadSummary(const TSqlite& sql, sqlite3_stmt* s)
{
    TGameRow row;
    row.Id = sql.column_int64(s, 0);
    row.EndedAt = Text(sql, s, 1);
    row.Height = sql.column_int(s, 2);
    row.Width = sql.column_int(s, 3);
    row.Bombs = sql.column_int(s, 4);
    row.Mode = Text(sql, s, 5);
    row.Result = Text(sql, s, 6);
    row.Millis = sql.column_int64(s, 7);
    row.Bbbv = sql.column_int(s, 8);
    row.BbbvDone = sql.column_int(s, 9);
    row.LeftClicks = sql.column_int(s, 10);
    row.RightClicks = sql.column_int(s, 11);
    row.Chords = sql.column_int(s, 12);
    row.Start = sql.column_int(s, 13);
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
    if (FDb)
        FSql->close(FDb);
    FDb = nullptr;
}

TDatabaseOpen TGameDatabase::Open(const std::string& path, const std::string& dateText)
{
    Close();
    FRenamedTo.clear();
    FSql = Sqlite();
    if (!FSql)
        return TDatabaseOpen::NoLibrary;
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
    if (FSql->open_v2(path.c_str(), &FDb, kFlags, nullptr) != SQLITE_OK) {
        Close();
        return TDatabaseOpen::Unwritable;
    }
    FSql->extended_result_codes(FDb, 1);
    FSql->busy_timeout(FDb, kBusyTimeoutMs);
    int version = 0;
    {
        TStatement query(*FSql, FDb, "PRAGMA user_version");
        const int step = query ? FSql->step(query.get()) : FSql->errcode(FDb);
        if (Damage(step) || Damage(FSql->errcode(FDb)))
            return TDatabaseOpen::Renamed;
        if (step != SQLITE_ROW) {
            Close();
            return TDatabaseOpen::Unwritable;
        }
        version = FSql->column_int(query.get(), 0);
    }
    if (version > kSchemaVersion) {
        Close();
        return TDatabaseOpen::Newer;
    }
    const std::string setup = std::string("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; BEGIN IMMEDIATE; ") + kCreate +
                              "; PRAGMA user_version=" + std::to_string(kSchemaVersion) + "; COMMIT;";
    const int result = FSql->exec(FDb, setup.c_str(), nullptr, nullptr, nullptr);
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
    TStatement insert(*FSql, FDb, "INSERT INTO games (ended_at, height, width, bombs, mode, result, millis, bbbv, "
                           "bbbv_done, left_clicks, right_clicks, chords, start, mines, moves) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (!insert)
        return false;
    sqlite3_stmt* s = insert.get();
    FSql->bind_text(s, 1, row.EndedAt.c_str(), -1, SQLITE_TRANSIENT);
    FSql->bind_int(s, 2, row.Height);
    FSql->bind_int(s, 3, row.Width);
    FSql->bind_int(s, 4, row.Bombs);
    FSql->bind_text(s, 5, row.Mode.c_str(), -1, SQLITE_TRANSIENT);
    FSql->bind_text(s, 6, row.Result.c_str(), -1, SQLITE_TRANSIENT);
    FSql->bind_int64(s, 7, row.Millis);
    FSql->bind_int(s, 8, row.Bbbv);
    FSql->bind_int(s, 9, row.BbbvDone);
    FSql->bind_int(s, 10, row.LeftClicks);
    FSql->bind_int(s, 11, row.RightClicks);
    FSql->bind_int(s, 12, row.Chords);
    FSql->bind_int(s, 13, row.Start);
    FSql->bind_text(s, 14, row.Mines.c_str(), -1, SQLITE_TRANSIENT);
    if (row.Moves.empty())
        FSql->bind_zeroblob(s, 15, 0); // a null pointer would bind NULL
    else
        FSql->bind_blob(s, 15, row.Moves.data(), static_cast<int>(row.Moves.size()), SQLITE_TRANSIENT);
    // A single statement is its own transaction, committed when it is done.
    return FSql->step(s) == SQLITE_DONE;
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
        TStatement last(*FSql, FDb, "SELECT max(id) FROM games");
        if (last && FSql->step(last.get()) == SQLITE_ROW) {
            const sqlite3_int64 room = std::clamp<sqlite3_int64>(FSql->column_int64(last.get(), 0), 0, kRoomBound);
            rows.reserve(static_cast<std::size_t>(room));
        }
    }
    TStatement query(*FSql, FDb, (std::string("SELECT ") + kSummaryColumns + " FROM games ORDER BY id").c_str());
    while (query && FSql->step(query.get()) == SQLITE_ROW)
        rows.push_back(ReadSummary(*FSql, query.get()));
    return rows;
}

std::optional<TGameRow> TGameDatabase::Game(std::int64_t id) const
{
    if (!FDb)
        return std::nullopt;
    TStatement query(*FSql, FDb,
                     (std::string("SELECT ") + kSummaryColumns + ", mines, moves FROM games WHERE id = ?").c_str());
    if (!query)
        return std::nullopt;
    FSql->bind_int64(query.get(), 1, id);
    if (FSql->step(query.get()) != SQLITE_ROW)
        return std::nullopt;
    TGameRow row = ReadSummary(*FSql, query.get());
    row.Mines = Text(*FSql, query.get(), 14);
    const auto* blob = static_cast<const std::uint8_t*>(FSql->column_blob(query.get(), 15));
    row.Moves.assign(blob, blob + FSql->column_bytes(query.get(), 15));
    return row;
}
