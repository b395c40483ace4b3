// The built program asked to end by the system, or losing its display: it saves its settings.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class AppProgramEndTest : public QObject {
    Q_OBJECT

private:
    // True once the process catches SIGHUP, SIGINT and SIGTERM: from then on
    // a signal reaches the event loop instead of killing it.
    static bool catchesSignals(qint64 pid) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("SigCgt:")) {
                const quint64 mask = line.mid(7).trimmed().toULongLong(nullptr, 16);
                const quint64 wanted =
                    (1u << (SIGHUP - 1)) | (1u << (SIGINT - 1)) | (1u << (SIGTERM - 1));
                return (mask & wanted) == wanted;
            }
        }
        return false;
    }

private slots:
    void endingTheRunSavesTheSettings_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<bool>("displayGone");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("SIGTERM, a logout") << int(SIGTERM) << false << 0;
        QTest::newRow("SIGINT, Ctrl+C") << int(SIGINT) << false << 0;
        QTest::newRow("SIGHUP, a closed terminal") << int(SIGHUP) << false << 0;
        // Qt's X11 connection ends the process with status 1 then.
        QTest::newRow("the X server ends") << int(SIGTERM) << true << 1;
    }

    void endingTheRunSavesTheSettings() {
        QFETCH(int, signalNumber);
        QFETCH(bool, displayGone);
        QFETCH(int, exitCode);

        // A copy of the program in a folder of its own keeps its settings there.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString program = folder.filePath(QStringLiteral("zingaroo"));
        QVERIFY(QFile::copy(QStringLiteral(ZINGAROO_PROGRAM), program));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sound")));
        const QString settings = folder.filePath(QStringLiteral("settings.ini"));
        QFile seed(settings);
        QVERIFY(seed.open(QIODevice::WriteOnly));
        seed.write("[Settings]\nOthers=40,3,100,80\n");
        seed.close();

        QProcess display;
        QProcess game;
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (displayGone) {
            const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
            const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
            if (xvfb.isEmpty() || xdotool.isEmpty())
                QSKIP("needs Xvfb and xdotool");
            display.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                 QStringLiteral("-screen"), QStringLiteral("0"),
                                 QStringLiteral("800x600x24")});
            QTRY_VERIFY_WITH_TIMEOUT(display.canReadLine(), 30000);
            environment.insert(QStringLiteral("DISPLAY"),
                               QLatin1Char(':') +
                                   QString::fromLatin1(display.readLine().trimmed()));
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        }
        game.setProcessEnvironment(environment);
        game.start(program, {});
        QVERIFY(game.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(catchesSignals(game.processId()), 30000);

        if (displayGone) {
            // The main window is up, so the game runs when the display goes.
            QProcess search;
            search.setProcessEnvironment(environment);
            search.start(QStringLiteral("xdotool"),
                         {QStringLiteral("search"), QStringLiteral("--sync"),
                          QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                          QStringLiteral("^Zingaroo$")});
            QVERIFY(search.waitForFinished(30000));
            display.terminate();
        } else {
            ::kill(static_cast<pid_t>(game.processId()), signalNumber);
        }
        QVERIFY(game.waitForFinished(30000));
        display.waitForFinished(30000);
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), exitCode);
        QFile saved(settings);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray text = saved.readAll();
        QVERIFY2(text.contains("\nPlayOptions=24,18,6,6,60,160,1\n"), text.constData());
        QVERIFY2(text.contains("\nOthers=40,3,"), text.constData());
    }

    void withoutADisplayTheProgramSaysSoInOneLineAndEnds_data() {
        QTest::addColumn<QString>("display");
        QTest::newRow("no display named") << QString();
        QTest::newRow("an X server that is not there") << QStringLiteral(":9999");
    }

    void withoutADisplayTheProgramSaysSoInOneLineAndEnds() {
        QFETCH(QString, display);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
            environment.remove(QLatin1String(name));
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);
        QProcess game;
        game.setProcessEnvironment(environment);
        game.start(QStringLiteral(ZINGAROO_PROGRAM), {});
        QVERIFY(game.waitForFinished(30000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 1);
        QCOMPARE(game.readAllStandardError(),
                 QByteArray("zingaroo: no display could be opened (neither an X11 nor a Wayland "
                            "display is reachable)\n"));
    }
};

QTEST_GUILESS_MAIN(AppProgramEndTest)
#include "AppProgramEndTest.moc"
