// The board's games in one SQLite file: the embedded store, for a board on one machine.
#include "AppSqliteBoardStore.h"

#include <sqlite3.h>

#include <iterator>

namespace {

// The schema, one step per version; the database records the last step it took.
const char* const migrations[] = {
    // 1: games as uploaded, each with the answer it got; one line per player per day holding
    // their best game's score and time, so that ranking reads one index.
    "CREATE TABLE games ("
    " id INTEGER PRIMARY KEY,"
    " sha256 TEXT NOT NULL UNIQUE,"
    " day TEXT NOT NULL,"
    " player_hash TEXT NOT NULL,"
    " score INTEGER NOT NULL,"
    " phase INTEGER NOT NULL,"
    " steps INTEGER NOT NULL,"
    " received INTEGER NOT NULL,"
    " replay BLOB NOT NULL,"
    " answer_rank INTEGER NOT NULL,"
    " answer_of INTEGER NOT NULL);"
    "CREATE TABLE lines ("
    " day TEXT NOT NULL,"
    " player_hash TEXT NOT NULL,"
    " game_id INTEGER NOT NULL REFERENCES games (id),"
    " name TEXT NOT NULL,"
    " score INTEGER NOT NULL,"
    " received INTEGER NOT NULL,"
    " PRIMARY KEY (day, player_hash));"
    "CREATE INDEX lines_by_rank ON lines (day, score DESC, received, game_id);",
};

const char* const queryTexts[] = {
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "SAVEPOINT upload",
    "RELEASE upload",
    "ROLLBACK TO upload",
    "SELECT day, answer_rank, answer_of, score, phase, id FROM games WHERE sha256 = ?1",
    "SELECT score FROM lines WHERE day = ?1 AND player_hash = ?2",
    "INSERT INTO games (sha256, day, player_hash, score, phase, steps, received, replay,"
    " answer_rank, answer_of) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, 0, 0)",
    "INSERT INTO lines (day, player_hash, game_id, name, score, received)"
    " VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
    // The right-hand sides all read the row as it was, so a better score takes the line whole.
    "UPDATE lines SET name = ?4,"
    " game_id = CASE WHEN ?5 > score THEN ?3 ELSE game_id END,"
    " received = CASE WHEN ?5 > score THEN ?6 ELSE received END,"
    " score = MAX(score, ?5)"
    " WHERE day = ?1 AND player_hash = ?2",
    "SELECT 1 + COUNT(*) FROM lines WHERE day = ?1 AND score >"
    " (SELECT score FROM lines WHERE day = ?1 AND player_hash = ?2)",
    "SELECT COUNT(*) FROM lines WHERE day = ?1",
    "UPDATE games SET answer_rank = ?2, answer_of = ?3 WHERE id = ?1",
    // Read along the ranking index from its top; the ranks are counted off as the rows come.
    "SELECT l.name, l.score, g.phase, g.steps, l.received, l.game_id"
    " FROM lines l JOIN games g ON g.id = l.game_id WHERE l.day = ?1"
    " ORDER BY l.score DESC, l.received, l.game_id LIMIT ?2",
    // One index seek per day, however many lines each holds.
    "WITH RECURSIVE earlier (day) AS ("
    " SELECT MAX(day) FROM lines WHERE day < ?1"
    " UNION ALL SELECT (SELECT MAX(day) FROM lines WHERE day < earlier.day) FROM earlier"
    " WHERE earlier.day IS NOT NULL)"
    " SELECT day FROM earlier WHERE day IS NOT NULL LIMIT ?2",
    "SELECT day, answer_rank, answer_of, score, phase, id FROM games WHERE sha256 = ?1",
    "SELECT replay FROM games WHERE id = ?1",
};

constexpr int schemaVersion = static_cast<int>(std::size(migrations));

// Resets a statement when the call that used it is done, however it ends.
class Use {
public:
    explicit Use(sqlite3_stmt* statement) : statement_(statement) {}
    ~Use() {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

    Use& Text(int index, std::string_view text) {
        sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }
    Use& Blob(int index, std::string_view bytes) {
        sqlite3_bind_blob(statement_, index, bytes.data(), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }
    Use& Int(int index, std::int64_t value) {
        sqlite3_bind_int64(statement_, index, value);
        return *this;
    }
    // True while there is a row; throws on a failure.
    bool Step() {
        const int result = sqlite3_step(statement_);
        if (result == SQLITE_ROW)
            return true;
        if (result != SQLITE_DONE)
            throw AppBoardStoreError(sqlite3_errmsg(sqlite3_db_handle(statement_)));
        return false;
    }
    std::int64_t Int(int column) const { return sqlite3_column_int64(statement_, column); }
    std::string Text(int column) const {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
        return std::string(bytes ? bytes : "",
                           static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
    }

private:
    sqlite3_stmt* statement_;
};

} // namespace

namespace {

sqlite3* OpenConnection(const std::string& path, int flags) {
    sqlite3* db = nullptr;
    const int result = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (result != SQLITE_OK) {
        const std::string why = db ? sqlite3_errmsg(db) : sqlite3_errstr(result);
        sqlite3_close(db);
        throw AppBoardStoreError(path + ": " + why);
    }
    sqlite3_busy_timeout(db, 5000);
    return db;
}

} // namespace

AppSqliteBoardStore::AppSqliteBoardStore(const std::string& path)
    : db_(OpenConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
    try {
        Execute("PRAGMA journal_mode=WAL");
        Execute("PRAGMA synchronous=FULL");
        Execute("PRAGMA foreign_keys=ON");
        reader_ = OpenConnection(path, SQLITE_OPEN_READONLY);
    } catch (const AppBoardStoreError& error) {
        sqlite3_close(db_);
        const std::string why = error.what();
        throw AppBoardStoreError(why.starts_with(path) ? why : path + ": " + why);
    }
}

AppSqliteBoardStore::~AppSqliteBoardStore() {
    for (sqlite3_stmt* statement : queries_)
        sqlite3_finalize(statement);
    sqlite3_close(reader_);
    sqlite3_close(db_);
}

void AppSqliteBoardStore::Execute(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string why = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw AppBoardStoreError(why);
    }
}

sqlite3_stmt* AppSqliteBoardStore::Prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) !=
        SQLITE_OK)
        throw AppBoardStoreError(sqlite3_errmsg(db));
    return statement;
}

