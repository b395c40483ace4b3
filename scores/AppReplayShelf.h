// The replays kept beside the scores: one file per game in a top ten, and the last game's.
#pragma once

#include "AppScoreBook.h"

#include <functional>
#include <optional>
#include <string>

// A replay lies in the folder as "<id>.replay", named by AppScoreGame::ReplayId. The
// shelf holds the replays of the games that stand in any table's top ten and of the last
// game of the book; a game that drops out of all of them loses its replay. Each file is
// written whole through a durable replace once its game is in the scores file or beside
// it. A prune lists the replays before it reads the book, so a replay put meanwhile by
// another copy, whose game the book may miss, is never among those it removes. Files of
// other names in the folder are left alone.
class AppReplayShelf {
public:
    explicit AppReplayShelf(std::string folder) : folder_(std::move(folder)) {}
    AppReplayShelf(const AppReplayShelf&) = default;
    AppReplayShelf& operator=(const AppReplayShelf&) = default;
    virtual ~AppReplayShelf() = default;

    std::string PathOf(const AppScoreGame& game) const;
    // Writes the replay of `game`, making the folder when missing; false when it failed.
    bool Put(const AppScoreGame& game, const std::string& text) const;
    // The replay of `game`, or nothing when none is kept. A replay kept that cannot be read
    // whole gives an empty text, which reads as no game, as an empty file does.
    std::optional<std::string> Get(const AppScoreGame& game) const;
    // Removes every replay that belongs to no game the book keeps one for.
    void Prune(const AppScoreBook& book) const;
    // The same with the book `read` gives once the replays have been listed.
    void Prune(const std::function<AppScoreBook()>& read) const;

private:
    std::string folder_;
};
