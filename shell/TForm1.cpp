// The main window: its menus and boxes, the player's input, and the picture painted into it.
#include "TForm1.h"

#include "AppGameFile.h"
#include "AppGameNumber.h"
#include "AppGamepad.h"
#include "AppIcon.h"
#include "AppLog.h"
#include "AppMessageBox.h"
#include "AppPlayerScores.h"
#include "AppProgramFolders.h"
#include "AppProgramTexts.h"
#include "AppRenderer.h"
#include "AppShellTexts.h"
#include "AppSound.h"
#include "TAboutDialog.h"
#include "TNumberDialog.h"
#include "TOptionsDialog.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <malloc.h>

#include <algorithm>
#include <utility>

namespace {

// Saved games and replays tell their failures in their own category.
void WriteGameLine(const std::string& line) {
    static const AppLog::Report write = AppLog::Writer(gameLog);
    write(line);
}

// How long the last picture of a replay that came to its end stays before the title.
constexpr int replayEndMs = 2000;

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

// A key of the first set for each position, as the recorder takes keys.
int KeyOfPosition(AppKeyPosition position) {
    switch (position) {
    case AppKeyPosition::slash:
        return AppKey::W;
    case AppKeyPosition::back:
        return AppKey::R;
    case AppKeyPosition::backOrShoveLeft:
        return AppKey::S;
    case AppKeyPosition::slashOrShoveRight:
        return AppKey::F;
    default:
        return 0;
    }
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
    clientArea_ =
        new AppFieldView([this]() -> const QImage& { return Renderer().Picture(); }, this);
    clientArea_->setObjectName(QStringLiteral("ClientArea"));
    clientArea_->setFocusPolicy(Qt::StrongFocus);
    clientArea_->installEventFilter(this);
    // Moving the mouse hands the field back from the cursor to the pointer.
    clientArea_->setMouseTracking(true);
    setCentralWidget(clientArea_);
    windowFit_ = std::make_unique<AppWindowFit>(*this, *clientArea_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    BuildMenus();
    setWindowTitle(ProgramTexts().productName);

    session_ =
        std::make_unique<AppPlaySession>([this](const QRect& rect) { clientArea_->ShowRect(rect); },
                                         [this](const QSize& size) {
                                             clientArea_->SetPictureSize(size);
                                             FitZoom();
                                         });
    connect(session_.get(), &AppPlaySession::Changed, this, &TForm1::ShowPause);
    connect(session_.get(), &AppPlaySession::Changed, this, &TForm1::ShowCursor);
    settings_ = std::make_unique<AppSettingsKeeper>(*this, Game(), Sound(),
                                                    [this] { return ConfirmClearRecord(); });
    settings_->Load();
    UpdateLook();
    connect(session_.get(), &AppPlaySession::GameStarted, this,
            [this] { scoreKeeper_.GameStarted(); });
    connect(session_.get(), &AppPlaySession::GameEnded, this,
            [this] { scoreKeeper_.GameEnded(Game(), session_->Recorder().Record()); });
    connect(session_.get(), &AppPlaySession::PauseChanged, this,
            [this](bool paused) { scoreKeeper_.SetPaused(paused); });
    connect(session_.get(), &AppPlaySession::ReplayStopped, this, &TForm1::ReplayStopped);
    scoreKeeper_.SetWatch([this](const std::string& replay) { Watch(replay); });
    session_->Start();
    // Once the picture has its size: the desktop keeps the window's size at its zoom for the
    // window's return from full screen.
    if (DisplayOptions().FullScreen)
        SetFullScreen(true);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                // Our own menus, boxes and dialogs keep the application active.
                if (state != Qt::ApplicationActive)
                    PauseWhenInactive();
            });
    clientArea_->setFocus();
    ConnectGamepad();
}

TForm1::~TForm1() {
    // The game in play is saved with the settings, before it closes.
    settings_->Save();
    session_->Close();
}

