// Opens the store a --db argument names, by its prefix.
#pragma once

#include "AppBoardStore.h"

#include <memory>
#include <string>
#include <string_view>

class AppBoardStoreFactory {
public:
    // "sqlite:PATH" or "postgresql://…". Nothing, with why, for anything else or a database
    // that cannot be opened. The store is not yet migrated.
    static std::unique_ptr<AppBoardStore> Open(std::string_view db, std::string& reason);
    // The database when none is named: board.db in $STATE_DIRECTORY, else in the current folder.
    static std::string DefaultDb();
};
