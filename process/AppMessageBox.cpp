// The application's message box: text, caption and style flags in, the pressed button out.
#include "AppMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace {

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

    // The buttons carry the program's own captions: Qt does not ship its own in every language
    // the program speaks (none in Swedish), and they then read like the dialogs' buttons.
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    ok->setText(QCoreApplication::translate("AppMessageBox", "OK"));
    QPushButton* cancel =
        (flags & 0xF) == mbOkCancel ? box.addButton(QMessageBox::Cancel) : nullptr;
    if (cancel)
        cancel->setText(QCoreApplication::translate("AppMessageBox", "Cancel"));
    // Escape and the close box give Cancel where there is one, OK in an OK-only box.
    box.setEscapeButton(cancel ? cancel : ok);
    box.setDefaultButton(ok);

    box.exec();

    return cancel && box.clickedButton() != ok ? idCancel : idOk;
}

void AppMessageBox::ShowError(const QString& message, const QString& caption) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(message));
        return;
    }
    Show(message, caption, mbOk | mbIconError);
}
