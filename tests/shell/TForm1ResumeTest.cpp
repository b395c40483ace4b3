// Saved games at the window: resumed paused and exact, bad files kept aside, two copies.
#include "AppGameChecksum.h"
#include "AppGameFile.h"
#include "AppPlayerScores.h"
#include "AppProgramFolders.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <functional>
#include <memory>

namespace {

QStringList gameLog;

void KeepGameLog(QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (QByteArray(context.category) == "zingaroo.game")
        gameLog << message;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

} // namespace

class TForm1ResumeTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> data;
    std::chrono::nanoseconds fakeNow{};
    QByteArray savedText;
    std::uint64_t savedChecksum = 0;

    // Beside the scores, in the program's folder of the player's data.
    static QString folder() { return QFileInfo(AppPlayerScores::Path()).path(); }
    QString gamePath(const QString& name = QStringLiteral("game")) const {
        return folder() + QLatin1Char('/') + name;
    }
    QStringList gameFiles() const {
        return QDir(folder()).entryList({QStringLiteral("game*")}, QDir::Files, QDir::Name);
    }

    // The program as main starts it: the window, then the saved game if any.
    std::unique_ptr<TForm1> start() {
        auto form = std::make_unique<TForm1>();
        form->show();
        static_cast<void>(QTest::qWaitForWindowExposed(form.get()));
        fakeNow = std::chrono::steady_clock::now().time_since_epoch();
        TForm1TestPeer::SetStepClock(*form, [this] { return fakeNow; });
        form->ResumeSavedGame();
        return form;
    }

    void steps(TForm1& form, int count) {
        for (int i = 0; i < count; ++i) {
            fakeNow += std::chrono::milliseconds(TForm1TestPeer::Game(form).PlayOptions().Speed);
            TForm1TestPeer::StepLoop(form).Check();
            QCoreApplication::processEvents();
        }
    }

    // A new game, launched, with a paddle or two, left in play when its window ends.
    void playAndEnd(TForm1& form) {
        QTest::mouseClick(form.ClientArea(), Qt::LeftButton);
        QTest::mouseClick(form.ClientArea(), Qt::LeftButton);
        for (int i = 0; i < 3 && TForm1TestPeer::Game(form).State() == stPlaying; ++i) {
            steps(form, 2);
            form.SetPointerSource([&form, i] {
                return std::optional<QPoint>(
                    form.ClientArea()->mapToGlobal(QPoint(40 + 30 * i, 60)));
            });
            QTest::keyClick(form.ClientArea(), Qt::Key_W);
        }
        QCOMPARE(TForm1TestPeer::Game(form).State(), stPlaying);
    }

private slots:
    void init() {
        data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", data->path().toLocal8Bit());
        QFile::remove(ProgramFolders().exeFolder + QStringLiteral("settings.ini"));
        gameLog.clear();
        qInstallMessageHandler(KeepGameLog);
    }

    void cleanup() { qInstallMessageHandler(nullptr); }

    void aGameLeftInPlayComesBackPausedAsItWas() {
        {
            auto form = start();
            QCOMPARE(TForm1TestPeer::Game(*form).State(), stTitle);
            playAndEnd(*form);
            savedChecksum =
                AppGameChecksum::State(TForm1TestPeer::Game(*form), TForm1TestPeer::Random(*form));
        }
        savedText = ReadAll(gamePath());
        std::string reason;
        QVERIFY2(AppGameFile::ReadSaved(savedText.toStdString(), reason), reason.c_str());
        // Other options chosen meanwhile apply from the next New only.
        WriteAll(ProgramFolders().exeFolder + QStringLiteral("settings.ini"),
                 "[Settings]\nPlayOptions=16,16,1,1,32,240,1\n");
        auto form = start();
        QCOMPARE(TForm1TestPeer::Game(*form).State(), stPlaying);
        QVERIFY(TForm1TestPeer::Session(*form).Paused());
        QCOMPARE(AppGameChecksum::State(TForm1TestPeer::Game(*form), TForm1TestPeer::Random(*form)),
                 savedChecksum);
        QCOMPARE(TForm1TestPeer::Game(*form).PlayOptions(), AppPlayOptions());
        // This copy holds the game now, in its own file: a copy started meanwhile finds none.
        QCOMPARE(gameFiles().filter(QRegularExpression(QStringLiteral("^game(\\.\\d)?$"))),
                 QStringList());
        QVERIFY(gameLog.isEmpty());
        QTest::keyClick(form->ClientArea(), Qt::Key_P);
        QVERIFY(!TForm1TestPeer::Session(*form).Paused());
        QTest::keyClick(form.get(), Qt::Key_F2);
        QCOMPARE(TForm1TestPeer::Game(*form).PlayOptions(),
                 AppPlayOptions(16, 16, 1, 1, 32, 240, true));
    }

