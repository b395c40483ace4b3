// The main window: its menus and boxes, the player's input, and the picture painted into it.
#pragma once

#include "AppPlaySession.h"
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
    // Or they are made by makeDialogs, which passes them to SetDialogs, when a command first
    // needs one: until then they take neither time nor memory.
    void SetDialogMaker(std::function<void()> makeDialogs) {
        makeDialogs_ = std::move(makeDialogs);
    }
    void SetPointerSource(PointerSource source) { pointer_ = std::move(source); }

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
    // The window is on the screen: its icon and the sound output follow.
    void FormShown();
    void MakeDialogs();
    // The menu commands.
    void NewCommand();
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

    std::optional<AppPoint> PointerInClientArea() const;

    PointerSource pointer_;
    QWidget* clientArea_ = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Game_Pause_MItem = nullptr;
    std::unique_ptr<AppPlaySession> session_;
    std::unique_ptr<AppSettingsKeeper> settings_;
    AppScoreKeeper scoreKeeper_{this};
    TOptionsDialog* optionsDialog_ = nullptr;
    TAboutDialog* aboutDialog_ = nullptr;
    std::function<void()> makeDialogs_;
    bool painted_ = false;
};
