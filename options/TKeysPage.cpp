// The Keys page of the options dialog: the keys of sets 1 and 2, each rebound by pressing a key.
#include "TKeysPage.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// Keys that only change others: the page goes on waiting past them.
bool IsModifier(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

QString WaitingText() {
    //: Shown on a key's button while it waits for the player to press the new key.
    return QCoreApplication::translate("TKeysPage", "Press a key…");
}

} // namespace

TKeysPage::TKeysPage(QWidget* parent) : QWidget(parent) {
    const QString captions[] = {tr("Slash /:"), tr("Backslash \\:"),
                                //: The key puts a backslash paddle, or over an obstacle shoves
                                //: it one column left.
                                tr("Backslash, or shove left:"),
                                //: The key puts a slash paddle, or over an obstacle shoves it one
                                //: column right.
                                tr("Slash, or shove right:")};
    // A row for each position, a column for each set: the eight keys in the room of the other
    // pages.
    auto* grid = new QGridLayout(this);
    constexpr int perSet = AppKeyOptions::count / 2;
    for (int set = 0; set < 2; ++set) {
        //: Heads the column of one set of four keys that put the paddles; %1 is 1 or 2.
        grid->addWidget(new QLabel(tr("Set %1").arg(set + 1), this), 0, set + 1);
        for (int position = 0; position < perSet; ++position) {
            const int slot = set * perSet + position;
            auto* button = new QPushButton(this);
            button->setObjectName(QStringLiteral("Page4_Button%1").arg(slot + 1));
            button->installEventFilter(this);
            connect(button, &QPushButton::clicked, this, [this, slot] { Wait(slot); });
            // The button keeps the room it takes while it waits, so that waiting takes none
            // from the captions on a page held at the dialog's size.
            button->setText(WaitingText());
            button->setMinimumWidth(button->sizeHint().width());
            grid->addWidget(button, position + 1, set + 1);
            buttons_[slot] = button;
        }
    }
    for (int position = 0; position < perSet; ++position)
        grid->addWidget(new QLabel(captions[position], this), position + 1, 0);
    line_ = new QLabel(this);
    line_->setObjectName(QStringLiteral("Page4_Label1"));
    line_->setWordWrap(true);
    grid->addWidget(line_, perSet + 1, 0, 1, 3);
    //: Puts back the keys in the places of W R S F and U O J L on a US keyboard.
    auto* defaults = new QPushButton(tr("&Defaults"), this);
    defaults->setObjectName(QStringLiteral("Page4_Button9"));
    connect(defaults, &QPushButton::clicked, this, [this] { SetKeys(AppKeyOptions()); });
    grid->addWidget(defaults, perSet + 2, 0, Qt::AlignLeft);
    grid->setRowStretch(perSet + 3, 1);
    ShowKeys();
}

void TKeysPage::SetLabeller(Labeller labeller) {
    labeller_ = std::move(labeller);
    ShowKeys();
}

void TKeysPage::SetKeys(const AppKeyOptions& keys) {
    keys_ = keys;
    waiting_ = -1;
    line_->clear();
    ShowKeys();
}

bool TKeysPage::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(buttons_.begin(), buttons_.end(), watched);
    const int slot = static_cast<int>(found - buttons_.begin());
    if (found == buttons_.end() || slot != waiting_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The waiting button takes every key, the menus' and the dialog's too.
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (!IsModifier(static_cast<QKeyEvent*>(event)->key()))
            Take(slot, *static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::FocusOut:
        waiting_ = -1;
        ShowKeys();
        return false;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void TKeysPage::Wait(int slot) {
    waiting_ = slot;
    ShowKeys();
    buttons_[slot]->setText(WaitingText());
}

void TKeysPage::Take(int slot, const QKeyEvent& event) {
    const std::uint32_t code = event.nativeScanCode();
    QString name = QKeySequence(event.key()).toString(QKeySequence::NativeText);
    if (name.isEmpty())
        name = event.text();
    const QString old = Label(keys_.Codes[slot]);
    waiting_ = -1;
    line_->clear();
    if (code < AppKeyOptions::lowestCode || code > AppKeyOptions::highestCode) {
        //: %1 is the key pressed, %2 the key kept. The game can only keep keys it reads by
        //: their place on the keyboard.
        line_->setText(tr("%1 has no place the game can read; the key stays %2.").arg(name, old));
    } else if (code != keys_.Codes[slot] &&
               (AppKeyOptions::IsReserved(
                    code,
                    QKeySequence(event.key()).toString(QKeySequence::PortableText).toStdString()) ||
                keys_.OtherSlotOf(code, slot) >= 0)) {
        //: %1 is the key pressed, %2 the key kept.
        line_->setText(tr("%1 is already in use; the key stays %2.").arg(name, old));
    } else {
        keys_.Codes[slot] = code;
    }
    ShowKeys();
}

QString TKeysPage::Label(std::uint32_t code) const {
    if (labeller_)
        return labeller_(code);
    const std::string_view letter = AppKeyOptions::UsLetter(code);
    return letter.empty() ? QString::number(code)
                          : QString::fromLatin1(letter.data(), qsizetype(letter.size()));
}

void TKeysPage::ShowKeys() {
    for (int slot = 0; slot < AppKeyOptions::count; ++slot)
        buttons_[slot]->setText(Label(keys_.Codes[slot]));
}