    void aBadGameFileOpensOnTheTitleAndIsKeptAside_data() {
        QTest::addColumn<std::function<QByteArray(QByteArray)>>("spoil");
        using Spoil = std::function<QByteArray(QByteArray)>;
        QTest::newRow("damaged") << Spoil(
            [](QByteArray t) { return t.replace("launch", "lunch"); });
        QTest::newRow("truncated") << Spoil([](QByteArray t) { return t.left(t.size() / 2); });
        QTest::newRow("empty") << Spoil([](QByteArray) { return QByteArray(); });
        QTest::newRow("later version")
            << Spoil([](QByteArray t) { return t.replace("zingaroo game 2", "zingaroo game 3"); });
        QTest::newRow("other rules")
            << Spoil([](QByteArray t) { return t.replace("rules 1\n", "rules 9\n"); });
        // A hand-edited state: the checksum the game must come back to no longer matches.
        QTest::newRow("hand-edited") << Spoil([](QByteArray t) {
            const qsizetype last = t.size() - 2;
            t[last] = t[last] == '0' ? '1' : '0';
            return t;
        });
        QTest::newRow("binary") << Spoil([](QByteArray) { return QByteArray(5000, '\xff'); });
    }

    void aBadGameFileOpensOnTheTitleAndIsKeptAside() {
        QFETCH(std::function<QByteArray(QByteArray)>, spoil);
        QVERIFY(!savedText.isEmpty());
        const QByteArray bad = spoil(savedText);
        WriteAll(gamePath(), bad);
        auto form = start();
        QCOMPARE(TForm1TestPeer::Game(*form).State(), stTitle);
        QVERIFY(!TForm1TestPeer::Session(*form).Paused());
        const QStringList files = gameFiles();
        QCOMPARE(files.size(), 1);
        QVERIFY2(files.front().startsWith(QStringLiteral("game.damaged-")),
                 qPrintable(files.front()));
        QCOMPARE(ReadAll(gamePath(files.front())), bad);
        QCOMPARE(gameLog.size(), 1);
        // The title is the title: a click starts a game of the player's options.
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QCOMPARE(TForm1TestPeer::Game(*form).State(), stPlaying);
    }

    void twoCopiesEndingInPlayKeepBothGames() {
        WriteAll(gamePath(), savedText);
        auto first = start();
        QCOMPARE(TForm1TestPeer::Game(*first).State(), stPlaying);
        auto second = start();
        QCOMPARE(TForm1TestPeer::Game(*second).State(), stTitle);
        playAndEnd(*second);
        const std::uint64_t secondChecksum =
            AppGameChecksum::State(TForm1TestPeer::Game(*second), TForm1TestPeer::Random(*second));
        second.reset();
        first.reset();
        QCOMPARE(gameFiles(), QStringList({QStringLiteral("game"), QStringLiteral("game.2")}));
        QCOMPARE(gameLog.size(), 1);
        // Each start resumes one of them, in turn.
        auto again = start();
        QCOMPARE(
            AppGameChecksum::State(TForm1TestPeer::Game(*again), TForm1TestPeer::Random(*again)),
            secondChecksum);
        auto later = start();
        QCOMPARE(
            AppGameChecksum::State(TForm1TestPeer::Game(*later), TForm1TestPeer::Random(*later)),
            savedChecksum);
    }
};

QTEST_MAIN(TForm1ResumeTest)
#include "TForm1ResumeTest.moc"
