// The About dialog: the program's icon, name, platform, version and copyright, and an OK button.
#include "TAboutDialog.h"

#include "AppIcon.h"
#include "AppProgramTexts.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int fontPixels = 18;
constexpr int iconSide = 32;
// Room to measure the wrapped text in; far more than any About text needs.
constexpr int measureHeight = 1 << 20;

} // namespace

TAboutDialog::TAboutDialog(QWidget* parent)
    : TAboutDialog(AppIcon(), AboutText(ProgramTexts()), parent) {}

TAboutDialog::TAboutDialog(const QIcon& appIcon, const QString& aboutText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    //: The dialog's title, naming the program as the desktop's About boxes do.
    setWindowTitle(tr("About"));
    QFont dialogFont = font();
    dialogFont.setPixelSize(fontPixels);
    setFont(dialogFont);

    // Created in tab order; the button is the only control that takes the focus.
    Button1 = new QPushButton(tr("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(296, 16, 98, 33);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 273, 207);
    Bevel1->lower();

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont labelFont = dialogFont;
    labelFont.setBold(true);
    Label1->setFont(labelFont);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label1->setGeometry(72, 24, 193, 177);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(24, 96, 33, 33);

    LayOut(appIcon, aboutText);
}

QString TAboutDialog::AboutText(const AppProgramTexts& texts) {
    //: The whole About text: %1 is the program's name, %2 the system it runs on, %3 the version
    //: number and %4 the copyright line.
    return tr("%1 for %2 Version %3. %4")
        .arg(texts.productName, texts.systemName, texts.versionNumber, texts.copyrightLine);
}

// Sizes the label to its wrapped text and arranges frame, icon, label, button and the
// client area around it, keeping the frame's margins as they were laid out.
void TAboutDialog::LayOut(const QIcon& appIcon, const QString& aboutText) {
    const int m = Bevel1->x();
    const int t = Bevel1->y();

    // The button keeps its design size unless its caption needs more room.
    Button1->resize(Button1->size().expandedTo(Button1->sizeHint()));

    const QPixmap picture = appIcon.pixmap(QSize(iconSide, iconSide));
    Image1->setPixmap(picture);
    Image1->resize(picture.deviceIndependentSize().toSize());

    // The label is at least as wide as its laid-out height and three icons high;
    // it grows downwards with the wrapped text, and sideways only for a word too wide.
    const int minWidth = Label1->height();
    const int minHeight = 3 * Image1->height();
    Label1->setText(aboutText);
    const QRect textRect = QFontMetrics(Label1->font())
                               .boundingRect(QRect(0, 0, minWidth, measureHeight),
                                             Qt::AlignLeft | Qt::TextWordWrap, aboutText);
    Label1->resize(std::max(minWidth, textRect.width()), std::max(minHeight, textRect.height()));

    Bevel1->resize(Image1->width() + Label1->width() + 6 * m, Label1->height() + 4 * t);
    setFixedSize(Bevel1->width() + Button1->width() + 4 * m, Bevel1->height() + 2 * t);

    Bevel1->move(m, t);
    Image1->move(Bevel1->x() + 2 * m, Bevel1->y() + (Bevel1->height() - Image1->height()) / 2);
    Label1->move(Image1->x() + Image1->width() + 2 * m,
                 Bevel1->y() + (Bevel1->height() - Label1->height()) / 2);
    Button1->move(Bevel1->x() + Bevel1->width() + 2 * m, Bevel1->y());
}

void TAboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        CentreOnScreen();
        FormShow();
    }
}

// OK is also the cancel button: Escape presses it, so the dialog closes with OK.
void TAboutDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        Button1->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAboutDialog::CentreOnScreen() {
    const QScreen* target = screen();
    if (!target)
        return;
    const QRect area = target->geometry();
    const QRect frame = frameGeometry();
    move(area.x() + (area.width() - frame.width()) / 2,
         area.y() + (area.height() - frame.height()) / 2);
}

void TAboutDialog::FormShow() {
    Button1->setFocus(Qt::OtherFocusReason);
}
