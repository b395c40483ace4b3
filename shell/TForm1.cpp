// The main window: owns the game, its picture and sound, paces the step loop and takes input.
#include "TForm1.h"

#include "AppConstants.h"
#include "AppIcon.h"
#include "AppLanguage.h"
#include "AppMessageBox.h"
#include "AppRenderer.h"
#include "AppSettingsLocation.h"
#include "AppSettingsStore.h"
#include "AppSound.h"
#include "AppWindowStacking.h"
#include "TAboutDialog.h"
#include "TOptionsDialog.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QUrl>
#include <QWindow>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <utility>

namespace {

// The game's code for a Qt key, or 0 for a key it ignores. Qt already gives a
// letter as its upper-case character code, whatever the case and modifiers.
int GameKey(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey;
    if (qtKey == Qt::Key_Left)
        return AppKey::Left;
    if (qtKey == Qt::Key_Right)
        return AppKey::Right;
    return 0;
}

AppMouseButton GameButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return AppMouseButton::Left;
    case Qt::RightButton:
        return AppMouseButton::Right;
    case Qt::MiddleButton:
        return AppMouseButton::Middle;
    default:
        return AppMouseButton::Other;
    }
}

// The main window whose settings are not saved yet. When the display goes
// away, Qt's X11 connection ends the process with exit(), which destroys no
// window: an exit handler saves the settings then. It only reads the game's
// values and writes the file, and the step loop is never mid-step when the
// connection is checked.
TForm1* unsavedForm = nullptr;

