// The real zingaroo-board started for a test on a loopback port with an SQLite file of its own.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The program is the one this build made, when the build has it.
class RealBoard {
public:
    // Starts it on `port`; Started() tells whether it serves.
    explicit RealBoard(quint16 port);
    ~RealBoard();

    static bool Built();
    bool Started() const { return started_; }
    QString Address() const;
    // Ends it as a kill would.
    void Kill();

private:
    QTemporaryDir folder_;
    QProcess process_;
    quint16 port_;
    bool started_ = false;
};
