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
    if ((flags & 0xF) == AppMessageBox::mbOkCancel)
        return {{QMessageBox::Ok, AppMessageBox::idOk},
                {QMessageBox::Cancel, AppMessageBox::idCancel}};
    return {{QMessageBox::Ok, AppMessageBox::idOk}};
}

QMessageBox::Icon IconFor(int flags) {
    switch (flags & 0xF0) {
    case AppMessageBox::mbIconError:
        return QMessageBox::Critical;
    case AppMessageBox::mbIconQuestion:
        return QMessageBox::Question;
    case AppMessageBox::mbIconWarning:
        return QMessageBox::Warning;
    case AppMessageBox::mbIconInformation:
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
    // An OK-only box closes with OK.
    if (!escape)
        escape = widgets.front();
    box.setEscapeButton(escape);
    box.setDefaultButton(widgets.front());

    box.exec();

    const QAbstractButton* clicked = box.clickedButton();
    if (!clicked)
        clicked = escape;
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
    Show(message, caption, mbOk | mbIconError);
}
