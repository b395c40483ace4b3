// The built program started while a copy runs: it hands its file to that copy and ends, and a
// socket a killed copy left is taken over.
#include "AppOneCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

class AppOneCopyTest : public QObject {
    Q_OBJECT

    QProcessEnvironment environment;
    QString folder;

    std::unique_ptr<QProcess> start(const QStringList& arguments) {
        auto game = std::make_unique<QProcess>();
        game->setProcessEnvironment(environment);
        game->setWorkingDirectory(folder);
        game->setProcessChannelMode(QProcess::ForwardedChannels);
        game->start(QDir(folder).filePath(QStringLiteral("zingaroo")), arguments);
        return game;
    }

    // The process of the shown window of that name, once there is one; 0 when none comes.
    qint64 windowOwner(const QString& title) const {
        QProcess xdotool;
        xdotool.setProcessEnvironment(environment);
        xdotool.start(QStringLiteral("xdotool"),
                      {QStringLiteral("search"), QStringLiteral("--sync"),
                       QStringLiteral("--onlyvisible"), QStringLiteral("--name"), title,
                       QStringLiteral("getwindowpid")});
        if (!xdotool.waitForFinished(20000))
            xdotool.kill();
        return xdotool.readAllStandardOutput().trimmed().toLongLong();
    }

    int windowCount() const {
        QProcess xdotool;
        xdotool.setProcessEnvironment(environment);
        xdotool.start(QStringLiteral("xdotool"),
                      {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                       QStringLiteral("--name"), QStringLiteral("^Zingaroo")});
        xdotool.waitForFinished(20000);
        return int(xdotool.readAllStandardOutput().count('\n'));
    }

private slots:
    void aLaterStartPlaysItsFileInTheRunningCopyAndAGoneCopysSocketIsTakenOver() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs Xvfb and xdotool");
        QProcess display;
        display.start(xvfb, QStringLiteral("-displayfd 1 -screen 0 1024x768x24").split(' '));
        QTRY_VERIFY_WITH_TIMEOUT(display.canReadLine(), 30000);

        // A copy of the program in a folder of its own, with its own runtime, data and config
        // folders, and a replay file in it named as the file manager's folder sees it.
        QTemporaryDir temporary;
        folder = temporary.path();
        const QDir here(folder);
        QVERIFY(QFile::copy(QStringLiteral(ZINGAROO_PROGRAM), here.filePath("zingaroo")));
        QVERIFY(QFile::copy(QStringLiteral(ZINGAROO_REPLAY), here.filePath("shared.zingaroo")));
        for (const char* name : {"sound", "runtime", "data", "config"})
            QVERIFY(here.mkdir(QLatin1String(name)));
        QVERIFY(QFile::setPermissions(here.filePath("runtime"), QFileDevice::ReadOwner |
                                                                    QFileDevice::WriteOwner |
                                                                    QFileDevice::ExeOwner));
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), ':' + display.readLine().trimmed());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), here.filePath("runtime"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), here.filePath("data"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), here.filePath("config"));
        const QString replayTitle = QStringLiteral("^Zingaroo – Replay ×1$");

        // A second start with a file hands it over and ends: the first copy's window plays it,
        // and no other window opens.
        const std::unique_ptr<QProcess> first = start({});
        QCOMPARE(windowOwner(QStringLiteral("^Zingaroo$")), first->processId());
        const std::unique_ptr<QProcess> second = start({QStringLiteral("shared.zingaroo")});
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(windowOwner(replayTitle), first->processId());
        QCOMPARE(windowCount(), 1);

        // Killed, the first copy leaves its socket behind; the next start takes it over, plays
        // the file in its own window and is the copy later starts hand over to.
        ::kill(pid_t(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(10000));
        QVERIFY(QFileInfo::exists(AppOneCopy::SocketPath(here.filePath("runtime"))));
        const std::unique_ptr<QProcess> third = start({here.filePath("shared.zingaroo")});
        QCOMPARE(windowOwner(replayTitle), third->processId());
        const std::unique_ptr<QProcess> fourth = start({});
        QVERIFY(fourth->waitForFinished(10000));
        QCOMPARE(fourth->exitCode(), 0);
        QVERIFY(!third->waitForFinished(100));
        QCOMPARE(windowCount(), 1);
        third->terminate();
        QVERIFY(third->waitForFinished(10000));
        display.terminate();
        display.waitForFinished(10000);
    }
};

QTEST_GUILESS_MAIN(AppOneCopyTest)
#include "AppOneCopyTest.moc"
