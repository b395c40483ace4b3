// Whole games played with a pad made inside the test, through the main window.
#include "AppCell.h"
#include "AppGamepadTestPeer.h"
#include "ModalWatcher.h"
#include "PadScript.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <memory>
#include <utility>

class TForm1GamepadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TForm1> form;
    std::unique_ptr<AppVirtualPad> pad;
    std::chrono::nanoseconds fakeNow{};

    AppGame& game() { return TForm1TestPeer::Game(*form); }
    AppField& field() { return game().Field(); }
    QPoint cursor() {
        return QPoint(TForm1TestPeer::Cursor(*form).Cursor().Cell().x,
                      TForm1TestPeer::Cursor(*form).Cursor().Cell().y);
    }
    QPoint ballAt() { return QPoint(game().ball.x, game().ball.y); }
    int ground(QPoint cell) { return field().GetCell(cell.x(), cell.y(), layerGround); }
    void setGround(QPoint cell, int code) {
        field().SetCell(cell.x(), cell.y(), layerGround, code);
    }
    bool paused() {
        return form->findChild<QAction*>(QStringLiteral("Game_Pause_MItem"))->isChecked();
    }
    void play(const char* script) {
        PlayPad(*pad, TForm1TestPeer::Gamepad(*form), QLatin1String(script));
    }

    // The title, then a launched ball, which steps only when the test says.
    void startMovingGame() {
        play("a+ a-");
        play("a+ a-");
        QVERIFY(!game().ball.IsStanding());
    }

