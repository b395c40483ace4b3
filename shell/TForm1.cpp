// The main window: its menus and boxes, the player's input, and the picture painted into it.
#include "TForm1.h"

#include "AppBoardLink.h"
#include "AppGameNumber.h"
#include "AppGamepad.h"
#include "AppIcon.h"
#include "AppKeyLabels.h"
#include "AppKeyPlaces.h"
#include "AppLog.h"
#include "AppMessageBox.h"
#include "AppNumberQuestion.h"
#include "AppProgramFolders.h"
#include "AppProgramTexts.h"
#include "AppRenderer.h"
#include "AppReplayOpener.h"
#include "AppScoreLine.h"
#include "AppShellTexts.h"
#include "AppSound.h"
#include "AppStepLoop.h"
#include "TAboutDialog.h"
#include "TOptionsDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFile>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QWindow>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// The window whose way out is still to come. When the display goes away, Qt's X11 connection
// ends the process with exit(), which destroys no window: the one exit handler takes this
// window's way out then. The step loop is never mid-step when the connection is checked.
TForm1* unended = nullptr;

} // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                              Qt::WindowCloseButtonHint),
      pointer_([] { return std::optional<QPoint>(QCursor::pos()); }) {
    board_ = new AppBoardLink(
        scoreKeeper_, [this] { ShowScoreLine(); }, this);
    clientArea_ =
        new AppFieldView([this]() -> const QImage& { return renderer_->Picture(); }, this);
    clientArea_->setObjectName(QStringLiteral("ClientArea"));
    clientArea_->setFocusPolicy(Qt::StrongFocus);
    clientArea_->installEventFilter(this);
    // Moving the mouse hands the field back from the cursor to the pointer.
    clientArea_->setMouseTracking(true);
    scoreLine_ = AppScoreLine::PutUnder(*clientArea_);
    setCentralWidget(scoreLine_->parentWidget());
    windowFit_ = std::make_unique<AppWindowFit>(*this, *clientArea_, *scoreLine_);
    BuildMenus();
    setWindowTitle(ProgramTexts().productName);

    session_ = std::make_unique<AppPlaySession>(static_cast<AppSessionObserver&>(*this));
    session_->SetTexts(AppShellTexts::GameTexts());
    replay_ = std::make_unique<AppReplayShow>(*session_, *this, *clientArea_);
    opener_ = new AppReplayOpener(*replay_, *this);
    cursor_ = new AppCursorControl(
        *session_, *clientArea_, [this] { return pointer_(); },
        [this] { FormMouseDown(Qt::LeftButton); }, this);
    renderer_ = std::make_unique<AppRenderer>(
        session_->Game(), [this] { return session_->Paused(); }, ProgramTexts().productName,
        [this](const QRect& rect) { clientArea_->ShowRect(rect); },
        [this](const QSize& size) {
            // Every new game sets the picture up anew; only a field of another size changes
            // the window's size, and the first one a size kept from the last run does not.
            if (size == clientArea_->PictureSize())
                return;
            const bool otherField = !clientArea_->PictureSize().isEmpty();
            clientArea_->SetPictureSize(size);
            windowFit_->Fit(DisplayOptions().Zoom, otherField);
        });
    sound_ = std::make_unique<AppSound>(ProgramFolders().soundFolder);
    loop_ = std::make_unique<AppStepLoop>(
        this, [this] { session_->Step(); }, [this] { return session_->Period(); },
        [this] { return session_->Closing(); });
    session_->SetFrontEnd(*renderer_, *sound_, *loop_);
    // A pad read on its own timer is read with the steps instead: one wake-up per step.
    connect(loop_.get(), &AppStepLoop::PeriodEnded, &cursor_->Gamepad(), &AppGamepad::StepTaken);
    settings_ = std::make_unique<AppSettingsKeeper>(
        *this, *session_, *sound_, [this] { return AppShellTexts::ConfirmClearRecord(this); });
    settings_->Load();
    windowFit_->KeepNormalGeometry();
    UpdateLook();
    ShowScoreLine();
    scoreKeeper_.SetWatch([this](const std::string& replay) { replay_->Watch(replay); });
    board_->Apply(settings_->BoardOptions());
    loop_->PostGameStep();
    session_->Start();
    // Once the picture has its size: the desktop keeps the window's size at its zoom for the
    // window's return from full screen.
    if (DisplayOptions().FullScreen)
        SetFullScreen(true);
    unended = this;
    static const bool wayOutAtExit = std::atexit([] {
                                         if (unended != nullptr)
                                             unended->WayOut();
                                     }) == 0;
    (void)wayOutAtExit;
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                // Our own menus, boxes and dialogs keep the application active.
                if (state != Qt::ApplicationActive)
                    PauseWhenInactive();
            });
    clientArea_->setFocus();
}

