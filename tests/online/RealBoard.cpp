// The real zingaroo-board started for a test on a loopback port with an SQLite file of its own.
#include "RealBoard.h"

#include <QTcpSocket>
#include <QThread>

namespace {

const QString program = QStringLiteral(ZINGAROO_BOARD_PROGRAM);

} // namespace

bool RealBoard::Built() {
    return !program.isEmpty() && QFile::exists(program);
}

RealBoard::RealBoard(quint16 port) : port_(port) {
    if (!Built())
        return;
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port),
                             QStringLiteral("--db"),
                             QStringLiteral("sqlite:") + folder_.filePath(QStringLiteral("b.db"))});
    if (!process_.waitForStarted(5000))
        return;
    // Serving once it takes a connection; at most five seconds.
    for (int i = 0; i < 100 && !started_; ++i) {
        QTcpSocket probe;
        probe.connectToHost(QStringLiteral("127.0.0.1"), port_);
        started_ = probe.waitForConnected(50);
        if (!started_)
            QThread::msleep(50);
    }
}

RealBoard::~RealBoard() {
    Kill();
}

QString RealBoard::Address() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(port_);
}

void RealBoard::Kill() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.kill();
    process_.waitForFinished(5000);
}
