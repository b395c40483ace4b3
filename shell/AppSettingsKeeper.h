// The player's settings: read into the game and the window at start, written back at the end.
#pragma once

#include "AppPlayOptions.h"
#include "AppSettingsStore.h"
#include "AppSystemOptions.h"

#include <functional>

class AppGame;
class AppSound;
class QPoint;
class QWidget;

class AppSettingsKeeper {
public:
    // confirmClear asks the player whether the record is to be cleared.
    AppSettingsKeeper(QWidget& window, AppGame& game, AppSound& sound,
                      std::function<bool()> confirmClear);
    ~AppSettingsKeeper();
    AppSettingsKeeper(const AppSettingsKeeper&) = delete;
    AppSettingsKeeper& operator=(const AppSettingsKeeper&) = delete;

    // Reads the file into the game and the window. From then on the settings
    // are also saved when the program ends without closing the window.
    void Load();
    // Writes the settings now, and no more at the program's end.
    void Save();
    // Also done whenever the settings are saved at the program's end, just before.
    void SetAlsoSave(std::function<void()> alsoSave) { alsoSave_ = std::move(alsoSave); }

    // The play options the player chose, which deal every new game. The game in play may
    // have others: a resumed game and a replay keep their own.
    const AppPlayOptions& PlayOptions() const { return playOptions_; }
    void SetPlayOptions(const AppPlayOptions& options) { playOptions_ = options; }

    const AppSystemOptions& SystemOptions() const { return systemOptions_; }
    void ApplySystemOptions(const AppSystemOptions& options);

private:
    void SetStayOnTop(bool onTop);
    void RestorePosition(const QPoint& topLeft);

    // How far into the window a restored position must reach a screen.
    static constexpr int titleBarProbe = 16;

    QWidget& window_;
    AppGame& game_;
    AppSound& sound_;
    std::function<bool()> confirmClear_;
    std::function<void()> alsoSave_;
    AppPlayOptions playOptions_;
    AppSystemOptions systemOptions_;
    AppSettingsStore settingsStore_;
};