TForm1::~TForm1() {
    WayOut();
}

void TForm1::closeEvent(QCloseEvent* event) {
    WayOut();
    QMainWindow::closeEvent(event);
}

void TForm1::WayOut() {
    if (ended_)
        return;
    ended_ = true;
    if (unended == this)
        unended = nullptr;
    // The window goes at once; what is left to write finishes behind it.
    hide();
    // In this order: no step follows and the game in play is saved as it stands, then the
    // settings, then the scores' writes still waiting, each within what is left of its wait.
    session_->Close();
    settings_->Save();
    scoreKeeper_.Finish();
}

void TForm1::ResumeSavedGame() {
    const QString folder = AppProgramFolders::PlayerDataFolder();
    session_->SetSavedGamePlace(QFile::encodeName(folder).toStdString(), AppLog::Writer(gameLog));
    if (!session_->ResumeSaved())
        return;
    resumed_ = true;
    cursor_->StartAtBall();
    ShowPause();
    ShowScoreLine();
}

void TForm1::OpenReplay(const std::string& localPath) {
    opener_->Open(localPath);
}

void TForm1::GameEnded(const AppFinishedGame& game) {
    board_->GameEnded();
    scoreKeeper_.GameEnded(game);
    settings_->RecordMayHaveChanged();
}

void TForm1::ReplayStopped() {
    replay_->Stopped();
}

void TForm1::PauseChanged(bool paused) {
    resumed_ = resumed_ && paused;
    renderer_->PauseChanged();
}

void TForm1::PictureChanged() {
    if (!session_->Replaying() && session_->Game().Score() > 0)
        settings_->SetPointScored();
    ShowPause();
    cursor_->Show();
    ShowScoreLine();
}

void TForm1::ShowScoreLine() {
    scoreLine_->setVisible(DisplayOptions().ScoreLine);
    AppScoreLine::Context context;
    context.keyboardCursor = SystemOptions().KeyboardCursor;
    if (session_->Replaying())
        context.replayMark = replay_->Mark();
    // The layout's map is read only once a text names the keys.
    if (session_->Game().State() == stPlaying) {
        context.slashKey = KeyLabels()(settings_->KeyOptions().Codes[0]);
        context.backslashKey = KeyLabels()(settings_->KeyOptions().Codes[1]);
    }
    context.newPlayer = !settings_->PointScored();
    context.resumed = resumed_;
    scoreLine_->Show(
        board_->AfterScore(AppScoreLine::Text(*session_, context),
                           !session_->Replaying() && session_->Game().State() == stGameOver));
}

const std::function<QString(std::uint32_t code)>& TForm1::KeyLabels() {
    if (!keyLabels_)
        keyLabels_ = AppKeyLabels::FromPlatform();
    return keyLabels_;
}