void AppSqliteBoardStore::Migrate() {
    const std::lock_guard lock(writing_);
    Execute("BEGIN IMMEDIATE");
    try {
        Execute("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
        int version = 0;
        sqlite3_stmt* read = Prepare(db_, "SELECT MAX(version) FROM schema_version");
        {
            Use use(read);
            if (use.Step())
                version = static_cast<int>(use.Int(0));
        }
        sqlite3_finalize(read);
        if (version > schemaVersion)
            throw AppBoardStoreError("the database is of a later version (" +
                                     std::to_string(version) + "; this program knows " +
                                     std::to_string(schemaVersion) + ")");
        for (int step = version; step < schemaVersion; ++step)
            Execute(migrations[step]);
        if (version < schemaVersion) {
            Execute("DELETE FROM schema_version");
            Execute(("INSERT INTO schema_version VALUES (" + std::to_string(schemaVersion) + ")")
                        .c_str());
        }
        Execute("COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    for (int query = 0; query < queryCount; ++query)
        if (!queries_[query])
            queries_[query] = Prepare(query < firstRead ? db_ : reader_, queryTexts[query]);
}

AppBoardPlacing AppSqliteBoardStore::Put(const AppBoardGame& game) {
    Pending mine;
    mine.game = &game;
    std::unique_lock lock(queue_);
    pending_.push_back(&mine);
    while (!mine.done) {
        if (leading_) {
            committed_.wait(lock);
            continue;
        }
        leading_ = true;
        std::vector<Pending*> batch;
        batch.swap(pending_);
        lock.unlock();
        CommitBatch(batch);
        lock.lock();
        leading_ = false;
        for (Pending* pending : batch)
            pending->done = true;
        committed_.notify_all();
    }
    if (mine.failure)
        std::rethrow_exception(mine.failure);
    return mine.placing;
}

void AppSqliteBoardStore::CommitBatch(const std::vector<Pending*>& batch) {
    const std::lock_guard lock(writing_);
    try {
        Use(queries_[begin]).Step();
        try {
            // A failed upload is taken back alone; the others in the batch stand.
            for (Pending* pending : batch) {
                Use(queries_[savepoint]).Step();
                try {
                    pending->placing = PutLocked(*pending->game);
                } catch (const AppBoardStoreError&) {
                    pending->failure = std::current_exception();
                    Use(queries_[rollbackToSavepoint]).Step();
                }
                Use(queries_[release]).Step();
            }
            Use(queries_[commit]).Step();
        } catch (const AppBoardStoreError&) {
            Use(queries_[rollback]).Step();
            throw;
        }
    } catch (const AppBoardStoreError&) {
        for (Pending* pending : batch)
            pending->failure = std::current_exception();
    }
}

AppBoardPlacing AppSqliteBoardStore::PutLocked(const AppBoardGame& game) {
    AppBoardPlacing placing;
    if (std::optional<AppBoardPlacing> first = Found(queries_[findGame], game.sha256))
        return *std::move(first);
    Use(queries_[insertGame])
        .Text(1, game.sha256)
        .Text(2, game.day)
        .Text(3, game.playerHash)
        .Int(4, game.score)
        .Int(5, game.phase)
        .Int(6, game.steps)
        .Int(7, game.received)
        .Blob(8, game.replay)
        .Step();
    placing.id = sqlite3_last_insert_rowid(db_);
    bool known = false;
    {
        Use find(queries_[findLine]);
        known = find.Text(1, game.day).Text(2, game.playerHash).Step();
    }
    Use(queries_[known ? updateLine : insertLine])
        .Text(1, game.day)
        .Text(2, game.playerHash)
        .Int(3, placing.id)
        .Text(4, game.name)
        .Int(5, game.score)
        .Int(6, game.received)
        .Step();
    {
        Use place(queries_[placeLine]);
        place.Text(1, game.day).Text(2, game.playerHash).Step();
        placing.rank = place.Int(0);
    }
    {
        Use count(queries_[countLines]);
        count.Text(1, game.day).Step();
        placing.of = count.Int(0);
    }
    Use(queries_[storeAnswer]).Int(1, placing.id).Int(2, placing.rank).Int(3, placing.of).Step();
    placing.day = game.day;
    placing.score = game.score;
    placing.phase = game.phase;
    return placing;
}

std::optional<AppBoardPlacing> AppSqliteBoardStore::Found(sqlite3_stmt* query,
                                                          std::string_view sha256) {
    Use find(query);
    if (!find.Text(1, sha256).Step())
        return std::nullopt;
    return AppBoardPlacing{true,
                           find.Text(0),
                           find.Int(1),
                           find.Int(2),
                           static_cast<std::int32_t>(find.Int(3)),
                           static_cast<std::int32_t>(find.Int(4)),
                           find.Int(5)};
}

std::optional<AppBoardPlacing> AppSqliteBoardStore::Find(std::string_view sha256) {
    const std::lock_guard lock(reading_);
    return Found(queries_[readGame], sha256);
}

std::vector<AppBoardLine> AppSqliteBoardStore::Day(std::string_view day, int limit) {
    const std::lock_guard lock(reading_);
    std::vector<AppBoardLine> lines;
    Use list(queries_[listDay]);
    list.Text(1, day).Int(2, limit);
    while (list.Step()) {
        const auto score = static_cast<std::int32_t>(list.Int(1));
        // A line with the score of the one above shares its rank.
        const std::int64_t rank = !lines.empty() && lines.back().score == score
                                      ? lines.back().rank
                                      : static_cast<std::int64_t>(lines.size()) + 1;
        lines.push_back({rank, list.Text(0), score, static_cast<std::int32_t>(list.Int(2)),
                         static_cast<std::uint32_t>(list.Int(3)), list.Int(4), list.Int(5)});
    }
    return lines;
}

std::vector<std::string> AppSqliteBoardStore::DaysBefore(std::string_view day, int limit) {
    const std::lock_guard lock(reading_);
    std::vector<std::string> days;
    Use list(queries_[listDays]);
    list.Text(1, day).Int(2, limit);
    while (list.Step())
        days.push_back(list.Text(0));
    return days;
}

std::optional<std::string> AppSqliteBoardStore::Replay(std::int64_t id) {
    const std::lock_guard lock(reading_);
    Use read(queries_[readReplay]);
    if (!read.Int(1, id).Step())
        return std::nullopt;
    return read.Text(0);
}
