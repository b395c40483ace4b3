// The three-page options dialog that edits copies of the play, view and system options.
#include "TOptionsDialog.h"

#include "AppDecimal.h"
#include "AppOptionFields.h"
#include "AppPlayPresets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>

#include <optional>

namespace {

// Where the controls sit in the fixed-size dialog, in pixels.
constexpr int clientWidth = 529;
constexpr int clientHeight = 345;
constexpr int margin = 8;
constexpr int pageControlWidth = 401;
constexpr int pageControlHeight = 329;
constexpr int buttonLeft = margin + pageControlWidth + 15;
constexpr int buttonWidth = 97;
constexpr int buttonHeight = 31;
constexpr int groupBoxWidth = 377;
constexpr int rowTop = 28;
constexpr int rowSpacing = 32;
constexpr int rowHeight = 24;
constexpr int labelLeft = 16;
constexpr int labelWidth = 209;
constexpr int controlLeft = labelLeft + labelWidth + 8;
constexpr int editWidth = 121;
constexpr int comboWidth = 129;
constexpr int checkBoxWidth = 337;

int GroupBoxHeight(int rows) {
    return rowTop + rows * rowSpacing;
}

int RowY(int row) {
    return rowTop + row * rowSpacing;
}

// The record's fields put into the dialog's controls.
template <class Record> void ShowFields(const QObject& dialog, const Record& record) {
    for (const AppOptionField<Record>& field : AppOptionTable<Record>::fields) {
        const QString name = QString::fromUtf8(field.control);
        if (field.flag)
            dialog.findChild<QCheckBox*>(name)->setChecked(record.*field.flag);
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
        if (field.flag) {
            record.*field.flag = dialog.findChild<QCheckBox*>(name)->isChecked();
        } else {
            const QString text = dialog.findChild<QLineEdit*>(name)->text().trimmed();
            if (const std::optional<std::int32_t> value = ParseDecimal(text.toStdString()))
                record.*field.integer = *value;
        }
    }
}

QCheckBox* AddCheckBox(QGroupBox* box, int row, const QString& caption, const QString& name) {
    auto* checkBox = new QCheckBox(caption, box);
    checkBox->setObjectName(name);
    checkBox->setGeometry(labelLeft, RowY(row), checkBoxWidth, rowHeight);
    return checkBox;
}

QGroupBox* AddGroupBox(QWidget* page, int top, int rows, const QString& caption,
                       const QString& name) {
    auto* box = new QGroupBox(caption, page);
    box->setObjectName(name);
    box->setGeometry(margin, top, groupBoxWidth, GroupBoxHeight(rows));
    return box;
}

} // namespace

TOptionsDialog::TOptionsDialog(QWidget* parent) : QDialog(parent) {
    CreateControls();
    for (int i = 0; i < appPlayPresetCount; ++i)
        Page1_ComboBox1->addItem(QString::fromUtf8(AppPlayPresetNames(i)));
    Page1_ComboBox1->setCurrentIndex(0);
    SetAllDefaults();
    PageControl1->setCurrentIndex(pagePlay);
}

void TOptionsDialog::CreateControls() {
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(clientWidth, clientHeight);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(margin, margin, pageControlWidth, pageControlHeight);

    const auto addPage = [this](const QString& name, const QString& caption) {
        auto* page = new QWidget;
        page->setObjectName(name);
        PageControl1->addTab(page, caption);
        return page;
    };
    CreatePlayPage(addPage(QStringLiteral("TabSheet1"), QStringLiteral("Play")));
    CreateViewPage(addPage(QStringLiteral("TabSheet2"), QStringLiteral("View")));
    CreateSystemPage(addPage(QStringLiteral("TabSheet3"), QStringLiteral("System")));
    CreateButtons();
}

QLineEdit* TOptionsDialog::AddEditRow(QGroupBox* box, int row, const QString& caption,
                                      const QString& editName) {
    auto* edit = new QLineEdit(box);
    edit->setObjectName(editName);
    edit->setGeometry(controlLeft, RowY(row), editWidth, rowHeight);
    auto* label = new QLabel(caption, box);
    label->setGeometry(labelLeft, RowY(row), labelWidth, rowHeight);
    label->setBuddy(edit);
    return edit;
}

void TOptionsDialog::CreatePlayPage(QWidget* page) {
    auto* box =
        AddGroupBox(page, margin, 8, QStringLiteral("Play"), QStringLiteral("Page1_GroupBox1"));
    Page1_Edit1 =
        AddEditRow(box, 0, QStringLiteral("&Width (16-32):"), QStringLiteral("Page1_Edit1"));
    Page1_Edit2 =
        AddEditRow(box, 1, QStringLiteral("&Height (16-32):"), QStringLiteral("Page1_Edit2"));
    Page1_Edit3 = AddEditRow(box, 2, QStringLiteral("Paddle-&First (1-1024):"),
                             QStringLiteral("Page1_Edit3"));
    Page1_Edit4 =
        AddEditRow(box, 3, QStringLiteral("Paddle-&Plus (0-1024):"), QStringLiteral("Page1_Edit4"));
    Page1_Edit5 =
        AddEditRow(box, 4, QStringLiteral("Paddle-&Max (1-1024):"), QStringLiteral("Page1_Edit5"));
    Page1_Edit6 =
        AddEditRow(box, 5, QStringLiteral("Sp&eed (10-1000 ms.):"), QStringLiteral("Page1_Edit6"));

    Page1_CheckBox1 = new QCheckBox(QStringLiteral("&Use Sweeper"), box);
    Page1_CheckBox1->setObjectName(QStringLiteral("Page1_CheckBox1"));
    Page1_CheckBox1->setGeometry(controlLeft, RowY(6), groupBoxWidth - controlLeft - margin,
                                 rowHeight);

    // Choice only: the presets are picked, never typed.
    Page1_ComboBox1 = new QComboBox(box);
    Page1_ComboBox1->setObjectName(QStringLiteral("Page1_ComboBox1"));
    Page1_ComboBox1->setEditable(false);
    Page1_ComboBox1->setGeometry(controlLeft, RowY(7), comboWidth, rowHeight);
    auto* label = new QLabel(QStringLiteral("&Arrange:"), box);
    label->setGeometry(labelLeft, RowY(7), labelWidth, rowHeight);
    label->setBuddy(Page1_ComboBox1);
    // Only a pick by the user applies a preset; selecting from code (ShowPlayOptions) must not.
    connect(Page1_ComboBox1, &QComboBox::activated, this, &TOptionsDialog::Page1_ComboBox1Click);
}

