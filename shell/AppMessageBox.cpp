// The application's message box: text, caption and style flags in, the pressed button out.
#include "AppMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <vector>

namespace {

struct BoxButton {
    QMessageBox::StandardButton button;
    int id;
};

std::vector<BoxButton> ButtonsFor(int flags) {
    using B = QMessageBox;
    switch (flags & 0xF) {
    case AppMessageBox::mbOkCancel:
        return {{B::Ok, AppMessageBox::idOk}, {B::Cancel, AppMessageBox::idCancel}};
    case AppMessageBox::mbAbortRetryIgnore:
        return {{B::Abort, AppMessageBox::idAbort},
                {B::Retry, AppMessageBox::idRetry},
                {B::Ignore, AppMessageBox::idIgnore}};
    case AppMessageBox::mbYesNoCancel:
        return {{B::Yes, AppMessageBox::idYes},
                {B::No, AppMessageBox::idNo},
                {B::Cancel, AppMessageBox::idCancel}};
    case AppMessageBox::mbYesNo:
        return {{B::Yes, AppMessageBox::idYes}, {B::No, AppMessageBox::idNo}};
    case AppMessageBox::mbRetryCancel:
        return {{B::Retry, AppMessageBox::idRetry}, {B::Cancel, AppMessageBox::idCancel}};
    default:
        return {{B::Ok, AppMessageBox::idOk}};
    }
}

QMessageBox::Icon IconFor(int flags) {
    switch (flags & 0xF0) {
    case AppMessageBox::mbIconHand:
        return QMessageBox::Critical;
    case AppMessageBox::mbIconQuestion:
        return QMessageBox::Question;
    case AppMessageBox::mbIconExclamation:
        return QMessageBox::Warning;
    case AppMessageBox::mbIconAsterisk:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Texts join their lines with CR LF; a label wants a plain line feed.
QString DisplayText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

int DefaultIndex(int flags, int buttonCount) {
    int index = 0;
    if (flags & AppMessageBox::mbDefButton3)
        index = 2;
    else if (flags & AppMessageBox::mbDefButton2)
        index = 1;
    return index < buttonCount ? index : 0;
}

} // namespace

int AppMessageBox::Show(const QString& text, const QString& caption, int flags, QWidget* owner) {
    // The owner makes the box a window of the program's, placed over it by every desktop.
    QMessageBox box(owner ? owner : QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayText(text));
    box.setIcon(IconFor(flags));

    const std::vector<BoxButton> buttons = ButtonsFor(flags);
    std::vector<QPushButton*> widgets;
    QPushButton* escape = nullptr;
    for (const BoxButton& b : buttons) {
        QPushButton* widget = box.addButton(b.button);
        widgets.push_back(widget);
        if (b.id == idCancel)
            escape = widget;
    }
    // An OK-only box closes with OK; boxes without Cancel and with several buttons
    // leave the choice to the message box (No, or Abort).
    if (!escape && buttons.size() == 1)
        escape = widgets.front();
    if (escape)
        box.setEscapeButton(escape);
    box.setDefaultButton(widgets[DefaultIndex(flags, static_cast<int>(widgets.size()))]);

    box.exec();

    const QAbstractButton* clicked = box.clickedButton();
    if (!clicked)
        clicked = escape ? escape : widgets.front();
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        if (widgets[i] == clicked)
            return buttons[i].id;
    }
    return buttons.front().id;
}

void AppMessageBox::ShowError(const QString& message, const QString& caption) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(message));
        return;
    }
    Show(message, caption, mbOk | mbIconHand);
}
