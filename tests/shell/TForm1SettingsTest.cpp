// The main window with its settings file and the Options command, offscreen.
#include "AppProgramFolders.h"
#include "AppRenderer.h"
#include "AppSound.h"
#include "ModalWatcher.h"
#include "TForm1.h"
#include "TOptionsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
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

    AppGame& game() { return form->Game(); }

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

private slots:
    void init() { QFile::remove(settingsPath()); }

    void cleanup() { finish(); }

    void noFileGivesDefaultsAndExitWritesAllFourKeys() {
        start();
        QCOMPARE(game().PlayOptions(), AppPlayOptions());
        QCOMPARE(form->ClientArea()->size(), QSize(432, 324));
        QCOMPARE(game().RecordScore(), 0);
        QVERIFY(form->Sound().IsEnabled());
        const QPoint at = form->pos();
        finish();
        const QByteArray expected =
            QByteArray("[Settings]\nPlayOptions=24,18,6,6,60,160,1\n"
                       "ViewOptions=18,18\nSystemOptions=1,0,1,1\n") +
            "Others=0,0," + QByteArray::number(at.x()) + "," + QByteArray::number(at.y()) +
            "\nPauseWhenInactive=0\nKeyboardCursor=0\nZoom=0\nFullScreen=0\nLook=0\n";
        QCOMPARE(readSettings(), expected);
    }

    void storedValuesAreAppliedAtStart() {
        writeSettings("[Settings]\nPlayOptions=20,16,3,2,50,100,0\nViewOptions=24, 24\n"
                      "SystemOptions=0,0,1,0\nOthers=40,3,100,80\n");
        start();
        QCOMPARE(game().PlayOptions(), AppPlayOptions(20, 16, 3, 2, 50, 100, false));
        QCOMPARE(form->ClientArea()->size(), QSize(480, 384));
        QVERIFY(!form->Sound().IsEnabled());
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
        game().SetScore(3, game().Phase());
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
        QCOMPARE(form->Renderer().BackBuffer().size(), QSize(32 * 18, 18 * 20));
        QCOMPARE(game().RecordScore(), 9);
    }

    void onlySystemOptionsChangedLeavesTheGameAlone() {
        start();
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        runOptions([](TOptionsDialog* shown) { setCheck(shown, "Page3_CheckBox1", false); });
        QCOMPARE(game().State(), stPlaying);
        QVERIFY(!form->Sound().IsEnabled());
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
