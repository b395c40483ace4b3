// The board's games in one SQLite file: the embedded store, for a board on one machine.
#pragma once

#include "AppBoardStore.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// In WAL mode with synchronous=FULL, so a commit is on disk before the answer goes out. Writes
// take turns on one connection and reads on another, so that a page is not held up by a
// commit's wait for the disk. Every query is a statement prepared once at Migrate.
class AppSqliteBoardStore : public AppBoardStore {
public:
    // Opens (or creates) the file; throws AppBoardStoreError when it cannot.
    explicit AppSqliteBoardStore(const std::string& path);
    ~AppSqliteBoardStore() override;
    AppSqliteBoardStore(const AppSqliteBoardStore&) = delete;
    AppSqliteBoardStore& operator=(const AppSqliteBoardStore&) = delete;

    void Migrate() override;
    AppBoardPlacing Put(const AppBoardGame& game) override;
    std::optional<AppBoardPlacing> Find(std::string_view sha256) override;
    std::vector<AppBoardLine> Day(std::string_view day, int limit) override;
    std::vector<std::string> DaysBefore(std::string_view day, int limit) override;
    std::optional<std::string> Replay(std::int64_t id) override;

private:
    enum Query {
        begin,
        commit,
        rollback,
        savepoint,
        release,
        rollbackToSavepoint,
        findGame,
        findLine,
        insertGame,
        insertLine,
        updateLine,
        placeLine,
        countLines,
        storeAnswer,
        // The reading connection's, from here on.
        firstRead,
        listDay = firstRead,
        listDays,
        readGame,
        readReplay,
        queryCount
    };

    void Execute(const char* sql);
    static sqlite3_stmt* Prepare(sqlite3* db, const char* sql);
    AppBoardPlacing PutLocked(const AppBoardGame& game);
    // The kept answer of the file by `query`, the writing or the reading connection's.
    static std::optional<AppBoardPlacing> Found(sqlite3_stmt* query, std::string_view sha256);
    // One upload waiting for its batch's commit.
    struct Pending {
        const AppBoardGame* game = nullptr;
        AppBoardPlacing placing;
        std::exception_ptr failure;
        bool done = false;
    };
    void CommitBatch(const std::vector<Pending*>& batch);

    // Uploads that come in while a commit waits for the disk are kept in the next transaction
    // together: the first of them commits the batch, the others wait for it.
    std::mutex queue_;
    std::condition_variable committed_;
    std::vector<Pending*> pending_;
    bool leading_ = false;
    std::mutex writing_;
    std::mutex reading_;
    sqlite3* db_ = nullptr;
    sqlite3* reader_ = nullptr;
    sqlite3_stmt* queries_[queryCount] = {};
};
