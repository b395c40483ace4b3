// The program's frame: where its data is found, and an error escaping an event handler.
#include "AppApplication.h"
#include "AppConstants.h"
#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

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
        QCOMPARE(AppDataFolder(bin), bin);

        // A game's layout: the program in games/, its data in share/games/zingaroo/.
        const QString games = root.path() + QStringLiteral("/usr/games/");
        const QString gamesData = root.path() + QStringLiteral("/usr/share/games/zingaroo/");
        QVERIFY(QDir().mkpath(games));
        QVERIFY(QDir().mkpath(gamesData + QStringLiteral("help")));
        QCOMPARE(AppDataFolder(games), gamesData);

        const QString share = root.path() + QStringLiteral("/usr/share/zingaroo/");
        QVERIFY(QDir().mkpath(share + QStringLiteral("sound")));
        QCOMPARE(AppDataFolder(bin), share);

        QVERIFY(QDir().mkpath(bin + QStringLiteral("help")));
        QCOMPARE(AppDataFolder(bin), bin);
    }

    void theHelpAndSoundPathsLieInTheDataFolder() {
        const AppConstants& c = Constants();
        QVERIFY(c.exeFolder.endsWith(QLatin1Char('/')));
        QVERIFY(c.soundFolder.endsWith(QStringLiteral("/sound/")));
        QVERIFY(c.helpFile.endsWith(QStringLiteral("/help/index.html")));
        QCOMPARE(c.systemName, QStringLiteral("Linux"));
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
