// Keeps the program to one copy per player: a later start hands its file to the copy that runs.
#include "AppOneCopy.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

#include <unistd.h>

#include <utility>

namespace {

// The copy's answer once it has the message.
constexpr char answer[] = "ok\n";

} // namespace

QString AppOneCopy::SocketPath(const QString& runtimeFolder) {
    return QDir(runtimeFolder).filePath(QStringLiteral("zingaroo-%1").arg(::getuid()));
}

AppOneCopy::AppOneCopy(QString socketPath, int waitMs, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)), waitMs_(waitMs) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &AppOneCopy::Accept);
}

bool AppOneCopy::HandOver(const QString& path) {
    const QString absolute = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    switch (Send(absolute)) {
    case Sent::taken:
        return true;
    case Sent::noAnswer:
        return false;
    case Sent::noCopy:
        break;
    }
    if (server_.listen(socketPath_))
        return false;
    // Another start may have begun listening a moment ago; else the socket is a gone copy's.
    switch (Send(absolute)) {
    case Sent::taken:
        return true;
    case Sent::noAnswer:
        return false;
    case Sent::noCopy:
        break;
    }
    QLocalServer::removeServer(socketPath_);
    server_.listen(socketPath_);
    return false;
}

AppOneCopy::Sent AppOneCopy::Send(const QString& path) const {
    const QDeadlineTimer deadline(waitMs_);
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return socket.error() == QLocalSocket::SocketTimeoutError ? Sent::noAnswer : Sent::noCopy;
    socket.write(QFile::encodeName(path) + '\0');
    socket.flush();
    QByteArray reply;
    const qint64 answerSize = qint64(sizeof answer) - 1;
    while (reply.size() < answerSize) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
        reply += socket.read(answerSize - reply.size());
    }
    return reply == answer ? Sent::taken : Sent::noAnswer;
}

void AppOneCopy::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Receive(*socket); });
        // A start that never finishes its message is not waited for.
        QTimer::singleShot(waitMs_, socket, [socket] { socket->abort(); });
        Receive(*socket);
    }
}

void AppOneCopy::Receive(QLocalSocket& socket) {
    const QByteArray data = socket.peek(messageMost);
    const qsizetype end = data.indexOf('\0');
    if (end < 0) {
        if (data.size() >= messageMost)
            socket.abort();
        return;
    }
    const QString path = QFile::decodeName(data.left(end));
    socket.read(end + 1);
    if (!path.isEmpty() && !QDir::isAbsolutePath(path)) {
        socket.abort();
        return;
    }
    // One message a connection.
    disconnect(&socket, &QLocalSocket::readyRead, this, nullptr);
    socket.write(answer);
    socket.disconnectFromServer();
    if (arrival_)
        arrival_(path);
}
