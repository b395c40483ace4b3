// The board's games in a PostgreSQL database, which several servers may share.
#include "AppBoardPostgresStore.h"

#include <libpq-fe.h>

#include <array>
#include <bitset>
#include <charconv>
#include <initializer_list>

namespace {

// The schema, one step per version: a database at version N runs the steps after the Nth.
// A step is a list of statements, since a prepared statement holds one.
const std::vector<std::vector<const char*>> schemaSteps = {
    {
        "CREATE TABLE days (day text PRIMARY KEY)",
        "CREATE TABLE games ("
        " id bigserial PRIMARY KEY,"
        " sha256 text NOT NULL UNIQUE,"
        " player_hash text NOT NULL,"
        " day text NOT NULL REFERENCES days (day),"
        " score integer NOT NULL,"
        " phase integer NOT NULL,"
        " steps bigint NOT NULL,"
        " received bigint NOT NULL,"
        " replay bytea NOT NULL,"
        " answer_rank bigint NOT NULL DEFAULT 0,"
        " answer_of bigint NOT NULL DEFAULT 0)",
        // A player's line: the best game's score and time beside it, so that ranking a day
        // reads the index alone.
        "CREATE TABLE lines ("
        " day text NOT NULL REFERENCES days (day),"
        " player_hash text NOT NULL,"
        " name text NOT NULL,"
        " game_id bigint NOT NULL REFERENCES games (id),"
        " score integer NOT NULL,"
        " received bigint NOT NULL,"
        " PRIMARY KEY (day, player_hash))",
        "CREATE INDEX lines_by_rank ON lines (day, score DESC, received, game_id)",
    },
};
const int schemaVersion = static_cast<int>(schemaSteps.size());

// Every query the store runs, prepared once per connection on first use (after the schema
// exists), by its place in this table.
enum Query : std::size_t {
    begin,
    commit,
    rollback,
    lockSchema,
    makeVersionTable,
    readVersion,
    clearVersion,
    writeVersion,
    lockDay,
    findGame,
    addGame,
    keepLine,
    answerGame,
    dayLines,
    daysBefore,
    replayFile,
    queryCount
};
struct QueryText {
    const char* sql;
    int resultFormat; // 0 text, 1 binary (the replay's bytes as they are)
};
const std::array<QueryText, queryCount> queries = {{
    {"BEGIN", 0},
    {"COMMIT", 0},
    {"ROLLBACK", 0},
    // Servers starting together on one database migrate it one after the other.
    {"SELECT pg_advisory_xact_lock(8427, 1)", 0},
    {"CREATE TABLE IF NOT EXISTS board_version (version integer NOT NULL)", 0},
    {"SELECT max(version) FROM board_version", 0},
    {"DELETE FROM board_version", 0},
    {"INSERT INTO board_version (version) VALUES ($1)", 0},
    // The day's row, made when missing, locked until the upload commits: the update of a row
    // that is there takes its lock.
    {"INSERT INTO days (day) VALUES ($1) ON CONFLICT (day) DO UPDATE SET day = EXCLUDED.day", 0},
    {"SELECT day, answer_rank, answer_of, score, phase, id FROM games WHERE sha256 = $1", 0},
    {"INSERT INTO games (sha256, player_hash, day, score, phase, steps, received, replay)"
     " VALUES ($1, $2, $3, $4, $5, $6, $7, $8) RETURNING id",
     0},
    // The name is always the one sent last; the game only when it scores more.
    {"INSERT INTO lines AS l (day, player_hash, name, game_id, score, received)"
     " VALUES ($1, $2, $3, $4, $5, $6) ON CONFLICT (day, player_hash) DO UPDATE SET"
     " name = EXCLUDED.name,"
     " game_id = CASE WHEN EXCLUDED.score > l.score THEN EXCLUDED.game_id ELSE l.game_id END,"
     " received = CASE WHEN EXCLUDED.score > l.score THEN EXCLUDED.received ELSE l.received END,"
     " score = GREATEST(l.score, EXCLUDED.score)"
     " RETURNING score",
     0},
    // The player's place on the day (lines of a higher score, plus one) and the day's lines,
    // kept with the game as its answer.
    {"UPDATE games SET answer_rank = place.rank, answer_of = place.of FROM"
     " (SELECT count(*) FILTER (WHERE score > $3) + 1 AS rank, count(*) AS of FROM lines"
     " WHERE day = $2) AS place WHERE id = $1 RETURNING answer_rank, answer_of",
     0},
    {"SELECT rank() OVER (ORDER BY l.score DESC), l.name, l.score, g.phase, g.steps,"
     " l.received, l.game_id FROM lines l JOIN games g ON g.id = l.game_id WHERE l.day = $1"
     " ORDER BY l.score DESC, l.received, l.game_id LIMIT $2",
     0},
    {"SELECT day FROM days WHERE day < $1 ORDER BY day DESC LIMIT $2", 0},
    {"SELECT replay FROM games WHERE id = $1", 1},
}};

struct ResultClear {
    void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultClear>;

// A parameter's value: text, or the bytes of a bytea as they are.
struct Param {
    std::string value;
    bool binary = false;
};

std::int64_t Integer(const Result& result, int row, int column) {
    const char* text = PQgetvalue(result.get(), row, column);
    std::int64_t value = 0;
    const char* end = text + PQgetlength(result.get(), row, column);
    if (std::from_chars(text, end, value).ptr != end)
        throw AppBoardStoreError(std::string("PostgreSQL: not a number: ") + text);
    return value;
}

std::string Text(const Result& result, int row, int column) {
    return {PQgetvalue(result.get(), row, column),
            static_cast<std::size_t>(PQgetlength(result.get(), row, column))};
}

// The answer kept with a game found by its SHA-256, when one was.
std::optional<AppBoardPlacing> Found(const Result& found) {
    if (PQntuples(found.get()) == 0)
        return std::nullopt;
    return AppBoardPlacing{true,
                           Text(found, 0, 0),
                           Integer(found, 0, 1),
                           Integer(found, 0, 2),
                           static_cast<std::int32_t>(Integer(found, 0, 3)),
                           static_cast<std::int32_t>(Integer(found, 0, 4)),
                           Integer(found, 0, 5)};
}

// libpq's message on one line, for the log.
std::string ErrorOf(PGconn* conn) {
    std::string message;
    for (const char* c = PQerrorMessage(conn); *c; ++c)
        if (*c == '\n' || *c == '\t')
            message += message.empty() || message.back() == ' ' ? "" : " ";
        else
            message += *c;
    while (!message.empty() && message.back() == ' ')
        message.pop_back();
    return "PostgreSQL: " + message;
}

} // namespace

class AppBoardPostgresStore::Connection {
public:
    explicit Connection(PGconn* conn) : conn_(conn) {}
    ~Connection() { PQfinish(conn_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    Result Run(Query query, std::initializer_list<Param> params = {}) {
        // Written piece by piece: GCC 12 at -O3 takes "q" + std::to_string() for an
        // overlapping copy.
        std::string name = "q";
        name += std::to_string(query);
        if (!prepared_[query]) {
            Result made(PQprepare(conn_, name.c_str(), queries[query].sql,
                                  static_cast<int>(params.size()), nullptr));
            Check(made);
            prepared_[query] = true;
        }
        std::vector<const char*> values;
        std::vector<int> lengths;
        std::vector<int> formats;
        for (const Param& param : params) {
            values.push_back(param.value.c_str());
            lengths.push_back(static_cast<int>(param.value.size()));
            formats.push_back(param.binary ? 1 : 0);
        }
        Result result(PQexecPrepared(conn_, name.c_str(), static_cast<int>(params.size()),
                                     values.data(), lengths.data(), formats.data(),
                                     queries[query].resultFormat));
        Check(result);
        return result;
    }

    // One statement of the schema, sent once and never kept: it has no parameters.
    void RunOnce(const char* sql) {
        Check(Result(PQexecParams(conn_, sql, 0, nullptr, nullptr, nullptr, nullptr, 0)));
    }

    // Whether the connection can serve the next call: open and outside any transaction,
    // after rolling back one a failed call left open.
    bool Reusable() {
        if (PQstatus(conn_) != CONNECTION_OK)
            return false;
        if (PQtransactionStatus(conn_) != PQTRANS_IDLE) {
            try {
                Run(rollback);
            } catch (const AppBoardStoreError&) {
                return false;
            }
        }
        return PQtransactionStatus(conn_) == PQTRANS_IDLE;
    }

    // Whether the server is still there, as far as can be told without waiting: a server
    // that restarted has closed the connection, which reading what it sent reveals.
    bool Alive() { return PQconsumeInput(conn_) == 1 && PQstatus(conn_) == CONNECTION_OK; }

private:
    void Check(const Result& result) {
        const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
            throw AppBoardStoreError(ErrorOf(conn_));
    }

    PGconn* conn_;
    std::bitset<queryCount> prepared_;
};

// A connection taken from the pool for one call, given back when the call ends.
class AppBoardPostgresStore::Lease {
public:
    Lease(AppBoardPostgresStore& store, std::unique_ptr<Connection> connection)
        : store_(store), connection_(std::move(connection)) {}
    ~Lease() { store_.Give(std::move(connection_)); }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    Connection* operator->() const { return connection_.get(); }

private:
    AppBoardPostgresStore& store_;
    std::unique_ptr<Connection> connection_;
};

std::unique_ptr<AppBoardPostgresStore> AppBoardPostgresStore::Open(const std::string& url,
                                                                   std::string& reason) {
    std::unique_ptr<AppBoardPostgresStore> store(new AppBoardPostgresStore(url));
    try {
        store->Give(store->Connect());
    } catch (const AppBoardStoreError& error) {
        reason = error.what();
        return nullptr;
    }
    return store;
}

AppBoardPostgresStore::AppBoardPostgresStore(std::string url) : url_(std::move(url)) {}

AppBoardPostgresStore::~AppBoardPostgresStore() = default;

std::unique_ptr<AppBoardPostgresStore::Connection> AppBoardPostgresStore::Connect() const {
    PGconn* conn = PQconnectdb(url_.c_str());
    if (PQstatus(conn) != CONNECTION_OK) {
        const std::string reason = ErrorOf(conn);
        PQfinish(conn);
        throw AppBoardStoreError(reason);
    }
    // The server's notices (a table that already exists, say) are not the board's news.
    PQsetNoticeProcessor(
        conn, [](void*, const char*) {}, nullptr);
    return std::make_unique<Connection>(conn);
}

AppBoardPostgresStore::Lease AppBoardPostgresStore::Take() {
    {
        std::lock_guard lock(mutex_);
        while (!idle_.empty()) {
            std::unique_ptr<Connection> connection = std::move(idle_.back());
            idle_.pop_back();
            if (connection->Alive())
                return Lease(*this, std::move(connection));
        }
    }
    return Lease(*this, Connect());
}

void AppBoardPostgresStore::Give(std::unique_ptr<Connection> connection) {
    if (!connection || !connection->Reusable())
        return;
    std::lock_guard lock(mutex_);
    idle_.push_back(std::move(connection));
}

void AppBoardPostgresStore::Migrate() {
    Lease c = Take();
    c->Run(begin);
    c->Run(lockSchema);
    c->Run(makeVersionTable);
    Result read = c->Run(readVersion);
    const int version = PQgetisnull(read.get(), 0, 0) ? 0 : static_cast<int>(Integer(read, 0, 0));
    if (version > schemaVersion)
        throw AppBoardStoreError("the database is of a later version (" + std::to_string(version) +
                                 "; this program knows up to " + std::to_string(schemaVersion) +
                                 ")");
    for (int step = version; step < schemaVersion; ++step)
        for (const char* sql : schemaSteps[step])
            c->RunOnce(sql);
    c->Run(clearVersion);
    c->Run(writeVersion, {{std::to_string(schemaVersion)}});
    c->Run(commit);
}

AppBoardPlacing AppBoardPostgresStore::Put(const AppBoardGame& game) {
    Lease c = Take();
    c->Run(begin);
    c->Run(lockDay, {{game.day}});
    if (std::optional<AppBoardPlacing> first = Found(c->Run(findGame, {{game.sha256}}))) {
        c->Run(commit);
        return *std::move(first);
    }
    const std::string score = std::to_string(game.score);
    const std::string received = std::to_string(game.received);
    Result added = c->Run(addGame, {{game.sha256},
                                    {game.playerHash},
                                    {game.day},
                                    {score},
                                    {std::to_string(game.phase)},
                                    {std::to_string(game.steps)},
                                    {received},
                                    {game.replay, true}});
    const std::string id = Text(added, 0, 0);
    Result line =
        c->Run(keepLine, {{game.day}, {game.playerHash}, {game.name}, {id}, {score}, {received}});
    Result place = c->Run(answerGame, {{id}, {game.day}, {Text(line, 0, 0)}});
    c->Run(commit);
    return {false,      game.day,   Integer(place, 0, 0), Integer(place, 0, 1),
            game.score, game.phase, Integer(added, 0, 0)};
}

std::optional<AppBoardPlacing> AppBoardPostgresStore::Find(std::string_view sha256) {
    Lease c = Take();
    return Found(c->Run(findGame, {{std::string(sha256)}}));
}

std::vector<AppBoardLine> AppBoardPostgresStore::Day(std::string_view day, int limit) {
    Lease c = Take();
    Result result = c->Run(dayLines, {{std::string(day)}, {std::to_string(limit)}});
    std::vector<AppBoardLine> lines;
    for (int row = 0; row < PQntuples(result.get()); ++row)
        lines.push_back({Integer(result, row, 0), Text(result, row, 1),
                         static_cast<std::int32_t>(Integer(result, row, 2)),
                         static_cast<std::int32_t>(Integer(result, row, 3)),
                         static_cast<std::uint32_t>(Integer(result, row, 4)),
                         Integer(result, row, 5), Integer(result, row, 6)});
    return lines;
}

std::vector<std::string> AppBoardPostgresStore::DaysBefore(std::string_view day, int limit) {
    Lease c = Take();
    Result result = c->Run(daysBefore, {{std::string(day)}, {std::to_string(limit)}});
    std::vector<std::string> days;
    for (int row = 0; row < PQntuples(result.get()); ++row)
        days.push_back(Text(result, row, 0));
    return days;
}

std::optional<std::string> AppBoardPostgresStore::Replay(std::int64_t id) {
    Lease c = Take();
    Result result = c->Run(replayFile, {{std::to_string(id)}});
    if (PQntuples(result.get()) == 0)
        return std::nullopt;
    return Text(result, 0, 0);
}
