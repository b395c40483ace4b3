// The main window offscreen: start-up, input, menus, boxes and the paced step loop.
#include "TForm1.h"
#include "AppCell.h"
#include "AppGameTestPeer.h"
#include "AppProgramFolders.h"
#include "AppRenderer.h"
#include "AppTerminationSignals.h"
#include "ModalWatcher.h"
#include "TAboutDialog.h"
#include "TForm1TestPeer.h"
#include "TOptionsDialog.h"

#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <chrono>
#include <csignal>
#include <memory>

// Records the files the desktop would have been asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class TForm1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TForm1> form;
    QPoint pointer;
    std::chrono::nanoseconds fakeNow{};

    AppGame& game() { return TForm1TestPeer::Game(*form); }
    QAction* item(const char* name) { return form->findChild<QAction*>(QLatin1String(name)); }
    QMenu* menu(const char* name) { return form->findChild<QMenu*>(QLatin1String(name)); }

    // From here on the loop's clock moves only when passTime() moves it; a step
    // already queued runs first.
    void useFakeClock() {
        fakeNow = std::chrono::steady_clock::now().time_since_epoch();
        TForm1TestPeer::SetStepClock(*form, [this] { return fakeNow; });
        QCoreApplication::processEvents();
    }

    // Time passes and the loop looks at its clock, as when its timer fires.
    void passTime(int ms) {
        fakeNow += std::chrono::milliseconds(ms);
        TForm1TestPeer::StepLoop(*form).Check();
    }

    // The pointer over the centre of a cell, in screen coordinates.
    void pointAt(int x, int y) {
        const AppViewOptions& view = game().ViewOptions();
        pointer = form->ClientArea()->mapToGlobal(
            QPoint(x * view.CharWidth + view.CharWidth / 2, y * view.CharHeight + 4));
    }

    // A started game with the ball moving right along row 2, away from
    // everything, and an empty ground.
    void startMovingGame() {
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QCOMPARE(game().State(), stPlaying);
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QVERIFY(!game().ball.IsStanding());
        arrangeMovingGame();
    }

    void arrangeMovingGame() {
        AppField& field = game().Field();
        field.ReplaceAll(cellSweeper, cellEmpty);
        field.ReplaceAll(cellObstacle, cellEmpty);
        field.SetCell(game().ball.x, game().ball.y, layerBall, cellEmpty);
        game().ball.x = 0;
        game().ball.y = 2;
        game().ball.dx = 1;
        game().ball.dy = 0;
        field.SetCell(0, 2, layerBall, cellBall);
        for (int x = 0; x < field.Width(); ++x)
            field.SetCell(x, 2, layerGround, cellEmpty);
        // Keep one fresh paddle far from row 2 so no phase is cleared.
        field.SetCell(0, 10, layerGround, cellPaddleBack);
    }

    // The ground of every cell, column by column.
    QList<int> ground() {
        QList<int> cells;
        const AppField& field = game().Field();
        for (int x = 0; x < field.Width(); ++x)
            for (int y = 0; y < field.Height(); ++y)
                cells.append(field.GetCell(x, y, layerGround));
        return cells;
    }

    // The ground emptied but for the paddle that keeps the phase, and one cell set.
    void setOnlyCell(const QPoint& cell, int code) {
        AppField& field = game().Field();
        field.ReplaceAll(cellPaddleSlash, cellEmpty);
        field.ReplaceAll(cellObstacle, cellEmpty);
        field.SetCell(0, 10, layerGround, cellPaddleBack);
        field.SetCell(cell.x(), cell.y(), layerGround, code);
    }

    void moveCursorTo(const QPoint& cell) {
        const AppPoint at = TForm1TestPeer::Cursor(*form).Cursor().Cell();
        TForm1TestPeer::Cursor(*form).Move(cell.x() - at.x, cell.y() - at.y);
    }

    // The pointer moves over the client area to a point of it.
    void movePointer(const QPoint& point) {
        QMouseEvent move(QEvent::MouseMove, point, form->ClientArea()->mapToGlobal(point),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form->ClientArea(), &move);
    }

    // The message box's text, read while it is open; then it is closed with
    // the given button.
    static void answerBox(QString* text, QMessageBox::StandardButton button) {
        WhenModalShown([text, button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            *text = box->text();
            box->button(button)->click();
        });
    }

