// The Scores dialog from the main window: finished games entered, names, Clear, abandoned games;
// and the score line under the field through a game.
#include "AppGameTestPeer.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"

#include "AppCell.h"
#include "AppKeyLabels.h"
#include "AppPlayerScores.h"
#include "AppProgramFolders.h"
#include "AppScoreKeeper.h"
#include "ModalWatcher.h"
#include "TScoresDialog.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

const AppPlayOptions practice(16, 16, 1, 1, 32, 240, true);

// The name editor the dialog has open; one it closed before may still await its deletion.
QLineEdit* OpenEditor(const QWidget* dialog) {
    for (QLineEdit* editor : dialog->findChildren<QLineEdit*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

std::string ReadWholeFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class TScoresFlowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> data;
    std::unique_ptr<TForm1> form;
    QPoint pointer;
    bool scoresShown = false;

    AppGame& game() { return TForm1TestPeer::Game(*form); }
    AppScoreBook stored() const { return AppPlayerScores::File().Load(); }

    // Games in the file before the window starts: `count` of `score` points by Ann.
    void storeGames(int count, int score, const AppPlayOptions& rules = AppPlayOptions()) {
        QDir().mkpath(QFileInfo(AppPlayerScores::Path()).path());
        std::ofstream out(AppPlayerScores::File().Path(), std::ios::app);
        for (int i = 0; i < count; ++i) {
            AppScoreGame game;
            game.endTime = 1'700'000'000 + i;
            game.rules = rules;
            game.score = score;
            game.name = "Ann";
            out << (i == 0 ? AppScoreGame::VersionLine() + "\n" : "") << game.Format() << "\n";
        }
    }

    void start() {
        form = std::make_unique<TForm1>();
        form->SetPointerSource([this] { return std::optional<QPoint>(pointer); });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        // The loop stands still: only the test's input moves the game.
        TForm1TestPeer::SetStepClock(*form, [] { return std::chrono::nanoseconds(0); });
    }

    // A launched game ends with the given counters: an obstacle is shoved onto the ball.
    void endGame(int score, int phase) {
        if (game().State() == stTitle)
            QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        else
            form->findChild<QAction*>(QStringLiteral("Game_New_MItem"))->trigger();
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QVERIFY(!game().ball.IsStanding());
        AppGameTestPeer::SetScore(game(), score, phase);
        shoveObstacleOntoBall();
    }

    void shoveObstacleOntoBall() {
        const int x = game().ball.x < 5 ? game().ball.x + 1 : game().ball.x - 1;
        game().Field().SetCell(x, game().ball.y, layerGround, cellObstacle);
        const AppViewOptions& view = game().ViewOptions();
        // The field shows at a whole zoom, which the desktop's screen decides.
        const int zoom = form->ClientArea()->width() / (game().Field().Width() * view.CharWidth);
        pointer = form->ClientArea()->mapToGlobal(
            QPoint(x * view.CharWidth + 2, game().ball.y * view.CharHeight + 2) * zoom);
        QTest::keyClick(form->ClientArea(), x > game().ball.x ? Qt::Key_S : Qt::Key_F);
        QCOMPARE(game().State(), stGameOver);
    }

    // Runs `action` on the Scores dialog once it is open, then closes it and sets scoresShown.
    void onScoresDialog(std::function<void(TScoresDialog*)> action) {
        scoresShown = false;
        WhenModalShown([this, action](QWidget* modal) {
            auto* dialog = qobject_cast<TScoresDialog*>(modal);
            QVERIFY(dialog);
            action(dialog);
            dialog->reject();
            scoresShown = true;
        });
    }

    // The entries the dialog's list shows.
    static int entries(TScoresDialog* dialog) {
        auto* list = dialog->findChild<QTableWidget*>(QStringLiteral("TopTenList"));
        int rows = 0;
        while (rows < list->rowCount() && list->item(rows, TScoresDialog::colName))
            ++rows;
        return rows;
    }

private slots:
    void init() {
        data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", data->path().toLocal8Bit());
    }

    void cleanup() { form.reset(); }

    void theScoreLineNamesTheLayoutsKeysAndTheStateThroughGames() {
        // A new player, whatever an earlier case left in the settings.
        QFile::remove(ProgramFolders().exeFolder + QStringLiteral("settings.ini"));
        const auto french = std::make_shared<AppKeyLabels>("fr", "");
        const auto startFrench = [&] {
            start();
            form->SetKeyLabels([french](std::uint32_t code) { return french->Label(code); });
            // From now on the game in play is kept at the window's end.
            form->ResumeSavedGame();
        };
        startFrench();
        const auto line = [this] { return form->findChild<QLabel*>(QStringLiteral("ScoreLine")); };
        // Under the field, as wide as it; the field still starts where the picture does.
        QVERIFY(line()->isVisible());
        QCOMPARE(form->ClientArea()->pos(), QPoint(0, 0));
        QCOMPARE(line()->geometry().top(), form->ClientArea()->geometry().bottom() + 1);
        QCOMPARE(line()->width(), form->ClientArea()->width());
        AppSystemOptions cursor = form->SystemOptions();
        cursor.KeyboardCursor = true;
        form->ApplySystemOptions(cursor);
        QCOMPARE(line()->text(), QStringLiteral("Click the field or press Space to start"));
        cursor.KeyboardCursor = false;
        form->ApplySystemOptions(cursor);
        const auto playing = [this] {
            return QStringLiteral("Score %1 · Phase %2 · Record %3 · Game %4")
                .arg(game().Score())
                .arg(game().Phase())
                .arg(game().RecordScore())
                .arg(TForm1TestPeer::Session(*form).Number());
        };
        const auto click = [this] { QTest::mouseClick(form->ClientArea(), Qt::LeftButton); };
        const QString launch = QStringLiteral(
            "Click to launch, then point at a cell and press Z or R to drop a paddle");
        // The states in turn, through a game, the day's game and a game resumed; "{play}"
        // stands for the score, phase, record and number of the game in play.
        const std::pair<std::function<void()>, QString> rows[] = {
            {[] {}, QStringLiteral("Click the field to start")},
            {click, launch},
            {click, QStringLiteral(
                        "Point and press Z ( / ) or R ( \\ ): the ball turns on a fresh paddle")},
            {[this] {
                 AppGameTestPeer::SetScore(game(), 12, 3);
                 TForm1TestPeer::Session(*form).Step();
             },
             QStringLiteral("{play}")},
            {[this] { QTest::keyClick(form->ClientArea(), Qt::Key_P); },
             QStringLiteral("{play} · Paused: press P to go on")},
            {[&] {
                 QTest::keyClick(form->ClientArea(), Qt::Key_P);
                 onScoresDialog([](TScoresDialog*) {});
                 shoveObstacleOntoBall();
                 QTRY_VERIFY(scoresShown);
             },
             QStringLiteral("Game over: score 12, phase 3. F2 for a new game")},
            {[this] { form->findChild<QAction*>(QStringLiteral("Game_Today_MItem"))->trigger(); },
             launch + QStringLiteral(" · Today")},
            // The point scored before is remembered: the player's first games are over.
            {[&] {
                 click();
                 form.reset();
                 startFrench();
             },
             QStringLiteral("{play} · Today · Last game resumed: press P to go on")},
        };
        for (const auto& [arrange, shown] : rows) {
            arrange();
            const QString text = QString(shown).replace(QStringLiteral("{play}"), playing());
            QCOMPARE(line()->text(), text);
            QCOMPARE(line()->accessibleName(), text);
        }

        // Off, the window holds the field alone, as without the line.
        AppDisplayOptions off = form->DisplayOptions();
        off.ScoreLine = false;
        form->ApplyDisplayOptions(off);
        QCOMPARE(form->centralWidget()->size(), form->ClientArea()->size());
    }

    void theScoresItemFollowsStatusWithF6() {
        start();
        const QList<QAction*> items =
            form->findChild<QMenu*>(QStringLiteral("Game_MItem"))->actions();
        const auto status = std::find_if(items.begin(), items.end(), [](QAction* item) {
            return item->objectName() == QStringLiteral("Game_Status_MItem");
        });
        QVERIFY(status + 1 < items.end());
        QCOMPARE((*(status + 1))->objectName(), QStringLiteral("Game_Scores_MItem"));
        QCOMPARE((*(status + 1))->text(), QStringLiteral("S&cores"));
        QCOMPARE((*(status + 1))->shortcut(), QKeySequence(Qt::Key_F6));
        QCOMPARE(form->findChild<QMenu*>(QStringLiteral("PopupMenu1"))->actions().size(), 5);
    }

    void aGameThatMakesTheTableOpensItWithTheNameReadyToEdit() {
        start();
        QString table, shownName;
        int row = -1;
        onScoresDialog([&](TScoresDialog* dialog) {
            table = dialog->findChild<QComboBox*>(QStringLiteral("TableBox"))->currentText();
            row = dialog->findChild<QTableWidget*>(QStringLiteral("TopTenList"))->currentRow();
            QLineEdit* editor = OpenEditor(dialog);
            QVERIFY(editor);
            shownName = editor->text();
            QTest::keyClicks(editor, QStringLiteral("Zed"));
            QTest::keyClick(editor, Qt::Key_Return);
        });
        endGame(12, 3);
        QTRY_VERIFY(scoresShown);
        QCOMPARE(table, QStringLiteral("Default"));
        QCOMPARE(row, 0);
        QCOMPARE(shownName.toStdString(), AppScoreKeeper::AccountName());
        // The name is written off the window's thread.
        QTRY_COMPARE(stored().TopTen(AppPlayOptions()).at(0).name, std::string("Zed"));

        // The next game offers the name used last; Escape keeps it.
        onScoresDialog([&](TScoresDialog* dialog) {
            QLineEdit* editor = OpenEditor(dialog);
            QVERIFY(editor);
            shownName = editor->text();
            QTest::keyClicks(editor, QStringLiteral("Other"));
            QTest::keyClick(editor, Qt::Key_Escape);
        });
        endGame(20, 1);
        QTRY_VERIFY(scoresShown);
        QCOMPARE(shownName, QStringLiteral("Zed"));
        QTRY_COMPARE(stored().GameCount(), std::size_t(2));
        const std::vector<AppScoreGame> topTen = stored().TopTen(AppPlayOptions());
        QCOMPARE(topTen.size(), std::size_t(2));
        QCOMPARE(topTen.at(0).score, 20);
        QCOMPARE(topTen.at(0).name, std::string("Zed"));
    }

    void aPauseIsNoPartOfTheGamesLength() {
        start();
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QAction* pause = form->findChild<QAction*>(QStringLiteral("Game_Pause_MItem"));
        pause->trigger();
        QTest::qWait(1200);
        pause->trigger();
        AppGameTestPeer::SetScore(game(), 5, 1);
        onScoresDialog([](TScoresDialog*) {});
        shoveObstacleOntoBall();
        QTRY_VERIFY(scoresShown);
        QCOMPARE(stored().History(AppPlayOptions()).totalSeconds, 0);
    }

    void theWindowPaintsWhileAnotherCopyHoldsTheLockAndTheGameIsKept() {
        start();
        const std::string path = AppPlayerScores::File().Path();
        QDir().mkpath(QFileInfo(AppPlayerScores::Path()).path());
        // Another copy stopped in the middle of its save holds the lock throughout.
        const int lock = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        QVERIFY(lock >= 0 && ::flock(lock, LOCK_EX) == 0);
        PaintCounter counter(form->ClientArea());
        QElapsedTimer sinceTick;
        qint64 longestPauseMs = 0;
        QTimer ticks;
        connect(&ticks, &QTimer::timeout, [&] {
            longestPauseMs = std::max(longestPauseMs, sinceTick.restart());
            form->ClientArea()->update();
        });
        int paintsBeforeDialog = -1, paintsInDialog = -1, shownEntries = -1;
        onScoresDialog([&](TScoresDialog* dialog) {
            shownEntries = entries(dialog);
            paintsBeforeDialog = counter.paints;
            QTRY_VERIFY(counter.paints > paintsBeforeDialog);
            paintsInDialog = counter.paints;
        });
        sinceTick.start();
        ticks.start(5);
        endGame(12, 3);
        QTRY_VERIFY(scoresShown);
        // Shown at once, before it could be written.
        QCOMPARE(shownEntries, 1);
        QVERIFY(paintsInDialog > paintsBeforeDialog);
        QVERIFY(!QFileInfo::exists(QString::fromStdString(path)));
        // Once the wait is over, the game waits beside the file, and readers see it.
        const auto pending = [&] { return AppSharedFile(path, {}).PendingPaths().size(); };
        QTRY_COMPARE_WITH_TIMEOUT(pending(), std::size_t(1), 10000);
        ticks.stop();
        QCOMPARE(stored().GameCount(), std::size_t(1));
        qInfo("longest pause of the window during the lock wait: %lld ms", longestPauseMs);
        ::close(lock);

        // The next save takes the game waiting beside the file in.
        onScoresDialog([](TScoresDialog*) {});
        endGame(20, 1);
        QTRY_VERIFY(scoresShown);
        QTRY_COMPARE(pending(), std::size_t(0));
        QCOMPARE(AppScoreBook::FromText(ReadWholeFileText(path)).GameCount(), std::size_t(2));
    }

    void watchIsOfferedOnceTheReplayLandsWithoutChoosingAnotherRow() {
        start();
        const std::string path = AppPlayerScores::File().Path();
        QDir().mkpath(QFileInfo(AppPlayerScores::Path()).path());
        // Another copy's save holds the scores file, and with it the game's replay, back.
        const int lock = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        QVERIFY(lock >= 0 && ::flock(lock, LOCK_EX) == 0);
        bool greyWhileWaiting = false, offeredOnceLanded = false;
        onScoresDialog([&](TScoresDialog* dialog) {
            auto* watch = dialog->findChild<QPushButton*>(QStringLiteral("WatchButton"));
            auto* save = dialog->findChild<QPushButton*>(QStringLiteral("SaveButton"));
            greyWhileWaiting = !watch->isEnabled() && !save->isEnabled();
            ::close(lock);
            QTRY_VERIFY_WITH_TIMEOUT(watch->isEnabled() && save->isEnabled(), 10000);
            offeredOnceLanded = true;
        });
        endGame(12, 3);
        QTRY_VERIFY(scoresShown);
        QVERIFY(greyWhileWaiting);
        QVERIFY(offeredOnceLanded);
    }

    void thePostGameBoxLeavesTheWindowsFrameInSight() {
        if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
            QSKIP("Run framed by a window manager: offscreen windows have no frame.");
        start();
        QTRY_VERIFY(form->frameGeometry().size() != form->size());
        const QRect room = form->screen()->availableGeometry();
        // Against the screen's left edge, with room beside; in its middle, with room beside
        // only on a screen wide enough.
        const QPoint places[] = {room.topLeft(), room.center() - form->frameGeometry().center() +
                                                     form->frameGeometry().topLeft()};
        for (const QPoint& place : places) {
            form->move(place);
            QTRY_COMPARE(form->frameGeometry().topLeft(), place);
            QRect box;
            onScoresDialog([&](TScoresDialog* dialog) {
                QTRY_VERIFY(dialog->frameGeometry().size() != dialog->size());
                QTest::qWait(200);
                box = dialog->frameGeometry();
            });
            endGame(12, 3);
            QTRY_VERIFY(scoresShown);
            const QRect main = form->frameGeometry();
            const QRect titleBar(main.topLeft(), QPoint(main.right(), form->geometry().top() - 1));
            qInfo("screen %dx%d, window %d,%d %dx%d, box %d,%d %dx%d", room.width(), room.height(),
                  main.x(), main.y(), main.width(), main.height(), box.x(), box.y(), box.width(),
                  box.height());
            QVERIFY(room.contains(box));
            QVERIFY(!box.intersects(titleBar));
            const bool roomBeside =
                std::max(room.right() - main.right(), main.left() - room.left()) >= box.width();
            QCOMPARE(!box.intersects(main),
                     roomBeside || room.bottom() - main.bottom() >= box.height());
        }
    }

    void gamesOutsideTheTableOrAbandonedOpenNothing() {
        storeGames(10, 100);
        start();
        endGame(5, 1);
        QTest::qWait(50);
        QVERIFY(!QApplication::activeModalWidget());
        endGame(0, 1);
        // Abandoned by New and by Exit: not entered.
        form->findChild<QAction*>(QStringLiteral("Game_New_MItem"))->trigger();
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        AppGameTestPeer::SetScore(game(), 7, 1);
        form.reset();
        const AppScoreBook book = stored();
        QCOMPARE(book.GameCount(), std::size_t(12));
        QCOMPARE(book.History(AppPlayOptions()).recentScores.back(), 0);
        QCOMPARE(book.LastName(), std::string("Ann"));
    }

    void clearAsksFirstThenEmptiesTheShownTableOnly() {
        storeGames(2, 30);
        storeGames(1, 10, practice);
        start();
        int rowsAfterCancel = -1, rowsAfterOk = -1;
        onScoresDialog([&](TScoresDialog* dialog) {
            auto* clear = dialog->findChild<QPushButton*>(QStringLiteral("ClearButton"));
            for (const auto button : {QMessageBox::Cancel, QMessageBox::Ok}) {
                WhenModalShown([button](QWidget* box) {
                    qobject_cast<QMessageBox*>(box)->button(button)->click();
                });
                clear->click();
                (button == QMessageBox::Ok ? rowsAfterOk : rowsAfterCancel) = entries(dialog);
            }
        });
        QTest::keyClick(form.get(), Qt::Key_F6);
        QTRY_VERIFY(scoresShown);
        QCOMPARE(rowsAfterCancel, 2);
        QCOMPARE(rowsAfterOk, 0);
        // Written off the window's thread.
        QTRY_COMPARE(stored().GameCount(), std::size_t(1));
        const AppScoreBook book = stored();
        QCOMPARE(book.Tables().at(0), practice);
    }
};

QTEST_MAIN(TScoresFlowTest)
#include "TScoresFlowTest.moc"
