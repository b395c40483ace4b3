// One request to the board: answered within a deadline, read up to a cap, never redirected.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;

// What came of a request. `problem` is empty when the board answered with an HTTP status,
// whatever it was; otherwise it says in one line why there is no answer to use.
struct AppBoardResult {
    int status = 0;
    QByteArray body;
    QString problem;
    QString location; // where a redirect pointed
};

class AppBoardCall {
    Q_DECLARE_TR_FUNCTIONS(AppBoardCall)

public:
    using Done = std::function<void(const AppBoardResult& result)>;

    // The answer is read up to `cap` bytes; a larger one is cut off and refused. The deadline
    // covers the whole exchange, so a board that trickles its answer is left too. Redirects are
    // not followed: the board's address is the only place anything is sent to or read from.
    struct Limits {
        qint64 cap = 1 << 20;
        int deadlineMs = 20000;
    };

    // `done` is called once, on the thread of `network`, unless `context` is gone by then.
    static void Get(QNetworkAccessManager& network, const QUrl& url, const Limits& limits,
                    QObject* context, Done done);
    static void Post(QNetworkAccessManager& network, const QUrl& url, const QByteArray& body,
                     const QList<QPair<QByteArray, QByteArray>>& headers, const Limits& limits,
                     QObject* context, Done done);

    // "cannot reach HOST: WHY" for a result without an answer.
    static QString CannotReach(const QUrl& url, const QString& why);
};
