// Checks the About dialog: its layout around the wrapped text, its keys and its focus.
#include "TAboutDialog.h"
#include "AppIcon.h"
#include "AppProgramTexts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <algorithm>

namespace {

template <typename T> T* Part(const QDialog& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

QString AboutTextWithCopyright(const QString& copyright) {
    AppProgramTexts constants = ProgramTexts();
    constants.copyrightLine = copyright;
    return TAboutDialog::AboutText(constants);
}

} // namespace

class TAboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void textJoinsTheProductLines();
    void layoutFollowsTheLabelsWrappedHeight_data();
    void layoutFollowsTheLabelsWrappedHeight();
    void longerCopyrightOnlyMakesItTaller();
    void wordWiderThanTheLabelWidensIt();
    void enterAndEscapeCloseWithOk_data();
    void enterAndEscapeCloseWithOk();
    void showingFocusesOkAndCentresOnScreen();
};

void TAboutDialogTest::textJoinsTheProductLines() {
    AppProgramTexts constants;
    constants.productName = QStringLiteral("Zingaroo");
    constants.systemName = QStringLiteral("Linux");
    constants.versionNumber = QStringLiteral("1.0.0");
    constants.copyrightLine = QStringLiteral("Copyright (C) 2026 Someone");
    QCOMPARE(TAboutDialog::AboutText(constants),
             QStringLiteral("Zingaroo for Linux Version 1.0.0. Copyright (C) 2026 Someone"));
}

void TAboutDialogTest::layoutFollowsTheLabelsWrappedHeight_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty text") << QString();
    QTest::newRow("program's own text") << TAboutDialog::AboutText(ProgramTexts());
    QTest::newRow("long copyright") << AboutTextWithCopyright(QStringLiteral(
        "Copyright (C) 2026 The Zingaroo developers and everyone who lent a hand with "
        "ideas, pictures, sounds and many evenings of testing"));
}

void TAboutDialogTest::layoutFollowsTheLabelsWrappedHeight() {
    QFETCH(QString, text);
    TAboutDialog dialog(AppIcon(), text);

    const auto* bevel = Part<QFrame>(dialog, "Bevel1");
    const auto* label = Part<QLabel>(dialog, "Label1");
    const auto* image = Part<QLabel>(dialog, "Image1");
    const auto* button = Part<QPushButton>(dialog, "Button1");
    QVERIFY(bevel && label && image && button);

    QCOMPARE(label->text(), text);
    QCOMPARE(label->width(), 177);
    // The label is exactly as high as its wrapped text needs, but never below three icons.
    const int L = std::max(96, label->heightForWidth(177));
    QCOMPARE(label->height(), L);

    QCOMPARE(bevel->geometry(), QRect(8, 8, 257, L + 32));
    QCOMPARE(image->geometry(), QRect(24, 8 + (L + 32 - 32) / 2, 32, 32));
    QCOMPARE(label->geometry(), QRect(72, 24, 177, L));
    QCOMPARE(button->geometry(), QRect(281, 8, 98, 33));
    QCOMPARE(dialog.size(), QSize(387, L + 48));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());

    QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
    QCOMPARE(button->text(), QStringLiteral("OK"));
    QVERIFY(button->isDefault());
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), 18);
    QVERIFY(label->wordWrap());
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
}

void TAboutDialogTest::longerCopyrightOnlyMakesItTaller() {
    TAboutDialog shortText(AppIcon(), AboutTextWithCopyright(QStringLiteral("(C) 2026")));
    TAboutDialog longText(AppIcon(),
                          AboutTextWithCopyright(QStringLiteral(
                              "Copyright (C) 2026 The Zingaroo developers, with thanks to all "
                              "the players who sent in their records, their ideas and their "
                              "reports of anything that went wrong")));

    QCOMPARE(Part<QLabel>(shortText, "Label1")->height(), 96);
    QVERIFY(Part<QLabel>(longText, "Label1")->height() > 96);
    QCOMPARE(Part<QLabel>(longText, "Label1")->width(), 177);
    QCOMPARE(longText.width(), 387);
    QCOMPARE(shortText.width(), 387);
    QCOMPARE(longText.height() - shortText.height(),
             Part<QLabel>(longText, "Label1")->height() - 96);
}

void TAboutDialogTest::wordWiderThanTheLabelWidensIt() {
    const QString word = QStringLiteral("Pneumonoultramicroscopicsilicovolcanoconiosis");
    TAboutDialog dialog(AppIcon(), word);
    const auto* label = Part<QLabel>(dialog, "Label1");
    const int wordWidth = label->fontMetrics().horizontalAdvance(word);
    QVERIFY(wordWidth > 177);

    QVERIFY(label->width() >= wordWidth);
    QCOMPARE(Part<QFrame>(dialog, "Bevel1")->width(), 32 + label->width() + 48);
    QCOMPARE(dialog.width(), 32 + label->width() + 48 + 98 + 32);
    QCOMPARE(Part<QPushButton>(dialog, "Button1")->x(), 8 + 32 + label->width() + 48 + 16);
}

void TAboutDialogTest::enterAndEscapeCloseWithOk_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TAboutDialogTest::enterAndEscapeCloseWithOk() {
    QFETCH(int, key);
    TAboutDialog dialog;
    dialog.show();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.focusWidget());

    QTest::keyClick(dialog.focusWidget(), Qt::Key(key));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 1);
}

void TAboutDialogTest::showingFocusesOkAndCentresOnScreen() {
    TAboutDialog dialog;
    auto* button = Part<QPushButton>(dialog, "Button1");
    const auto* image = Part<QLabel>(dialog, "Image1");
    QCOMPARE(image->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));

    for (int showing = 0; showing < 2; ++showing) {
        button->clearFocus();
        dialog.show();
        QCOMPARE(dialog.focusWidget(), button);
        const QRect screen = dialog.screen()->geometry();
        const QRect frame = dialog.frameGeometry();
        QCOMPARE(frame.topLeft(), QPoint(screen.x() + (screen.width() - frame.width()) / 2,
                                         screen.y() + (screen.height() - frame.height()) / 2));
        dialog.hide();
        dialog.move(0, 0);
    }
}

QTEST_MAIN(TAboutDialogTest)
#include "TAboutDialogTest.moc"
