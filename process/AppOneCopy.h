// Keeps the program to one copy per player: a later start hands its file to the copy that runs.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

class QLocalSocket;

// The copy that runs listens on a local socket in the player's runtime folder. A later start
// connects, sends the absolute path of the file it was given (none: it only wants the window
// raised) and waits, within a bound, for the copy's answer; then it ends. A socket that nobody
// answers on is one a gone copy left: the start takes it over. A copy that takes the connection
// but never answers (frozen) leaves the start to run as a copy of its own.
class AppOneCopy : public QObject {
    Q_OBJECT

public:
    // What the copy that runs is handed: a file's absolute path, or an empty text to be raised.
    using Arrival = std::function<void(const QString& path)>;

    // The longest message taken, the closing zero byte included: a path of Linux's longest.
    static constexpr qint64 messageMost = 4096;

    // The player's socket in `runtimeFolder`: zingaroo-<user id>.
    static QString SocketPath(const QString& runtimeFolder);

    AppOneCopy(QString socketPath, int waitMs, QObject* parent = nullptr);

    // Hands `path` (a file named on the command line, or empty) to the copy that runs: true
    // when it took it. Otherwise this copy listens from now on, and false.
    bool HandOver(const QString& path);
    // What later starts hand over goes to `arrival`, from the event loop.
    void SetArrival(Arrival arrival) { arrival_ = std::move(arrival); }
    bool Listening() const { return server_.isListening(); }

private:
    enum class Sent { taken, noCopy, noAnswer };
    Sent Send(const QString& path) const;
    void Accept();
    // Reads the message once whole; a message too long, or not an absolute path, is dropped.
    void Receive(QLocalSocket& socket);

    QString socketPath_;
    int waitMs_;
    QLocalServer server_;
    Arrival arrival_;
};