void TForm1::ResumeSavedGame() {
    const QString folder = QFileInfo(AppPlayerScores::Path()).path();
    gameSlot_ =
        std::make_unique<AppSavedGameSlot>(QFile::encodeName(folder).toStdString(), WriteGameLine);
    settings_->SetAlsoSave([this] { SaveGameInPlay(); });
    const std::optional<AppSavedGame> saved = gameSlot_->Claim();
    if (!saved)
        return;
    if (const std::string reason = session_->Resume(*saved); !reason.empty()) {
        gameSlot_->Reject(reason);
        return;
    }
    gameSlot_->Release();
    scoreKeeper_.Resumed(saved->playMs, !Game().ball.IsStanding());
    cursor_.StartAt({Game().ball.x, Game().ball.y});
    ShowPause();
}

void TForm1::SaveGameInPlay() {
    if (gameSaved_ || !gameSlot_ || session_->Replaying())
        return;
    gameSaved_ = true;
    if (const std::optional<AppSavedGame> saved = session_->Recorder().Save(scoreKeeper_.PlayMs()))
        gameSlot_->Put(*saved);
}

void TForm1::FormShown() {
    // Decoding the icon's images, starting the sound output and looking for pads wait for
    // the window, which shows as soon without them; the desktop takes the icon when it comes.
    setWindowIcon(AppIcon());
    // The frame is known now, and the zoom follows the window to another screen.
    connect(windowHandle(), &QWindow::screenChanged, this, &TForm1::FitZoom);
    FitZoom();
    Sound().StartOutput();
    gamepad_->Watch();
    // Start-up's passing buffers (the settings file read, the pictures decoded) leave free
    // pages inside the heap: they go back to the system now.
    malloc_trim(0);
}

void TForm1::ConnectGamepad() {
    gamepad_ = new AppGamepad(this);
    // While a box, a dialog or a menu is open the pad waits, as the game's keys do.
    const auto free = [] {
        return QApplication::activeModalWidget() == nullptr &&
               QApplication::activePopupWidget() == nullptr;
    };
    connect(gamepad_, &AppGamepad::Moved, this, [this, free](int dx, int dy) {
        if (free())
            CursorMove(dx, dy);
    });
    // South sends its key first: it acts only on a moving ball, and the launch that follows
    // only on the title or a standing ball, so one press never does both.
    connect(gamepad_, &AppGamepad::KeyPressed, this, [this, free](AppKeyPosition position) {
        if (free())
            CursorKey(position);
    });
    connect(gamepad_, &AppGamepad::LaunchPressed, this, [this, free] {
        if (free())
            CursorLaunch();
    });
    connect(gamepad_, &AppGamepad::PausePressed, this, [this, free] {
        if (free() && Game().State() == stPlaying)
            PauseCommand();
    });
    // A pad pulled out mid-game leaves its player without hands: the game waits.
    connect(gamepad_, &AppGamepad::Unplugged, this, [this] { session_->SetPaused(true); });
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
    //: Asks for a game's number and deals that game: the same number deals the same game.
    addItem(game, tr("New N&umbered Game…"), "Game_NewNumbered_MItem", &TForm1::NewNumberedCommand);
    Game_Pause_MItem =
        addItem(game, tr("&Pause"), "Game_Pause_MItem", &TForm1::PauseCommand, Qt::Key_P);
    Game_Pause_MItem->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    Game_Pause_MItem->setCheckable(true);
    addSeparator(game, "N1");
    addItem(game, tr("&Status"), "Game_Status_MItem", &TForm1::StatusCommand, Qt::Key_F4);
    addItem(game, tr("S&cores"), "Game_Scores_MItem", &TForm1::ScoresCommand, Qt::Key_F6);
    Game_FullScreen_MItem = addItem(
        game, tr("&Full Screen"), "Game_FullScreen_MItem",
        [this] { SetFullScreen(!isFullScreen()); }, Qt::Key_F11);
    Game_FullScreen_MItem->setCheckable(true);
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
    case QEvent::Paint:
        // The first paint means the window is on the screen: what waited for it follows.
        if (!painted_) {
            painted_ = true;
            QMetaObject::invokeMethod(this, &TForm1::FormShown, Qt::QueuedConnection);
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The second press of a quick double click comes as a double click:
        // it is a press all the same (start, then launch at once).
        FormMouseDown(static_cast<QMouseEvent*>(event)->button());
        return false;
    case QEvent::MouseMove:
        PointerMoved(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return false;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Escape only leaves full screen, it never enters it.
        if (key == Qt::Key_Escape && isFullScreen()) {
            SetFullScreen(false);
            return true;
        }
        FormKeyDown(key);
        return false;
    }
    default:
        return false;
    }
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu1->popup(event->globalPos());
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized())
            PauseWhenInactive();
        // The layout follows the state when the desktop changed it on its own (a key of the
        // window manager). The desktop may report the states of quick toggles late, one
        // after the other: only the state they settle in counts.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isFullScreen() != clientArea_->Filling())
                    LayOutFor(isFullScreen());
            },
            Qt::QueuedConnection);
    }
    QMainWindow::changeEvent(event);
}