void TForm1::FormShown() {
    // Decoding the icon's images, starting the sound output and looking for pads wait for
    // the window, which shows as soon without them; the desktop takes the icon when it comes.
    setWindowIcon(AppIcon());
    // The frame is known now, and the zoom follows the window to another screen.
    connect(windowHandle(), &QWindow::screenChanged, this, &TForm1::FitZoom);
    FitZoom();
    sound_->StartOutput();
    cursor_->WatchPads();
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
    //: Asks for a game's number and deals that game: the same number deals the same game.
    addItem(game, tr("New N&umbered Game…"), "Game_NewNumbered_MItem", &TForm1::NewNumberedCommand);
    //: Deals the day's game: the same for every player on that date, with the Default options.
    addItem(game, tr("&Today's Game"), "Game_Today_MItem", &TForm1::TodayCommand);
    Game_Pause_MItem =
        addItem(game, tr("&Pause"), "Game_Pause_MItem", &TForm1::PauseCommand, Qt::Key_P);
    Game_Pause_MItem->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    Game_Pause_MItem->setCheckable(true);
    //: Puts "Zingaroo game N (options …)" on the clipboard, for passing the game on.
    Game_CopyNumber_MItem =
        addItem(game, tr("Cop&y Game Number"), "Game_CopyNumber_MItem", &TForm1::CopyNumberCommand);
    addSeparator(game, "N1");
    addItem(
        game, tr("&Status"), "Game_Status_MItem",
        [this] { AppShellTexts::ShowStatus(this, session_->Game(), session_->Paused()); },
        Qt::Key_F4);
    addItem(game, tr("S&cores"), "Game_Scores_MItem", &TForm1::ScoresCommand, Qt::Key_F6);
    Game_FullScreen_MItem = addItem(
        game, tr("&Full Screen"), "Game_FullScreen_MItem",
        [this] { SetFullScreen(!isFullScreen()); }, Qt::Key_F11);
    Game_FullScreen_MItem->setCheckable(true);
    addItem(game, tr("&Options"), "Game_Options_MItem", &TForm1::OptionsCommand, Qt::Key_F5);
    addSeparator(game, "N2");
    // Exit also takes the desktop's Quit key.
    addItem(game, tr("E&xit"), "Game_Exit_MItem", &TForm1::close, QKeySequence::Quit);

    QMenu* help = nameMenu(menuBar()->addMenu(tr("&Help")), "Help_MItem");
    //: The command that opens the help page; may differ from the menu's name.
    addItem(
        help, tr("&Help", "command"), "Help_Help_MItem", [this] { AppShellTexts::OfferHelp(this); },
        Qt::Key_F1);
    addItem(help, tr("&Tips"), "Help_Tips_MItem", [this] { AppShellTexts::ShowTips(this); });
    addSeparator(help, "N3");
    //: Opens the About dialog; desktops usually name the program here ("About Zingaroo").
    addItem(help, tr("&About"), "Help_About_MItem", &TForm1::AboutCommand);

    PopupMenu1 = nameMenu(new QMenu(this), "PopupMenu1");
    addItem(PopupMenu1, tr("&New"), "Popup_New_MItem", &TForm1::NewCommand);
    addSeparator(PopupMenu1, "N4");
    addItem(PopupMenu1, tr("&Status"), "Popup_Status_MItem",
            [this] { AppShellTexts::ShowStatus(this, session_->Game(), session_->Paused()); });
    addItem(PopupMenu1, tr("&Options"), "Popup_Options_MItem", &TForm1::OptionsCommand);
    Popup_CopyNumber_MItem = addItem(PopupMenu1, tr("Cop&y Game Number"), "Popup_CopyNumber_MItem",
                                     &TForm1::CopyNumberCommand);
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
        cursor_->PointerMoved(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return false;
    case QEvent::ShortcutOverride:
        // A key in a place of the game's keys is the game's, also where the layout types a
        // menu's shortcut on it (P on Dvorak).
        if (AppKeyPlaces(settings_->KeyOptions()).Placed(*static_cast<QKeyEvent*>(event)))
            event->accept();
        return false;
    case QEvent::KeyPress: {
        const auto& keyEvent = *static_cast<QKeyEvent*>(event);
        const AppKeyPlaces places(settings_->KeyOptions());
        if (places.PausePlace(keyEvent)) {
            Game_Pause_MItem->trigger();
            return true;
        }
        const int key = places.Key(keyEvent);
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
                KeepWindowPlace();
                if (isFullScreen() == clientArea_->Filling())
                    return;
                windowFit_->LayOutFor(isFullScreen(), DisplayOptions().Zoom);
                ShowFullScreen(isFullScreen());
            },
            Qt::QueuedConnection);
    }
    QMainWindow::changeEvent(event);
}

