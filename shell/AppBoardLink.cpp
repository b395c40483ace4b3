// The game's link to the board: the day's games into the outbox, the answers into the scores.
#include "AppBoardLink.h"

#include "AppBoardSender.h"
#include "AppBoardTexts.h"
#include "AppLog.h"
#include "AppPlayerKey.h"
#include "AppProgramFolders.h"
#include "AppScoreKeeper.h"

#include <QFile>

AppBoardLink::AppBoardLink(AppScoreKeeper& keeper, std::function<void()> noteChanged,
                           QObject* parent)
    : QObject(parent), keeper_(keeper), noteChanged_(std::move(noteChanged)) {
    sender_ = new AppBoardSender(QFile::encodeName(OutboxFolder()).toStdString(),
                                 QFile::encodeName(KeyPath()).toStdString(), this);
    connect(sender_, &AppBoardSender::Answered, this, &AppBoardLink::Answered);
    connect(sender_, &AppBoardSender::Waiting, this, [](const QString& id, const QString& why) {
        qCInfo(boardLog, "%s stays queued: %s", qUtf8Printable(id), qUtf8Printable(why));
    });
    connect(sender_, &AppBoardSender::NotQueued, this, [](const QString& id) {
        qCWarning(boardLog, "%s could not be put in the outbox", qUtf8Printable(id));
    });
}

AppBoardLink::~AppBoardLink() = default;

QString AppBoardLink::OutboxFolder() {
    return AppProgramFolders::PlayerDataFolder() + QStringLiteral("/outbox");
}

QString AppBoardLink::KeyPath() {
    return AppProgramFolders::PlayerDataFolder() + QStringLiteral("/player-key");
}

QString AppBoardLink::ShownName(const AppBoardOptions& options) {
    const QString name =
        QString::fromStdString(options.Name.empty() ? AppScoreKeeper::AccountName() : options.Name);
    return name.left(int(AppBoardOptions::maxNameLength)).trimmed();
}

void AppBoardLink::Apply(const AppBoardOptions& options) {
    if (options.Sending() && !AppPlayerKey(QFile::encodeName(KeyPath()).toStdString()).Make())
        qCWarning(boardLog, "the player's key could not be kept in %s", qUtf8Printable(KeyPath()));
    keeper_.SetBoard(options.Address);
    if (options.Sending())
        keeper_.SetSend([this](const AppScoreGame& game, const std::string& replay) {
            noteId_ = QString::fromStdString(game.ReplayId());
            note_ = AppBoardTexts::Queued();
            sender_->Queue(noteId_, QString::fromStdString(replay));
            noteChanged_();
        });
    else
        keeper_.SetSend({});
    sender_->SetOptions(options, ShownName(options));
}

void AppBoardLink::GameEnded() {
    noteId_.clear();
    note_.clear();
}

void AppBoardLink::Answered(const QString& id, const AppBoardAnswer& answer) {
    keeper_.KeepBoardAnswer(id.toStdString(), answer);
    if (id != noteId_)
        return;
    note_ = answer.kind == AppBoardAnswer::Kind::sent
                ? AppBoardTexts::Sent(answer.rank, answer.of)
                : AppBoardTexts::Refused(QString::fromStdString(answer.reason));
    noteChanged_();
}
