// The Board page of the options dialog: the board's address, the name shown, and sending.
#include "TBoardOptionsPage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

TBoardOptionsPage::TBoardOptionsPage(QWidget* parent) : QWidget(parent) {
    BoardAddressEdit = new QLineEdit(this);
    BoardAddressEdit->setObjectName(QStringLiteral("BoardAddressEdit"));
    BoardAddressEdit->setPlaceholderText(QStringLiteral("https://board.example.org"));
    BoardNameEdit = new QLineEdit(this);
    BoardNameEdit->setObjectName(QStringLiteral("BoardNameEdit"));
    BoardNameEdit->setMaxLength(int(AppBoardOptions::maxNameLength));
    //: Sends each finished day's game (Game › Today's Game) to the board. Off until the
    //: player turns it on.
    BoardSendCheckBox = new QCheckBox(tr("&Send the day's games"), this);
    BoardSendCheckBox->setObjectName(QStringLiteral("BoardSendCheckBox"));
    line_ = new QLabel(this);
    line_->setObjectName(QStringLiteral("BoardLine"));
    line_->setWordWrap(true);
    //: What the board receives, under the fields of the Board page.
    auto* sent = new QLabel(tr("Only the day's games are sent: the replay, the name shown and a "
                               "random key that tells your games apart. Nothing is sent or "
                               "fetched while the address is empty."),
                            this);
    sent->setWordWrap(true);

    auto* form = new QFormLayout(this);
    //: The web address of the board the day's games are sent to, such as
    //: https://board.example.org
    form->addRow(tr("Board &address:"), BoardAddressEdit);
    //: The name the board shows beside the player's games, 1 to 24 characters.
    form->addRow(tr("&Name shown:"), BoardNameEdit);
    form->addRow(BoardSendCheckBox);
    form->addRow(line_);
    form->addRow(sent);
}

void TBoardOptionsPage::SetAccountName(const QString& name) {
    BoardNameEdit->setPlaceholderText(name.left(int(AppBoardOptions::maxNameLength)));
}

void TBoardOptionsPage::SetOptions(const AppBoardOptions& options) {
    BoardAddressEdit->setText(QString::fromStdString(options.Address));
    BoardNameEdit->setText(QString::fromStdString(options.Name));
    BoardSendCheckBox->setChecked(options.Send);
    line_->clear();
}

std::optional<AppBoardOptions> TBoardOptionsPage::Options() {
    AppBoardOptions options;
    options.Address = BoardAddressEdit->text().trimmed().toStdString();
    // A trailing slash would double the one each request's path begins with.
    while (options.Address.ends_with('/'))
        options.Address.pop_back();
    options.Name = BoardNameEdit->text().simplified().toStdString();
    options.Send = BoardSendCheckBox->isChecked();
    if (!AppBoardOptions::AcceptsAddress(options.Address)) {
        //: Under the board's address when it is refused.
        line_->setText(tr("The board's address must begin with http:// or https://."));
        return std::nullopt;
    }
    line_->clear();
    // A name with characters no name may hold gives way to the account's.
    if (!AppBoardOptions::AcceptsName(options.Name))
        options.Name.clear();
    return options;
}
