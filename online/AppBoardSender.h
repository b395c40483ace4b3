// Sends the outbox's games to the board on a network thread of its own, one at a time.
#pragma once

#include "AppBoardAnswer.h"
#include "AppBoardCall.h"
#include "AppBoardOptions.h"
#include "AppOutbox.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <optional>
#include <string>

class QNetworkAccessManager;
class QTimer;

// The thread only reads and writes the outbox and talks to the board; what the board answered
// comes back to the owner's thread as signals. With nothing waiting, or sending off, nothing on
// the thread wakes: the only timer is the one of the next try, armed while games wait.
//
// A game is removed from the outbox when the board answers it for good: 2xx (taken, answer kept)
// or a 4xx other than 429 (refused, reason kept). 429, 5xx, a redirect, an answer that cannot be
// read and no answer at all keep it, and the next try waits a minute, doubling to an hour.
class AppBoardSender : public QObject {
    Q_OBJECT

public:
    // `keyPath` holds the player's key (see AppPlayerKey).
    AppBoardSender(std::string outboxFolder, std::string keyPath, QObject* parent = nullptr);
    ~AppBoardSender() override;

    // Sending follows these from now on; turned on, games waiting are tried.
    void SetOptions(const AppBoardOptions& options, const QString& name);
    // Writes the game into the outbox on the thread, then tries the board.
    void Queue(const QString& id, const QString& replay);
    // Tries the games waiting, when the schedule allows.
    void Kick();

    void SetLimits(const AppBoardCall::Limits& limits);

signals:
    // The board answered the game for good; it has left the outbox.
    void Answered(const QString& id, const AppBoardAnswer& answer);
    // The game stays queued: why, in one line.
    void Waiting(const QString& id, const QString& problem);
    // The game could not even be written to the outbox.
    void NotQueued(const QString& id);

private:
    // On the thread from here on.
    void Pump();
    void Sent(const std::string& id, const AppBoardResult& result);
    void Failed(const std::string& id, const QString& problem);

    AppOutbox outbox_;
    std::string keyPath_;
    QThread thread_;
    // Lives on the thread, with the network and the timer as its children.
    QObject* worker_ = nullptr;
    QNetworkAccessManager* network_ = nullptr;
    QTimer* retry_ = nullptr;
    AppBoardOptions options_;
    QString name_;
    AppBoardCall::Limits limits_ = {64 * 1024, 30000};
    bool busy_ = false;
};
