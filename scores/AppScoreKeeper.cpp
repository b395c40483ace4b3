// Enters every finished game in the player's scores and shows the Scores dialog.
#include "AppScoreKeeper.h"

#include "AppGameFile.h"
#include "AppPlayerScores.h"
#include "TScoresDialog.h"

#include <QTimer>
#include <QWidget>

#include <ctime>
#include <pwd.h>
#include <unistd.h>
#include <vector>

void AppScoreKeeper::GameStarted() {
    sinceLaunch_.start();
    pausedMs_ = 0;
}

void AppScoreKeeper::SetPaused(bool paused) {
    if (paused && !sincePause_.isValid()) {
        sincePause_.start();
    } else if (!paused && sincePause_.isValid()) {
        pausedMs_ += sincePause_.elapsed();
        sincePause_.invalidate();
    }
}

std::int64_t AppScoreKeeper::PlayMs() const {
    if (!sinceLaunch_.isValid())
        return 0;
    const qint64 pausing = sincePause_.isValid() ? sincePause_.elapsed() : 0;
    return sinceLaunch_.elapsed() - pausedMs_ - pausing;
}

void AppScoreKeeper::Resumed(std::int64_t playMs, bool launched) {
    sinceLaunch_.invalidate();
    sincePause_.invalidate();
    pausedMs_ = 0;
    if (launched) {
        // The time before this sitting counts as if it had just passed.
        sinceLaunch_.start();
        pausedMs_ = -playMs;
    }
}

void AppScoreKeeper::GameEnded(const AppGame& game, const AppGameRecord& record) {
    AppScoreGame ended;
    ended.endTime = std::time(nullptr);
    // A game played past the bounds of a record has no whole record, and so no replay.
    const bool recorded = record.end && record.end->how == AppGameEnd::gameOver;
    ended.number = record.number;
    const std::string replay = recorded ? AppGameFile::Text(record) : std::string();
    ended.rules = game.PlayOptions();
    ended.score = game.Score();
    ended.phase = game.Phase();
    ended.lengthSeconds = std::int32_t(PlayMs() / 1000);
    sinceLaunch_.invalidate();
    AppScoreBook book;
    const AppReplayShelf shelf = AppPlayerScores::Shelf();
    AppPlayerScores::File().Rewrite(
        [&](AppScoreBook& games) {
            // The name used last, as the file holds it when the game is added.
            const std::string last = games.LastName();
            ended.name = last.empty() ? AccountName() : last;
            games.Add(ended);
            // Under the file's lock, so no other copy prunes this replay before its game
            // is in the file.
            if (!replay.empty())
                shelf.Put(ended, replay);
            shelf.Prune(games);
        },
        book);
    // Out of the step or key handler that ended the game; the game-over
    // picture stays under the dialog.
    if (ended.score > 0 && book.RankOf(ended) > 0)
        QTimer::singleShot(0, window_, [this, ended] { ShowScores(ended.rules, ended); });
}

void AppScoreKeeper::ShowScores(const AppPlayOptions& rules,
                                const std::optional<AppScoreGame>& entered) {
    const AppScoreFile file = AppPlayerScores::File();
    TScoresDialog dialog(file, AppPlayerScores::Shelf(), file.Load(), rules, window_);
    if (entered)
        dialog.EditName(*entered);
    dialog.exec();
    if (!dialog.WatchText().empty() && watch_)
        watch_(dialog.WatchText());
}

std::string AppScoreKeeper::AccountName() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    const std::string gecos = found->pw_gecos ? found->pw_gecos : "";
    const std::string fullName = AppScoreGame::CleanName(gecos.substr(0, gecos.find(',')));
    return fullName.empty() ? AppScoreGame::CleanName(found->pw_name) : fullName;
}
