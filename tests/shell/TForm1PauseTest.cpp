// The pause in the main window, offscreen: where it works, what it holds, and how it ends.
#include "AppCell.h"
#include "AppConstants.h"
#include "AppRenderer.h"
#include "ModalWatcher.h"
#include "TForm1.h"
#include "TOptionsDialog.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <memory>

class TForm1PauseTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TOptionsDialog> dialog;
    QPoint pointer;
    std::chrono::nanoseconds fakeNow{};

    AppGame& game() { return form->Game(); }
    QAction* pauseItem() { return form->findChild<QAction*>(QStringLiteral("Game_Pause_MItem")); }
    QImage shown() { return form->ClientArea()->grab().toImage(); }

    // As the window shows it; the item's tick must say the same.
    bool paused() {
        const bool paused = form->Renderer().Paused();
        if (pauseItem()->isChecked() != paused)
            qWarning("the Pause item's tick disagrees with the picture");
        return paused && pauseItem()->isChecked();
    }

    void passTime(int ms) {
        fakeNow += std::chrono::milliseconds(ms);
        form->StepLoop().Check();
        QCoreApplication::processEvents();
    }

    // A game whose ball moves right along row 2, away from everything, on the loop's fake
    // clock.
    void startMovingGame() {
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        fakeNow = std::chrono::steady_clock::now().time_since_epoch();
        form->StepLoop().SetClock([this] { return fakeNow; });
        AppField& field = game().Field();
        field.ReplaceAll(cellSweeper, cellEmpty);
        field.ReplaceAll(cellObstacle, cellEmpty);
        field.SetCell(game().ball.x, game().ball.y, layerBall, cellEmpty);
        game().ball = AppPlayer();
        game().ball.y = 2;
        game().ball.dx = 1;
        field.SetCell(0, 2, layerBall, cellBall);
        for (int x = 0; x < field.Width(); ++x)
            field.SetCell(x, 2, layerGround, cellEmpty);
        field.SetCell(0, 10, layerGround, cellPaddleBack);
        form->Renderer().PaintCells(true);
        passTime(game().PlayOptions().Speed);
    }

    void setPauseWhenInactive(bool on) {
        AppSystemOptions options = form->SystemOptions();
        options.PauseWhenInactive = on;
        form->ApplySystemOptions(options);
    }

    QString statusFirstLine() {
        QString text;
        WhenModalShown([&text](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(form.get(), Qt::Key_F4);
        // The offscreen platform gives no activation back when a box closes; shortcuts need it.
        form->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(form.get()));
        return text.section(QLatin1Char('\n'), 0, 0);
    }

    // Pausing, going on and ending by name, as the player does them.
    void act(const QString& how) {
        if (how == "P")
            QTest::keyClick(form->ClientArea(), Qt::Key_P);
        else if (how == "Pause key")
            QTest::keyClick(form->ClientArea(), Qt::Key_Pause);
        else if (how == "menu")
            pauseItem()->trigger();
        else if (how == "left click")
            QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        else if (how == "minimised")
            form->showMinimized();
        else if (how == "another program")
            emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        else if (how == "our own box")
            QCOMPARE(statusFirstLine(), QStringLiteral("State: Playing"));
        else if (how == "New")
            QTest::keyClick(form.get(), Qt::Key_F2);
        else if (how == "Options change")
            runOptions([](TOptionsDialog* shown) {
                shown->findChild<QLineEdit*>(QStringLiteral("Page1_Edit1"))->setText("20");
            });
        else
            QFAIL(qPrintable(how));
        // Back to where a player can reach the window again.
        if (form->isMinimized()) {
            form->showNormal();
            QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        }
        if (how == "another program")
            emit qApp->applicationStateChanged(Qt::ApplicationActive);
    }

    void runOptions(const std::function<void(TOptionsDialog*)>& edit) {
        WhenModalShown([edit](QWidget* modal) {
            auto* shown = qobject_cast<TOptionsDialog*>(modal);
            edit(shown);
            shown->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
        QTest::keyClick(form.get(), Qt::Key_F5);
    }

private slots:
    void init() {
        QFile::remove(Constants().exeFolder + QStringLiteral("settings.ini"));
        form = std::make_unique<TForm1>();
        dialog = std::make_unique<TOptionsDialog>();
        form->SetDialogs(dialog.get(), nullptr);
        form->SetPointerSource([this] { return std::optional<QPoint>(pointer); });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() {
        form.reset();
        dialog.reset();
    }

    void thePauseWorksInPlayOnly_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("pausable");
        QTest::newRow("title") << "title" << false;
        QTest::newRow("ball standing") << "standing" << true;
        QTest::newRow("ball moving") << "moving" << true;
        QTest::newRow("game over") << "game over" << false;
    }

    void thePauseWorksInPlayOnly() {
        QFETCH(QString, state);
        QFETCH(bool, pausable);
        // Right after New, before the first separator; P and Pause, ticked while paused.
        const QList<QAction*> items =
            form->findChild<QMenu*>(QStringLiteral("Game_MItem"))->actions();
        QCOMPARE(items.indexOf(pauseItem()), 1);
        QCOMPARE(pauseItem()->text(), QStringLiteral("&Pause"));
        QCOMPARE(pauseItem()->shortcuts(),
                 QList<QKeySequence>({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)}));
        QVERIFY(pauseItem()->isCheckable());

        if (state == "standing") {
            QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        } else if (state != "title") {
            startMovingGame();
            if (state == "game over") {
                game().Field().SetCell(game().ball.x + 1, 2, layerGround, cellObstacle);
                passTime(game().PlayOptions().Speed);
            }
        }
        const AppState before = game().State();
        QCOMPARE(pauseItem()->isEnabled(), pausable);
        QTest::keyClick(form->ClientArea(), Qt::Key_P);
        QCOMPARE(paused(), pausable);
        QCOMPARE(statusFirstLine(),
                 pausable ? QStringLiteral("State: Paused") : QStringLiteral("State: Not Playing"));
        QTest::keyClick(form->ClientArea(), Qt::Key_Pause);
        QVERIFY(!paused());
        QCOMPARE(game().State(), before);
    }

    void aPauseHoldsTheGameUntilItEnds_data() {
        QTest::addColumn<QString>("pauseBy");
        QTest::addColumn<QString>("endBy");
        QTest::newRow("P, then P") << "P"
                                   << "P";
        QTest::newRow("Pause key, then left click") << "Pause key"
                                                    << "left click";
        QTest::newRow("menu, then menu") << "menu"
                                         << "menu";
        QTest::newRow("minimised, then Pause key") << "minimised"
                                                   << "Pause key";
        QTest::newRow("another program, then P") << "another program"
                                                 << "P";
        QTest::newRow("P, then New") << "P"
                                     << "New";
        QTest::newRow("P, then Options change") << "P"
                                                << "Options change";
    }

    void aPauseHoldsTheGameUntilItEnds() {
        QFETCH(QString, pauseBy);
        QFETCH(QString, endBy);
        setPauseWhenInactive(true);
        startMovingGame();
        const QImage field = shown();
        const int x = game().ball.x;

        act(pauseBy);
        QVERIFY(paused());
        // The field is covered; steps, paddle and shove keys and other clicks do nothing.
        QCOMPARE(shown(), form->Renderer().Picture());
        QVERIFY(shown() != field);
        passTime(5000);
        const AppViewOptions& view = game().ViewOptions();
        pointer = form->ClientArea()->mapToGlobal(QPoint(7 * view.CharWidth, 5 * view.CharHeight));
        for (const Qt::Key key : {Qt::Key_W, Qt::Key_J, Qt::Key_Right})
            QTest::keyClick(form->ClientArea(), key);
        QTest::mouseClick(form->ClientArea(), Qt::MiddleButton);
        QVERIFY(paused());
        QCOMPARE(game().ball.x, x);
        QCOMPARE(game().Field().GetCell(7, 5, layerGround), int(cellEmpty));

        act(endBy);
        QVERIFY(!paused());
        QVERIFY(pauseItem()->isEnabled() == (game().State() == stPlaying));
        if (endBy == "New") {
            QCOMPARE(game().State(), stPlaying);
            QVERIFY(game().ball.IsStanding());
        } else if (endBy == "Options change") {
            QCOMPARE(game().State(), stTitle);
        } else {
            // The field comes back as it was, and the next step follows a whole period later.
            QCOMPARE(shown(), field);
            passTime(game().PlayOptions().Speed - 1);
            QCOMPARE(game().ball.x, x);
            passTime(1);
            QCOMPARE(game().ball.x, x + 1);
        }
    }

    void noPauseComesUnasked_data() {
        QTest::addColumn<bool>("option");
        QTest::addColumn<QString>("event");
        QTest::newRow("minimised, option off") << false << "minimised";
        QTest::newRow("another program, option off") << false << "another program";
        QTest::newRow("our own box, option on") << true << "our own box";
    }

    void noPauseComesUnasked() {
        QFETCH(bool, option);
        QFETCH(QString, event);
        setPauseWhenInactive(option);
        startMovingGame();
        act(event);
        QVERIFY(!paused());
        QCOMPARE(game().State(), stPlaying);
    }
};

QTEST_MAIN(TForm1PauseTest)
#include "TForm1PauseTest.moc"