bool TForm1::event(QEvent* event) {
    if (event->type() == AppStepLoop::WM_GAMESTEP) {
        loop_->Receive();
        return true;
    }

    // The player switched layouts: the line names the keys as the new one types them.
    if (event->type() == QEvent::KeyboardLayoutChange) {
        keyLabels_ = {};
        ShowScoreLine();
    }
    // The desktop's colours changed: Automatic may now mean another look.
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange)
        UpdateLook();
    return QMainWindow::event(event);
}

void TForm1::FormMouseDown(Qt::MouseButton button) {
    const bool dealing = session_->Game().State() == stTitle && button == Qt::LeftButton &&
                         !session_->Paused() && !session_->Replaying();
    session_->Click(AppFieldView::GameButton(button));
    if (dealing)
        cursor_->StartAtBall();
}

void TForm1::FormKeyDown(int qtKey) {
    if (session_->Replaying()) {
        replay_->Key(qtKey);
        return;
    }
    const AppKeyPosition position = AppKeyPlaces::PositionOf(qtKey);
    if (SystemOptions().KeyboardCursor && cursor_->KeyboardKey(qtKey, position))
        return;
    if (position == AppKeyPosition::none)
        return;
    if (const std::optional<AppPoint> pixel = PointerInClientArea())
        session_->Key(position, session_->Game().PixelToCell(*pixel));
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
    windowFit_->Fit(DisplayOptions().Zoom, false);
}

void TForm1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    windowFit_->KeepNormalGeometry();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    windowFit_->KeepNormalGeometry();
}

void TForm1::KeepWindowPlace() {
    settings_->SetNormalGeometry(isFullScreen() || isMaximized()
                                     ? std::optional<QRect>(windowFit_->NormalGeometry())
                                     : std::nullopt);
}

void TForm1::ApplyDisplayOptions(const AppDisplayOptions& options) {
    AppDisplayOptions display = options;
    display.FullScreen = DisplayOptions().FullScreen;
    // A zoom chosen anew, or the line under the field shown or hidden, gives the window its size.
    const bool resize =
        display.Zoom != DisplayOptions().Zoom || display.ScoreLine != DisplayOptions().ScoreLine;
    settings_->SetDisplayOptions(display);
    ShowScoreLine();
    windowFit_->Fit(display.Zoom, resize);
    UpdateLook();
}

void TForm1::SetFullScreen(bool fullScreen) {
    if (fullScreen == isFullScreen())
        return;
    windowFit_->SetFullScreen(fullScreen, DisplayOptions().Zoom);
    ShowFullScreen(fullScreen);
}

void TForm1::ShowFullScreen(bool fullScreen) {
    Game_FullScreen_MItem->setChecked(fullScreen);
    AppDisplayOptions display = DisplayOptions();
    display.FullScreen = fullScreen;
    settings_->SetDisplayOptions(display);
    KeepWindowPlace();
}

void TForm1::UpdateLook() {
    // The window colour of the palette the desktop's theme gives the program.
    const AppLookKind look = AppLook::KindFor(
        DisplayOptions().Look, QGuiApplication::palette().color(QPalette::Window).rgb());
    // A window larger than the picture shows the field's own colour around it.
    clientArea_->SetBackground(QColor::fromRgb(AppLook::Of(look).Color().titleBackground));
    if (look == look_)
        return;
    look_ = look;
    renderer_->SetLook(look_);
}

