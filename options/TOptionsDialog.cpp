// The five-page options dialog that edits copies of the play, view, system, key and board options.
#include "TOptionsDialog.h"

#include "AppDecimal.h"
#include "AppOptionFields.h"
#include "AppPlayPresets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Where the controls sit and how large they are, in pixels. They are the least the controls get: a
// caption that needs more room in the player's language or font makes its column, row or box grow.
constexpr int clientWidth = 529;
constexpr int clientHeight = 345;
constexpr int margin = 8;
constexpr int pageControlWidth = 401;
constexpr int pageControlHeight = 329;
constexpr int buttonGap = 15;
constexpr int buttonWidth = 97;
constexpr int buttonHeight = 31;
constexpr int buttonTops[] = {32, 72, 128, 168};
constexpr int groupBoxWidth = 377;
constexpr int rowTop = 28;
constexpr int rowGap = 8;
constexpr int rowHeight = 24;
constexpr int labelLeft = 16;
constexpr int labelWidth = 209;
constexpr int labelGap = 8;
constexpr int editWidth = 121;
constexpr int comboWidth = 129;
constexpr int checkBoxWidth = 337;
constexpr int sweeperWidth = groupBoxWidth - (labelLeft + labelWidth + labelGap) - margin;
// Room between a group box's top and its first row, beyond the height of its title.
constexpr int titleSpace = rowTop - 14;

// The record's fields put into the dialog's controls.
template <class Record> void ShowFields(const QObject& dialog, const Record& record) {
    for (const AppOptionField<Record>& field : AppOptionTable<Record>::fields) {
        const QString name = QString::fromUtf8(field.control);
        if (name.isEmpty())
            continue;
        if (field.flag)
            dialog.findChild<QCheckBox*>(name)->setChecked(record.*field.flag);
        else if (auto* list = dialog.findChild<QComboBox*>(name))
            list->setCurrentIndex(record.*field.integer - field.low);
        else
            dialog.findChild<QLineEdit*>(name)->setText(QString::number(record.*field.integer));
    }
}

// The controls read into the record's fields. An edit's text that is no integer
// leaves its field as it is; blanks around the number are allowed, since they
// cannot be seen in the edit and refusing them would look like a lost entry.
template <class Record> void ReadFields(const QObject& dialog, Record& record) {
    for (const AppOptionField<Record>& field : AppOptionTable<Record>::fields) {
        const QString name = QString::fromUtf8(field.control);
        if (name.isEmpty())
            continue;
        if (field.flag) {
            record.*field.flag = dialog.findChild<QCheckBox*>(name)->isChecked();
        } else if (const auto* list = dialog.findChild<QComboBox*>(name)) {
            record.*field.integer = field.low + list->currentIndex();
        } else {
            const QString text = dialog.findChild<QLineEdit*>(name)->text().trimmed();
            if (const std::optional<std::int32_t> value = ParseDecimal(text.toStdString()))
                record.*field.integer = *value;
        }
    }
}

// The caption with the valid range of the field the named edit shows put in for %1 and %2.
QString WithRange(QString caption, const QString& editName) {
    const auto fill = [&](const auto& fields) {
        for (const auto& field : fields)
            if (field.integer && QString::fromUtf8(field.control) == editName)
                caption = caption.arg(field.low).arg(field.high);
    };
    fill(AppOptionTable<AppPlayOptions>::fields);
    fill(AppOptionTable<AppViewOptions>::fields);
    return caption;
}

int NeededWidth(const QWidget* widget) {
    // An edit holds a number of a few digits; its own size hint asks for far more.
    if (qobject_cast<const QLineEdit*>(widget))
        return widget->minimumSizeHint().width();
    return std::max(widget->sizeHint().width(), widget->minimumWidth());
}

