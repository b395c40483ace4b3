// The board's games in one SQLite file: the embedded store, for a board on one machine.
#pragma once

#include "AppBoardStore.h"

#include <mutex>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// One connection in WAL mode with synchronous=FULL, so a commit is on disk before the answer
// goes out; calls take turns on it. Every query is a statement prepared once at Migrate.
class AppSqliteBoardStore : public AppBoardStore {
public:
    // Opens (or creates) the file; throws AppBoardStoreError when it cannot.
    explicit AppSqliteBoardStore(const std::string& path);
    ~AppSqliteBoardStore() override;
    AppSqliteBoardStore(const AppSqliteBoardStore&) = delete;
    AppSqliteBoardStore& operator=(const AppSqliteBoardStore&) = delete;

    void Migrate() override;
    AppBoardPlacing Put(const AppBoardGame& game) override;
    std::vector<AppBoardLine> Day(std::string_view day, int limit) override;
    std::vector<std::string> DaysBefore(std::string_view day, int limit) override;
    std::optional<std::string> Replay(std::int64_t id) override;

private:
    enum Query {
        begin,
        commit,
        rollback,
        findGame,
        findLine,
        insertGame,
        insertLine,
        updateLine,
        placeLine,
        countLines,
        storeAnswer,
        listDay,
        listDays,
        readReplay,
        queryCount
    };

    void Execute(const char* sql);
    sqlite3_stmt* Prepare(const char* sql);
    AppBoardPlacing PutLocked(const AppBoardGame& game);

    std::mutex mutex_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* queries_[queryCount] = {};
};
