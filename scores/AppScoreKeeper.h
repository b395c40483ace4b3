// Enters every finished game in the player's scores and shows the Scores dialog.
#pragma once

#include "AppFinishedGame.h"
#include "AppScoreFile.h"
#include "AppWriteQueue.h"

#include <QPointer>

#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

class QWidget;
class TScoresDialog;

class AppScoreKeeper {
public:
    // The dialogs open over `window`, which outlives the keeper. Temporary files that saves
    // of copies now gone left beside the scores file are removed.
    explicit AppScoreKeeper(QWidget* window);
    AppScoreKeeper(const AppScoreKeeper&) = delete;
    AppScoreKeeper& operator=(const AppScoreKeeper&) = delete;

    // A game in play reached game over: it is written to the scores file at
    // once, and when it makes its table the Scores dialog opens on it as soon
    // as the file has been read, before the write is done. An entered game keeps
    // its number, and its replay is kept with the table.
    //
    // Reading and writing the file run on threads of their own, so that a lock
    // another copy holds never stops the window.
    void GameEnded(const AppFinishedGame& game);
    // Finishes the writes still waiting, each within what is left of one lock wait, or
    // leaves them beside the file (see AppWriteQueue). Once, at the program's end.
    void Finish();

    // Where "Watch" in the Scores dialog sends the replay it chose (a game file's text).
    void SetWatch(std::function<void(const std::string& replay)> watch) {
        watch_ = std::move(watch);
    }

    // Where a finished day's game with a replay goes when the player sends the day's games:
    // the game as the scores keep it and its replay. Empty: nowhere.
    void SetSend(std::function<void(const AppScoreGame& game, const std::string& replay)> send) {
        send_ = std::move(send);
    }
    // The board the Scores dialog's Board page shows; empty for none.
    void SetBoard(std::string address) { boardAddress_ = std::move(address); }
    // Keeps what the board answered with the game of that replay id.
    void KeepBoardAnswer(const std::string& replayId, const AppBoardAnswer& answer);

    // The Scores dialog on the table of `rules`.
    void ShowScores(const AppPlayOptions& rules);

    // The name the account gives: the full name from the password database
    // (up to the first comma), else the login name.
    static std::string AccountName();

private:
    // Reads the file and applies `change` on the reading thread, hands the book
    // to `shown` on the window's thread, and writes the change; once the
    // change is in the file or beside it, calls `delivered` on the writing
    // thread, then prunes the replays.
    void Write(AppScoreFile::Change change, std::function<void(const AppScoreBook&)> shown = {},
               std::function<void()> delivered = {});
    // The file with the edits not yet written or left beside it.
    AppScoreBook View(const AppScoreFile& file) const;
    void ShowDialog(AppScoreBook book, const AppPlayOptions& rules,
                    const std::optional<AppScoreGame>& entered);

    QWidget* window_;
    std::function<void(const std::string&)> watch_;
    // The Scores dialog while it is open, told of the replays that land meanwhile.
    QPointer<TScoresDialog> dialog_;
    std::function<void(const AppScoreGame&, const std::string&)> send_;
    std::string boardAddress_;
    // Edits between their reading and the end of their write, oldest first.
    mutable std::mutex unwrittenMutex_;
    std::list<std::string> unwritten_;
    // Declared so that the reading queue, which posts to the writing one, finishes first.
    AppWriteQueue writes_;
    AppWriteQueue reads_;
};