void TForm1::NewCommand() {
    NewGame(AppGameNumber::FromClock(), session_->PlayerOptions());
}

void TForm1::NewNumberedCommand() {
    if (const std::optional<AppSharedGame> game = AppNumberQuestion::Ask(this, session_->Number()))
        NewGame(game->number, game->options.value_or(session_->PlayerOptions()));
}

void TForm1::TodayCommand() {
    NewGame(AppGameNumber::Today(), AppGameNumber::DayOptions());
}

void TForm1::CopyNumberCommand() {
    // The replay shown is the game in view; else the game in play or last dealt, if any.
    const AppReplay* replay = session_->Replay();
    const std::uint32_t number = replay ? replay->Recorded().number : session_->Number();
    if (number == 0)
        return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(AppGameNumber::ShareText(
        number, replay ? replay->Recorded().options : session_->NumberOptions())));
    //: Beside the line under the field once Copy Game Number has put the game on the clipboard.
    scoreLine_->Note(tr("Copied"));
}

void TForm1::NewGame(std::uint32_t number, const AppPlayOptions& options) {
    session_->New(number, options);
    cursor_->StartAtBall();
}

void TForm1::PauseCommand() {
    session_->SetPaused(!session_->Paused());
}

void TForm1::PauseWhenInactive() {
    if (SystemOptions().PauseWhenInactive)
        session_->SetPaused(true);
}

void TForm1::ShowPause() {
    Game_Pause_MItem->setEnabled(session_->Game().State() == stPlaying);
    Game_Pause_MItem->setChecked(session_->Paused());
    const bool dealt =
        (session_->Replay() ? session_->Replay()->Recorded().number : session_->Number()) != 0;
    Game_CopyNumber_MItem->setEnabled(dealt);
    Popup_CopyNumber_MItem->setEnabled(dealt);
    const QString title =
        session_->Replaying()
            ? QStringLiteral("%1 – %2").arg(ProgramTexts().productName, replay_->Mark())
            : ProgramTexts().productName;
    if (windowTitle() != title)
        setWindowTitle(title);
    // The mark on the picture says the same as the title.
    clientArea_->SetMark(session_->Replaying() ? replay_->Mark() : QString());
}

void TForm1::ScoresCommand() {
    scoreKeeper_.ShowScores(session_->Game().PlayOptions());
}

void TForm1::OptionsCommand() {
    MakeDialogs();
    if (!optionsDialog_)
        return;
    optionsDialog_->SetPlayOptions(session_->PlayerOptions());
    optionsDialog_->SetViewOptions(session_->Game().ViewOptions());
    optionsDialog_->SetSystemOptions(SystemOptions());
    optionsDialog_->SetDisplayOptions(DisplayOptions());
    optionsDialog_->SetKeyOptions(settings_->KeyOptions());
    optionsDialog_->SetBoardOptions(settings_->BoardOptions());
    optionsDialog_->SetAccountName(AppBoardLink::ShownName(AppBoardOptions()));
    optionsDialog_->SetKeyLabels(KeyLabels());
    optionsDialog_->SetZoomOnScreen([this](int chosen) { return windowFit_->ShownZoom(chosen); });
    if (optionsDialog_->exec() != QDialog::Accepted)
        return;
    settings_->SetKeyOptions(optionsDialog_->GetKeyOptions());
    settings_->SetBoardOptions(optionsDialog_->GetBoardOptions());
    board_->Apply(settings_->BoardOptions());
    ApplySystemOptions(optionsDialog_->GetSystemOptions());
    // Zoom and look change how the game is shown, never the game itself.
    ApplyDisplayOptions(optionsDialog_->GetDisplayOptions());
    session_->ApplyOptions(optionsDialog_->GetPlayOptions(), optionsDialog_->GetViewOptions());
    settings_->Changed();
}

void TForm1::AboutCommand() {
    MakeDialogs();
    if (aboutDialog_)
        aboutDialog_->exec();
}