bool TForm1::event(QEvent* event) {
    // The desktop's colours changed: Automatic may now mean another look.
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange)
        UpdateLook();
    return QMainWindow::event(event);
}

void TForm1::FormMouseDown(Qt::MouseButton button) {
    // Each game from the title gets a fresh number and the player's options.
    if (Game().State() == stTitle && button == Qt::LeftButton && !session_->Paused() &&
        !session_->Replaying()) {
        NewGame(AppGameNumber::FromClock());
        return;
    }
    session_->MouseDown(GameButton(button));
}

void TForm1::FormKeyDown(int qtKey) {
    if (session_->Replaying()) {
        ReplayKey(qtKey);
        return;
    }
    if (SystemOptions().KeyboardCursor && KeyboardCursorKey(qtKey))
        return;
    if (const int key = GameKey(qtKey); key != 0)
        session_->KeyDown(key, PointerInClientArea());
}

bool TForm1::KeyboardCursorKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        CursorMove(-1, 0);
        return true;
    case Qt::Key_Right:
        CursorMove(1, 0);
        return true;
    case Qt::Key_Up:
        CursorMove(0, -1);
        return true;
    case Qt::Key_Down:
        CursorMove(0, 1);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CursorLaunch();
        return true;
    default:
        break;
    }
    // The letters point with the cursor while it shows, else with the mouse.
    const AppKeyPosition position = AppGame::PositionOfKey(GameKey(qtKey));
    if (position == AppKeyPosition::none || !cursor_.Shown())
        return false;
    CursorKey(position);
    return true;
}

bool TForm1::CursorActs() const {
    return session_->Game().State() == stPlaying && !session_->Paused() && !session_->Replaying();
}

void TForm1::UseCursor() {
    cursor_.Show();
    pointerAtCursor_ = pointer_();
}

void TForm1::CursorMove(int dx, int dy) {
    if (!CursorActs())
        return;
    UseCursor();
    const AppField& field = Game().Field();
    cursor_.Move(dx, dy, field.Width(), field.Height());
    ShowCursor();
}

void TForm1::CursorKey(AppKeyPosition position) {
    const int key = KeyOfPosition(position);
    if (!CursorActs() || key == 0)
        return;
    UseCursor();
    // The centre of the cursor cell, as the pointer would give it: a recorded game keeps the
    // key and its cell alike, whichever pointed.
    const QRect cell = CursorRect();
    session_->KeyDown(key, AppPoint{cell.x() + cell.width() / 2, cell.y() + cell.height() / 2});
    ShowCursor();
}

void TForm1::CursorLaunch() {
    UseCursor();
    FormMouseDown(Qt::LeftButton);
    ShowCursor();
}

void TForm1::PointerMoved(const QPoint& screen) {
    // Qt also tells of an unmoved pointer, when the window shows or the pointer enters it;
    // on a screen scaled by a fraction its place may then be rounded one pixel apart.
    if (!cursor_.Shown() ||
        (pointerAtCursor_ && (screen - *pointerAtCursor_).manhattanLength() <= 1))
        return;
    cursor_.Hide();
    ShowCursor();
}

QRect TForm1::CursorRect() const {
    const AppViewOptions& view = session_->Game().ViewOptions();
    const AppPoint cell = cursor_.Cell();
    return {cell.x * view.CharWidth, cell.y * view.CharHeight, view.CharWidth, view.CharHeight};
}

