// The main window: its menus and boxes, the player's input, and the picture painted into it.
#pragma once

#include "AppCellCursor.h"
#include "AppFieldView.h"
#include "AppLookKind.h"
#include "AppPlaySession.h"
#include "AppSavedGameSlot.h"
#include "AppScoreKeeper.h"
#include "AppSettingsKeeper.h"
#include "AppWindowFit.h"

#include <QMainWindow>
#include <QPoint>

#include <functional>
#include <memory>
#include <optional>

class AppGamepad;
class QMenu;
class TAboutDialog;
class TOptionsDialog;

class TForm1 : public QMainWindow {
    Q_OBJECT

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
    // Goes on with the game saved at the last end, if any, paused; from now on the game in
    // play is also saved whenever the settings are saved at the program's end.
    void ResumeSavedGame();

    AppGame& Game() { return session_->Game(); }
    AppRandom& Random() { return session_->Random(); }
    AppRenderer& Renderer() { return session_->Renderer(); }
    AppSound& Sound() { return session_->Sound(); }
    AppStepLoop& StepLoop() { return session_->StepLoop(); }
    AppFieldView* ClientArea() const { return clientArea_; }
    // Watches for pads once the window shows.
    AppGamepad& Gamepad() const { return *gamepad_; }
    const AppSystemOptions& SystemOptions() const { return settings_->SystemOptions(); }
    void ApplySystemOptions(const AppSystemOptions& options) {
        settings_->ApplySystemOptions(options);
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

    // The cursor cell, for the keyboard cursor and the gamepad. It starts at the ball's cell
    // when a game is dealt or resumed, and acts only on a game in play, neither paused nor
    // replayed; each call below shows it, and moving the mouse over the field hides it.
    const AppCellCursor& Cursor() const { return cursor_; }
    // Moves the cursor by (dx, dy) cells, wrapping with the field.
    void CursorMove(int dx, int dy);
    // A key of this position acting on the cursor cell, as it acts on the cell under the
    // pointer.
    void CursorKey(AppKeyPosition position);
    // A left click's work: starts a game on the title, launches the standing ball, goes on
    // from a pause.
    void CursorLaunch();
    // Pauses a game in play, or goes on with it.
    void PauseCommand();

signals:
    // The field is now painted in another look; at start, sent when the look is not Classic.
    void LookChanged(AppLookKind look);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    // The window is on the screen: its icon, the sound output and the pads follow.
    void FormShown();
    // The pad's buttons and moves reach the game as the pointer's and the keys' do.
    void ConnectGamepad();
    void MakeDialogs();
    // The menu commands.
    void NewCommand();
    void NewNumberedCommand();
    // Deals game `number` with the options the player chose.
    void NewGame(std::uint32_t number);
    void StatusCommand();
    void ScoresCommand();
    void OptionsCommand();
    void HelpCommand();
    void TipsCommand();
    void AboutCommand();
    bool ConfirmClearRecord();
    void PauseWhenInactive();
    // The Pause item can be chosen in play only and is ticked while paused.
    void ShowPause();
    void SaveGameInPlay();
    // Plays a replay (a game file's text) in place of the game.
    void Watch(const std::string& replay);
    void ReplayStopped();
    // Ends a replay on the title of the player's own options.
    void ReturnToTitle();
    // Speed keys, Escape and the mark a replay shows; false for a key a replay ignores.
    bool ReplayKey(int qtKey);
    QString ReplayMark() const;

    std::optional<AppPoint> PointerInClientArea() const;
    // With the keyboard cursor on: the arrows, Space and Enter, and the game's keys while the
    // cursor is shown; false for a key that keeps its usual meaning.
    bool KeyboardCursorKey(int qtKey);
    bool CursorActs() const;
    // A cursor input was used: the cursor shows until the pointer leaves where it rests now.
    void UseCursor();
    void PointerMoved(const QPoint& screen);
    // The cursor cell in the picture.
    QRect CursorRect() const;
    // The frame over the cursor cell, while the cursor is shown and acts.
    void ShowCursor();
    // The picture takes the zoom shown for the chosen one.
    void FitZoom();
    // The window's layout for a window sized to the picture, or for one filling the screen.
    void LayOutFor(bool fullScreen);
    void UpdateLook();

    PointerSource pointer_;
    AppCellCursor cursor_;
    // Where the pointer rested when a cursor input was last used.
    std::optional<QPoint> pointerAtCursor_;
    AppFieldView* clientArea_ = nullptr;
    std::unique_ptr<AppWindowFit> windowFit_;
    AppGamepad* gamepad_ = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Game_Pause_MItem = nullptr;
    QAction* Game_FullScreen_MItem = nullptr;
    // Where the window goes back to when it leaves full screen.
    QPoint normalPlace_;
    AppLookKind look_ = AppLookKind::Classic;
    std::unique_ptr<AppPlaySession> session_;
    std::unique_ptr<AppSettingsKeeper> settings_;
    std::unique_ptr<AppSavedGameSlot> gameSlot_;
    bool gameSaved_ = false;
    // Counts the replays started, so that a late end of one never ends the next.
    int replays_ = 0;
    AppScoreKeeper scoreKeeper_{this};
    TOptionsDialog* optionsDialog_ = nullptr;
    TAboutDialog* aboutDialog_ = nullptr;
    std::function<void()> makeDialogs_;
    bool painted_ = false;
};
