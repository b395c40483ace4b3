// Enters every finished game in the player's scores and shows the Scores dialog.
#include "AppScoreKeeper.h"

#include "AppDurableFile.h"
#include "AppGameFile.h"
#include "AppGameNumber.h"
#include "AppPlayerScores.h"
#include "TScoresDialog.h"

#include <QFile>
#include <QMetaObject>
#include <QWidget>

#include <chrono>
#include <ctime>
#include <memory>
#include <pwd.h>
#include <unistd.h>
#include <vector>

AppScoreKeeper::AppScoreKeeper(QWidget* window) : window_(window) {
    AppDurableFile::RemoveStaleTemporaries(
        QFile::encodeName(AppPlayerScores::Path()).toStdString());
}

void AppScoreKeeper::Finish() {
    // The reading queue posts to the writing one, so it finishes first.
    reads_.Finish();
    writes_.Finish();
}

void AppScoreKeeper::GameEnded(const AppFinishedGame& game) {
    auto ended = std::make_shared<AppScoreGame>();
    ended->endTime = std::time(nullptr);
    // A game played past the bounds of a record has no whole record, and so no replay.
    const AppGameRecord& record = game.record;
    const bool recorded = record.end && record.end->how == AppGameEnd::gameOver;
    ended->number = game.number;
    std::string replay = recorded ? AppGameFile::Text(record) : std::string();
    ended->rules = game.options;
    ended->score = game.score;
    ended->phase = game.phase;
    ended->lengthSeconds = std::int32_t(game.playMs / 1000);
    const bool dayGame =
        AppGameNumber::DayOf(ended->number, ended->rules,
                             std::chrono::sys_seconds(std::chrono::seconds(ended->endTime)))
            .has_value();
    if (dayGame && !replay.empty() && send_)
        send_(*ended, replay);
    std::function<void()> putReplay;
    if (!replay.empty())
        putReplay = [this, ended, replay = std::move(replay)] {
            // The dialog open on the game offers its replay as soon as it is on the shelf.
            if (AppPlayerScores::Shelf().Put(*ended, replay))
                QMetaObject::invokeMethod(
                    window_,
                    [this] {
                        if (dialog_)
                            dialog_->ReplaysChanged();
                    },
                    Qt::QueuedConnection);
        };
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
        },
        std::move(putReplay));
}

void AppScoreKeeper::KeepBoardAnswer(const std::string& replayId, const AppBoardAnswer& answer) {
    Write([replayId, answer](AppScoreBook& games) { games.SetBoardAnswer(replayId, answer); });
}

void AppScoreKeeper::Write(AppScoreFile::Change change,
                           std::function<void(const AppScoreBook&)> shown,
                           std::function<void()> delivered) {
    reads_.Post([this, change = std::move(change), shown = std::move(shown),
                 delivered = std::move(delivered)](int) {
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
        writes_.Post([this, file, entry, delivered](int lockWaitMs) {
            // A replay is put only once its game stands in the file or beside it, and
            // the shelf is pruned against a view that still holds this edit: no copy
            // prunes a replay whose game stands in a table, written or pending.
            if (file.Deliver(*entry, lockWaitMs) != AppScoreFile::Outcome::NotSaved && delivered)
                delivered();
            AppPlayerScores::Shelf().Prune([this, &file] { return View(file); });
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
        std::move(book), AppPlayerScores::Shelf(), rules,
        [this](const AppScoreFile::Change& change) { Write(change); }, window_);
    dialog.SetBoard(QString::fromStdString(boardAddress_));
    if (entered) {
        dialog.EditName(*entered);
        // The final field stays in view beside the dialog.
        dialog.PlaceBeside(*window_);
    }
    dialog_ = &dialog;
    dialog.exec();
    if (dialog.WatchText() && watch_)
        watch_(*dialog.WatchText());
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
