// The main window: its menus and boxes, the player's input, and the picture painted into it.
#include "TForm1.h"

#include "AppConstants.h"
#include "AppIcon.h"
#include "AppMessageBox.h"
#include "AppRenderer.h"
#include "AppShellTexts.h"
#include "AppSound.h"
#include "TAboutDialog.h"
#include "TOptionsDialog.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include <malloc.h>

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

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      pointer_([] { return std::optional<QPoint>(QCursor::pos()); }) {
    clientArea_ = new QWidget(this);
    clientArea_->setObjectName(QStringLiteral("ClientArea"));
    clientArea_->setFocusPolicy(Qt::StrongFocus);
    clientArea_->setAttribute(Qt::WA_OpaquePaintEvent);
    clientArea_->installEventFilter(this);
    setCentralWidget(clientArea_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    BuildMenus();
    setWindowTitle(Constants().productName);

    session_ =
        std::make_unique<AppPlaySession>([this](const QRect& rect) { clientArea_->update(rect); },
                                         [this](const QSize& size) {
                                             clientArea_->setFixedSize(size);
                                             adjustSize();
                                         });
    connect(session_.get(), &AppPlaySession::Changed, this, &TForm1::ShowPause);
    settings_ = std::make_unique<AppSettingsKeeper>(*this, Game(), Sound(),
                                                    [this] { return ConfirmClearRecord(); });
    settings_->Load();
    connect(session_.get(), &AppPlaySession::StepEnded, this,
            [this](AppState before) { scoreKeeper_.Observe(Game(), before, false); });
    session_->Start();
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                // Our own menus, boxes and dialogs keep the application active.
                if (state != Qt::ApplicationActive)
                    PauseWhenInactive();
            });
    clientArea_->setFocus();
}

TForm1::~TForm1() {
    session_->Close();
    settings_->Save();
}

void TForm1::FormShown() {
    // Decoding the icon's images and starting the sound output wait for the window, which
    // shows as soon without them; the desktop takes the icon when it comes.
    setWindowIcon(AppIcon());
    Sound().StartOutput();
    // Start-up's passing buffers (the settings file read, the pictures decoded) leave free
    // pages inside the heap: they go back to the system now.
    malloc_trim(0);
}

void TForm1::MakeDialogs() {
    if (makeDialogs_)
        std::exchange(makeDialogs_, {})();
}

void TForm1::SetDialogs(TOptionsDialog* optionsDialog, TAboutDialog* aboutDialog) {
    optionsDialog_ = optionsDialog;
    aboutDialog_ = aboutDialog;
}

