// Enters every finished game in the player's scores and shows the Scores dialog.
#pragma once

#include "AppGame.h"
#include "AppGameRecord.h"
#include "AppScoreGame.h"

#include <QElapsedTimer>

#include <functional>
#include <optional>
#include <string>

class QWidget;

class AppScoreKeeper {
public:
    // The dialogs open over `window`, which outlives the keeper.
    explicit AppScoreKeeper(QWidget* window) : window_(window) {}
    AppScoreKeeper(const AppScoreKeeper&) = delete;
    AppScoreKeeper& operator=(const AppScoreKeeper&) = delete;

    // The ball was launched: the game's clock starts.
    void GameStarted();
    // A game in play reached game over: it is written to the scores file at
    // once, and when it makes its table the Scores dialog opens on it as soon
    // as the event loop is free. `record` is the game's record: an entered game
    // gets its number, and its replay is kept with the table.
    void GameEnded(const AppGame& game, const AppGameRecord& record);
    // The game's clock stands while the game is paused, so a game's length is its time in
    // play. Telling the same twice changes nothing.
    void SetPaused(bool paused);
    // The game's time in play so far, over every sitting.
    std::int64_t PlayMs() const;
    // A saved game goes on: its clock runs on from `playMs` when its ball was launched.
    void Resumed(std::int64_t playMs, bool launched);

    // Where "Watch" in the Scores dialog sends the replay it chose (a game file's text).
    void SetWatch(std::function<void(const std::string& replay)> watch) {
        watch_ = std::move(watch);
    }

    // The Scores dialog on the table of `rules`, or with a new entry's name
    // open for editing.
    void ShowScores(const AppPlayOptions& rules, const std::optional<AppScoreGame>& entered = {});

    // The name the account gives: the full name from the password database
    // (up to the first comma), else the login name.
    static std::string AccountName();

private:
    QWidget* window_;
    std::function<void(const std::string&)> watch_;
    QElapsedTimer sinceLaunch_;
    QElapsedTimer sincePause_;
    qint64 pausedMs_ = 0;
};