void TForm1::ShowCursor() {
    clientArea_->SetFrame(cursor_.Shown() && CursorActs() ? CursorRect() : QRect());
}

std::optional<AppPoint> TForm1::PointerInClientArea() const {
    const std::optional<QPoint> screen = pointer_();
    if (!screen)
        return std::nullopt;
    // Through the zoom back to the picture's pixels, which the game maps to cells.
    const QPoint pixel = clientArea_->ToPicture(clientArea_->mapFromGlobal(*screen));
    return AppPoint{pixel.x(), pixel.y()};
}

void TForm1::FitZoom() {
    windowFit_->Fit(DisplayOptions().Zoom);
}

void TForm1::ApplyDisplayOptions(const AppDisplayOptions& options) {
    AppDisplayOptions display = options;
    display.FullScreen = DisplayOptions().FullScreen;
    settings_->SetDisplayOptions(display);
    FitZoom();
    UpdateLook();
}

void TForm1::SetFullScreen(bool fullScreen) {
    if (fullScreen == isFullScreen())
        return;
    if (fullScreen)
        normalPlace_ = pos();
    // The layout lets go of the window's size before the desktop resizes it.
    LayOutFor(fullScreen);
    setWindowState(windowState().setFlag(Qt::WindowFullScreen, fullScreen));
    if (fullScreen)
        return;
    move(normalPlace_);
    // Qt knows no frame yet when the window leaves full screen, so the move places the client
    // area where the frame was; where a desktop frames the window, the frame's own place is
    // asked for after it.
    if (windowHandle() != nullptr)
        windowHandle()->setFramePosition(normalPlace_);
}

void TForm1::LayOutFor(bool fullScreen) {
    clientArea_->SetFilling(fullScreen);
    if (fullScreen) {
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        FitZoom();
    }
    Game_FullScreen_MItem->setChecked(fullScreen);
    AppDisplayOptions display = DisplayOptions();
    display.FullScreen = fullScreen;
    settings_->SetDisplayOptions(display);
    // While full screen, the place to come back to is the window's place to keep.
    settings_->SetNormalPlace(fullScreen ? std::optional<QPoint>(normalPlace_) : std::nullopt);
}

void TForm1::UpdateLook() {
    AppLookKind look = AppLookKind::Classic;
    switch (DisplayOptions().Look) {
    case AppDisplayOptions::lookDark:
        look = AppLookKind::Dark;
        break;
    case AppDisplayOptions::lookHighContrast:
        look = AppLookKind::HighContrast;
        break;
    case AppDisplayOptions::lookAutomatic: {
        // The window colour of the palette the desktop's theme gives the program.
        const QColor window = QGuiApplication::palette().color(QPalette::Window);
        if (qGray(window.rgb()) < 128)
            look = AppLookKind::Dark;
        break;
    }
    default:
        break;
    }
    if (look == look_)
        return;
    look_ = look;
    Renderer().SetLook(look_);
    emit LookChanged(look_);
}

void TForm1::NewCommand() {
    NewGame(AppGameNumber::FromClock());
}

void TForm1::NewNumberedCommand() {
    const std::uint32_t current = session_->Recorder().Record().number;
    const std::optional<int> number = TNumberDialog::Ask(
        //: The title of the box that asks for a game's number; the menu item without "…".
        tr("New Numbered Game"),
        //: The label of the field where the game's number is typed.
        tr("Game number:"), current == 0 ? int(AppGameNumber::low) : int(current),
        int(AppGameNumber::low), int(AppGameNumber::high), this);
    if (number)
        NewGame(std::uint32_t(*number));
}

void TForm1::NewGame(std::uint32_t number) {
    session_->New(number, settings_->PlayOptions());
    cursor_.StartAt({Game().ball.x, Game().ball.y});
    ShowCursor();
}

