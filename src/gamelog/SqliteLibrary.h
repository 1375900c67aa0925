// SQLite, loaded when the game history is first opened instead of with the
// program: most runs start and play without it. Only sqlite3.h's types and
// constants are compiled in; the functions come from the library at run time.
#pragma once

#include <sqlite3.h>

#include <optional>

// The functions the game database calls, named after sqlite3_<name>.
#define DRAVOLT_SQLITE_FUNCTIONS(X)                                                                                   \
    X(bind_blob)                                                                                                       \
    X(bind_int)                                                                                                        \
    X(bind_int64)                                                                                                      \
    X(bind_text)                                                                                                       \
    X(bind_zeroblob)                                                                                                   \
    X(busy_timeout)                                                                                                    \
    X(close)                                                                                                           \
    X(column_blob)                                                                                                     \
    X(column_bytes)                                                                                                    \
    X(column_int)                                                                                                      \
    X(column_int64)                                                                                                    \
    X(column_text)                                                                                                     \
    X(errcode)                                                                                                         \
    X(exec)                                                                                                            \
    X(extended_result_codes)                                                                                           \
    X(finalize)                                                                                                        \
    X(open_v2)                                                                                                         \
    X(prepare_v2)                                                                                                      \
    X(step)

struct TSqlite {
#define DRAVOLT_SQLITE_MEMBER(name) decltype(&sqlite3_##name) name;
    DRAVOLT_SQLITE_FUNCTIONS(DRAVOLT_SQLITE_MEMBER)
#undef DRAVOLT_SQLITE_MEMBER
};

inline constexpr const char* kSqliteLibrary = "libsqlite3.so.0";

// The functions of the library of that name, all of them or none: nothing
// when it cannot be loaded or lacks one. A library that was loaded stays
// loaded.
std::optional<TSqlite> LoadSqlite(const char* library);
// The functions of kSqliteLibrary, loaded at the first call; null when the
// system has no SQLite.
const TSqlite* Sqlite();
