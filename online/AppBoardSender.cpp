// Sends the outbox's games to the board on a network thread of its own, one at a time.
#include "AppBoardSender.h"

#include "AppBoardReplies.h"
#include "AppPlayerKey.h"

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QTimer>
#include <QUrl>

AppBoardSender::AppBoardSender(std::string outboxFolder, std::string keyPath, QObject* parent)
    : QObject(parent), outbox_(std::move(outboxFolder)), keyPath_(std::move(keyPath)) {
    thread_.setObjectName(QStringLiteral("zingaroo-board"));
    worker_ = new QObject;
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
    QMetaObject::invokeMethod(worker_, [this] {
        network_ = new QNetworkAccessManager(worker_);
        retry_ = new QTimer(worker_);
        retry_->setSingleShot(true);
        connect(retry_, &QTimer::timeout, worker_, [this] { Pump(); });
    });
}

AppBoardSender::~AppBoardSender() {
    // A game being sent stays in the outbox and goes at the next start.
    thread_.quit();
    thread_.wait();
}

void AppBoardSender::SetOptions(const AppBoardOptions& options, const QString& name) {
    QMetaObject::invokeMethod(worker_, [this, options, name] {
        options_ = options;
        name_ = name;
        Pump();
    });
}

void AppBoardSender::SetLimits(const AppBoardCall::Limits& limits) {
    QMetaObject::invokeMethod(worker_, [this, limits] { limits_ = limits; });
}

void AppBoardSender::Queue(const QString& id, const QString& replay) {
    QMetaObject::invokeMethod(worker_, [this, id, replay] {
        if (!outbox_.Put(id.toStdString(), replay.toStdString()))
            emit NotQueued(id);
        Pump();
    });
}

void AppBoardSender::Kick() {
    QMetaObject::invokeMethod(worker_, [this] { Pump(); });
}

void AppBoardSender::Pump() {
    if (busy_ || !options_.Sending())
        return;
    const std::vector<std::string> ids = outbox_.Ids();
    if (ids.empty())
        return;
    const std::int64_t wait = outbox_.Schedule().WaitFrom(QDateTime::currentSecsSinceEpoch());
    if (wait > 0) {
        retry_->start(std::chrono::seconds(wait));
        return;
    }
    retry_->stop();
    const std::string& id = ids.front();
    const std::optional<std::string> replay = outbox_.Read(id);
    const std::optional<std::string> key = AppPlayerKey(keyPath_).Make();
    if (!replay || !key) {
        Failed(id, tr("the game or the player's key cannot be read"));
        return;
    }
    busy_ = true;
    const QUrl url(QString::fromStdString(options_.Address) + QStringLiteral("/api/v1/games"));
    AppBoardCall::Post(*network_, url, QByteArray::fromStdString(*replay),
                       {{"X-Zingaroo-Player", QByteArray::fromStdString(*key)},
                        {"X-Zingaroo-Name", name_.toUtf8().toPercentEncoding()}},
                       limits_, worker_,
                       [this, id](const AppBoardResult& result) { Sent(id, result); });
}

void AppBoardSender::Sent(const std::string& id, const AppBoardResult& result) {
    busy_ = false;
    const QString qid = QString::fromStdString(id);
    if (result.status >= 200 && result.status < 300) {
        if (const std::optional<AppBoardAnswer> answer = AppBoardReplies::Posted(result.body)) {
            outbox_.Remove(id);
            outbox_.ClearSchedule();
            emit Answered(qid, *answer);
        } else {
            //: The board accepted a game but its answer could not be read.
            Failed(id, tr("the board's answer cannot be read"));
        }
    } else if (result.status >= 400 && result.status < 500 && result.status != 429) {
        outbox_.Remove(id);
        outbox_.ClearSchedule();
        emit Answered(qid, AppBoardAnswer::Refused(
                               AppBoardReplies::Reason(result.body, result.status).toStdString()));
    } else if (result.status >= 300 && result.status < 400) {
        //: The board answered with a redirect, which is not followed. %1 is where it pointed.
        Failed(id, tr("the board sent the game elsewhere (%1)").arg(result.location));
    } else if (result.status != 0) {
        Failed(id, AppBoardReplies::Reason(result.body, result.status));
    } else {
        Failed(id, result.problem);
    }
    Pump();
}

void AppBoardSender::Failed(const std::string& id, const QString& problem) {
    AppRetrySchedule schedule = outbox_.Schedule();
    schedule.Failed(QDateTime::currentSecsSinceEpoch());
    outbox_.SetSchedule(schedule);
    emit Waiting(QString::fromStdString(id), problem);
}
