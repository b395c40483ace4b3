// The scores file's games in memory: a table per set of rules with its top ten and history.
#pragma once

#include "AppScoreGame.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a table's History page shows.
struct AppScoreHistory {
    std::size_t games = 0;
    std::int64_t totalSeconds = 0;
    double averageScore = 0;
    std::int32_t bestScore = 0;
    std::int32_t bestPhase = 0;
    // The scores of the table's last games, oldest first.
    std::vector<std::int32_t> recentScores;
    // The score at the table's tenth place, when it has ten entries.
    std::optional<std::int32_t> tenthScore;
    // The table's game written last.
    std::optional<AppScoreGame> lastGame;
};

// A table holds the games played under one set of the seven play values. Its
// entries rank by score, then phase, then the earlier game first; games of 0
// points count in its history but never enter it. Lines that are not games
// (damaged or of another kind) are kept in their place and written back as
// they were.
class AppScoreBook {
public:
    static constexpr std::size_t tableSize = 10;
    static constexpr std::size_t recentGames = 100;
    // Past this many games, a rewrite drops the oldest games that stand in no
    // table's top ten.
    static constexpr std::size_t gameBound = 10000;

    AppScoreBook() = default;

    static AppScoreBook FromText(std::string_view text);
    // The version line, then every game and kept line in file order.
    std::string Text() const;
    // False when the text names a later version of the format: it may hold
    // what this program would lose by writing it again.
    bool Writable() const { return version_ <= AppScoreGame::formatVersion; }

    // The change from `before` to `after` as a text that any copy can apply
    // later to what the file holds then (see Apply): the version line, then
    // "-<game line>" for each game `after` no longer holds and "+<game line>"
    // for each it holds anew.
    static std::string Edit(const AppScoreBook& before, const AppScoreBook& after);
    // Applies an edit: each "-" line removes the first equal game, if any;
    // each "+" line adds its game unless the book already holds as many equal
    // games as the edit has added so far, so that an edit applied again
    // changes nothing. False, with the book unchanged, for an edit of a later
    // version or with a line that is neither.
    bool Apply(std::string_view edit);
    // One edit doing what `first` and then `second` do: a game the second removes that the
    // first adds is neither added nor removed. Both are edits of this version.
    static std::string JoinEdits(const std::string& first, const std::string& second);

    void Add(const AppScoreGame& game);
    std::size_t GameCount() const { return gameCount_; }

    // Every set of rules that has games, in the order of its first game.
    std::vector<AppPlayOptions> Tables() const;
    // The table's entries, best first, at most tableSize.
    std::vector<AppScoreGame> TopTen(const AppPlayOptions& rules) const;
    // The place (1 to tableSize) of a game equal to `game` in its table, or 0.
    int RankOf(const AppScoreGame& game) const;
    AppScoreHistory History(const AppPlayOptions& rules) const;
    // The table's games in the order they were written.
    std::vector<AppScoreGame> Games(const AppPlayOptions& rules) const;
    // The game written last, if any.
    std::optional<AppScoreGame> LastGame() const;
    // The name of the last game that has one, or an empty text.
    std::string LastName() const;

    // Removes the games of one table; the number removed.
    std::size_t Clear(const AppPlayOptions& rules);
    // Gives the first game equal to `game` a new name; false when there is none.
    bool Rename(const AppScoreGame& game, std::string_view name);
    // Keeps the board's answer with the game whose replay id is `replayId`; false when there
    // is none.
    bool SetBoardAnswer(std::string_view replayId, const AppBoardAnswer& answer);
    // Holds the book to gameBound games and its Text() to `maxBytes`, dropping
    // the oldest games outside every top ten, then, while the text is still
    // too long, the oldest lines that are no games.
    void Bound(std::size_t maxBytes);

private:
    struct Line {
        std::optional<AppScoreGame> game;
        std::string text; // a line that is no game, as it was read
    };
    bool Better(std::size_t a, std::size_t b) const;
    // Sorts indices into lines_ best first and keeps the first `limit`.
    void KeepBest(std::vector<std::size_t>& entries, std::size_t limit) const;
    // Indices into lines_ of the table's games, best first, at most `limit`.
    std::vector<std::size_t> Ranked(const AppPlayOptions& rules, std::size_t limit) const;

    std::vector<Line> lines_;
    std::size_t gameCount_ = 0;
    int version_ = AppScoreGame::formatVersion;
};
