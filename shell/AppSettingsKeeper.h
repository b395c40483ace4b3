// The player's settings: read into the game and the window at start, written back at the end.
#pragma once

#include "AppDisplayOptions.h"
#include "AppKeyOptions.h"
#include "AppPlayOptions.h"
#include "AppSettingsStore.h"
#include "AppSystemOptions.h"

#include <QPoint>

#include <functional>
#include <optional>

class AppGame;
class AppSound;
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
    const AppDisplayOptions& DisplayOptions() const { return displayOptions_; }
    void SetDisplayOptions(const AppDisplayOptions& options) { displayOptions_ = options; }
    const AppKeyOptions& KeyOptions() const { return keyOptions_; }
    void SetKeyOptions(const AppKeyOptions& options) { keyOptions_ = options; }
    // While the window fills the screen, the place it goes back to: saved as its position.
    void SetNormalPlace(std::optional<QPoint> place) { normalPlace_ = place; }

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
    AppDisplayOptions displayOptions_;
    AppKeyOptions keyOptions_;
    std::optional<QPoint> normalPlace_;
    AppSettingsStore settingsStore_;
};
