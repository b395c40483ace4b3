// Enters every finished game in the player's scores and shows the Scores dialog.
#pragma once

#include "AppGame.h"
#include "AppScoreFile.h"
#include "AppWriteQueue.h"

#include <QElapsedTimer>

#include <functional>
#include <list>
#include <mutex>
#include <optional>
#include <string>

class QWidget;

class AppScoreKeeper {
public:
    // The dialogs open over `window`, which outlives the keeper.
    explicit AppScoreKeeper(QWidget* window) : window_(window) {}
    AppScoreKeeper(const AppScoreKeeper&) = delete;
    AppScoreKeeper& operator=(const AppScoreKeeper&) = delete;
    virtual ~AppScoreKeeper() = default;

    // Call around every input or step that may launch the ball or end the
    // game, with the state and ball before it: a launch starts the game's
    // clock; a game that ended is written to the scores file at once, and
    // when it makes its table the Scores dialog opens on it as soon as the
    // file has been read, before the write is done. A game left by New,
    // Options or Exit never ends here.
    //
    // Reading and writing the file run on threads of their own, so that a lock
    // another copy holds never stops the window. Writes not done when the
    // keeper goes are finished first, or left beside the file (see
    // AppWriteQueue).
    void Observe(const AppGame& game, AppState stateBefore, bool standingBefore);
    // The game's clock stands while the game is paused, so a game's length is its time in
    // play. Telling the same twice changes nothing.
    void SetPaused(bool paused);

    // The Scores dialog on the table of `rules`.
    void ShowScores(const AppPlayOptions& rules);

    // The name the account gives: the full name from the password database
    // (up to the first comma), else the login name.
    static std::string AccountName();

private:
    void GameEnded(const AppGame& game);
    // Reads the file and applies `change` on the reading thread, hands the book
    // to `shown` on the window's thread, and writes the change.
    void Write(AppScoreFile::Change change, std::function<void(const AppScoreBook&)> shown = {});
    // The file with the edits not yet written or left beside it.
    AppScoreBook View(const AppScoreFile& file) const;
    void ShowDialog(AppScoreBook book, const AppPlayOptions& rules,
                    const std::optional<AppScoreGame>& entered);

    QWidget* window_;
    // Edits between their reading and the end of their write, oldest first.
    mutable std::mutex unwrittenMutex_;
    std::list<std::string> unwritten_;
    // Declared so that the reading queue, which posts to the writing one, finishes first.
    AppWriteQueue writes_;
    AppWriteQueue reads_;
    QElapsedTimer sinceLaunch_;
    QElapsedTimer sincePause_;
    qint64 pausedMs_ = 0;
};