QString ZoomNote(int zoom) {
    //: Beside the zoom list: the zoom the window shows on its screen, for Automatic or for a
    //: zoom too large for the screen. %1 is a number.
    return QCoreApplication::translate("TOptionsDialog", "\u00D7%1 on this screen").arg(zoom);
}

} // namespace

TOptionsDialog::TOptionsDialog(QWidget* parent) : QDialog(parent) {
    CreateControls();
    for (int i = 0; i < appPlayPresetCount; ++i)
        Page1_ComboBox1->addItem(
            QCoreApplication::translate("AppPlayPresets", AppPlayPresetNames(i).data()));
    Page1_ComboBox1->setCurrentIndex(0);
    LayOut();
    SetAllDefaults();
    PageControl1->setCurrentIndex(pagePlay);
}

void TOptionsDialog::CreateControls() {
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(tr("Options"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    const auto addPage = [this](const QString& name, const QString& caption) {
        auto* page = new QWidget;
        page->setObjectName(name);
        PageControl1->addTab(page, caption);
        return page;
    };
    //: The page of play options (field, paddles, speed), not the verb.
    CreatePlayPage(addPage(QStringLiteral("TabSheet1"), tr("Play")));
    CreateViewPage(addPage(QStringLiteral("TabSheet2"), tr("View")));
    CreateSystemPage(addPage(QStringLiteral("TabSheet3"), tr("System")));
    //: The page where the keys that put the paddles are chosen.
    keysPage_ = new TKeysPage;
    keysPage_->setObjectName(QStringLiteral("TabSheet4"));
    PageControl1->addTab(keysPage_, tr("Keys"));
    //: The page of the board the day's games may be sent to.
    boardPage_ = new TBoardOptionsPage;
    boardPage_->setObjectName(QStringLiteral("TabSheet5"));
    PageControl1->addTab(boardPage_, tr("Board"));
    CreateButtons();
}

QGroupBox* TOptionsDialog::AddGroupBox(QWidget* page, const QString& caption, const QString& name) {
    auto* box = new QGroupBox(caption, page);
    box->setObjectName(name);
    boxes_.push_back({box, 0});
    return box;
}

void TOptionsDialog::AddRow(QGroupBox* box, QLabel* label, QWidget* control, int designWidth,
                            bool underEdits) {
    for (Box& entry : boxes_)
        if (entry.box == box)
            rows_.push_back({entry.rows++, label, control, designWidth, underEdits});
}

void TOptionsDialog::AddEditRow(QGroupBox* box, const QString& caption, const QString& editName) {
    auto* edit = new QLineEdit(box);
    edit->setObjectName(editName);
    auto* label = new QLabel(WithRange(caption, editName), box);
    label->setBuddy(edit);
    AddRow(box, label, edit, editWidth);
}

void TOptionsDialog::AddListRow(QGroupBox* box, const QString& caption, const QString& listName,
                                const QStringList& entries) {
    // Choice only, like the presets' list.
    auto* list = new QComboBox(box);
    list->setObjectName(listName);
    list->setEditable(false);
    list->addItems(entries);
    auto* label = new QLabel(caption, box);
    label->setBuddy(list);
    AddRow(box, label, list, comboWidth);
}

void TOptionsDialog::AddCheckBox(QGroupBox* box, const QString& caption, const QString& name) {
    auto* checkBox = new QCheckBox(caption, box);
    checkBox->setObjectName(name);
    AddRow(box, nullptr, checkBox, checkBoxWidth);
}

void TOptionsDialog::CreatePlayPage(QWidget* page) {
    auto* box = AddGroupBox(page, tr("Play"), QStringLiteral("Page1_GroupBox1"));
    AddEditRow(box, tr("&Width (%1-%2):"), QStringLiteral("Page1_Edit1"));
    AddEditRow(box, tr("&Height (%1-%2):"), QStringLiteral("Page1_Edit2"));
    //: Paddles dealt in the first phase. The range is written with a hyphen in English; an en
    //: dash is fine.
    AddEditRow(box, tr("Paddle-&First (%1-%2):"), QStringLiteral("Page1_Edit3"));
    //: Paddles added to each new phase's layout.
    AddEditRow(box, tr("Paddle-&Plus (%1-%2):"), QStringLiteral("Page1_Edit4"));
    //: The largest number of paddles a phase deals.
    AddEditRow(box, tr("Paddle-&Max (%1-%2):"), QStringLiteral("Page1_Edit5"));
    //: Milliseconds per step of the ball: a smaller number plays faster.
    AddEditRow(box, tr("Sp&eed (%1-%2 ms.):"), QStringLiteral("Page1_Edit6"));

    // The sweeper's check box stands in the column of the edits, with no label beside it.
    //: A standing option: each new phase adds a sweeper to the field.
    Page1_CheckBox1 = new QCheckBox(tr("&Use Sweeper"), box);
    Page1_CheckBox1->setObjectName(QStringLiteral("Page1_CheckBox1"));
    AddRow(box, nullptr, Page1_CheckBox1, sweeperWidth, true);

    // Choice only: the presets are picked, never typed.
    Page1_ComboBox1 = new QComboBox(box);
    Page1_ComboBox1->setObjectName(QStringLiteral("Page1_ComboBox1"));
    Page1_ComboBox1->setEditable(false);
    //: Labels the list of presets of play options (Default, Original, ...): picking one fills
    //: in the fields above.
    auto* label = new QLabel(tr("&Arrange:"), box);
    label->setBuddy(Page1_ComboBox1);
    AddRow(box, label, Page1_ComboBox1, comboWidth);
    // Only a pick by the user applies a preset; selecting from code (ShowPlayOptions) must not.
    connect(Page1_ComboBox1, &QComboBox::activated, this, &TOptionsDialog::Page1_ComboBox1Click);
}

void TOptionsDialog::CreateViewPage(QWidget* page) {
    //: The size of one cell of the field, in pixels.
    auto* box = AddGroupBox(page, tr("Character"), QStringLiteral("Page2_GroupBox1"));
    AddEditRow(box, tr("&Width (%1-%2):"), QStringLiteral("Page2_Edit1"));
    AddEditRow(box, tr("&Height (%1-%2):"), QStringLiteral("Page2_Edit2"));

    //: How the field is shown on the screen: its zoom and its colours.
    auto* picture = AddGroupBox(page, tr("Picture"), QStringLiteral("Page2_GroupBox2"));
    QStringList zooms;
    for (const AppOptionField<AppDisplayOptions>& field : AppOptionTable<AppDisplayOptions>::fields)
        if (field.integer == &AppDisplayOptions::Zoom)
            for (int zoom = field.low; zoom <= field.high; ++zoom)
                zooms << (zoom == AppDisplayOptions::zoomAutomatic
                              ? //: The zoom list's first entry: the zoom that suits the screen,
                                //: the window taking at most three quarters of it.
                              tr("Automatic", "zoom")
                              : QStringLiteral("\u00D7%1").arg(zoom));
    //: Each pixel of the field is shown as a block of 1 to 4 pixels across and down.
    AddListRow(picture, tr("&Zoom:"), QStringLiteral("Page2_ComboBox1"), zooms);
    Page2_ComboBox1 = picture->findChild<QComboBox*>(QStringLiteral("Page2_ComboBox1"));
    // Under the list, in the column of the lists: the zoom the screen gives, where it differs.
    Page2_ZoomNote = new QLabel(picture);
    Page2_ZoomNote->setObjectName(QStringLiteral("Page2_ZoomNote"));
    // The note is empty until the dialog knows its screen: it keeps the room of its longest
    // text from the start, so that no language's words are cut when they come.
    Page2_ZoomNote->setText(ZoomNote(AppDisplayOptions::zoomMost));
    Page2_ZoomNote->setMinimumWidth(Page2_ZoomNote->sizeHint().width());
    Page2_ZoomNote->clear();
    AddRow(picture, nullptr, Page2_ZoomNote, comboWidth, true);
    connect(Page2_ComboBox1, &QComboBox::currentIndexChanged, this,
            &TOptionsDialog::ShowZoomOnScreen);
    //: The colours of the field; the entries are the names of the looks.
    AddListRow(picture, tr("L&ook:"), QStringLiteral("Page2_ComboBox2"),
               {tr("Classic"), tr("Dark"), tr("High Contrast"),
                //: The look follows the desktop: Dark when its windows are dark, else Classic.
                tr("Automatic")});
    //: A line under the field that says what to do next and shows the score.
    AddCheckBox(picture, tr("Score &Line"), QStringLiteral("Page2_CheckBox1"));
}

void TOptionsDialog::CreateSystemPage(QWidget* page) {
    //: Options that act while the program runs.
    auto* running = AddGroupBox(page, tr("Running Time"), QStringLiteral("Page3_GroupBox1"));
    AddCheckBox(running, tr("&Play Sound"), QStringLiteral("Page3_CheckBox1"));
    //: Clears the record once, after a confirmation, when the dialog closes with OK.
    AddCheckBox(running, tr("&Clear Record Now"), QStringLiteral("Page3_CheckBox2"));
    //: Keeps the window above the other windows (the desktop's usual term).
    AddCheckBox(running, tr("&Stay on Top"), QStringLiteral("Page3_CheckBox3"));
    AddCheckBox(running, tr("Pause &When Inactive"), QStringLiteral("Page3_CheckBox6"));
    //: Play from the keyboard alone: the arrow keys move a frame over the field's cells, the
    //: game's keys act on the framed cell, Space and Enter start and launch.
    AddCheckBox(running, tr("&Keyboard Cursor"), QStringLiteral("Page3_CheckBox7"));

    //: Options that act at every start of the program.
    auto* starting = AddGroupBox(page, tr("Starting Time"), QStringLiteral("Page3_GroupBox2"));
    //: A standing option, acting at every start: bring back the saved record.
    AddCheckBox(starting, tr("&Restore Record"), QStringLiteral("Page3_CheckBox4"));
    //: A standing option, acting at every start: put the window back where it was.
    AddCheckBox(starting, tr("R&estore Window Position"), QStringLiteral("Page3_CheckBox5"));
}

void TOptionsDialog::CreateButtons() {
    const auto addButton = [this](const QString& caption, const QString& name) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        return button;
    };
    Button1 = addButton(tr("OK"), QStringLiteral("Button1"));
    Button2 = addButton(tr("Cancel"), QStringLiteral("Button2"));
    //: Sets the fields of the page shown to their default values.
    Button3 = addButton(tr("Default"), QStringLiteral("Button3"));
    //: Sets the fields of every page to their default values.
    Button4 = addButton(tr("All Def."), QStringLiteral("Button4"));

    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, [this] { ButtonClick(Button3); });
    connect(Button4, &QPushButton::clicked, this, [this] { ButtonClick(Button4); });
}