void TForm1::BuildMenus() {
    auto addItem = [this](QMenu* menu, const QString& caption, const char* name, auto command,
                          QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    auto nameMenu = [](QMenu* menu, const char* name) {
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addSeparator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu* game = nameMenu(menuBar()->addMenu(tr("&Game")), "Game_MItem");
    addItem(game, tr("&New"), "Game_New_MItem", &TForm1::NewCommand, Qt::Key_F2);
    Game_Pause_MItem =
        addItem(game, tr("&Pause"), "Game_Pause_MItem", &TForm1::PauseCommand, Qt::Key_P);
    Game_Pause_MItem->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    Game_Pause_MItem->setCheckable(true);
    addSeparator(game, "N1");
    addItem(game, tr("&Status"), "Game_Status_MItem", &TForm1::StatusCommand, Qt::Key_F4);
    addItem(game, tr("S&cores"), "Game_Scores_MItem", &TForm1::ScoresCommand, Qt::Key_F6);
    addItem(game, tr("&Options"), "Game_Options_MItem", &TForm1::OptionsCommand, Qt::Key_F5);
    addSeparator(game, "N2");
    addItem(game, tr("E&xit"), "Game_Exit_MItem", &TForm1::close);

    QMenu* help = nameMenu(menuBar()->addMenu(tr("&Help")), "Help_MItem");
    //: The command that opens the help page; may differ from the menu's name.
    addItem(help, tr("&Help", "command"), "Help_Help_MItem", &TForm1::HelpCommand, Qt::Key_F1);
    addItem(help, tr("&Tips"), "Help_Tips_MItem", &TForm1::TipsCommand);
    addSeparator(help, "N3");
    //: Opens the About dialog; desktops usually name the program here ("About Zingaroo").
    addItem(help, tr("&About"), "Help_About_MItem", &TForm1::AboutCommand);

    PopupMenu1 = nameMenu(new QMenu(this), "PopupMenu1");
    addItem(PopupMenu1, tr("&New"), "Popup_New_MItem", &TForm1::NewCommand);
    addSeparator(PopupMenu1, "N4");
    addItem(PopupMenu1, tr("&Status"), "Popup_Status_MItem", &TForm1::StatusCommand);
    addItem(PopupMenu1, tr("&Options"), "Popup_Options_MItem", &TForm1::OptionsCommand);
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
        painter.drawImage(QPoint(0, 0), Renderer().Picture());
        if (!painted_) {
            painted_ = true;
            QMetaObject::invokeMethod(this, &TForm1::FormShown, Qt::QueuedConnection);
        }
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

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        PauseWhenInactive();
    QMainWindow::changeEvent(event);
}

void TForm1::FormMouseDown(Qt::MouseButton button) {
    // While paused only a left click counts: it goes on with the game.
    if (session_->Paused()) {
        if (button == Qt::LeftButton)
            session_->SetPaused(false);
        return;
    }
    const AppState state = Game().State();
    const bool standing = Game().ball.IsStanding();
    Game().FormMouseDown(GameButton(button));
    scoreKeeper_.Observe(Game(), state, standing);
    session_->Settle();
}

void TForm1::FormKeyDown(int qtKey) {
    const int key = GameKey(qtKey);
    if (key == 0 || session_->Paused())
        return;
    const AppState state = Game().State();
    Game().FormKeyDown(key, PointerInClientArea());
    scoreKeeper_.Observe(Game(), state, false);
    session_->Settle();
}

std::optional<AppPoint> TForm1::PointerInClientArea() const {
    const std::optional<QPoint> screen = pointer_();
    if (!screen)
        return std::nullopt;
    const QPoint client = clientArea_->mapFromGlobal(*screen);
    return AppPoint{client.x(), client.y()};
}

void TForm1::NewCommand() {
    Game().SetState(stPlaying);
    session_->SetPaused(false);
}

void TForm1::PauseCommand() {
    session_->SetPaused(!session_->Paused());
}

void TForm1::PauseWhenInactive() {
    if (SystemOptions().PauseWhenInactive)
        session_->SetPaused(true);
}

void TForm1::ShowPause() {
    Game_Pause_MItem->setEnabled(Game().State() == stPlaying);
    Game_Pause_MItem->setChecked(session_->Paused());
    scoreKeeper_.SetPaused(session_->Paused());
}

void TForm1::StatusCommand() {
    //: The title of the box the Status command shows: the same word as the menu item.
    AppMessageBox::Show(AppShellTexts::Status(Game(), session_->Paused()), tr("Status"),
                        AppMessageBox::mbIconInformation, this);
}

void TForm1::ScoresCommand() {
    scoreKeeper_.ShowScores(Game().PlayOptions());
}

void TForm1::OptionsCommand() {
    MakeDialogs();
    if (!optionsDialog_)
        return;
    AppGame& game = Game();
    optionsDialog_->SetPlayOptions(game.PlayOptions());
    optionsDialog_->SetViewOptions(game.ViewOptions());
    optionsDialog_->SetSystemOptions(SystemOptions());
    if (optionsDialog_->exec() != QDialog::Accepted)
        return;
    const bool changed = optionsDialog_->GetPlayOptions() != game.PlayOptions() ||
                         optionsDialog_->GetViewOptions() != game.ViewOptions();
    game.SetPlayOptions(optionsDialog_->GetPlayOptions());
    game.SetViewOptions(optionsDialog_->GetViewOptions());
    ApplySystemOptions(optionsDialog_->GetSystemOptions());
    if (changed)
        game.SetState(stSetup);
    session_->Settle();
}

void TForm1::HelpCommand() {
    if (AppMessageBox::Show(AppShellTexts::HelpQuestion(), tr("Help"),
                            AppMessageBox::mbIconQuestion | AppMessageBox::mbOkCancel,
                            this) == AppMessageBox::idOk)
        QDesktopServices::openUrl(QUrl::fromLocalFile(Constants().helpFile));
}

void TForm1::TipsCommand() {
    AppMessageBox::Show(AppShellTexts::Tips(), tr("Tips"), AppMessageBox::mbIconInformation, this);
}

void TForm1::AboutCommand() {
    MakeDialogs();
    if (aboutDialog_)
        aboutDialog_->exec();
}

bool TForm1::ConfirmClearRecord() {
    return AppMessageBox::Show(AppShellTexts::ClearRecordQuestion(), tr("Confirmation"),
                               AppMessageBox::mbIconInformation | AppMessageBox::mbOkCancel,
                               this) == AppMessageBox::idOk;
}
