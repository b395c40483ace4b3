// Enters every finished game in the player's scores and shows the Scores dialog.
#include "AppScoreKeeper.h"

#include "AppPlayerScores.h"
#include "TScoresDialog.h"

#include <QMetaObject>
#include <QWidget>

#include <ctime>
#include <memory>
#include <pwd.h>
#include <unistd.h>
#include <vector>

void AppScoreKeeper::Observe(const AppGame& game, AppState stateBefore, bool standingBefore) {
    if (game.State() != stPlaying && game.State() != stGameOver)
        return;
    if (stateBefore == stPlaying && standingBefore && !game.ball.IsStanding()) {
        sinceLaunch_.start();
        pausedMs_ = 0;
    }
    if (stateBefore == stPlaying && game.State() == stGameOver)
        GameEnded(game);
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
    auto ended = std::make_shared<AppScoreGame>();
    ended->endTime = std::time(nullptr);
    ended->rules = game.PlayOptions();
    ended->score = game.Score();
    ended->phase = game.Phase();
    ended->lengthSeconds =
        sinceLaunch_.isValid() ? std::int32_t((sinceLaunch_.elapsed() - pausedMs_) / 1000) : 0;
    sinceLaunch_.invalidate();
    Write(
        [ended](AppScoreBook& games) {
            // The name used last, as the file holds it when the game is added.
            const std::string last = games.LastName();
            ended->name = last.empty() ? AccountName() : last;
            games.Add(*ended);
        },
        [this, ended](const AppScoreBook& book) {
            // The game-over picture stays under the dialog.
            if (ended->score > 0 && book.RankOf(*ended) > 0)
                ShowDialog(book, ended->rules, *ended);
        });
}

void AppScoreKeeper::Write(AppScoreFile::Change change,
                           std::function<void(const AppScoreBook&)> shown) {
    reads_.Post([this, change = std::move(change), shown = std::move(shown)](int) {
        const AppScoreFile file = AppPlayerScores::File();
        AppScoreBook book = View(file);
        if (!book.Writable()) {
            file.Rewrite(change, book); // refuses a later version, and tells why
            return;
        }
        const std::string edit = AppScoreFile::Prepare(change, book);
        std::list<std::string>::iterator entry;
        {
            const std::lock_guard<std::mutex> guard(unwrittenMutex_);
            entry = unwritten_.insert(unwritten_.end(), edit);
        }
        if (shown)
            QMetaObject::invokeMethod(
                window_, [shown, book = std::move(book)] { shown(book); }, Qt::QueuedConnection);
        writes_.Post([this, file, entry](int lockWaitMs) {
            file.Deliver(*entry, lockWaitMs);
            const std::lock_guard<std::mutex> guard(unwrittenMutex_);
            unwritten_.erase(entry);
        });
    });
}

AppScoreBook AppScoreKeeper::View(const AppScoreFile& file) const {
    AppScoreBook book = file.Load();
    // An edit written meanwhile is in the file already: applying it again changes nothing.
    const std::lock_guard<std::mutex> guard(unwrittenMutex_);
    for (const std::string& edit : unwritten_)
        book.Apply(edit);
    return book;
}

void AppScoreKeeper::ShowScores(const AppPlayOptions& rules) {
    // Reading never waits for another copy: it is quick enough for the window's thread.
    ShowDialog(View(AppPlayerScores::File()), rules, std::nullopt);
}

void AppScoreKeeper::ShowDialog(AppScoreBook book, const AppPlayOptions& rules,
                                const std::optional<AppScoreGame>& entered) {
    TScoresDialog dialog(
        std::move(book), rules, [this](const AppScoreFile::Change& change) { Write(change); },
        window_);
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