// Places every control at its design position and size, moved and widened only as far as the
// captions in the dialog's font need: the label column widens to its longest caption, rows grow
// to the tallest control, boxes, pages and buttons grow around what they hold.
void TOptionsDialog::LayOut() {
    int labels = labelWidth;
    int height = rowHeight;
    for (const Row& row : rows_) {
        if (row.label) {
            labels = std::max(labels, row.label->sizeHint().width());
            height = std::max(height, row.label->sizeHint().height());
        }
        height = std::max(height, row.control->sizeHint().height());
    }
    const int controlLeft = labelLeft + labels + labelGap;
    const int top = std::max(rowTop, fontMetrics().height() + titleSpace);
    const int spacing = height + rowGap;

    int boxWidth = groupBoxWidth;
    for (const Row& row : rows_) {
        const int left = row.label || row.underEdits ? controlLeft : labelLeft;
        const int y = top + row.row * spacing;
        if (row.label)
            row.label->setGeometry(labelLeft, y, labels, height);
        row.control->setGeometry(left, y, std::max(row.designWidth, NeededWidth(row.control)),
                                 height);
        boxWidth = std::max(boxWidth, row.control->geometry().right() + 1 + margin);
    }
    for (const Box& box : boxes_)
        boxWidth = std::max(boxWidth, box.box->minimumSizeHint().width());

    // Boxes stack down their page, a margin apart; every page is as large as the fullest one.
    for (int i = 0; i < PageControl1->count(); ++i) {
        QWidget* page = PageControl1->widget(i);
        int y = margin;
        for (const Box& box : boxes_) {
            if (box.box->parentWidget() != page)
                continue;
            box.box->setGeometry(margin, y, boxWidth, top + box.rows * spacing);
            y += box.box->height() + margin;
        }
        // A quarter margin under the last box is room enough, the page control's own frame
        // adds to it: so the System page's five running options fit the design's height.
        // A page without such boxes (Keys) lays itself out.
        if (y > margin)
            page->setMinimumSize(margin + boxWidth + margin, y - margin + margin / 4);
    }
    const QSize pages =
        QSize(pageControlWidth, pageControlHeight).expandedTo(PageControl1->minimumSizeHint());
    PageControl1->setGeometry(margin, margin, pages.width(), pages.height());

    QSize button(buttonWidth, buttonHeight);
    for (const QPushButton* b : {Button1, Button2, Button3, Button4})
        button = button.expandedTo(b->sizeHint());
    const int buttonLeft = margin + pages.width() + buttonGap;
    const int grown = button.height() - buttonHeight;
    int bottom = margin + pages.height();
    int i = 0;
    for (QPushButton* b : {Button1, Button2, Button3, Button4}) {
        b->setGeometry(buttonLeft, buttonTops[i] + i * grown, button.width(), button.height());
        bottom = std::max(bottom, b->geometry().bottom() + 1);
        ++i;
    }
    setFixedSize(std::max(clientWidth, buttonLeft + button.width() + margin),
                 std::max(clientHeight, bottom + margin));
}

