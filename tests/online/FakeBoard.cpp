// A board for tests on a loopback port: it records every request and answers as told.
#include "FakeBoard.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

FakeBoard::FakeBoard(quint16 port) {
    server_.listen(QHostAddress::LocalHost, port);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                *buffer += socket->readAll();
                Serve(socket, *buffer);
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString FakeBoard::Address() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(Port());
}

QByteArray FakeBoard::Response(int status, const QByteArray& body, const QByteArray& extraHeaders,
                               bool length) {
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(status) + " X\r\nConnection: close\r\n" + extraHeaders;
    if (length)
        head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return head + "\r\n" + body;
}

void FakeBoard::Serve(QTcpSocket* socket, QByteArray& buffer) {
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    Request request;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    const QList<QByteArray> first = lines.front().trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers[lines[i].left(colon).trimmed().toLower()] =
                lines[i].mid(colon + 1).trimmed();
    }
    const qsizetype length = request.headers.value("content-length").toLongLong();
    if (buffer.size() < end + 4 + length)
        return;
    request.body = buffer.mid(end + 4, length);
    buffer.clear();
    requests.append(request);
    const QByteArray answer = answer_ ? answer_(request) : Board(request);
    if (trickleMs_ <= 0) {
        socket->write(answer);
        socket->disconnectFromHost();
        return;
    }
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [socket, answer, sent] {
        if (*sent < answer.size())
            socket->write(answer.mid((*sent)++, 1));
    });
    timer->start(trickleMs_);
}

QByteArray FakeBoard::Board(const Request& request) {
    const QString today = QDateTime::currentDateTimeUtc().date().toString(Qt::ISODate);
    if (request.method == "POST" && request.path == "/api/v1/games") {
        qsizetype index = games.indexOf(request.body);
        const bool repeat = index >= 0;
        if (!repeat) {
            games.append(request.body);
            names_.append(QString::fromUtf8(
                QByteArray::fromPercentEncoding(request.headers.value("x-zingaroo-name"))));
            index = games.size() - 1;
        }
        const QJsonObject answer{{"day", today},
                                 {"rank", int(index) + 1},
                                 {"of", int(games.size())},
                                 {"score", 0},
                                 {"phase", 1},
                                 {"id", QStringLiteral("g%1").arg(index)}};
        return Response(repeat ? 200 : 201, QJsonDocument(answer).toJson());
    }
    if (request.method == "GET" && request.path.startsWith("/api/v1/days/")) {
        QJsonArray lines;
        for (qsizetype i = 0; i < games.size(); ++i)
            lines.append(QJsonObject{{"rank", int(i) + 1},
                                     {"name", names_.value(i)},
                                     {"score", 0},
                                     {"phase", 1},
                                     {"steps", 1},
                                     {"when", today},
                                     {"id", QStringLiteral("g%1").arg(i)}});
        return Response(200, QJsonDocument(lines).toJson());
    }
    if (request.method == "GET" && request.path.startsWith("/api/v1/games/g")) {
        const qsizetype index = request.path.mid(15).split('.').front().toLongLong();
        if (index >= 0 && index < games.size())
            return Response(200, games[index]);
    }
    return Response(404, R"({"error":"not found","reason":"no such page"})");
}

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
