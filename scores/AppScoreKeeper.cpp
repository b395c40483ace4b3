// Enters every finished game in the player's scores and shows the Scores dialog.
#include "AppScoreKeeper.h"

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

void AppScoreKeeper::GameEnded(const AppGame& game) {
    AppScoreGame ended;
    ended.endTime = std::time(nullptr);
    ended.rules = game.PlayOptions();
    ended.score = game.Score();
    ended.phase = game.Phase();
    ended.lengthSeconds =
        sinceLaunch_.isValid() ? std::int32_t((sinceLaunch_.elapsed() - pausedMs_) / 1000) : 0;
    sinceLaunch_.invalidate();
    AppScoreBook book;
    AppPlayerScores::File().Rewrite(
        [&ended](AppScoreBook& games) {
            // The name used last, as the file holds it when the game is added.
            const std::string last = games.LastName();
            ended.name = last.empty() ? AccountName() : last;
            games.Add(ended);
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
    TScoresDialog dialog(file, file.Load(), rules, window_);
    if (entered)
        dialog.EditName(*entered);
    dialog.exec();
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
