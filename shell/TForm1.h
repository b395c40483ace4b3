// The main window: its menus and boxes, the player's input, and the picture painted into it.
#pragma once

#include "AppPlaySession.h"
#include "AppSavedGameSlot.h"
#include "AppScoreKeeper.h"
#include "AppSettingsKeeper.h"

#include <QMainWindow>
#include <QPoint>

#include <functional>
#include <memory>
#include <optional>

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
    void SetPointerSource(PointerSource source) { pointer_ = std::move(source); }
    // Goes on with the game saved at the last end, if any, paused; from now on the game in
    // play is also saved whenever the settings are saved at the program's end.
    void ResumeSavedGame();

    AppGame& Game() { return session_->Game(); }
    AppRandom& Random() { return session_->Random(); }
    AppRenderer& Renderer() { return session_->Renderer(); }
    AppSound& Sound() { return session_->Sound(); }
    AppStepLoop& StepLoop() { return session_->StepLoop(); }
    QWidget* ClientArea() const { return clientArea_; }
    const AppSystemOptions& SystemOptions() const { return settings_->SystemOptions(); }
    void ApplySystemOptions(const AppSystemOptions& options) {
        settings_->ApplySystemOptions(options);
    }

    // Input, as delivered by the client area.
    void FormMouseDown(Qt::MouseButton button);
    void FormKeyDown(int qtKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenus();
    // The menu commands.
    void NewCommand();
    void NewNumberedCommand();
    // Deals game `number` with the options the player chose.
    void NewGame(std::uint32_t number);
    void PauseCommand();
    void StatusCommand();
    void ScoresCommand();
    void OptionsCommand();
    void HelpCommand();
    void TipsCommand();
    void AboutCommand();
    bool ConfirmClearRecord();
    void PauseWhenInactive();
    // The Pause item can be chosen in play only and is ticked while paused; the game's clock
    // for the scores stands meanwhile.
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
    QRect ReplayMarkRect() const;

    std::optional<AppPoint> PointerInClientArea() const;

    PointerSource pointer_;
    QWidget* clientArea_ = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Game_Pause_MItem = nullptr;
    std::unique_ptr<AppPlaySession> session_;
    std::unique_ptr<AppSettingsKeeper> settings_;
    std::unique_ptr<AppSavedGameSlot> gameSlot_;
    bool gameSaved_ = false;
    // Counts the replays started, so that a late end of one never ends the next.
    int replays_ = 0;
    AppScoreKeeper scoreKeeper_{this};
    TOptionsDialog* optionsDialog_ = nullptr;
    TAboutDialog* aboutDialog_ = nullptr;
};
