// The main window: its menus and boxes, the player's input, and the picture painted into it.
#pragma once

#include "AppCursorControl.h"
#include "AppFieldView.h"
#include "AppLookKind.h"
#include "AppPlaySession.h"
#include "AppReplayShow.h"
#include "AppScoreKeeper.h"
#include "AppSessionObserver.h"
#include "AppSettingsKeeper.h"
#include "AppWindowFit.h"

#include <QMainWindow>
#include <QPoint>

#include <functional>
#include <memory>
#include <optional>

class AppBoardLink;
class AppRenderer;
class AppReplayOpener;
class AppScoreLine;
class AppSound;
class AppStepLoop;
class QMenu;
class TAboutDialog;
class TOptionsDialog;

// The window translates the player's input into the session's calls and shows what the
// session tells it; it never changes the game itself.
class TForm1 : public QMainWindow, private AppSessionObserver {
    Q_OBJECT
    // Reaches the session, the renderer, the step loop and the pad to arrange a game.
    friend class TForm1TestPeer;

public:
    // The pointer's position on the screen, or nothing when it cannot be read.
    using PointerSource = std::function<std::optional<QPoint>()>;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs are made after the main window and outlive its use of them.
    void SetDialogs(TOptionsDialog* optionsDialog, TAboutDialog* aboutDialog);
    // Or they are made by makeDialogs, which passes them to SetDialogs, when a command first
    // needs one: until then they take neither time nor memory.
    void SetDialogMaker(std::function<void()> makeDialogs) {
        makeDialogs_ = std::move(makeDialogs);
    }
    void SetPointerSource(PointerSource source) { pointer_ = std::move(source); }
    // What the player's layout types on a key's X keycode, for the score line and the Keys
    // page; read from the platform when first needed, and again after a layout switch, unless
    // set.
    void SetKeyLabels(std::function<QString(std::uint32_t code)> labels) {
        keyLabels_ = std::move(labels);
    }
    // Goes on with the game saved at the last end, if any, paused; from now on the game in
    // play is saved at the program's end.
    void ResumeSavedGame();
    // Shows the replay file at `localPath` (as the system spells it) in place of the game, or a
    // box telling why it cannot.
    void OpenReplay(const std::string& localPath);

    AppFieldView* ClientArea() const { return clientArea_; }
    const AppSystemOptions& SystemOptions() const { return settings_->SystemOptions(); }
    void ApplySystemOptions(const AppSystemOptions& options) {
        settings_->ApplySystemOptions(options);
        ShowScoreLine();
    }
    const AppDisplayOptions& DisplayOptions() const { return settings_->DisplayOptions(); }
    // Takes the zoom and the look; full screen changes only through SetFullScreen.
    void ApplyDisplayOptions(const AppDisplayOptions& options);
    void SetFullScreen(bool fullScreen);
    // The look the field is painted in: the chosen one, or for Automatic the one that
    // suits the desktop.
    AppLookKind Look() const { return look_; }

    // Input, as delivered by the client area.
    void FormMouseDown(Qt::MouseButton button);
    void FormKeyDown(int qtKey);

    // Pauses a game in play, or goes on with it.
    void PauseCommand();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What the session tells.
    void GameEnded(const AppFinishedGame& game) override;
    void PauseChanged(bool paused) override;
    void ReplayStopped() override;
    void PictureChanged() override;

    // The program's one way out, whatever ends it: the close box, Exit, a signal to end,
    // the loss of the display. Once.
    void WayOut();
    void BuildMenus();
    // The window is on the screen: its icon, the sound output and the pads follow.
    void FormShown();
    void MakeDialogs();
    // The menu commands.
    void NewCommand();
    void NewNumberedCommand();
    void TodayCommand();
    void CopyNumberCommand();
    void NewGame(std::uint32_t number, const AppPlayOptions& options);
    void ScoresCommand();
    void OptionsCommand();
    void AboutCommand();
    void PauseWhenInactive();
    // The Pause item can be chosen in play only and is ticked while paused.
    void ShowPause();

    std::optional<AppPoint> PointerInClientArea() const;
    // The picture takes the zoom shown for the chosen one.
    void FitZoom();
    // The Full Screen item's tick and the settings follow the window's state.
    void ShowFullScreen(bool fullScreen);
    // While maximised or full screen, the place and size to go back to are the ones to keep.
    void KeepWindowPlace();
    void UpdateLook();
    // The line under the field, shown or not as the player chose, says what the game shows.
    void ShowScoreLine();
    // The labels of the player's layout, as the line and the Keys page name the keys.
    const std::function<QString(std::uint32_t code)>& KeyLabels();

    PointerSource pointer_;
    AppFieldView* clientArea_ = nullptr;
    AppCursorControl* cursor_ = nullptr;
    std::unique_ptr<AppWindowFit> windowFit_;
    AppReplayOpener* opener_ = nullptr;
    AppScoreLine* scoreLine_ = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Game_Pause_MItem = nullptr;
    QAction* Game_FullScreen_MItem = nullptr;
    QAction* Game_CopyNumber_MItem = nullptr;
    QAction* Popup_CopyNumber_MItem = nullptr;
    AppLookKind look_ = AppLookKind::Classic;
    // Declared before the session, which shows and sounds through them to its end.
    std::unique_ptr<AppSound> sound_;
    std::unique_ptr<AppRenderer> renderer_;
    std::unique_ptr<AppPlaySession> session_;
    std::unique_ptr<AppStepLoop> loop_;
    std::unique_ptr<AppSettingsKeeper> settings_;
    std::unique_ptr<AppReplayShow> replay_;
    bool ended_ = false;
    AppScoreKeeper scoreKeeper_{this};
    // After the score keeper, which it hands the board's answers to.
    AppBoardLink* board_ = nullptr;
    TOptionsDialog* optionsDialog_ = nullptr;
    TAboutDialog* aboutDialog_ = nullptr;
    std::function<void()> makeDialogs_;
    std::function<QString(std::uint32_t code)> keyLabels_;
    // The game in play came back from the last end and has not gone on since.
    bool resumed_ = false;
    bool painted_ = false;
};
