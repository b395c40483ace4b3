// The pause in the main window, offscreen: where it works, what it holds, and how it ends.
#include "AppCell.h"
#include "AppProgramFolders.h"
#include "AppRandom.h"
#include "AppRenderer.h"
#include "ModalWatcher.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"
#include "TOptionsDialog.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <array>
#include <chrono>
#include <memory>

class TForm1PauseTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TOptionsDialog> dialog;
    std::chrono::nanoseconds fakeNow{};

    AppGame& game() { return TForm1TestPeer::Game(*form); }
    QAction* pauseItem() { return form->findChild<QAction*>(QStringLiteral("Game_Pause_MItem")); }
    QImage shown() { return form->ClientArea()->grab().toImage(); }
    bool paused() { return TForm1TestPeer::Session(*form).Paused(); }
    QPoint ballAt() { return QPoint(game().ball.x, game().ball.y); }

    void passTime(int ms) {
        fakeNow += std::chrono::milliseconds(ms);
        TForm1TestPeer::StepLoop(*form).Check();
        QCoreApplication::processEvents();
    }

    // A launched ball, on the loop's fake clock from here on.
    void startMovingGame() {
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        fakeNow = std::chrono::steady_clock::now().time_since_epoch();
        TForm1TestPeer::SetStepClock(*form, [this] { return fakeNow; });
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

    // Pausing, going on and ending, as the player does them.
    void act(const QString& how) {
        if (how == "P") {
            QTest::keyClick(form->ClientArea(), Qt::Key_P);
        } else if (how == "Pause key") {
            QTest::keyClick(form->ClientArea(), Qt::Key_Pause);
        } else if (how == "menu") {
            pauseItem()->trigger();
        } else if (how == "left click") {
            QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        } else if (how == "minimised") {
            form->showMinimized();
            form->showNormal();
            QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        } else if (how == "another program") {
            emit qApp->applicationStateChanged(Qt::ApplicationInactive);
            emit qApp->applicationStateChanged(Qt::ApplicationActive);
        } else if (how == "our own box") {
            QCOMPARE(statusFirstLine(), QStringLiteral("State: Playing"));
        } else if (how == "New") {
            QTest::keyClick(form.get(), Qt::Key_F2);
        } else if (how == "Options change") {
            WhenModalShown([](QWidget* modal) {
                modal->findChild<QLineEdit*>(QStringLiteral("Page1_Edit1"))->setText("20");
                modal->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            });
            QTest::keyClick(form.get(), Qt::Key_F5);
        }
    }

private slots:
    void init() {
        QFile::remove(ProgramFolders().exeFolder + QStringLiteral("settings.ini"));
        form = std::make_unique<TForm1>();
        dialog = std::make_unique<TOptionsDialog>();
        form->SetDialogs(dialog.get(), nullptr);
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
        // After New, New Numbered Game and Today's Game, before the first separator; P and
        // Pause, ticked while paused.
        QCOMPARE(
            form->findChild<QMenu*>(QStringLiteral("Game_MItem"))->actions().indexOf(pauseItem()),
            3);
        QCOMPARE(pauseItem()->text(), QStringLiteral("&Pause"));
        QCOMPARE(pauseItem()->shortcuts(),
                 QList<QKeySequence>({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)}));

        if (state == "standing") {
            QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        } else if (state != "title") {
            startMovingGame();
            if (state == "game over") {
                const AppPlayer& ball = game().ball;
                const int width = game().Field().Width();
                const int height = game().Field().Height();
                game().Field().SetCell((ball.x + ball.dx + width) % width,
                                       (ball.y + ball.dy + height) % height, layerGround,
                                       cellObstacle);
                passTime(game().PlayOptions().Speed);
            }
        }
        const AppState before = game().State();
        QCOMPARE(pauseItem()->isEnabled(), pausable);
        QTest::keyClick(form->ClientArea(), Qt::Key_P);
        QCOMPARE(paused(), pausable);
        QCOMPARE(pauseItem()->isChecked(), pausable);
        QCOMPARE(statusFirstLine(),
                 pausable ? QStringLiteral("State: Paused") : QStringLiteral("State: Not Playing"));
        QTest::keyClick(form->ClientArea(), Qt::Key_Pause);
        QVERIFY(!paused());
        QVERIFY(!pauseItem()->isChecked());
        QCOMPARE(game().State(), before);
    }

    void aWaitingBallTwinklesEachPeriodAndItsDrawsDecideTheLaunch() {
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QVERIFY(game().ball.IsStanding());
        fakeNow = std::chrono::steady_clock::now().time_since_epoch();
        TForm1TestPeer::SetStepClock(*form, [this] { return fakeNow; });
        passTime(game().PlayOptions().Speed);
        constexpr std::uint64_t seed = 2026;
        TForm1TestPeer::Random(*form).Seed(seed);
        AppRandom expected(seed);

        // Row 9, column 6 of the ball's tile: an open eye (green) or a closed one (skin).
        const AppViewOptions& view = game().ViewOptions();
        const QPoint eye(ballAt().x() * view.CharWidth + 6, ballAt().y() * view.CharHeight + 9);
        int blinks = 0;
        for (int period = 0; period < 200; ++period) {
            passTime(game().PlayOptions().Speed);
            const bool closed = expected.Next() % 24 == 0;
            blinks += closed ? 1 : 0;
            QCOMPARE(TForm1TestPeer::Renderer(*form).BackBuffer().pixel(eye),
                     closed ? qRgb(255, 214, 193) : qRgb(0, 128, 0));
        }
        QVERIFY(blinks > 0);
        QVERIFY(game().ball.IsStanding());

        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        const int draw = expected.Below(4);
        QCOMPARE(QPoint(game().ball.dx, game().ball.dy),
                 (std::array{QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}[draw]));
    }

    void aPauseHoldsTheGameUntilItEnds_data() {
        QTest::addColumn<bool>("whenInactive");
        QTest::addColumn<QString>("pauseBy");
        QTest::addColumn<QString>("endBy");
        // A row per way in and way out; without a way out, no pause may come at all.
        const auto row = [](bool whenInactive, const char* pauseBy, const char* endBy) {
            QTest::addRow("%s, then %s", pauseBy, *endBy ? endBy : "no pause")
                << whenInactive << QString(pauseBy) << QString(endBy);
        };
        row(false, "P", "P");
        row(false, "Pause key", "left click");
        row(false, "menu", "menu");
        row(true, "minimised", "Pause key");
        row(true, "another program", "P");
        row(false, "P", "New");
        row(false, "P", "Options change");
        row(false, "minimised", "");
        row(false, "another program", "");
        row(true, "our own box", "");
    }

    void aPauseHoldsTheGameUntilItEnds() {
        QFETCH(bool, whenInactive);
        QFETCH(QString, pauseBy);
        QFETCH(QString, endBy);
        AppSystemOptions options = form->SystemOptions();
        options.PauseWhenInactive = whenInactive;
        form->ApplySystemOptions(options);
        startMovingGame();
        const AppViewOptions& view = game().ViewOptions();
        const QPoint cell(7, 5);
        game().Field().SetCell(cell.x(), cell.y(), layerGround, cellEmpty);
        form->SetPointerSource([&] {
            return std::optional<QPoint>(form->ClientArea()->mapToGlobal(
                QPoint(cell.x() * view.CharWidth + 2, cell.y() * view.CharHeight + 2)));
        });
        const QImage field = shown();
        const QPoint ball = ballAt();

        act(pauseBy);
        QCOMPARE(paused(), !endBy.isEmpty());
        if (endBy.isEmpty())
            return;
        // The field is covered; steps, paddle and shove keys and other clicks do nothing.
        QCOMPARE(shown(), TForm1TestPeer::Renderer(*form).Picture());
        QVERIFY(shown() != field);
        passTime(5000);
        for (const Qt::Key key : {Qt::Key_W, Qt::Key_J, Qt::Key_Right})
            QTest::keyClick(form->ClientArea(), key);
        QTest::mouseClick(form->ClientArea(), Qt::MiddleButton);
        QVERIFY(paused());
        QCOMPARE(ballAt(), ball);
        QCOMPARE(game().Field().GetCell(cell.x(), cell.y(), layerGround), int(cellEmpty));

        act(endBy);
        QVERIFY(!paused());
        QVERIFY(!pauseItem()->isChecked());
        if (endBy == "New") {
            QCOMPARE(game().State(), stPlaying);
            QVERIFY(game().ball.IsStanding());
        } else if (endBy == "Options change") {
            QCOMPARE(game().State(), stTitle);
        } else {
            // The field comes back as it was, and the next step follows a whole period later.
            QCOMPARE(shown(), field);
            passTime(game().PlayOptions().Speed - 1);
            QCOMPARE(ballAt(), ball);
            passTime(1);
            QVERIFY(ballAt() != ball);
        }
    }
};

QTEST_MAIN(TForm1PauseTest)
#include "TForm1PauseTest.moc"
