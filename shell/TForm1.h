// The main window: owns the game, its picture and sound, paces the step loop and takes input.
#pragma once

#include "AppGame.h"
#include "AppRandom.h"
#include "AppScoreKeeper.h"
#include "AppSettingsStore.h"
#include "AppStepLoop.h"
#include "AppSystemOptions.h"

#include <QMainWindow>
#include <QPoint>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class AppRenderer;
class AppSound;
class QAction;
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

    AppGame& Game() { return *game_; }
    AppRenderer& Renderer() { return *renderer_; }
    AppSound& Sound() { return *sound_; }
    QWidget* ClientArea() const { return clientArea_; }
    AppStepLoop& StepLoop() { return *loop_; }
    const AppSystemOptions& SystemOptions() const { return systemOptions_; }

    // Taking option records as the live ones.
    void ApplyPlayOptions(const AppPlayOptions& options);
    void ApplyViewOptions(const AppViewOptions& options);
    void ApplySystemOptions(const AppSystemOptions& options);

    // Input, as delivered by the client area.
    void FormMouseDown(Qt::MouseButton button);
    void FormKeyDown(int qtKey);

    QMenu* Game_MItem = nullptr;
    QAction* Game_New_MItem = nullptr;
    QAction* Game_Status_MItem = nullptr;
    QAction* Game_Scores_MItem = nullptr;
    QAction* Game_Options_MItem = nullptr;
    QAction* Game_Exit_MItem = nullptr;
    QMenu* Help_MItem = nullptr;
    QAction* Help_Help_MItem = nullptr;
    QAction* Help_Tips_MItem = nullptr;
    QAction* Help_About_MItem = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Popup_New_MItem = nullptr;
    QAction* Popup_Status_MItem = nullptr;
    QAction* Popup_Options_MItem = nullptr;

signals:
    // Each time a wait of the step loop ends, just before the next step is
    // posted: the loop's pace can be watched from outside.
    void PeriodEnded();

public slots:
    void Game_MItemClick();
    void Help_MItemClick();
    void Popup_MItemClick();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildMenus();
    void WMGameStep();
    void OptionsCommand();
    void SetStayOnTop(bool onTop);
    void LoadSettings();
    void SaveSettings();
    void RestorePosition(const QPoint& topLeft);

    // How far into the window a restored position must reach a screen.
    static constexpr int titleBarProbe = 16;
    std::optional<AppPoint> PointerInClientArea() const;

    AppRandom random_;
    std::unique_ptr<AppGame> game_;
    std::unique_ptr<AppRenderer> renderer_;
    std::unique_ptr<AppSound> sound_;
    AppSystemOptions systemOptions_;
    AppSettingsStore settingsStore_;
    std::unique_ptr<AppStepLoop> loop_;
    PointerSource pointer_;
    AppScoreKeeper scoreKeeper_{this};
    QWidget* clientArea_ = nullptr;
    TOptionsDialog* optionsDialog_ = nullptr;
    TAboutDialog* aboutDialog_ = nullptr;
};