private slots:
    void init() {
        // Every case starts from no settings file at all.
        QFile::remove(ProgramFolders().exeFolder + QStringLiteral("settings.ini"));
        form = std::make_unique<TForm1>();
        form->SetPointerSource([this] { return std::optional<QPoint>(pointer); });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    void startUpShowsTheTitleInAClientAreaOfTheFieldSize() {
        QCOMPARE(game().State(), stTitle);
        QCOMPARE(form->ClientArea()->size(), QSize(432, 324));
        QCOMPARE(TForm1TestPeer::Renderer(*form).BackBuffer().size(), QSize(432, 324));
        QCOMPARE(TForm1TestPeer::Renderer(*form).BackBuffer().pixelColor(0, 0), QColor(64, 0, 255));
        QCOMPARE(form->windowTitle(), QStringLiteral("Zingaroo"));
        QVERIFY(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void leftClickStartsThenLaunchesOtherButtonsDoNothing() {
        QTest::mouseClick(form->ClientArea(), Qt::RightButton);
        QTest::mouseClick(form->ClientArea(), Qt::MiddleButton);
        QCOMPARE(game().State(), stTitle);
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QCOMPARE(game().State(), stPlaying);
        QVERIFY(game().ball.IsStanding());
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QVERIFY(!game().ball.IsStanding());
    }

    void aDoubleClickIsTwoPressesThatStartAndLaunch() {
        // Through the window, as the desktop delivers it: Qt makes the second
        // press a double click.
        const QPoint centre = form->ClientArea()->mapTo(form.get(), QPoint(100, 100));
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(game().State(), stPlaying);
        QVERIFY(!game().ball.IsStanding());
    }

    void keysPutThePaddleOfTheirPositionUnderThePointer_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::newRow("W") << int(Qt::Key_W) << 0 << int(cellPaddleSlash);
        QTest::newRow("shift R") << int(Qt::Key_R) << int(Qt::ShiftModifier) << int(cellPaddleBack);
        QTest::newRow("ctrl S") << int(Qt::Key_S) << int(Qt::ControlModifier)
                                << int(cellPaddleBack);
        QTest::newRow("F") << int(Qt::Key_F) << 0 << int(cellPaddleSlash);
        QTest::newRow("U") << int(Qt::Key_U) << 0 << int(cellPaddleSlash);
        QTest::newRow("O") << int(Qt::Key_O) << 0 << int(cellPaddleBack);
        QTest::newRow("J") << int(Qt::Key_J) << 0 << int(cellPaddleBack);
        QTest::newRow("alt L") << int(Qt::Key_L) << int(Qt::AltModifier) << int(cellPaddleSlash);
        QTest::newRow("Left") << int(Qt::Key_Left) << 0 << int(cellPaddleBack);
        QTest::newRow("Right") << int(Qt::Key_Right) << 0 << int(cellPaddleSlash);
        QTest::newRow("unlisted Q") << int(Qt::Key_Q) << 0 << int(cellEmpty);
    }

    void keysPutThePaddleOfTheirPositionUnderThePointer() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        startMovingGame();
        pointAt(7, 5);
        game().Field().SetCell(7, 5, layerGround, cellEmpty);
        QTest::keyClick(form->ClientArea(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(game().Field().GetCell(7, 5, layerGround), code);
    }

    void shoveKeysMoveTheObstacleSideways() {
        startMovingGame();
        game().Field().SetCell(7, 5, layerGround, cellObstacle);
        pointAt(7, 5);
        QTest::keyClick(form->ClientArea(), Qt::Key_J);
        QCOMPARE(game().Field().GetCell(6, 5, layerGround), int(cellObstacle));
        QCOMPARE(game().Field().GetCell(7, 5, layerGround), int(cellEmpty));
        pointAt(6, 5);
        QTest::keyClick(form->ClientArea(), Qt::Key_Right);
        QCOMPARE(game().Field().GetCell(7, 5, layerGround), int(cellObstacle));
    }

    void cursorKeysActOnTheCursorCellAsOnTheCellUnderThePointer_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("step");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("changes");
        // The field is 24 by 18 cells; the ball runs along row 2.
        const auto row = [](const char* name, QPoint from, QPoint step, QPoint to,
                            AppKeyPosition position, AppCell code, bool changes) {
            QTest::newRow(name) << from << step << to << int(position) << int(code) << changes;
        };
        using P = AppKeyPosition;
        row("left edge, slash", {0, 5}, {-1, 0}, {23, 5}, P::slash, cellEmpty, true);
        row("right edge, back on obstacle", {23, 5}, {1, 0}, {0, 5}, P::back, cellObstacle, false);
        row("top edge, shove left", {7, 0}, {0, -1}, {7, 17}, P::backOrShoveLeft, cellObstacle,
            true);
        row("bottom edge, shove right", {7, 17}, {0, 1}, {7, 0}, P::slashOrShoveRight, cellObstacle,
            true);
        row("back", {10, 8}, {1, 1}, {11, 9}, P::back, cellEmpty, true);
        row("back or shove left on empty", {3, 4}, {0, 1}, {3, 5}, P::backOrShoveLeft, cellEmpty,
            true);
        row("slash or shove right on a used paddle", {3, 4}, {1, 0}, {4, 4}, P::slashOrShoveRight,
            cellPaddleUsed, true);
        row("slash on obstacle", {12, 12}, {-1, 0}, {11, 12}, P::slash, cellObstacle, false);
    }

    void cursorKeysActOnTheCursorCellAsOnTheCellUnderThePointer() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, step);
        QFETCH(QPoint, to);
        QFETCH(int, position);
        QFETCH(int, code);
        QFETCH(bool, changes);
        startMovingGame();
        useFakeClock();
        static const Qt::Key keys[] = {Qt::Key_unknown, Qt::Key_W, Qt::Key_R, Qt::Key_S, Qt::Key_F};
        setOnlyCell(to, code);
        const QList<int> before = ground();
        pointAt(to.x(), to.y());
        QTest::keyClick(form->ClientArea(), keys[position]);
        const QList<int> byPointer = ground();
        QCOMPARE(byPointer != before, changes);

        setOnlyCell(to, code);
        moveCursorTo(from);
        TForm1TestPeer::Cursor(*form).Move(step.x(), step.y());
        QCOMPARE(TForm1TestPeer::Cursor(*form).Cursor().Cell(), (AppPoint{to.x(), to.y()}));
        TForm1TestPeer::Cursor(*form).Key(AppKeyPosition(position));
        QCOMPARE(ground(), byPointer);
        QCOMPARE(game().State(), stPlaying);
    }

    void theKeyboardCursorOptionTakesTheArrowsSpaceAndEnterUntilTheMouseMoves() {
        // Off: Space and Enter do nothing, and an arrow (a paddle key under the pointer, as
        // keysPutThePaddleOfTheirPositionUnderThePointer checks) shows no cursor.
        QWidget* area = form->ClientArea();
        QTest::keyClick(area, Qt::Key_Space);
        QTest::keyClick(area, Qt::Key_Return);
        QCOMPARE(game().State(), stTitle);
        startMovingGame();
        useFakeClock();
        QTest::keyClick(area, Qt::Key_Left);
        QVERIFY(!TForm1TestPeer::Cursor(*form).Cursor().Shown());

        // On: Enter deals a game with the cursor framed on the ball, Space launches it.
        AppSystemOptions options = form->SystemOptions();
        options.KeyboardCursor = true;
        form->ApplySystemOptions(options);
        game().SetState(stSetup);
        QTest::keyClick(area, Qt::Key_Enter);
        QCOMPARE(game().State(), stPlaying);
        const AppPoint ball{game().ball.x, game().ball.y};
        QCOMPARE(TForm1TestPeer::Cursor(*form).Cursor().Cell(), ball);
        QCOMPARE(form->ClientArea()->Frame(), QRect(ball.x * 18, ball.y * 18, 18, 18));
        QTest::keyClick(area, Qt::Key_Space);
        QVERIFY(!game().ball.IsStanding());
        arrangeMovingGame();

        // The arrows move the cursor and the letters act on its cell, not the pointer's.
        setOnlyCell({7, 5}, cellEmpty);
        pointAt(7, 5);
        moveCursorTo({9, 8});
        QTest::keyClick(area, Qt::Key_Right);
        QTest::keyClick(area, Qt::Key_Up);
        QTest::keyClick(area, Qt::Key_Up);
        QTest::keyClick(area, Qt::Key_Down);
        QCOMPARE(TForm1TestPeer::Cursor(*form).Cursor().Cell(), (AppPoint{10, 7}));
        QTest::keyClick(area, Qt::Key_U);
        QCOMPARE(game().Field().GetCell(10, 7, layerGround), int(cellPaddleSlash));
        QCOMPARE(game().Field().GetCell(7, 5, layerGround), int(cellEmpty));
        QCOMPARE(form->ClientArea()->Frame(), QRect(180, 126, 18, 18));

        // A move event of a pointer that stayed (give or take a rounded pixel) keeps the
        // cursor; one that moved hides it, and the letters act under the pointer again.
        const QPoint rest = area->mapFromGlobal(pointer);
        movePointer(rest + QPoint(1, 0));
        QVERIFY(TForm1TestPeer::Cursor(*form).Cursor().Shown());
        movePointer(rest + QPoint(3, 0));
        QVERIFY(!TForm1TestPeer::Cursor(*form).Cursor().Shown());
        QVERIFY(form->ClientArea()->Frame().isEmpty());
        QTest::keyClick(area, Qt::Key_W);
        QCOMPARE(game().Field().GetCell(7, 5, layerGround), int(cellPaddleSlash));

        // Paused, the cursor neither moves nor acts; a thousand arrows in one step move it and
        // never the ball.
        QTest::keyClick(area, Qt::Key_Left);
        QTest::keyClick(form.get(), Qt::Key_P);
        QVERIFY(form->ClientArea()->Frame().isEmpty());
        QTest::keyClick(area, Qt::Key_Left);
        QTest::keyClick(area, Qt::Key_R);
        QCOMPARE(TForm1TestPeer::Cursor(*form).Cursor().Cell(), (AppPoint{9, 7}));
        QCOMPARE(game().Field().GetCell(9, 7, layerGround), int(cellEmpty));
        QTest::keyClick(form.get(), Qt::Key_P);
        const AppPlayer before = game().ball;
        const QList<int> field = ground();
        for (int i = 0; i < 1000; ++i)
            QTest::keyClick(area, Qt::Key_Right);
        QCOMPARE(TForm1TestPeer::Cursor(*form).Cursor().Cell(), (AppPoint{(9 + 1000) % 24, 7}));
        QCOMPARE(game().ball.x, before.x);
        QCOMPARE(game().ball.dx, before.dx);
        QCOMPARE(ground(), field);
    }

    void pointerOutsideTheFieldOrUnreadableDoesNothing() {
        startMovingGame();
        const int before = game().Field().GetCount(cellPaddleSlash);
        pointer = form->ClientArea()->mapToGlobal(QPoint(-3, 5));
        QTest::keyClick(form->ClientArea(), Qt::Key_W);
        form->SetPointerSource([] { return std::optional<QPoint>(); });
        QTest::keyClick(form->ClientArea(), Qt::Key_W);
        QCOMPARE(game().Field().GetCount(cellPaddleSlash), before);
    }

    void f2StartsANewGameKeepingTheRecord() {
        startMovingGame();
        AppGameTestPeer::SetScore(game(), 5, game().Phase());
        game().SetRecord(9, 4);
        QTest::keyClick(form.get(), Qt::Key_F2);
        QCOMPARE(game().State(), stPlaying);
        QCOMPARE(game().Score(), 0);
        QCOMPARE(game().Phase(), 1);
        QCOMPARE(game().RecordScore(), 9);
        QCOMPARE(game().RecordPhase(), 4);
    }

    void statusBoxShowsTheStateAndCounters() {
        QString text;
        answerBox(&text, QMessageBox::Ok);
        QTest::keyClick(form.get(), Qt::Key_F4);
        QCOMPARE(text,
                 QStringLiteral("State: Not Playing\nScore: 0 pt.  0 ph.\nRecord: 0 pt.  0 ph."));

        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        answerBox(&text, QMessageBox::Ok);
        item("Game_Status_MItem")->trigger();
        QCOMPARE(text, QStringLiteral("State: Playing\nScore: 0 pt.  1 ph.\nRecord: 0 pt.  0 ph."));

        AppGameTestPeer::SetScore(game(), 12, 3);
        game().SetRecord(40, 5);
        game().SetState(stGameOver);
        answerBox(&text, QMessageBox::Ok);
        item("Popup_Status_MItem")->trigger();
        QCOMPARE(text,
                 QStringLiteral("State: Not Playing\nScore: 12 pt.  3 ph.\nRecord: 40 pt.  5 ph."));
    }

    void helpOpensThePageOnlyAfterOk() {
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
        QString text;
        answerBox(&text, QMessageBox::Cancel);
        QTest::keyClick(form.get(), Qt::Key_F1);
        QCOMPARE(text, QStringLiteral("Opening HTML help file.\n\nSure?"));
        QVERIFY(recorder.opened.isEmpty());

        answerBox(&text, QMessageBox::Ok);
        item("Help_Help_MItem")->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(recorder.opened.size(), 1);
        QCOMPARE(recorder.opened.first().toLocalFile(), ProgramFolders().helpFile);
    }

    // The dialogs wait for the first command that opens one; both are made then, once.
    void theDialogsAreMadeOnceByTheFirstCommandThatOpensOne() {
        int made = 0;
        form->SetDialogMaker([this, &made] {
            ++made;
            form->SetDialogs(new TOptionsDialog(form.get()), new TAboutDialog(form.get()));
        });
        QStringList opened;
        for (const char* name : {"Help_About_MItem", "Game_Options_MItem", "Help_About_MItem"}) {
            WhenModalShown([&opened](QWidget* modal) {
                opened.append(QLatin1String(modal->metaObject()->className()));
                qobject_cast<QDialog*>(modal)->reject();
            });
            item(name)->trigger();
        }
        QCOMPARE(made, 1);
        QCOMPARE(opened, (QStringList{"TAboutDialog", "TOptionsDialog", "TAboutDialog"}));
    }

    void tipsShowTheTwelveLines() {
        QString text;
        answerBox(&text, QMessageBox::Ok);
        item("Help_Tips_MItem")->trigger();
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines.at(0), QStringLiteral("[Control]"));
        QCOMPARE(lines.at(5), QStringLiteral("Set 1: W, R, S, F"));
        QCOMPARE(lines.at(11), QStringLiteral("Phase: 1 phase for all paddles in the field."));
    }

    void menusCarryTheirCaptionsAndShortcuts() {
        QCOMPARE(menu("Game_MItem")->title(), QStringLiteral("&Game"));
        QCOMPARE(item("Game_Exit_MItem")->text(), QStringLiteral("E&xit"));
        QCOMPARE(item("Game_New_MItem")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(item("Game_Status_MItem")->shortcut(), QKeySequence(Qt::Key_F4));
        QCOMPARE(item("Game_Options_MItem")->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(item("Help_Help_MItem")->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(item("Game_FullScreen_MItem")->shortcut(), QKeySequence(Qt::Key_F11));
        QCOMPARE(menu("Game_MItem")->actions().indexOf(item("Game_FullScreen_MItem")),
                 menu("Game_MItem")->actions().indexOf(item("Game_Scores_MItem")) + 1);
        QCOMPARE(menu("Game_MItem")->actions().size(), 12);
        QCOMPARE(menu("Help_MItem")->actions().size(), 4);
        QCOMPARE(menu("PopupMenu1")->actions().size(), 5);
        QCOMPARE(menu("Game_MItem")->actions().at(1)->text(),
                 QStringLiteral("New N&umbered Game…"));
        QCOMPARE(menu("Game_MItem")->actions().at(2)->text(), QStringLiteral("&Today's Game"));
        QVERIFY(menu("Game_MItem")->actions().at(5)->isSeparator());
        QVERIFY(menu("PopupMenu1")->actions().at(1)->isSeparator());
        QVERIFY(item("Popup_New_MItem")->shortcut().isEmpty());
    }

    void thePopupsNewStartsAGame() {
        item("Popup_New_MItem")->trigger();
        QCOMPARE(game().State(), stPlaying);
    }

    void rightClickOpensTheContextMenu() {
        QTest::mouseClick(form->windowHandle(), Qt::RightButton, {},
                          form->ClientArea()->mapTo(form.get(), QPoint(30, 30)));
        QTRY_VERIFY(menu("PopupMenu1")->isVisible());
        menu("PopupMenu1")->close();
    }

    void theBallMovesAtThePaceOfTheLoop() {
        startMovingGame();
        const int x = game().ball.x;
        QTRY_VERIFY_WITH_TIMEOUT(game().ball.x >= x + 2, 3000);
    }

    void aBoxOpenedFromAMenuHoldsTheGameStill() {
        startMovingGame();
        useFakeClock();
        int atOpen = -1;
        int atClose = -2;
        // The key arrives while the loop waits between two steps.
        QTimer::singleShot(0, form->ClientArea(),
                           [this] { QTest::keyClick(form->ClientArea(), Qt::Key_F4); });
        WhenModalShown([&](QWidget* modal) {
            atOpen = game().ball.x;
            passTime(1000);
            QTest::qWait(20);
            atClose = game().ball.x;
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
        });
        QTRY_VERIFY_WITH_TIMEOUT(atClose >= 0, 5000);
        QCOMPARE(atClose, atOpen);
        // The period ran out under the box: one step follows its closing at once.
        QTRY_COMPARE(game().ball.x, atClose + 1);
        QTest::qWait(20);
        QCOMPARE(game().ball.x, atClose + 1);
    }

    void aBoxOpenedBetweenTwoStepsHoldsTheGameStill() {
        startMovingGame();
        useFakeClock();
        const int atOpen = game().ball.x;
        // The period ends and the next step is queued; the box's own loop must not run it.
        passTime(game().PlayOptions().Speed);
        int atClose = -1;
        WhenModalShown([&](QWidget* modal) {
            passTime(1000);
            QTest::qWait(20);
            atClose = game().ball.x;
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
        });
        item("Game_Status_MItem")->trigger();
        QCOMPARE(atClose, atOpen);
        QTRY_COMPARE(game().ball.x, atOpen + 1);
    }

    void anOpenMenuHoldsTheGameStill() {
        startMovingGame();
        useFakeClock();
        menu("Game_MItem")->popup(form->mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(menu("Game_MItem")->isVisible());
        const int atOpen = game().ball.x;
        passTime(1000);
        QTest::qWait(20);
        QCOMPARE(game().ball.x, atOpen);
        menu("Game_MItem")->close();
        QTRY_COMPARE(game().ball.x, atOpen + 1);
    }

    void exitDuringAWaitEndsTheLoopAndTheWindowGoesOnce() {
        startMovingGame();
        QSignalSpy destroyed(form.get(), &QObject::destroyed);
        QTimer::singleShot(100, form.get(), [this] { item("Game_Exit_MItem")->trigger(); });
        const int code = QApplication::exec();
        QCOMPARE(code, 0);
        QVERIFY(!form->isVisible());
        form.reset();
        QCOMPARE(destroyed.count(), 1);
    }

    void aTerminationSignalClosesAnOpenBoxThenEndsTheLoop() {
        const AppTerminationSignals terminationSignals;
        bool boxWasOpen = false;
        WhenModalShown([&boxWasOpen](QWidget*) {
            boxWasOpen = true;
            std::raise(SIGTERM);
        });
        QTimer::singleShot(0, form.get(), [this] { item("Game_Status_MItem")->trigger(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(boxWasOpen);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(TForm1Test)
#include "TForm1Test.moc"
