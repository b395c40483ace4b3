// Opens the store a --db argument names, by its prefix.
#include "AppBoardStoreFactory.h"

#include "AppBoardPostgresStore.h"
#include "AppSqliteBoardStore.h"

#include <cstdlib>

std::unique_ptr<AppBoardStore> AppBoardStoreFactory::Open(std::string_view db,
                                                          std::string& reason) {
    constexpr std::string_view sqlite = "sqlite:";
    try {
        if (db.starts_with(sqlite) && db.size() > sqlite.size())
            return std::make_unique<AppSqliteBoardStore>(std::string(db.substr(sqlite.size())));
        if (db.starts_with("postgresql://") || db.starts_with("postgres://"))
            return AppBoardPostgresStore::Open(std::string(db), reason);
    } catch (const AppBoardStoreError& error) {
        reason = error.what();
        return nullptr;
    }
    reason = "not a database: \"" + std::string(db) + "\" (sqlite:PATH or postgresql://…)";
    return nullptr;
}

std::string AppBoardStoreFactory::DefaultDb() {
    const char* state = std::getenv("STATE_DIRECTORY");
    // systemd lists several folders separated by colons when a unit names several.
    std::string folder = state && *state ? std::string(state) : std::string(".");
    folder = folder.substr(0, folder.find(':'));
    return "sqlite:" + folder + "/board.db";
}
