// The day's game from the main window to a board on a loopback port and back: sent only when
// the player sends, its place on the score line and on the Scores dialog's Board page.
#include "TForm1.h"
#include "TForm1TestPeer.h"

#include "AppGameNumber.h"
#include "AppPlayerScores.h"
#include "AppProgramFolders.h"
#include "AppSettingsLocation.h"
#include "FakeBoard.h"
#include "ModalWatcher.h"
#include "RealBoard.h"
#include "TOptionsDialog.h"
#include "TScoresDialog.h"
#include "TodaysGame.h"

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

    // Today's game as a player plays it through to game over, told to the window as the session
    // tells it: a genuine record, so the board can replay it.
    void endTodaysGame() {
        const std::optional<AppGameRecord> record = PlayTodaysGame();
        QVERIFY(record);
        AppFinishedGame finished;
        finished.score = record->end->score;
        finished.phase = record->end->phase;
        finished.steps = record->end->step;
        finished.playMs = 60000;
        finished.number = AppGameNumber::Today();
        finished.options = AppGameNumber::DayOptions();
        finished.record = *record;
        // A game that makes its table opens the Scores dialog on its name.
        if (finished.score > 0)
            WhenModalShown([](QWidget* modal) { modal->close(); });
        TForm1TestPeer::EndGame(*form, finished);
    }

    // The Board page of the Scores dialog once it has fetched the day: its lines and the
    // player's place.
    QStringList boardPage() {
        QStringList shown;
        WhenModalShown([&shown](QWidget* modal) {
            auto* scores = qobject_cast<TScoresDialog*>(modal);
            QVERIFY(scores);
            scores->findChild<QTabWidget*>()->setCurrentIndex(TScoresDialog::pageBoard);
            auto* list = scores->findChild<QTableWidget*>(QStringLiteral("BoardList"));
            auto* status = scores->findChild<QLabel*>(QStringLiteral("StatusLabel"));
            QTRY_VERIFY(!status->text().startsWith(QStringLiteral("Fetching")));
            for (int row = 0; row < list->rowCount(); ++row)
                shown << list->item(row, 1)->text() +
                             (list->item(row, 1)->font().bold() ? QStringLiteral(" (own)") : "");
            shown << scores->findChild<QLabel*>(QStringLiteral("OwnRankLabel"))->text()
                  << status->text();
            scores->reject();
        });
        form->findChild<QAction*>(QStringLiteral("Game_Scores_MItem"))->trigger();
        return shown;
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
        QTest::addColumn<bool>("real");
        QTest::addColumn<bool>("send");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QStringList>("page");
        const QStringList listed = {"Ann (own)", "Sent: 1st of 1", ""};
        const QStringList empty = {"", "No games on the board for this day yet."};
        QTest::newRow("sending on, a board of the test's")
            << false << true << "Sent: 1st of 1" << listed;
        QTest::newRow("sending off, a board of the test's") << false << false << "" << empty;
        QTest::newRow("sending on, zingaroo-board") << true << true << "Sent: 1st of 1" << listed;
        QTest::newRow("sending off, zingaroo-board") << true << false << "" << empty;
    }

    void theDaysGameReachesTheBoardOnlyWhenSent() {
        QFETCH(bool, real);
        QFETCH(bool, send);
        QFETCH(QString, note);
        QFETCH(QStringList, page);
        if (real && !RealBoard::Built())
            QSKIP("this build has no zingaroo-board");
        FakeBoard fake;
        RealBoard board(real ? FreePort() : 0);
        QVERIFY(!real || board.Started());
        const QString address = real ? board.Address() : fake.Address();
        form = std::make_unique<TForm1>();
        dialog = std::make_unique<TOptionsDialog>();
        form->SetDialogs(dialog.get(), nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        TForm1TestPeer::SetStepClock(*form, [] { return std::chrono::nanoseconds(0); });
        setBoard(address, send);
        const QString key =
            QFileInfo(AppPlayerScores::Path()).path() + QStringLiteral("/player-key");
        QCOMPARE(QFile::exists(key), send);

        endTodaysGame();
        QTRY_COMPARE_WITH_TIMEOUT(TForm1TestPeer::BoardNote(*form), note, 10000);
        if (send)
            QTRY_VERIFY(AppPlayerScores::File().Load().LastGame()->board.has_value());
        else
            QTest::qWait(500);
        QCOMPARE(boardPage(), page);
    }
};

QTEST_MAIN(TBoardFlowTest)
#include "TBoardFlowTest.moc"