void TOptionsDialog::SetPlayOptions(const AppPlayOptions& options) {
    playOptions_ = ClampOptions(options);
    ShowPlayOptions(playOptions_);
}

void TOptionsDialog::SetViewOptions(const AppViewOptions& options) {
    viewOptions_ = ClampOptions(options);
    ShowViewOptions(viewOptions_);
}

void TOptionsDialog::SetSystemOptions(const AppSystemOptions& options) {
    systemOptions_ = options;
    ShowSystemOptions(systemOptions_);
}

void TOptionsDialog::SetDisplayOptions(const AppDisplayOptions& options) {
    displayOptions_ = ClampOptions(options);
    ShowDisplayOptions(displayOptions_);
}

void TOptionsDialog::SetKeyOptions(const AppKeyOptions& options) {
    keyOptions_ = options;
    keysPage_->SetKeys(keyOptions_);
}

void TOptionsDialog::SetBoardOptions(const AppBoardOptions& options) {
    boardOptions_ = options;
    boardPage_->SetOptions(boardOptions_);
}

void TOptionsDialog::SetKeyLabels(TKeysPage::Labeller labeller) {
    keysPage_->SetLabeller(std::move(labeller));
}

void TOptionsDialog::SetZoomOnScreen(std::function<int(int chosen)> zoomOnScreen) {
    zoomOnScreen_ = std::move(zoomOnScreen);
    ShowZoomOnScreen();
}

