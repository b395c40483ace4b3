// The player's settings: read into the session and the window at start, written back at the end.
#pragma once

#include "AppDisplayOptions.h"
#include "AppKeyOptions.h"
#include "AppSettingsStore.h"
#include "AppSystemOptions.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

class AppPlaySession;
class AppSound;
class QWidget;

class AppSettingsKeeper {
public:
    // confirmClear asks the player whether the record is to be cleared.
    AppSettingsKeeper(QWidget& window, AppPlaySession& session, AppSound& sound,
                      std::function<bool()> confirmClear);
    AppSettingsKeeper(const AppSettingsKeeper&) = delete;
    AppSettingsKeeper& operator=(const AppSettingsKeeper&) = delete;

    // Reads the file into the session and the window.
    void Load();
    // Writes the settings: the play and view options and the record as the session holds
    // them, the rest as kept here.
    void Save();

    const AppSystemOptions& SystemOptions() const { return systemOptions_; }
    void ApplySystemOptions(const AppSystemOptions& options);
    const AppDisplayOptions& DisplayOptions() const { return displayOptions_; }
    void SetDisplayOptions(const AppDisplayOptions& options) { displayOptions_ = options; }
    const AppKeyOptions& KeyOptions() const { return keyOptions_; }
    void SetKeyOptions(const AppKeyOptions& options) { keyOptions_ = options; }
    // While the window is maximised or fills the screen, the frame's place and the size it goes
    // back to: saved as its position and size.
    void SetNormalGeometry(std::optional<QRect> geometry) { normalGeometry_ = geometry; }

private:
    void SetStayOnTop(bool onTop);
    void RestorePosition(const QPoint& topLeft);
    void RestoreSize(const QSize& size, bool maximized);

    // How far into the window a restored position must reach a screen.
    static constexpr int titleBarProbe = 16;

    QWidget& window_;
    AppPlaySession& session_;
    AppSound& sound_;
    std::function<bool()> confirmClear_;
    AppSystemOptions systemOptions_;
    AppDisplayOptions displayOptions_;
    AppKeyOptions keyOptions_;
    std::optional<QRect> normalGeometry_;
    AppSettingsStore settingsStore_;
};
