// The built program ended by Exit, asked to end by the system, or losing its display: it saves
// the game in play and its settings, once.
#include "AppGame.h"
#include "AppGameFile.h"
#include "AppGameRecorder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class AppProgramEndTest : public QObject {
    Q_OBJECT

    // True once the process catches SIGHUP, SIGINT and SIGTERM: from then on
    // a signal reaches the event loop instead of killing it.
    // A game in play, just dealt, as a copy of the program would have saved it.
    static QByteArray savedGame(std::uint32_t number) {
        AppRandom random;
        AppGame game(random);
        game.CreateField();
        AppGameRecorder recorder(game, random);
        recorder.New(number, AppPlayOptions());
        const std::string text = AppGameFile::Text(*recorder.Save(0));
        game.DestroyField();
        return QByteArray::fromStdString(text);
    }

    static bool catchesSignals(qint64 pid) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
        const qsizetype at = text.indexOf("SigCgt:");
        const quint64 mask = at < 0 ? 0 : text.mid(at + 7, 18).trimmed().toULongLong(nullptr, 16);
        const quint64 wanted = (1u << (SIGHUP - 1)) | (1u << (SIGINT - 1)) | (1u << (SIGTERM - 1));
        return (mask & wanted) == wanted;
    }

private slots:
    void endingTheRunSavesTheSettings_data() {
        QTest::addColumn<int>("signalNumber"); // 0: the X server ends, -1: Exit, instead
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("storm"); // the signal keeps coming until the program has ended
        QTest::newRow("SIGTERM, a logout") << int(SIGTERM) << 0 << false;
        QTest::newRow("SIGINT, Ctrl+C") << int(SIGINT) << 0 << false;
        QTest::newRow("SIGHUP, a closed terminal") << int(SIGHUP) << 0 << false;
        QTest::newRow("a storm of SIGTERM") << int(SIGTERM) << 0 << true;
        // Qt's X11 connection ends the process with status 1 then.
        QTest::newRow("the X server ends") << 0 << 1 << false;
        QTest::newRow("Exit, as the close box") << -1 << 0 << false;
    }

    void endingTheRunSavesTheSettings() {
        QFETCH(int, signalNumber);
        QFETCH(int, exitCode);
        QFETCH(bool, storm);
        // A copy of the program in a folder of its own keeps its settings there.
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("zingaroo"));
        QVERIFY(QFile::copy(QStringLiteral(ZINGAROO_PROGRAM), program));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sound")));
        QFile settings(folder.filePath(QStringLiteral("settings.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Settings]\nOthers=40,3,100,80\n");
        settings.close();
        // The game saved at the last end opens paused and is saved again at this one.
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("data/zingaroo")));
        const QDir data(folder.filePath(QStringLiteral("data/zingaroo")));
        QFile game0(data.filePath(QStringLiteral("game")));
        QVERIFY(game0.open(QIODevice::WriteOnly));
        game0.write(savedGame(7));
        game0.close();

        QProcess display;
        QProcess game;
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           folder.filePath(QStringLiteral("data")));
        if (signalNumber <= 0) {
            const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
            if (xvfb.isEmpty() ||
                QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
                QSKIP("needs Xvfb and xdotool");
            display.start(xvfb, QStringLiteral("-displayfd 1 -screen 0 800x600x24").split(' '));
            QTRY_VERIFY_WITH_TIMEOUT(display.canReadLine(), 30000);
            environment.insert(QStringLiteral("DISPLAY"), ':' + display.readLine().trimmed());
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        }
        game.setProcessEnvironment(environment);
        game.start(program, {});
        // Until the new program runs, the child still has this test's handlers.
        QVERIFY(game.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(catchesSignals(game.processId()), 30000);
        if (signalNumber <= 0) {
            // Once the main window is up, the display goes, or Game › Exit is chosen.
            const auto xdotool = [&environment](const QString& arguments) {
                QProcess command;
                command.setProcessEnvironment(environment);
                command.start(QStringLiteral("xdotool"), arguments.split(' '));
                return command.waitForFinished(30000);
            };
            QVERIFY(xdotool(QStringLiteral("search --sync --onlyvisible --name ^Zingaroo$ "
                                           "windowfocus --sync")));
            if (signalNumber == 0) {
                display.terminate();
            } else {
                QVERIFY(xdotool(QStringLiteral("key alt+g")));
                QTest::qWait(300);
                QVERIFY(xdotool(QStringLiteral("key x")));
            }
        } else {
            ::kill(static_cast<pid_t>(game.processId()), signalNumber);
        }
        // The process is not reaped before waitForFinished says so: its number stays its own.
        const auto pid = static_cast<pid_t>(game.processId());
        const QDeadlineTimer deadline(30000);
        while (storm && !deadline.hasExpired() && !game.waitForFinished(1))
            ::kill(pid, signalNumber);
        QVERIFY(game.state() == QProcess::NotRunning || game.waitForFinished(30000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), exitCode);
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QByteArray text = settings.readAll();
        QVERIFY2(text.contains("\nPlayOptions=24,18,6,6,60,160,1\n"), text.constData());
        QVERIFY2(text.contains("\nOthers=40,3,"), text.constData());
        QCOMPARE(text.count("PlayOptions="), 1);
        // The one game file holds the resumed game, paused now.
        QCOMPARE(data.entryList(QDir::Files), QStringList{QStringLiteral("game")});
        QVERIFY(game0.open(QIODevice::ReadOnly));
        std::string reason;
        const std::optional<AppSavedGame> saved =
            AppGameFile::ReadSaved(game0.readAll().toStdString(), reason);
        QVERIFY2(saved, reason.c_str());
        QCOMPARE(saved->record.number, 7u);
        QVERIFY(saved->paused);
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