void TOptionsDialog::ShowZoomOnScreen() {
    const int chosen = Page2_ComboBox1->currentIndex();
    const int shown = zoomOnScreen_ ? zoomOnScreen_(chosen) : chosen;
    Page2_ZoomNote->setText(shown == chosen ? QString() : ZoomNote(shown));
}

AppPlayOptions TOptionsDialog::GetPlayOptions() const {
    return playOptions_;
}

AppViewOptions TOptionsDialog::GetViewOptions() const {
    return viewOptions_;
}

AppSystemOptions TOptionsDialog::GetSystemOptions() const {
    return systemOptions_;
}

AppDisplayOptions TOptionsDialog::GetDisplayOptions() const {
    return displayOptions_;
}

AppKeyOptions TOptionsDialog::GetKeyOptions() const {
    return keyOptions_;
}

void TOptionsDialog::ShowPlayOptions(const AppPlayOptions& options) {
    ShowFields(*this, options);
    Page1_ComboBox1->setCurrentIndex(FindPreset(options));
}

void TOptionsDialog::ShowViewOptions(const AppViewOptions& options) {
    ShowFields(*this, options);
}

void TOptionsDialog::ShowSystemOptions(const AppSystemOptions& options) {
    ShowFields(*this, options);
}

void TOptionsDialog::ShowDisplayOptions(const AppDisplayOptions& options) {
    ShowFields(*this, options);
}

