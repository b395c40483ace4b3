// The main window with its settings file and the Options command, offscreen.
#include "AppGameTestPeer.h"
#include "AppProgramFolders.h"
#include "AppRenderer.h"
#include "AppSound.h"
#include "ModalWatcher.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"
#include "TOptionsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

class TForm1SettingsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TOptionsDialog> dialog;

    static QString settingsPath() {
        return ProgramFolders().exeFolder + QStringLiteral("settings.ini");
    }

    static void writeSettings(const QByteArray& text) {
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    static QByteArray readSettings() {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void start() {
        form = std::make_unique<TForm1>();
        dialog = std::make_unique<TOptionsDialog>();
        form->SetDialogs(dialog.get(), nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void finish() {
        dialog.reset();
        form.reset();
    }

    AppGame& game() { return TForm1TestPeer::Game(*form); }

    // Runs the Options command; `edit` changes the dialog while it is open,
    // then OK is pressed.
    void runOptions(const std::function<void(TOptionsDialog*)>& edit) {
        WhenModalShown([edit](QWidget* modal) {
            auto* shown = qobject_cast<TOptionsDialog*>(modal);
            QVERIFY(shown);
            edit(shown);
            shown->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
        form->findChild<QAction*>(QStringLiteral("Game_Options_MItem"))->trigger();
    }

    static void setEdit(TOptionsDialog* shown, const char* name, const QString& text) {
        shown->findChild<QLineEdit*>(QLatin1String(name))->setText(text);
    }

    static void setCheck(TOptionsDialog* shown, const char* name, bool on) {
        shown->findChild<QCheckBox*>(QLatin1String(name))->setChecked(on);
    }

    // A key pressed in the place of the X keycode `code`, typing `key`, sent to `to`.
    static void pressKey(QWidget* to, int key, quint32 code) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, code, 0, 0);
        QApplication::sendEvent(to, &press);
    }

private slots:
    void init() { QFile::remove(settingsPath()); }

    void aReboundKeyActsItsOldKeyNoLongerAndBothOutliveARestart() {
        start();
        QStringList lines;
        runOptions([&lines](TOptionsDialog* shown) {
            auto* slash = shown->findChild<QPushButton*>(QStringLiteral("Page4_Button1"));
            const auto* line = shown->findChild<QLabel*>(QStringLiteral("Page4_Label1"));
            // Set 1's back, then the keyboard cursor's Space: refused, W stays.
            for (const auto& [key, code] :
                 {std::pair(Qt::Key_R, 27), std::pair(Qt::Key_Space, 65)}) {
                slash->click();
                pressKey(slash, key, code);
                lines << line->text();
                QCOMPARE(slash->text(), QStringLiteral("W"));
            }
            slash->click();
            pressKey(slash, Qt::Key_Q, 24);
            QCOMPARE(slash->text(), QStringLiteral("Q"));
            QVERIFY(line->text().isEmpty());
        });
        QCOMPARE(lines, QStringList({QStringLiteral("R is already in use; the key stays W."),
                                     QStringLiteral("Space is already in use; the key stays W.")}));
        finish();
        QVERIFY(readSettings().contains("\nKeys=24,27,39,41,30,32,44,46\n"));

        start();
        QPoint pointer;
        form->SetPointerSource([&pointer] { return std::optional<QPoint>(pointer); });
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QVERIFY(!game().ball.IsStanding());
        const AppViewOptions& view = game().ViewOptions();
        for (const auto& [x, key, code, paddle] : {std::tuple(3, Qt::Key_Q, 24, cellPaddleSlash),
                                                   std::tuple(5, Qt::Key_W, 25, cellEmpty),
                                                   std::tuple(7, Qt::Key_R, 27, cellPaddleBack)}) {
            game().Field().SetCell(x, 12, layerGround, cellEmpty);
            pointer = form->ClientArea()->mapToGlobal(
                QPoint(x * view.CharWidth + view.CharWidth / 2, 12 * view.CharHeight + 4));
            pressKey(form->ClientArea(), key, code);
            QCOMPARE(game().Field().GetCell(x, 12, layerGround), int(paddle));
        }
    }

    void cleanup() { finish(); }

    void optionsAReboundKeyAndANewRecordOutliveAKillRightAfter() {
        start();
        runOptions([](TOptionsDialog* shown) {
            setEdit(shown, "Page1_Edit6", QStringLiteral("90"));
            auto* slash = shown->findChild<QPushButton*>(QStringLiteral("Page4_Button1"));
            slash->click();
            pressKey(slash, Qt::Key_Q, 24);
        });
        // A game played to its end above the record; the scores it opens are closed.
        WhenModalShown([](QWidget* modal) { modal->close(); });
        AppPlaySession& session = TForm1TestPeer::Session(*form);
        session.New(43, game().PlayOptions());
        session.Click(AppMouseButton::Left);
        AppGameTestPeer::SetScore(game(), 12, game().Phase());
        for (int step = 0; step < 100'000 && game().State() == stPlaying; ++step)
            session.Step();
        QCOMPARE(game().State(), stGameOver);
        const int record = game().RecordScore();
        QVERIFY(record >= 12);
        const QByteArray others = "\nOthers=" + QByteArray::number(record) + ",";
        // A kill -9 now leaves the file as it is, with no save at the end.
        QTRY_VERIFY(readSettings().contains("\nPlayOptions=24,18,6,6,60,90,1\n") &&
                    readSettings().contains("\nKeys=24,") && readSettings().contains(others));
        const QByteArray leftByAKill = readSettings();
        finish();
        writeSettings(leftByAKill);

        start();
        QCOMPARE(game().PlayOptions().Speed, 90);
        QCOMPARE(game().RecordScore(), record);
        // The rebound key was read too: the end's save writes it back.
        finish();
        QVERIFY(readSettings().contains("\nKeys=24,"));
    }

    void noFileGivesDefaultsAndExitWritesAllFourKeys() {
        start();
        QCOMPARE(game().PlayOptions(), AppPlayOptions());
        QCOMPARE(form->ClientArea()->size(), QSize(432, 324));
        QCOMPARE(game().RecordScore(), 0);
        QVERIFY(TForm1TestPeer::Sound(*form).IsEnabled());
        const QPoint at = form->pos();
        const QSize size = form->size();
        finish();
        const QByteArray expected =
            QByteArray("[Settings]\nPlayOptions=24,18,6,6,60,160,1\n"
                       "ViewOptions=18,18\nSystemOptions=1,0,1,1\n") +
            "Others=0,0," + QByteArray::number(at.x()) + "," + QByteArray::number(at.y()) +
            "\nPauseWhenInactive=0\nKeyboardCursor=0\nZoom=0\nFullScreen=0\nLook=0\nScoreLine=1\n"
            "Keys=25,27,39,41,30,32,44,46\nPointScored=0\nBoardAddress=\nBoardName=\nBoardSend=0\n"
            "WindowWidth=" +
            QByteArray::number(size.width()) +
            "\nWindowHeight=" + QByteArray::number(size.height()) + "\nWindowMaximized=0\n";
        QCOMPARE(readSettings(), expected);
    }

    void storedValuesAreAppliedAtStart() {
        writeSettings("[Settings]\nPlayOptions=20,16,3,2,50,100,0\nViewOptions=24, 24\n"
                      "SystemOptions=0,0,1,0\nOthers=40,3,100,80\n");
        start();
        QCOMPARE(game().PlayOptions(), AppPlayOptions(20, 16, 3, 2, 50, 100, false));
        QCOMPARE(form->ClientArea()->size(), QSize(480, 384));
        QVERIFY(!TForm1TestPeer::Sound(*form).IsEnabled());
        QCOMPARE(game().RecordScore(), 40);
        QCOMPARE(game().RecordPhase(), 3);
    }

    void aValueThatIsNoIntegerStopsTheReading() {
        writeSettings("[Settings]\nPlayOptions=20,x,5,5,50,100,1\nViewOptions=24,24\n"
                      "Others=40,3,100,80\n");
        start();
        QCOMPARE(game().PlayOptions().Width, 20);
        QCOMPARE(game().PlayOptions().Height, 18);
        QCOMPARE(game().PlayOptions().PaddleFirst, 6);
        QCOMPARE(game().ViewOptions(), AppViewOptions());
        QCOMPARE(game().RecordScore(), 0);
    }

    void valuesOutOfRangeAreBoundedBeforeTheyReachTheGame() {
        writeSettings("[Settings]\nPlayOptions=0,100000,-5,-5,0,1,1\nViewOptions=100,0\n");
        start();
        QCOMPARE(game().PlayOptions(), AppPlayOptions(16, 32, 1, 0, 1, 10, true));
        QCOMPARE(form->ClientArea()->size(), QSize(16 * 32, 32 * 18));
        QCOMPARE(game().State(), stTitle);
    }

    void aRecordNotRestoredIsOverwrittenAtExit() {
        writeSettings("; kept as it is\n[Settings]\nSystemOptions=1,0,0,1\nOthers=40,3,100,80\n"
                      "[Other]\nkey=value\n");
        start();
        QCOMPARE(game().RecordScore(), 0);
        game().SetRecord(7, 2);
        finish();
        const QByteArray text = readSettings();
        QVERIFY(text.startsWith("; kept as it is\n[Settings]\nSystemOptions=1,0,0,1\nOthers=7,2,"));
        QVERIFY(text.contains("[Other]\nkey=value\n"));
        QVERIFY(text.contains("PlayOptions=24,18,6,6,60,160,1\n"));
    }

    void okWithoutChangesKeepsTheGameGoing() {
        start();
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        AppGameTestPeer::SetScore(game(), 3, game().Phase());
        runOptions([](TOptionsDialog*) {});
        QCOMPARE(game().State(), stPlaying);
        QCOMPARE(game().Score(), 3);
    }

    void aChangedFieldSizeSetsTheGameUpAnew() {
        start();
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        game().SetRecord(9, game().RecordPhase());
        runOptions([](TOptionsDialog* shown) {
            setEdit(shown, "Page1_Edit1", QStringLiteral("40"));
            setEdit(shown, "Page2_Edit2", QStringLiteral("20"));
        });
        QCOMPARE(game().State(), stTitle);
        QCOMPARE(game().PlayOptions().Width, 32);
        QCOMPARE(form->ClientArea()->size(), QSize(32 * 18, 18 * 20));
        QCOMPARE(TForm1TestPeer::Renderer(*form).BackBuffer().size(), QSize(32 * 18, 18 * 20));
        QCOMPARE(game().RecordScore(), 9);
    }

    void onlySystemOptionsChangedLeavesTheGameAlone() {
        start();
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        runOptions([](TOptionsDialog* shown) { setCheck(shown, "Page3_CheckBox1", false); });
        QCOMPARE(game().State(), stPlaying);
        QVERIFY(!TForm1TestPeer::Sound(*form).IsEnabled());
        QVERIFY(!form->SystemOptions().PlaySound);
    }

    void clearingTheRecordAsksFirst_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("recordAfter");
        QTest::newRow("cancel keeps it") << int(QMessageBox::Cancel) << 40;
        QTest::newRow("ok clears it") << int(QMessageBox::Ok) << 0;
    }

    void clearingTheRecordAsksFirst() {
        QFETCH(int, answer);
        QFETCH(int, recordAfter);
        start();
        game().SetRecord(40, 5);
        QString question;
        runOptions([&question, answer](TOptionsDialog* shown) {
            setCheck(shown, "Page3_CheckBox2", true);
            WhenModalShown([&question, answer](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                question = box->windowTitle() + QLatin1Char('|') + box->text();
                QCOMPARE(box->icon(), QMessageBox::Information);
                box->button(QMessageBox::StandardButton(answer))->click();
            });
        });
        QCOMPARE(question, QStringLiteral("Confirmation|Clearing the record.\n\nSure?"));
        QCOMPARE(game().RecordScore(), recordAfter);
        QCOMPARE(game().RecordPhase(), recordAfter == 0 ? 0 : 5);
        QVERIFY(!form->SystemOptions().ClearRecordNow);
        dialog->SetSystemOptions(form->SystemOptions());
        QVERIFY(!dialog->findChild<QCheckBox*>(QStringLiteral("Page3_CheckBox2"))->isChecked());
    }

    void stayOnTopKeepsTheWindowInPlaceAndShown() {
        start();
        const QRect before = form->geometry();
        runOptions([](TOptionsDialog* shown) { setCheck(shown, "Page3_CheckBox3", true); });
        QVERIFY(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(form->isVisible());
        QCOMPARE(form->geometry(), before);
        runOptions([](TOptionsDialog* shown) { setCheck(shown, "Page3_CheckBox3", false); });
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(form->isVisible());
        QCOMPARE(form->geometry(), before);
    }

    void theWindowIsPlacedOnceAndStaysPutAsItsStackingChanges_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("restored"); // at 300, 200
        QTest::newRow("no file") << QByteArray() << false;
        QTest::newRow("stored") << QByteArray("[Settings]\nOthers=0,0,300,200\n") << true;
        QTest::newRow("restoring off")
            << QByteArray("[Settings]\nSystemOptions=1,0,1,0\nOthers=0,0,300,200\n") << false;
        QTest::newRow("off every screen")
            << QByteArray("[Settings]\nOthers=0,0,5000,5000\n") << false;
        QTest::newRow("Others unread") << QByteArray("[Settings]\nOthers=0,0\n") << false;
    }

    void theWindowIsPlacedOnceAndStaysPutAsItsStackingChanges() {
        QFETCH(QByteArray, settings);
        QFETCH(bool, restored);
        if (!settings.isEmpty())
            writeSettings(settings);
        start();
        // A window not moved by the program is placed by the window manager.
        QCOMPARE(form->testAttribute(Qt::WA_Moved), restored);
        if (restored)
            QCOMPARE(form->pos(), QPoint(300, 200));
        const QPoint placed = form->pos();
        QWindow* native = form->windowHandle();
        QSignalSpy shownOrHidden(native, &QWindow::visibleChanged);
        auto stayOnTop = [this](bool onTop) {
            AppSystemOptions options = form->SystemOptions();
            options.StayOnTop = onTop;
            form->ApplySystemOptions(options);
        };
        for (bool onTop : {true, false}) {
            stayOnTop(onTop);
            QCOMPARE(native->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QCOMPARE(form->pos(), placed);
        }
        // Something else raised the window: applying the options puts it back.
        native->setFlags(native->flags() | Qt::WindowStaysOnTopHint);
        stayOnTop(false);
        QVERIFY(!native->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(form->windowHandle(), native);
        QCOMPARE(shownOrHidden.count(), 0);
    }
};

QTEST_MAIN(TForm1SettingsTest)
#include "TForm1SettingsTest.moc"