QString JoinLines(std::initializer_list<QString> lines) {
    QStringList list(lines);
    return list.join(QStringLiteral("\r\n"));
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      pointer_([] { return std::optional<QPoint>(QCursor::pos()); }) {
    const AppConstants& constants = Constants();
    clientArea_ = new QWidget(this);
    clientArea_->setObjectName(QStringLiteral("ClientArea"));
    clientArea_->setFocusPolicy(Qt::StrongFocus);
    clientArea_->setAttribute(Qt::WA_OpaquePaintEvent);
    clientArea_->installEventFilter(this);
    setCentralWidget(clientArea_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    BuildMenus();

    // The ball, the counters and the play and view records come with the game.
    game_ = std::make_unique<AppGame>(random_);
    game_->SetTexts(AppLanguage::GameTexts());
    random_.Seed(static_cast<std::uint64_t>(std::time(nullptr)));
    setWindowTitle(constants.productName);
    setWindowIcon(AppIcon());
    renderer_ = std::make_unique<AppRenderer>(
        *game_, random_, constants.productName,
        [this](const QRect& rect) { clientArea_->update(rect); },
        [this](const QSize& size) {
            clientArea_->setFixedSize(size);
            adjustSize();
        });
    game_->SetPicture(*renderer_);
    game_->CreateField();
    sound_ = std::make_unique<AppSound>(constants.soundFolder);
    game_->SetSound(*sound_);
    LoadSettings();
    static const bool saveAtExit = std::atexit([] {
                                       if (unsavedForm != nullptr)
                                           std::exchange(unsavedForm, nullptr)->SaveSettings();
                                   }) == 0;
    if (saveAtExit)
        unsavedForm = this;
    loop_ = std::make_unique<AppStepLoop>(
        this, [this] { WMGameStep(); }, [this] { return game_->PlayOptions().Speed; },
        [this] { return game_->State() == stClosing; });
    connect(loop_.get(), &AppStepLoop::PeriodEnded, this, &TForm1::PeriodEnded);
    loop_->PostGameStep();
    game_->SetState(stSetup);
    clientArea_->setFocus();
}

TForm1::~TForm1() {
    game_->SetState(stClosing);
    if (unsavedForm == this)
        unsavedForm = nullptr;
    SaveSettings();
    sound_.reset();
    game_->DestroyField();
    renderer_.reset();
}

void TForm1::SetDialogs(TOptionsDialog* optionsDialog, TAboutDialog* aboutDialog) {
    optionsDialog_ = optionsDialog;
    aboutDialog_ = aboutDialog;
}

void TForm1::BuildMenus() {
    auto addItem = [this](QMenu* menu, const QString& caption, const char* name,
                          QKeySequence shortcut, void (TForm1::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    Game_MItem = menuBar()->addMenu(tr("&Game"));
    Game_MItem->setObjectName(QStringLiteral("Game_MItem"));
    Game_New_MItem = addItem(Game_MItem, tr("&New"), "Game_New_MItem", QKeySequence(Qt::Key_F2),
                             &TForm1::Game_MItemClick);
    Game_MItem->addSeparator()->setObjectName(QStringLiteral("N1"));
    Game_Status_MItem = addItem(Game_MItem, tr("&Status"), "Game_Status_MItem",
                                QKeySequence(Qt::Key_F4), &TForm1::Game_MItemClick);
    Game_Options_MItem = addItem(Game_MItem, tr("&Options"), "Game_Options_MItem",
                                 QKeySequence(Qt::Key_F5), &TForm1::Game_MItemClick);
    Game_MItem->addSeparator()->setObjectName(QStringLiteral("N2"));
    Game_Exit_MItem = addItem(Game_MItem, tr("E&xit"), "Game_Exit_MItem", QKeySequence(),
                              &TForm1::Game_MItemClick);

    Help_MItem = menuBar()->addMenu(tr("&Help"));
    Help_MItem->setObjectName(QStringLiteral("Help_MItem"));
    //: The command that opens the help page; may differ from the menu's name.
    Help_Help_MItem = addItem(Help_MItem, tr("&Help", "command"), "Help_Help_MItem",
                              QKeySequence(Qt::Key_F1), &TForm1::Help_MItemClick);
    Help_Tips_MItem = addItem(Help_MItem, tr("&Tips"), "Help_Tips_MItem", QKeySequence(),
                              &TForm1::Help_MItemClick);
    Help_MItem->addSeparator()->setObjectName(QStringLiteral("N3"));
    //: Opens the About dialog; desktops usually name the program here ("About Zingaroo").
    Help_About_MItem = addItem(Help_MItem, tr("&About"), "Help_About_MItem", QKeySequence(),
                               &TForm1::Help_MItemClick);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Popup_New_MItem = addItem(PopupMenu1, tr("&New"), "Popup_New_MItem", QKeySequence(),
                              &TForm1::Popup_MItemClick);
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N4"));
    Popup_Status_MItem = addItem(PopupMenu1, tr("&Status"), "Popup_Status_MItem", QKeySequence(),
                                 &TForm1::Popup_MItemClick);
    Popup_Options_MItem = addItem(PopupMenu1, tr("&Options"), "Popup_Options_MItem", QKeySequence(),
                                  &TForm1::Popup_MItemClick);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched != clientArea_)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint: {
        // The picture is copied pixel for pixel; on a scaled screen each
        // picture pixel becomes a block of whole device pixels, never a blur.
        QPainter painter(clientArea_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QPoint(0, 0), renderer_->BackBuffer());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The second press of a quick double click comes as a double click:
        // it is a press all the same (start, then launch at once).
        FormMouseDown(static_cast<QMouseEvent*>(event)->button());
        return false;
    case QEvent::KeyPress:
        FormKeyDown(static_cast<QKeyEvent*>(event)->key());
        return false;
    default:
        return false;
    }
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu1->popup(event->globalPos());
}

void TForm1::FormMouseDown(Qt::MouseButton button) {
    game_->FormMouseDown(GameButton(button));
}

void TForm1::FormKeyDown(int qtKey) {
    const int key = GameKey(qtKey);
    if (key == 0)
        return;
    game_->FormKeyDown(key, PointerInClientArea());
}

std::optional<AppPoint> TForm1::PointerInClientArea() const {
    const std::optional<QPoint> screen = pointer_();
    if (!screen)
        return std::nullopt;
    const QPoint client = clientArea_->mapFromGlobal(*screen);
    return AppPoint{client.x(), client.y()};
}

bool TForm1::event(QEvent* event) {
    if (event->type() != AppStepLoop::WM_GAMESTEP)
        return QMainWindow::event(event);
    loop_->Receive();
    return true;
}

void TForm1::WMGameStep() {
    game_->Step();
}

void TForm1::Game_MItemClick() {
    const QObject* item = sender();
    if (item == Game_New_MItem) {
        game_->SetState(stPlaying);
    } else if (item == Game_Status_MItem) {
        const QString text = JoinLines({QString::fromStdString(game_->StateText()),
                                        QString::fromStdString(game_->ScoreText()),
                                        QString::fromStdString(game_->RecordText())});
        //: The title of the box the Status command shows: the same word as the menu item.
        AppMessageBox::Show(text, tr("Status"), AppMessageBox::mbIconInformation, this);
    } else if (item == Game_Options_MItem) {
        OptionsCommand();
    } else if (item == Game_Exit_MItem) {
        close();
    }
}

void TForm1::Help_MItemClick() {
    const QObject* item = sender();
    if (item == Help_Help_MItem) {
        const QString text = JoinLines({
            //: Shown before the help page opens, above "Sure?": OK opens it, Cancel does not.
            tr("Opening HTML help file."),
            QString(),
            //: Asks whether to go on with the action named in the line above.
            tr("Sure?"),
        });
        if (AppMessageBox::Show(text, tr("Help"),
                                AppMessageBox::mbIconQuestion | AppMessageBox::mbOkCancel,
                                this) == AppMessageBox::idOk)
            QDesktopServices::openUrl(QUrl::fromLocalFile(Constants().helpFile));
    } else if (item == Help_Tips_MItem) {
        const QString text = JoinLines({
            tr("[Control]"),
            //: Point the mouse at a cell of the field.
            tr("Mouse: Point the field."),
            //: Instructions, in the same mood as the line above: a key puts a paddle in the
            //: pointed cell or shoves the obstacle there.
            tr("Keyboard: Put a paddle. Move an obstacle."),
            QString(),
            tr("[Key Sets]"),
            //: The letters name keys and stay as they are.
            tr("Set 1: W, R, S, F"),
            //: The letters name keys and stay as they are.
            tr("Set 2: U, O, J, L"),
            //: The arrow keys.
            tr("Set 3: Left, Right"),
            QString(),
            tr("[Score]"),
            tr("Point: 1 point for 1 bounce."),
            //: A phase is won by clearing every fresh paddle from the field.
            tr("Phase: 1 phase for all paddles in the field."),
        });
        AppMessageBox::Show(text, tr("Tips"), AppMessageBox::mbIconInformation, this);
    } else if (item == Help_About_MItem) {
        if (aboutDialog_)
            aboutDialog_->exec();
    }
}

void TForm1::Popup_MItemClick() {
    const QObject* item = sender();
    if (item == Popup_New_MItem)
        Game_New_MItem->trigger();
    else if (item == Popup_Status_MItem)
        Game_Status_MItem->trigger();
    else if (item == Popup_Options_MItem)
        Game_Options_MItem->trigger();
}

void TForm1::OptionsCommand() {
    if (!optionsDialog_)
        return;
    optionsDialog_->SetPlayOptions(game_->PlayOptions());
    optionsDialog_->SetViewOptions(game_->ViewOptions());
    optionsDialog_->SetSystemOptions(systemOptions_);
    if (optionsDialog_->exec() != QDialog::Accepted)
        return;
    const bool changed = optionsDialog_->GetPlayOptions() != game_->PlayOptions() ||
                         optionsDialog_->GetViewOptions() != game_->ViewOptions();
    ApplyPlayOptions(optionsDialog_->GetPlayOptions());
    ApplyViewOptions(optionsDialog_->GetViewOptions());
    ApplySystemOptions(optionsDialog_->GetSystemOptions());
    if (changed)
        game_->SetState(stSetup);
}

void TForm1::ApplyPlayOptions(const AppPlayOptions& options) {
    game_->SetPlayOptions(options);
}

void TForm1::ApplyViewOptions(const AppViewOptions& options) {
    game_->SetViewOptions(options);
}

void TForm1::ApplySystemOptions(const AppSystemOptions& options) {
    systemOptions_ = options;
    sound_->SetEnabled(options.PlaySound);
    if (systemOptions_.ClearRecordNow) {
        const QString text = JoinLines({
            //: Shown before the record is cleared, above "Sure?": OK clears it, Cancel keeps it.
            tr("Clearing the record."),
            QString(),
            //: Asks whether to go on with the action named in the line above.
            tr("Sure?"),
        });
        if (AppMessageBox::Show(text, tr("Confirmation"),
                                AppMessageBox::mbIconInformation | AppMessageBox::mbOkCancel,
                                this) == AppMessageBox::idOk) {
            game_->SetRecord(0, 0);
            settingsStore_.RecordCleared();
        }
        systemOptions_.ClearRecordNow = false;
    }
    SetStayOnTop(systemOptions_.StayOnTop);
}

void TForm1::SetStayOnTop(bool onTop) {
    // Set on every call, so that a stacking something else changed is put
    // back. The flag goes to the existing native window: changing the
    // widget's window flags would hide the window and make a new one.
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle()) {
        window->setFlags(flags);
        AppWindowStacking::SetAbove(window, onTop);
    }
}

namespace {
std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
} // namespace

void TForm1::LoadSettings() {
    // Without a stored position the window manager places the window, so the
    // working position is one no file gives.
    constexpr std::int32_t noPosition = std::numeric_limits<std::int32_t>::min();
    AppSettingsValues working;
    working.left = noPosition;
    working.top = noPosition;
    const QString path = AppSettingsLocation::ReadPath(Constants().exeFolder);
    settingsStore_.Load(LocalPath(path), working);
    ApplyPlayOptions(working.play);
    ApplyViewOptions(working.view);
    ApplySystemOptions(working.system);
    if (systemOptions_.RestoreRecord)
        game_->SetRecord(working.recordScore, working.recordPhase);
    if (systemOptions_.RestoreWindowPosition && working.left != noPosition &&
        working.top != noPosition)
        RestorePosition(QPoint(working.left, working.top));
}

void TForm1::RestorePosition(const QPoint& topLeft) {
    // A position from another screen layout could put the window out of
    // reach; it is used only when the title bar's start is on a present screen.
    if (QGuiApplication::screenAt(topLeft + QPoint(titleBarProbe, titleBarProbe)) == nullptr)
        return;
    move(topLeft);
}

void TForm1::SaveSettings() {
    AppSettingsValues values;
    values.play = game_->PlayOptions();
    values.view = game_->ViewOptions();
    values.system = systemOptions_;
    values.recordScore = game_->RecordScore();
    values.recordPhase = game_->RecordPhase();
    values.left = pos().x();
    values.top = pos().y();
    // Starting from the file that was read keeps every other line of it, also
    // when the settings move from beside the program to the config folder.
    // A failed write leaves the previous file whole and is not reported.
    const QString& exeFolder = Constants().exeFolder;
    settingsStore_.Save(LocalPath(AppSettingsLocation::ReadPath(exeFolder)),
                        LocalPath(AppSettingsLocation::WritePath(exeFolder)), values);
}