void TOptionsDialog::SetPageDefaults(int page) {
    switch (page) {
    case pagePlay:
        SetPlayOptions(AppPlayOptions());
        break;
    case pageView: {
        SetViewOptions(AppViewOptions());
        // Full screen is no choice of the page: it stays as it is.
        AppDisplayOptions display;
        display.FullScreen = displayOptions_.FullScreen;
        SetDisplayOptions(display);
        break;
    }
    case pageSystem:
        SetSystemOptions(AppSystemOptions());
        break;
    case pageKeys:
        SetKeyOptions(AppKeyOptions());
        break;
    case pageBoard:
        SetBoardOptions(AppBoardOptions());
        break;
    default:
        break;
    }
}

void TOptionsDialog::SetAllDefaults() {
    SetPageDefaults(pagePlay);
    SetPageDefaults(pageView);
    SetPageDefaults(pageSystem);
    SetPageDefaults(pageKeys);
    SetPageDefaults(pageBoard);
}

void TOptionsDialog::done(int result) {
    if (result == QDialog::Accepted && !boardPage_->Options()) {
        PageControl1->setCurrentIndex(pageBoard);
        return;
    }
    FormClose(result);
    QDialog::done(result);
}

void TOptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TOptionsDialog::FormShow() {
    // The dialog opens in the middle of the screen, not over its parent.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    Button1->setFocus();
}

void TOptionsDialog::FormClose(int result) {
    AppPlayOptions play = playOptions_;
    AppViewOptions view = viewOptions_;
    AppSystemOptions system = systemOptions_;
    AppDisplayOptions display = displayOptions_;
    AppKeyOptions keys = keyOptions_;
    AppBoardOptions board = boardOptions_;

    if (result == QDialog::Accepted) {
        board = boardPage_->Options().value_or(board);
        ReadFields(*this, play);
        ReadFields(*this, view);
        ReadFields(*this, system);
        ReadFields(*this, display);
        keys = keysPage_->Keys();
    }

    // With OK this bounds and stores the entries; with Cancel it puts the stored values back.
    SetPlayOptions(play);
    SetViewOptions(view);
    SetSystemOptions(system);
    SetDisplayOptions(display);
    SetKeyOptions(keys);
    SetBoardOptions(board);
}

void TOptionsDialog::ButtonClick(QObject* sender) {
    if (sender == Button3)
        SetPageDefaults(PageControl1->currentIndex());
    else if (sender == Button4)
        SetAllDefaults();
}

void TOptionsDialog::Page1_ComboBox1Click(int index) {
    // "(None)" stands for no preset and changes nothing.
    if (index <= 0 || index >= appPlayPresetCount)
        return;
    ShowPlayOptions(AppPlayPresets(index));
}
