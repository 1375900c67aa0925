#include "gamelog/SqliteLibrary.h"

#include <dlfcn.h>

std::optional<TSqlite> LoadSqlite(const char* library)
{
    void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return std::nullopt;
    TSqlite functions;
    bool all = true;
#define DRAVOLT_SQLITE_RESOLVE(name)                                                                                   \
    functions.name = reinterpret_cast<decltype(functions.name)>(dlsym(handle, "sqlite3_" #name));                   \
    all = all && functions.name != nullptr;
    DRAVOLT_SQLITE_FUNCTIONS(DRAVOLT_SQLITE_RESOLVE)
#undef DRAVOLT_SQLITE_RESOLVE
    if (!all) {
        dlclose(handle);
        return std::nullopt;
    }
    return functions;
}

const TSqlite* Sqlite()
{
    static const std::optional<TSqlite> functions = LoadSqlite(kSqliteLibrary);
    return functions ? &*functions : nullptr;
}
