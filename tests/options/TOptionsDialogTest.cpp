// Drives the options dialog as a user would: typing, picking presets, clicking buttons.
#include "TOptionsDialog.h"

#include "AppPlayPresets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <utility>

namespace {

template <class T> T* Child(const TOptionsDialog& dialog, const char* name) {
    auto* child = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("the dialog has no %s", name);
    return child;
}

QLineEdit* Edit(const TOptionsDialog& dialog, const char* name) {
    return Child<QLineEdit>(dialog, name);
}

QString Shown(const TOptionsDialog& dialog, const char* name) {
    return Edit(dialog, name)->text();
}

void TypeInto(const TOptionsDialog& dialog, const char* name, const QString& text) {
    QLineEdit* edit = Edit(dialog, name);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Click(const TOptionsDialog& dialog, const char* name) {
    QTest::mouseClick(Child<QPushButton>(dialog, name), Qt::LeftButton);
}

// On the box itself: a check box takes clicks only on its box and caption.
void Tick(const TOptionsDialog& dialog, const char* name) {
    auto* checkBox = Child<QCheckBox>(dialog, name);
    QTest::mouseClick(checkBox, Qt::LeftButton, {}, QPoint(6, checkBox->height() / 2));
}

// What the user does when choosing an entry with the mouse: the list shows it and says so.
void Pick(const TOptionsDialog& dialog, int index) {
    auto* combo = Child<QComboBox>(dialog, "Page1_ComboBox1");
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

int PresetShown(const TOptionsDialog& dialog) {
    return Child<QComboBox>(dialog, "Page1_ComboBox1")->currentIndex();
}

QStringList PlayShown(const TOptionsDialog& dialog) {
    QStringList texts;
    for (const char* name :
         {"Page1_Edit1", "Page1_Edit2", "Page1_Edit3", "Page1_Edit4", "Page1_Edit5", "Page1_Edit6"})
        texts << Shown(dialog, name);
    return texts;
}

// The stored value that belongs to an edit, as the main window would read it back.
int Stored(const TOptionsDialog& dialog, const QString& editName) {
    const AppPlayOptions play = dialog.GetPlayOptions();
    const AppViewOptions view = dialog.GetViewOptions();
    const QList<int> values = {play.Width,     play.Height, play.PaddleFirst, play.PaddlePlus,
                               play.PaddleMax, play.Speed,  view.CharWidth,   view.CharHeight};
    const QStringList names = {"Page1_Edit1", "Page1_Edit2", "Page1_Edit3", "Page1_Edit4",
                               "Page1_Edit5", "Page1_Edit6", "Page2_Edit1", "Page2_Edit2"};
    return values.at(names.indexOf(editName));
}

const AppPlayOptions somePlay(20, 21, 7, 8, 90, 300, false);
const AppViewOptions someView(24, 25);

AppSystemOptions SomeSystem() {
    AppSystemOptions system;
    system.PlaySound = false;
    system.StayOnTop = true;
    system.RestoreRecord = false;
    return system;
}

// The dialog as the Options command hands it over: non-default records, shown modally.
void OpenWithSomeOptions(TOptionsDialog& dialog) {
    dialog.SetPlayOptions(somePlay);
    dialog.SetViewOptions(someView);
    dialog.SetSystemOptions(SomeSystem());
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}

} // namespace

class TOptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void createdWithDefaultsOnPlayPage() {
        TOptionsDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("Options"));
        QCOMPARE(dialog.GetPlayOptions(), AppPlayOptions());
        QCOMPARE(dialog.GetViewOptions(), AppViewOptions());
        QCOMPARE(PlayShown(dialog), QStringList({"24", "18", "6", "6", "60", "160"}));
        QCOMPARE(PresetShown(dialog), 1);
        auto* combo = Child<QComboBox>(dialog, "Page1_ComboBox1");
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), appPlayPresetCount);
        QCOMPARE(combo->itemText(0), QString("(None)"));
        QCOMPARE(combo->itemText(5), QString("Steps"));
        QCOMPARE(Child<QTabWidget>(dialog, "PageControl1")->currentIndex(), 0);
        QVERIFY(Child<QCheckBox>(dialog, "Page3_CheckBox5")->isChecked());
        QVERIFY(!Child<QCheckBox>(dialog, "Page3_CheckBox2")->isChecked());
        QVERIFY(!Child<QCheckBox>(dialog, "Page3_CheckBox6")->isChecked());
        QCOMPARE(Child<QCheckBox>(dialog, "Page3_CheckBox7")->text(), QString("&Keyboard Cursor"));
        QVERIFY(!Child<QCheckBox>(dialog, "Page3_CheckBox7")->isChecked());
    }

    void okBoundsAndStoresTypedValues_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        // somePlay / someView hold the values shown on opening.
        QTest::newRow("width above range") << QString("Page1_Edit1") << QString("40") << 32;
        QTest::newRow("speed below range") << QString("Page1_Edit6") << QString("5") << 10;
        QTest::newRow("negative paddle plus") << QString("Page1_Edit4") << QString("-3") << 0;
        QTest::newRow("in range") << QString("Page1_Edit5") << QString("1024") << 1024;
        QTest::newRow("blanks around") << QString("Page1_Edit2") << QString(" 17 ") << 17;
        QTest::newRow("plus sign") << QString("Page1_Edit3") << QString("+12") << 12;
        QTest::newRow("letters") << QString("Page1_Edit1") << QString("abc") << 20;
        QTest::newRow("empty") << QString("Page1_Edit1") << QString("") << 20;
        QTest::newRow("exponent") << QString("Page1_Edit6") << QString("1e3") << 300;
        QTest::newRow("trailing letters") << QString("Page1_Edit6") << QString("12x") << 300;
        QTest::newRow("sign only") << QString("Page1_Edit3") << QString("-") << 7;
        QTest::newRow("two signs") << QString("Page1_Edit4") << QString("+-5") << 8;
        QTest::newRow("beyond 32 bits") << QString("Page1_Edit5") << QString("99999999999") << 90;
        QTest::newRow("cell width above range") << QString("Page2_Edit1") << QString("99") << 32;
        QTest::newRow("cell height not a number") << QString("Page2_Edit2") << QString("big") << 25;
    }

    void okBoundsAndStoresTypedValues() {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        TOptionsDialog dialog;
        OpenWithSomeOptions(dialog);
        const QByteArray name = edit.toLatin1();
        TypeInto(dialog, name.constData(), typed);
        Click(dialog, "Button1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(Stored(dialog, edit), stored);
        QCOMPARE(Shown(dialog, name.constData()), QString::number(stored));
    }

    void okReadsCheckBoxes() {
        TOptionsDialog dialog;
        OpenWithSomeOptions(dialog);
        Tick(dialog, "Page1_CheckBox1");
        Child<QTabWidget>(dialog, "PageControl1")->setCurrentIndex(TOptionsDialog::pageSystem);
        Tick(dialog, "Page3_CheckBox1");
        Tick(dialog, "Page3_CheckBox2");
        Tick(dialog, "Page3_CheckBox5");
        Tick(dialog, "Page3_CheckBox6");
        Tick(dialog, "Page3_CheckBox7");
        Click(dialog, "Button1");
        QVERIFY(dialog.GetPlayOptions().UseSweeper);
        const AppSystemOptions system = dialog.GetSystemOptions();
        QVERIFY(system.PlaySound);
        QVERIFY(system.ClearRecordNow);
        QVERIFY(system.StayOnTop);
        QVERIFY(!system.RestoreRecord);
        QVERIFY(!system.RestoreWindowPosition);
        QVERIFY(system.PauseWhenInactive);
        QVERIFY(system.KeyboardCursor);
    }

    void presetFillsAndCancelRestoresWhatWasShown() {
        TOptionsDialog dialog;
        OpenWithSomeOptions(dialog);
        Pick(dialog, 3);
        QCOMPARE(PlayShown(dialog), QStringList({"16", "16", "1", "1", "32", "240"}));
        QVERIFY(Child<QCheckBox>(dialog, "Page1_CheckBox1")->isChecked());
        QCOMPARE(dialog.GetPlayOptions(), somePlay);

        Click(dialog, "Button2");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.GetPlayOptions(), somePlay);
        QCOMPARE(PlayShown(dialog), QStringList({"20", "21", "7", "8", "90", "300"}));
        QVERIFY(!Child<QCheckBox>(dialog, "Page1_CheckBox1")->isChecked());
        QCOMPARE(PresetShown(dialog), 0);
    }

    void editingAfterPresetKeepsSelectionUntilOk() {
        TOptionsDialog dialog;
        OpenWithSomeOptions(dialog);
        Pick(dialog, 3);
        TypeInto(dialog, "Page1_Edit1", "17");
        Tick(dialog, "Page1_CheckBox1");
        Tick(dialog, "Page1_CheckBox1");
        QCOMPARE(PresetShown(dialog), 3);

        Click(dialog, "Button1");
        QCOMPARE(dialog.GetPlayOptions(), AppPlayOptions(17, 16, 1, 1, 32, 240, true));
        dialog.SetPlayOptions(dialog.GetPlayOptions());
        QCOMPARE(PresetShown(dialog), 0);
    }

    void noneEntryChangesNothing() {
        TOptionsDialog dialog;
        OpenWithSomeOptions(dialog);
        TypeInto(dialog, "Page1_Edit2", "30");
        const QStringList before = PlayShown(dialog);
        Pick(dialog, 0);
        QCOMPARE(PlayShown(dialog), before);
        QVERIFY(!Child<QCheckBox>(dialog, "Page1_CheckBox1")->isChecked());
    }

    void keyboardPickInListAppliesPreset() {
        TOptionsDialog dialog;
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* combo = Child<QComboBox>(dialog, "Page1_ComboBox1");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down); // from "Default" to "Original"
        QCOMPARE(combo->currentIndex(), 2);
        QCOMPARE(PlayShown(dialog), QStringList({"24", "18", "12", "4", "60", "120"}));
        QVERIFY(!Child<QCheckBox>(dialog, "Page1_CheckBox1")->isChecked());
    }

    void selectingFromCodeAppliesNoPreset() {
        TOptionsDialog dialog;
        dialog.SetPlayOptions(somePlay);
        Child<QComboBox>(dialog, "Page1_ComboBox1")->setCurrentIndex(5);
        QCOMPARE(PlayShown(dialog), QStringList({"20", "21", "7", "8", "90", "300"}));
    }

    void defaultResetsOnlyThePageOnView() {
        TOptionsDialog dialog;
        OpenWithSomeOptions(dialog);
        TypeInto(dialog, "Page1_Edit1", "30");
        Child<QTabWidget>(dialog, "PageControl1")->setCurrentIndex(TOptionsDialog::pageView);
        Click(dialog, "Button3");
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.GetViewOptions(), AppViewOptions(18, 18));
        QCOMPARE(Shown(dialog, "Page2_Edit1"), QString("18"));
        QCOMPARE(Shown(dialog, "Page2_Edit2"), QString("18"));
        QCOMPARE(PlayShown(dialog), QStringList({"30", "21", "7", "8", "90", "300"}));
        QCOMPARE(dialog.GetPlayOptions(), somePlay);
        QVERIFY(!Child<QCheckBox>(dialog, "Page3_CheckBox1")->isChecked());
        QVERIFY(Child<QCheckBox>(dialog, "Page3_CheckBox3")->isChecked());
    }

    void allDefaultsResetsEveryPageAndAStrayPageIsIgnored() {
        TOptionsDialog dialog;
        OpenWithSomeOptions(dialog);
        dialog.SetPageDefaults(7);
        QCOMPARE(dialog.GetPlayOptions(), somePlay);
        Click(dialog, "Button4");
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.GetPlayOptions(), AppPlayOptions());
        QCOMPARE(dialog.GetViewOptions(), AppViewOptions());
        QCOMPARE(PlayShown(dialog), QStringList({"24", "18", "6", "6", "60", "160"}));
        QCOMPARE(PresetShown(dialog), 1);
        QCOMPARE(Shown(dialog, "Page2_Edit1"), QString("18"));
        QVERIFY(Child<QCheckBox>(dialog, "Page3_CheckBox1")->isChecked());
        QVERIFY(!Child<QCheckBox>(dialog, "Page3_CheckBox3")->isChecked());
        QVERIFY(Child<QCheckBox>(dialog, "Page3_CheckBox4")->isChecked());
    }

    void reopeningShowsLastPageWithFocusOnOk() {
        TOptionsDialog dialog;
        OpenWithSomeOptions(dialog);
        QCOMPARE(dialog.focusWidget(), Child<QPushButton>(dialog, "Button1"));
        Child<QTabWidget>(dialog, "PageControl1")->setCurrentIndex(TOptionsDialog::pageSystem);
        Edit(dialog, "Page1_Edit1")->setFocus();
        Click(dialog, "Button2");

        OpenWithSomeOptions(dialog);
        QCOMPARE(Child<QTabWidget>(dialog, "PageControl1")->currentIndex(),
                 int(TOptionsDialog::pageSystem));
        QCOMPARE(dialog.focusWidget(), Child<QPushButton>(dialog, "Button1"));
    }

    void enterAcceptsFromAnEdit() {
        TOptionsDialog dialog;
        OpenWithSomeOptions(dialog);
        TypeInto(dialog, "Page1_Edit1", "30");
        QTest::keyClick(Edit(dialog, "Page1_Edit1"), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetPlayOptions().Width, 30);
    }

    void escapeAndCloseBoxCancelAndRestore_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("escape") << false;
        QTest::newRow("close box") << true;
    }

    void escapeAndCloseBoxCancelAndRestore() {
        QFETCH(bool, closeBox);
        TOptionsDialog dialog;
        OpenWithSomeOptions(dialog);
        TypeInto(dialog, "Page1_Edit1", "30");
        if (closeBox)
            dialog.close();
        else
            QTest::keyClick(Edit(dialog, "Page1_Edit1"), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.GetPlayOptions(), somePlay);
        QCOMPARE(Shown(dialog, "Page1_Edit1"), QString("20"));
    }

    void modalShowingYieldsTheButtonsResult() {
        TOptionsDialog dialog;
        QTimer::singleShot(0, &dialog, [&dialog] {
            TypeInto(dialog, "Page2_Edit2", "20");
            Click(dialog, "Button1");
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetViewOptions(), AppViewOptions(18, 20));

        QTimer::singleShot(0, &dialog, [&dialog] { Click(dialog, "Button2"); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    }

    void labelsNameTheRangesAndLeadToTheirControls() {
        TOptionsDialog dialog;
        const auto buddyOf = [&dialog](const QString& caption) -> QWidget* {
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                if (label->text() == caption)
                    return label->buddy();
            return nullptr;
        };
        const std::pair<const char*, const char*> edits[] = {
            {"&Width (16-32):", "Page1_Edit1"},         {"&Height (16-32):", "Page1_Edit2"},
            {"Paddle-&First (1-1024):", "Page1_Edit3"}, {"Paddle-&Plus (0-1024):", "Page1_Edit4"},
            {"Paddle-&Max (1-1024):", "Page1_Edit5"},   {"Sp&eed (10-1000 ms.):", "Page1_Edit6"},
            {"&Width (18-32):", "Page2_Edit1"},         {"&Height (18-32):", "Page2_Edit2"}};
        for (const auto& [caption, edit] : edits)
            QCOMPARE(buddyOf(caption), Edit(dialog, edit));
        QCOMPARE(buddyOf("&Arrange:"), Child<QComboBox>(dialog, "Page1_ComboBox1"));
    }

    void outOfRangeLiveOptionsAreShownBounded() {
        TOptionsDialog dialog;
        AppPlayOptions live;
        live.Width = 40;
        dialog.SetPlayOptions(live);
        dialog.SetViewOptions(AppViewOptions(0, 1000));
        QCOMPARE(Shown(dialog, "Page1_Edit1"), QString("32"));
        QCOMPARE(dialog.GetViewOptions(), AppViewOptions(18, 32));
        // Accepting unchanged hands back the bounded record, which differs from the live one.
        dialog.open();
        Click(dialog, "Button1");
        QCOMPARE(dialog.GetPlayOptions().Width, 32);
        QVERIFY(dialog.GetPlayOptions() != live);
    }
};

QTEST_MAIN(TOptionsDialogTest)
#include "TOptionsDialogTest.moc"