void TForm1::Watch(const std::string& replay) {
    std::string reason;
    const std::optional<AppGameRecord> record = AppGameFile::ReadRecord(replay, reason);
    if (!record) {
        WriteGameLine("The replay was not shown: " + reason);
        AppMessageBox::Show(tr("The replay went otherwise than recorded, so it was stopped."),
                            tr("Replay"), AppMessageBox::mbIconWarning, this);
        return;
    }
    ++replays_;
    session_->Watch(*record);
    clientArea_->update();
}

void TForm1::ReplayStopped() {
    const AppReplay* replay = session_->Replay();
    if (!replay)
        return;
    const int which = replays_;
    if (replay->Finished()) {
        QTimer::singleShot(replayEndMs, this, [this, which] {
            if (which == replays_ && session_->Replaying())
                ReturnToTitle();
        });
        return;
    }
    WriteGameLine("The replay stopped: " + replay->Reason());
    const QString text = replay->Recorded().rulesVersion != appRulesVersion
                             ? tr("This replay was recorded under other rules and cannot be shown.")
                             : tr("The replay went otherwise than recorded, so it was stopped.");
    // Out of the step that stopped it.
    QTimer::singleShot(0, this, [this, which, text] {
        if (which != replays_ || !session_->Replaying())
            return;
        AppMessageBox::Show(text, tr("Replay"), AppMessageBox::mbIconWarning, this);
        if (which == replays_)
            ReturnToTitle();
    });
}

void TForm1::ReturnToTitle() {
    session_->StopReplay();
    Game().SetPlayOptions(settings_->PlayOptions());
    Game().SetState(stSetup);
    session_->Settle();
}

bool TForm1::ReplayKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_1:
        session_->SetReplaySpeed(1);
        return true;
    case Qt::Key_2:
        session_->SetReplaySpeed(2);
        return true;
    case Qt::Key_4:
        session_->SetReplaySpeed(4);
        return true;
    case Qt::Key_Escape:
        ReturnToTitle();
        return true;
    default:
        return false;
    }
}

QString TForm1::ReplayMark() const {
    //: Shown on the picture and in the window's title while a game is played back; %1 is
    //: its speed (1, 2 or 4: the keys 1, 2 and 4 choose it).
    return tr("Replay ×%1").arg(session_->ReplaySpeed());
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
    const QString title =
        session_->Replaying()
            ? QStringLiteral("%1 – %2").arg(ProgramTexts().productName, ReplayMark())
            : ProgramTexts().productName;
    if (windowTitle() != title)
        setWindowTitle(title);
    // The mark on the picture says the same as the title.
    clientArea_->SetMark(session_->Replaying() ? ReplayMark() : QString());
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
    optionsDialog_->SetPlayOptions(settings_->PlayOptions());
    optionsDialog_->SetViewOptions(game.ViewOptions());
    optionsDialog_->SetSystemOptions(SystemOptions());
    optionsDialog_->SetDisplayOptions(DisplayOptions());
    optionsDialog_->SetZoomOnScreen([this](int chosen) { return windowFit_->ShownZoom(chosen); });
    if (optionsDialog_->exec() != QDialog::Accepted)
        return;
    const bool changed = optionsDialog_->GetPlayOptions() != settings_->PlayOptions() ||
                         optionsDialog_->GetViewOptions() != game.ViewOptions();
    ApplySystemOptions(optionsDialog_->GetSystemOptions());
    // Zoom and look change how the game is shown, never the game itself.
    ApplyDisplayOptions(optionsDialog_->GetDisplayOptions());
    if (changed) {
        // Other options end the game in play, or the replay, on their title.
        session_->StopReplay();
        session_->Recorder().Abandon();
        game.SetPlayOptions(optionsDialog_->GetPlayOptions());
        game.SetViewOptions(optionsDialog_->GetViewOptions());
        game.SetState(stSetup);
        settings_->SetPlayOptions(game.PlayOptions());
    }
    session_->Settle();
}

void TForm1::HelpCommand() {
    if (AppMessageBox::Show(AppShellTexts::HelpQuestion(), tr("Help"),
                            AppMessageBox::mbIconQuestion | AppMessageBox::mbOkCancel,
                            this) == AppMessageBox::idOk)
        QDesktopServices::openUrl(QUrl::fromLocalFile(ProgramFolders().helpFile));
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