private slots:
    void init() {
        form = std::make_unique<TForm1>();
        fakeNow = std::chrono::steady_clock::now().time_since_epoch();
        TForm1TestPeer::SetStepClock(*form, [this] { return fakeNow; });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        pad = std::make_unique<AppVirtualPad>(TForm1TestPeer::Gamepad(*form));
        TForm1TestPeer::Gamepad(*form).Poll();
        QCOMPARE(AppGamepadTestPeer::PadCount(TForm1TestPeer::Gamepad(*form)), 1);
    }
    void cleanup() {
        pad.reset();
        form.reset();
    }

    void wholeGameWithAPad() {
        QCOMPARE(game().State(), stTitle);
        play("a+ a-");
        QCOMPARE(game().State(), stPlaying);
        QVERIFY(game().ball.IsStanding());
        const QPoint ball = ballAt();
        QCOMPARE(cursor(), ball);
        const int underBall = ground(ball);
        // The launch alone: no back paddle under the ball.
        play("a+ a-");
        QVERIFY(!game().ball.IsStanding());
        QCOMPARE(ground(ball), underBall);

        // The d-pad moves the cursor one cell a press, wrapping with the field.
        play("down+ down- down+ down- right+ right-");
        const int width = field().Width();
        const QPoint cell((ball.x() + 1) % width, (ball.y() + 2) % field().Height());
        QCOMPARE(cursor(), cell);

        // The face buttons put paddles on the cursor cell, and South does too with the ball
        // on its way.
        setGround(cell, cellEmpty);
        for (const auto& [press, paddle] :
             {std::pair("y+ y-", cellPaddleSlash), std::pair("x+ x-", cellPaddleBack),
              std::pair("b+ b-", cellPaddleSlash), std::pair("a+ a-", cellPaddleBack)}) {
            play(press);
            QVERIFY2(ground(cell) == paddle, press);
        }
        QVERIFY(!game().ball.IsStanding());

        // East and West shove an obstacle to either side, and back.
        const bool toRight = cell.x() + 1 < width;
        const QPoint beside(cell.x() + (toRight ? 1 : -1), cell.y());
        setGround(cell, cellObstacle);
        setGround(beside, cellEmpty);
        play(toRight ? "b+ b-" : "x+ x-");
        QCOMPARE(ground(cell), int(cellEmpty));
        QCOMPARE(ground(beside), int(cellObstacle));
        play(toRight ? "right+ right- x+ x-" : "left+ left- b+ b-");
        QCOMPARE(ground(cell), int(cellObstacle));
        QCOMPARE(ground(beside), int(cellEmpty));

        // Start pauses and goes on.
        play("start+ start-");
        QVERIFY(paused());
        play("start+ start-");
        QVERIFY(!paused());

        // Pulled out mid-hold: the game waits and the cursor stops.
        play("left+");
        const QPoint held = cursor();
        play("unplug");
        QVERIFY(paused());
        QVERIFY(!AppGamepadTestPeer::Repeating(TForm1TestPeer::Gamepad(*form)));
        QTest::qWait(2 * AppGamepad::repeatDelayMs);
        QCOMPARE(cursor(), held);

        // Plugged back in, beside a second pad: either drives.
        play("plug");
        AppVirtualPad second(TForm1TestPeer::Gamepad(*form));
        TForm1TestPeer::Gamepad(*form).Poll();
        QCOMPARE(AppGamepadTestPeer::PadCount(TForm1TestPeer::Gamepad(*form)), 2);
        PlayPad(second, TForm1TestPeer::Gamepad(*form), QStringLiteral("start+ start-"));
        QVERIFY(!paused());
        setGround(cursor(), cellEmpty);
        play("y+ y-");
        QCOMPARE(ground(cursor()), int(cellPaddleSlash));

        // A held direction repeats until let go.
        const QPoint from = cursor();
        play("up+");
        QTRY_VERIFY_WITH_TIMEOUT(
            cursor().y() != (from.y() + field().Height() - 1) % field().Height(), 5000);
        play("up-");
        const QPoint stopped = cursor();
        QTest::qWait(3 * AppGamepad::repeatIntervalMs);
        QCOMPARE(cursor(), stopped);
        QCOMPARE(game().State(), stPlaying);

        // While a box is open the pad waits.
        setGround(stopped, cellEmpty);
        WhenModalShown([&](QWidget* box) {
            play("y+ y- start+ start-");
            qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(form.get(), Qt::Key_F4);
        QCOMPARE(ground(stopped), int(cellEmpty));
        QVERIFY(!paused());
    }

    // Each row on a moving ball, the cursor starting on its cell: where the cursor ends, and
    // the ball neither moved nor turned.
    void eventsMoveTheCursorNeverTheBall_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QPoint>("cursorMoved");
        QTest::newRow("the stick past half its travel, held until back inside 3/8")
            << "lx=20000 lx=14000 lx=20000 lx=10000 lx=20000 lx=0" << QPoint(2, 0);
        QTest::newRow("a second arrow adds a diagonal; letting one go moves nothing")
            << "up+ right+ right- up-" << QPoint(1, -2);
        QTest::newRow("stick and d-pad the same way move once")
            << "left+ lx=-32768 left- lx=0" << QPoint(-1, 0);
        QTest::newRow("absurd axes: extremes, the other stick, triggers, an axis not there")
            << "rx=32767 ry=-32768 lt=-32768 rt=32767 lt=32767 a9=32767 a9=0" << QPoint(0, 0);
        QTest::newRow("buttons with no meaning, a thousand presses each")
            << "guide*1000 back*1000 lb*1000 ls*1000 paddle*1000 b99*1000" << QPoint(0, 0);
        QTest::newRow("a thousand presses of each face button in one step")
            << "y*1000 x*1000 b*1000 a*1000" << QPoint(0, 0);
        QTest::newRow("pulled out mid-press") << "a+ right+ unplug" << QPoint(1, 0);
    }
    void eventsMoveTheCursorNeverTheBall() {
        QFETCH(QString, script);
        QFETCH(QPoint, cursorMoved);
        startMovingGame();
        const AppPlayer before = game().ball;
        PlayPad(*pad, TForm1TestPeer::Gamepad(*form), script);
        const QPoint size(field().Width(), field().Height());
        QCOMPARE(cursor(), QPoint((before.x + cursorMoved.x() + size.x()) % size.x(),
                                  (before.y + cursorMoved.y() + size.y()) % size.y()));
        QCOMPARE(game().State(), stPlaying);
        QCOMPARE(ballAt(), QPoint(before.x, before.y));
        QCOMPARE(QPoint(game().ball.dx, game().ball.dy), QPoint(before.dx, before.dy));
    }
};

QTEST_MAIN(TForm1GamepadTest)
#include "TForm1GamepadTest.moc"
