// The program's frame: where its data is found, the traces failures leave, and an error
// escaping an event handler.
#include "AppApplication.h"
#include "AppDurableFile.h"
#include "AppLog.h"
#include "AppProgramFolders.h"
#include "AppProgramTexts.h"
#include "AppSettingsStore.h"
#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Throws from its event handler, as a fault deep in the program would.
class Faulty : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("the field is gone");
        return QObject::event(event);
    }
};

QStringList settingsLines;

void KeepSettingsLines(QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (QLatin1String(context.category) == QLatin1String("zingaroo.settings"))
        settingsLines << message;
}

// What else goes wrong while the settings are loaded and saved.
enum Trouble { NoTrouble, LockHeldElsewhere, FileSizeLimit };

} // namespace

class AppShellTest : public QObject {
    Q_OBJECT

private slots:
    void dataIsFoundBesideTheProgramThenInTheInstalledFolder() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.path() + QStringLiteral("/usr/bin/");
        QVERIFY(QDir().mkpath(bin));
        // Nothing anywhere: the program's own folder, where nothing will be found.
        QCOMPARE(AppProgramFolders::DataFolder(bin), bin);

        // A game's layout: the program in games/, its data in share/games/zingaroo/.
        const QString games = root.path() + QStringLiteral("/usr/games/");
        const QString gamesData = root.path() + QStringLiteral("/usr/share/games/zingaroo/");
        QVERIFY(QDir().mkpath(games));
        QVERIFY(QDir().mkpath(gamesData + QStringLiteral("help")));
        QCOMPARE(AppProgramFolders::DataFolder(games), gamesData);

        const QString share = root.path() + QStringLiteral("/usr/share/zingaroo/");
        QVERIFY(QDir().mkpath(share + QStringLiteral("sound")));
        QCOMPARE(AppProgramFolders::DataFolder(bin), share);

        QVERIFY(QDir().mkpath(bin + QStringLiteral("help")));
        QCOMPARE(AppProgramFolders::DataFolder(bin), bin);
    }

    void theHelpAndSoundPathsLieInTheDataFolder() {
        const AppProgramFolders& c = ProgramFolders();
        QVERIFY(c.exeFolder.endsWith(QLatin1Char('/')));
        QVERIFY(c.soundFolder.endsWith(QStringLiteral("/sound/")));
        QVERIFY(c.helpFile.endsWith(QStringLiteral("/help/index.html")));
        QCOMPARE(ProgramTexts().systemName, QStringLiteral("Linux"));
    }

    void settingsFailuresLeaveOneLineEach_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("trouble");
        QTest::addColumn<QString>("rules");
        QTest::addColumn<bool>("lockMade");
        QTest::addColumn<QStringList>("lines"); // %1 is the folder
        const QString readOnly =
            QStringLiteral("echo [Settings] >settings.ini; chmod 444 settings.ini");
        const QString tooLarge =
            QStringLiteral("truncate -s %1 settings.ini").arg(AppDurableFile::MaxFileSize + 1);
        const QString notWhole =
            QStringLiteral("not read whole: larger than %1 bytes").arg(AppDurableFile::MaxFileSize);
        QTest::newRow("saved") << "true" << int(NoTrouble) << "" << true << QStringList();
        QTest::newRow("read-only") << readOnly << int(NoTrouble) << "" << false
                                   << QStringList{"Not saved to %1/settings.ini: read-only"};
        QTest::newRow("silenced") << readOnly << int(NoTrouble) << "zingaroo.settings.warning=false"
                                  << false << QStringList();
        QTest::newRow("disk full") << "true" << int(FileSizeLimit) << "" << true
                                   << QStringList{"Not saved to %1/settings.ini: File too large"};
        QTest::newRow("too large") << tooLarge << int(NoTrouble) << "" << true
                                   << QStringList{"Left as it is: %1/settings.ini, " + notWhole};
        QTest::newRow("lock held")
            << "true" << int(LockHeldElsewhere) << "" << true
            << QStringList{"Not saved to %1/settings.ini yet: without the lock "
                           "%1/settings.ini.lock (another copy held it for 50 ms); the change "
                           "waits in %1/settings.ini.pending-* for the next save"};
    }

    void settingsFailuresLeaveOneLineEach() {
        QFETCH(QString, setup);
        QFETCH(int, trouble);
        QFETCH(QString, rules);
        QFETCH(bool, lockMade);
        QFETCH(QStringList, lines);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const std::string command =
            "cd '" + folder.path().toStdString() + "' && " + setup.toStdString();
        QCOMPARE(std::system(command.c_str()), 0);
        const std::string path =
            QFile::encodeName(folder.filePath(QStringLiteral("settings.ini"))).toStdString();
        const std::string lockPath = path + ".lock";
        const int lock = trouble == LockHeldElsewhere
                             ? ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)
                             : -1;
        if (trouble == LockHeldElsewhere)
            QCOMPARE(::flock(lock, LOCK_EX), 0);
        rlimit oldLimit{};
        ::getrlimit(RLIMIT_FSIZE, &oldLimit);
        const rlimit tinyLimit{8, oldLimit.rlim_max};
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        settingsLines.clear();
        QLoggingCategory::setFilterRules(rules);
        const QtMessageHandler oldHandler = qInstallMessageHandler(KeepSettingsLines);
        AppSettingsStore store(50, AppLog::Writer(settingsLog));
        AppSettingsValues working;
        store.Load(path, working);
        if (trouble == FileSizeLimit)
            ::setrlimit(RLIMIT_FSIZE, &tinyLimit);
        store.Save(path, path, working);
        ::setrlimit(RLIMIT_FSIZE, &oldLimit);
        std::signal(SIGXFSZ, oldSignal);
        qInstallMessageHandler(oldHandler);
        QLoggingCategory::setFilterRules(QString());
        if (lock >= 0)
            ::close(lock);
        for (QString& line : lines)
            line = line.arg(folder.path());
        // The name of a change left beside the file holds the time and the process.
        static const QRegularExpression pendingName(QStringLiteral("\\.pending-[0-9-]+"));
        settingsLines.replaceInStrings(pendingName, QStringLiteral(".pending-*"));
        QCOMPARE(settingsLines, lines);
        QCOMPARE(::access(lockPath.c_str(), F_OK) == 0, lockMade);
    }

    void anEscapingErrorIsShownAndEndsTheProgramWithAFailure() {
        Faulty faulty;
        QString shown;
        WhenModalShown([&shown](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            shown = box->windowTitle() + QLatin1Char('|') + box->text();
            QCOMPARE(box->icon(), QMessageBox::Critical);
            box->button(QMessageBox::Ok)->click();
        });
        QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
        const int code = QCoreApplication::exec();
        QCOMPARE(shown, QStringLiteral("Zingaroo|the field is gone"));
        QCOMPARE(code, AppApplication::errorExitCode);
        QVERIFY(code != 0);
    }
};

int main(int argc, char** argv) {
    AppApplication app(argc, argv);
    AppShellTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AppShellTest.moc"
