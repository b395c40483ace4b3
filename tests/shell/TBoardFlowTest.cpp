// The day's game from the main window to a board on a loopback port and back: sent only when
// the player sends, its place on the score line and on the Scores dialog's Board page.
#include "AppGameTestPeer.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"

#include "AppCell.h"
#include "AppPlayerScores.h"
#include "AppProgramFolders.h"
#include "AppSettingsLocation.h"
#include "FakeBoard.h"
#include "ModalWatcher.h"
#include "TOptionsDialog.h"
#include "TScoresDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TBoardFlowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> data;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TOptionsDialog> dialog;
    QPoint pointer;

    AppGame& game() { return TForm1TestPeer::Game(*form); }

    // The board's page of the options filled in, then OK.
    void setBoard(const QString& address, bool send) {
        WhenModalShown([address, send](QWidget* modal) {
            auto* shown = qobject_cast<TOptionsDialog*>(modal);
            QVERIFY(shown);
            shown->findChild<QLineEdit*>(QStringLiteral("BoardAddressEdit"))->setText(address);
            shown->findChild<QLineEdit*>(QStringLiteral("BoardNameEdit"))->setText("Ann");
            shown->findChild<QCheckBox*>(QStringLiteral("BoardSendCheckBox"))->setChecked(send);
            shown->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
        form->findChild<QAction*>(QStringLiteral("Game_Options_MItem"))->trigger();
    }

    // Today's game, launched and ended by an obstacle shoved onto the ball.
    void playTodaysGame() {
        form->findChild<QAction*>(QStringLiteral("Game_Today_MItem"))->trigger();
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        const int x = game().ball.x < 5 ? game().ball.x + 1 : game().ball.x - 1;
        game().Field().SetCell(x, game().ball.y, layerGround, cellObstacle);
        const AppViewOptions& view = game().ViewOptions();
        pointer = form->ClientArea()->mapToGlobal(
            QPoint(x * view.CharWidth + 2, game().ball.y * view.CharHeight + 2));
        QTest::keyClick(form->ClientArea(), x > game().ball.x ? Qt::Key_S : Qt::Key_F);
        QCOMPARE(game().State(), stGameOver);
    }

private slots:
    void init() {
        data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", data->path().toLocal8Bit());
        QFile::remove(AppSettingsLocation::ReadPath(ProgramFolders().exeFolder));
    }

    void cleanup() {
        dialog.reset();
        form.reset();
    }

    void theDaysGameReachesTheBoardOnlyWhenSent_data() {
        QTest::addColumn<bool>("send");
        QTest::addColumn<QString>("note");
        QTest::newRow("sending on") << true << QStringLiteral(" · Sent: 1st of 1");
        QTest::newRow("sending off") << false << QString();
    }

    void theDaysGameReachesTheBoardOnlyWhenSent() {
        QFETCH(bool, send);
        QFETCH(QString, note);
        FakeBoard board;
        form = std::make_unique<TForm1>();
        dialog = std::make_unique<TOptionsDialog>();
        form->SetDialogs(dialog.get(), nullptr);
        form->SetPointerSource([this] { return std::optional<QPoint>(pointer); });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        TForm1TestPeer::SetStepClock(*form, [] { return std::chrono::nanoseconds(0); });
        setBoard(board.Address(), send);
        const QString key =
            QFileInfo(AppPlayerScores::Path()).path() + QStringLiteral("/player-key");
        QCOMPARE(QFile::exists(key), send);

        playTodaysGame();
        const auto* line = form->findChild<QLabel*>(QStringLiteral("ScoreLine"));
        QTRY_COMPARE(line->text(), QStringLiteral("Game over: score 0, phase 1") + note);
        if (!send) {
            QTest::qWait(500);
            QVERIFY(board.requests.isEmpty());
            return;
        }
        QCOMPARE(board.games.size(), 1);
        QTRY_VERIFY(AppPlayerScores::File().Load().LastGame()->board.has_value());

        bool shown = false;
        WhenModalShown([&shown](QWidget* modal) {
            auto* scores = qobject_cast<TScoresDialog*>(modal);
            QVERIFY(scores);
            scores->findChild<QTabWidget*>()->setCurrentIndex(TScoresDialog::pageBoard);
            auto* list = scores->findChild<QTableWidget*>(QStringLiteral("BoardList"));
            QTRY_COMPARE(list->rowCount(), 1);
            QCOMPARE(list->item(0, 1)->text(), QStringLiteral("Ann"));
            QVERIFY(list->item(0, 1)->font().bold());
            QCOMPARE(scores->findChild<QLabel*>(QStringLiteral("OwnRankLabel"))->text(),
                     QStringLiteral("Sent: 1st of 1"));
            scores->reject();
            shown = true;
        });
        form->findChild<QAction*>(QStringLiteral("Game_Scores_MItem"))->trigger();
        QTRY_VERIFY(shown);
    }
};

QTEST_MAIN(TBoardFlowTest)
#include "TBoardFlowTest.moc"
