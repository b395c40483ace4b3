// What the board needs of a database: its tables made at start, verified games kept, days listed.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A failure of the database itself (not of a game): the server answers 503 and keeps nothing.
struct AppBoardStoreError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A game the board has replayed and found good, ready to be kept.
struct AppBoardGame {
    std::string sha256; // of the file, 64 lowercase hex digits: the same file is one game
    std::string
        playerHash;   // SHA-256 of the player key, 64 lowercase hex digits; the key is not kept
    std::string name; // as sent, trimmed UTF-8
    std::string day;  // YYYY-MM-DD, the day whose game it is
    std::int32_t score = 0;
    std::int32_t phase = 0;
    std::uint32_t steps = 0;
    std::int64_t received = 0; // Unix time in milliseconds the upload came in
    std::string replay;        // the file's bytes
};

// The answer to an upload, kept with the game so that a repeat of the file repeats it.
struct AppBoardPlacing {
    bool repeat = false; // the file was on the board already; the rest is the first answer
    std::string day;
    std::int64_t rank = 0; // the place of the player's line on the day after the upload
    std::int64_t of = 0;   // the lines on the day after the upload
    std::int32_t score = 0;
    std::int32_t phase = 0;
    std::int64_t id = 0; // the game's
};

// One player's line on a day: their best game (then the earlier), under the name sent last.
struct AppBoardLine {
    std::int64_t rank = 0; // lines with the same score share a rank
    std::string name;
    std::int32_t score = 0;
    std::int32_t phase = 0;
    std::uint32_t steps = 0;
    std::int64_t received = 0; // Unix milliseconds, of the line's game
    std::int64_t id = 0;       // of the line's game
};

// Every call may come from any thread at any time; each is one transaction, and a call that
// returns has committed. A database failure throws AppBoardStoreError and leaves nothing half
// done.
class AppBoardStore {
public:
    virtual ~AppBoardStore() = default;

    // Brings the schema to this program's version, in one transaction; run once at start.
    virtual void Migrate() = 0;
    // Keeps the game, or finds the game of the same SHA-256 and answers as it was answered first
    // (repeat set). One line per player per day: the best score, an equal later one does not
    // replace it; every upload that is not a repeat sets the line's name to the one sent.
    virtual AppBoardPlacing Put(const AppBoardGame& game) = 0;
    // The answer the file of this SHA-256 got when it was kept, repeat set; nothing when the
    // board does not hold it.
    virtual std::optional<AppBoardPlacing> Find(std::string_view sha256) = 0;
    // The day's lines best first, ties by the earlier game, at most `limit` of them.
    virtual std::vector<AppBoardLine> Day(std::string_view day, int limit) = 0;
    // The latest days (YYYY-MM-DD) before `day` that hold games, latest first, at most `limit`.
    virtual std::vector<std::string> DaysBefore(std::string_view day, int limit) = 0;
    // The file of a kept game; nothing for an unknown id.
    virtual std::optional<std::string> Replay(std::int64_t id) = 0;
};
