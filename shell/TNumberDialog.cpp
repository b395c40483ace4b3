// A small box that asks for a line of text, wide enough for its title, with the program's own
// OK and Cancel.
#include "TNumberDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TNumberDialog::TNumberDialog(const QString& title, const QString& label, const QString& text,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("NumberDialog"));
    setWindowTitle(title);
    number_ = new QLineEdit(text, this);
    number_->setObjectName(QStringLiteral("NumberBox"));
    auto* caption = new QLabel(label, this);
    caption->setBuddy(number_);

    // The buttons read as those of the program's message boxes: Qt has no texts of its own in
    // some of the program's languages.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("AppMessageBox", "OK"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("AppMessageBox", "Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(number_);
    layout->addWidget(buttons);
    // Wide enough for the title, which title bars often write in bold, beside the title bar's
    // icon and buttons, which take about three lines' height each.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    setMinimumWidth(
        std::max(sizeHint().width(), metrics.horizontalAdvance(title) + 9 * metrics.height()));
    number_->selectAll();
}

QString TNumberDialog::Text() const {
    return number_->text();
}

std::optional<QString> TNumberDialog::Ask(const QString& title, const QString& label,
                                          const QString& text, QWidget* parent) {
    TNumberDialog dialog(title, label, text, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Text();
}