void TOptionsDialog::CreateViewPage(QWidget* page) {
    auto* box = AddGroupBox(page, margin, 2, QStringLiteral("Character"),
                            QStringLiteral("Page2_GroupBox1"));
    Page2_Edit1 =
        AddEditRow(box, 0, QStringLiteral("&Width (18-32):"), QStringLiteral("Page2_Edit1"));
    Page2_Edit2 =
        AddEditRow(box, 1, QStringLiteral("&Height (18-32):"), QStringLiteral("Page2_Edit2"));
}

void TOptionsDialog::CreateSystemPage(QWidget* page) {
    auto* running = AddGroupBox(page, margin, 3, QStringLiteral("Running Time"),
                                QStringLiteral("Page3_GroupBox1"));
    Page3_CheckBox1 =
        AddCheckBox(running, 0, QStringLiteral("&Play Sound"), QStringLiteral("Page3_CheckBox1"));
    Page3_CheckBox2 = AddCheckBox(running, 1, QStringLiteral("&Clear Record Now"),
                                  QStringLiteral("Page3_CheckBox2"));
    Page3_CheckBox3 =
        AddCheckBox(running, 2, QStringLiteral("&Stay on Top"), QStringLiteral("Page3_CheckBox3"));

    const int startingTop = margin + GroupBoxHeight(3) + margin;
    auto* starting = AddGroupBox(page, startingTop, 2, QStringLiteral("Starting Time"),
                                 QStringLiteral("Page3_GroupBox2"));
    Page3_CheckBox4 = AddCheckBox(starting, 0, QStringLiteral("&Restore Record"),
                                  QStringLiteral("Page3_CheckBox4"));
    Page3_CheckBox5 = AddCheckBox(starting, 1, QStringLiteral("R&estore Window Position"),
                                  QStringLiteral("Page3_CheckBox5"));
}

void TOptionsDialog::CreateButtons() {
    const auto addButton = [this](int top, const QString& caption, const QString& name) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(buttonLeft, top, buttonWidth, buttonHeight);
        return button;
    };
    Button1 = addButton(32, QStringLiteral("OK"), QStringLiteral("Button1"));
    Button2 = addButton(72, QStringLiteral("Cancel"), QStringLiteral("Button2"));
    Button3 = addButton(128, QStringLiteral("Default"), QStringLiteral("Button3"));
    Button4 = addButton(168, QStringLiteral("All Def."), QStringLiteral("Button4"));

    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, [this] { ButtonClick(Button3); });
    connect(Button4, &QPushButton::clicked, this, [this] { ButtonClick(Button4); });
}

void TOptionsDialog::SetPlayOptions(const AppPlayOptions& options) {
    playOptions = ClampOptions(options);
    ShowPlayOptions(playOptions);
}

void TOptionsDialog::SetViewOptions(const AppViewOptions& options) {
    viewOptions = ClampOptions(options);
    ShowViewOptions(viewOptions);
}

void TOptionsDialog::SetSystemOptions(const AppSystemOptions& options) {
    systemOptions = options;
    ShowSystemOptions(systemOptions);
}

AppPlayOptions TOptionsDialog::GetPlayOptions() const {
    return playOptions;
}

AppViewOptions TOptionsDialog::GetViewOptions() const {
    return viewOptions;
}

AppSystemOptions TOptionsDialog::GetSystemOptions() const {
    return systemOptions;
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

void TOptionsDialog::SetPageDefaults(int page) {
    switch (page) {
    case pagePlay:
        SetPlayOptions(AppPlayOptions());
        break;
    case pageView:
        SetViewOptions(AppViewOptions());
        break;
    case pageSystem:
        SetSystemOptions(AppSystemOptions());
        break;
    default:
        break;
    }
}

void TOptionsDialog::SetAllDefaults() {
    SetPageDefaults(pagePlay);
    SetPageDefaults(pageView);
    SetPageDefaults(pageSystem);
}

void TOptionsDialog::done(int result) {
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
    AppPlayOptions play = playOptions;
    AppViewOptions view = viewOptions;
    AppSystemOptions system = systemOptions;

    if (result == QDialog::Accepted) {
        ReadFields(*this, play);
        ReadFields(*this, view);
        ReadFields(*this, system);
    }

    // With OK this bounds and stores the entries; with Cancel it puts the stored values back.
    SetPlayOptions(play);
    SetViewOptions(view);
    SetSystemOptions(system);
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
