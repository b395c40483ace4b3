// A board for tests on a loopback port: it records every request and answers as told.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <functional>

// By default it takes games as the real board's API does, without replaying them: each new
// body is a game (a repeat gets the first answer again), the day lists them in the order sent,
// and each game's replay can be fetched. An answer set by SetAnswer replaces all of that.
class FakeBoard : public QObject {
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };
    // The whole HTTP answer, status line to body.
    using Answer = std::function<QByteArray(const Request& request)>;

    // Listens on 127.0.0.1, on `port` or on a free one.
    explicit FakeBoard(quint16 port = 0);

    quint16 Port() const { return server_.serverPort(); }
    QString Address() const;
    void SetAnswer(Answer answer) { answer_ = std::move(answer); }
    // Writes each answer one byte every `ms`.
    void SetTrickle(int ms) { trickleMs_ = ms; }

    // An answer with this status and body, and Content-Length unless `length` is false.
    static QByteArray Response(int status, const QByteArray& body,
                               const QByteArray& extraHeaders = {}, bool length = true);

    QList<Request> requests;
    // The games taken, in the order sent.
    QList<QByteArray> games;

private:
    void Serve(QTcpSocket* socket, QByteArray& buffer);
    QByteArray Board(const Request& request);

    QTcpServer server_;
    Answer answer_;
    QList<QString> names_;
    int trickleMs_ = 0;
};

// A loopback port nothing listens on, at least for now.
quint16 FreePort();
