// Checks the application's message box: buttons and icon per style flags, the returned number.
#include "AppMessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

enum class Answer { Ok, Cancel, Escape, CloseBox, Enter };

// What the test saw of the box while it was open.
struct Seen {
    bool found = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString text;
    QString caption;
    Qt::TextFormat format = Qt::AutoText;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget* parent = nullptr;
};

void Answering(QMessageBox* box, Answer answer) {
    switch (answer) {
    case Answer::Ok:
        box->button(QMessageBox::Ok)->click();
        break;
    case Answer::Cancel:
        box->button(QMessageBox::Cancel)->click();
        break;
    case Answer::Escape:
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    case Answer::CloseBox:
        box->close();
        break;
    case Answer::Enter:
        QTest::keyClick(box, Qt::Key_Return);
        break;
    }
}

// Waits for the modal box, notes what it shows, answers it; returns the box's result.
int ShowAndAnswer(const std::function<int()>& show, Answer answer, Seen& seen) {
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || seen.found)
            return;
        poll.stop();
        seen.found = true;
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.text = box->text();
        seen.caption = box->windowTitle();
        seen.format = box->textFormat();
        seen.modality = box->windowModality();
        seen.parent = box->parentWidget();
        Answering(box, answer);
    });
    poll.start();
    return show();
}

int Show(const QString& text, int flags, Answer answer, Seen& seen) {
    return ShowAndAnswer([&] { return AppMessageBox::Show(text, QStringLiteral("Box"), flags); },
                         answer, seen);
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class AppMessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void returnsThePressedButtonsNumber_data();
    void returnsThePressedButtonsNumber();
    void showsTheIconAndButtonsOfTheFlags_data();
    void showsTheIconAndButtonsOfTheFlags();
    void showsCrLfTextAsLinesAndMarkupAsIs();
    void isApplicationModalOverTheActiveWindow();
    void errorBoxShowsErrorIconWithOk();
};

void AppMessageBoxTest::returnsThePressedButtonsNumber_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("expected");

    QTest::newRow("question OK/Cancel, OK") << 33 << Answer::Ok << 1;
    QTest::newRow("question OK/Cancel, Cancel") << 33 << Answer::Cancel << 2;
    QTest::newRow("question OK/Cancel, Escape") << 33 << Answer::Escape << 2;
    QTest::newRow("question OK/Cancel, close box") << 33 << Answer::CloseBox << 2;
    QTest::newRow("question OK/Cancel, Enter") << 33 << Answer::Enter << 1;
    QTest::newRow("information OK, OK") << 64 << Answer::Ok << 1;
    QTest::newRow("information OK, Escape") << 64 << Answer::Escape << 1;
    QTest::newRow("information OK, close box") << 64 << Answer::CloseBox << 1;
    QTest::newRow("unknown button set shows OK") << 0xF << Answer::Ok << 1;
}

void AppMessageBoxTest::returnsThePressedButtonsNumber() {
    QFETCH(int, flags);
    QFETCH(Answer, answer);
    QFETCH(int, expected);

    Seen seen;
    QCOMPARE(Show(QStringLiteral("Sure?"), flags, answer, seen), expected);
    QVERIFY(seen.found);
    QVERIFY(!QApplication::activeModalWidget());
}

void AppMessageBoxTest::showsTheIconAndButtonsOfTheFlags_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");

    const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    QTest::newRow("0 plain OK") << 0 << int(QMessageBox::NoIcon) << int(QMessageBox::Ok);
    QTest::newRow("16 error") << 16 << int(QMessageBox::Critical) << int(QMessageBox::Ok);
    QTest::newRow("33 question") << 33 << int(QMessageBox::Question) << okCancel;
    QTest::newRow("48 exclamation") << 48 << int(QMessageBox::Warning) << int(QMessageBox::Ok);
    QTest::newRow("64 information") << 64 << int(QMessageBox::Information) << int(QMessageBox::Ok);
    QTest::newRow("65 information OK/Cancel") << 65 << int(QMessageBox::Information) << okCancel;
}

void AppMessageBoxTest::showsTheIconAndButtonsOfTheFlags() {
    QFETCH(int, flags);
    QFETCH(int, icon);
    QFETCH(int, buttons);

    Seen seen;
    Show(QStringLiteral("Text"), flags, Answer::Ok, seen);
    QVERIFY(seen.found);
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(int(seen.buttons), buttons);
    QCOMPARE(seen.caption, QStringLiteral("Box"));
}

void AppMessageBoxTest::showsCrLfTextAsLinesAndMarkupAsIs() {
    Seen seen;
    Show(QStringLiteral("State: Not Playing\r\nScore: 12 pt.  3 ph.\r\nRecord: 40 pt.  5 ph."), 64,
         Answer::Ok, seen);
    QCOMPARE(
        seen.text.split(QLatin1Char('\n')),
        QStringList({QStringLiteral("State: Not Playing"), QStringLiteral("Score: 12 pt.  3 ph."),
                     QStringLiteral("Record: 40 pt.  5 ph.")}));

    Seen blank;
    Show(QStringLiteral("Opening HTML help file.\r\n\r\nSure?"), 33, Answer::Ok, blank);
    QCOMPARE(blank.text, QStringLiteral("Opening HTML help file.\n\nSure?"));

    Seen markup;
    Show(QStringLiteral("<b>bold</b>"), 0, Answer::Ok, markup);
    QCOMPARE(markup.text, QStringLiteral("<b>bold</b>"));
    QCOMPARE(markup.format, Qt::PlainText);
}

void AppMessageBoxTest::isApplicationModalOverTheActiveWindow() {
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    Seen seen;
    Show(QStringLiteral("Text"), 64, Answer::Ok, seen);
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QCOMPARE(seen.parent, &window);
}

void AppMessageBoxTest::errorBoxShowsErrorIconWithOk() {
    Seen seen;
    ShowAndAnswer(
        [] {
            AppMessageBox::ShowError(QStringLiteral("Out of memory."), QStringLiteral("Zingaroo"));
            return 0;
        },
        Answer::Ok, seen);
    QVERIFY(seen.found);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.text, QStringLiteral("Out of memory."));
    QCOMPARE(seen.caption, QStringLiteral("Zingaroo"));
}

QTEST_MAIN(AppMessageBoxTest)
#include "AppMessageBoxTest.moc"
