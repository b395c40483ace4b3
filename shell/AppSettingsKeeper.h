// The player's settings: read into the session and the window at start, written back at the end.
#pragma once

#include "AppBoardOptions.h"
#include "AppDisplayOptions.h"
#include "AppKeyOptions.h"
#include "AppSettingsStore.h"
#include "AppSystemOptions.h"
#include "AppWriteQueue.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>
#include <utility>

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
    // Writes the settings now, as they stand: the play and view options and the record as
    // the session holds them, the rest as kept here. Once, at the program's end, after the
    // writes of Changed.
    void Save();
    // The settings changed (options accepted, a record set): they are written as they stand,
    // off the window's thread, so that a crash or a power cut does not take the change with
    // it. Changes that come before the write of an earlier one starts make one write.
    void Changed();
    // Changed, when the record is not the one last written.
    void RecordMayHaveChanged();

    const AppSystemOptions& SystemOptions() const { return systemOptions_; }
    void ApplySystemOptions(const AppSystemOptions& options);
    const AppDisplayOptions& DisplayOptions() const { return displayOptions_; }
    void SetDisplayOptions(const AppDisplayOptions& options) { displayOptions_ = options; }
    const AppKeyOptions& KeyOptions() const { return keyOptions_; }
    void SetKeyOptions(const AppKeyOptions& options) { keyOptions_ = options; }
    // Whether a point was ever scored in the player's games; once it is, it stays.
    bool PointScored() const { return pointScored_; }
    void SetPointScored() { pointScored_ = true; }
    const AppBoardOptions& BoardOptions() const { return boardOptions_; }
    void SetBoardOptions(const AppBoardOptions& options) { boardOptions_ = options; }
    // While the window is maximised or fills the screen, the frame's place and the size it goes
    // back to: saved as its position and size.
    void SetNormalGeometry(std::optional<QRect> geometry) { normalGeometry_ = geometry; }

private:
    AppSettingsValues Values() const;
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
    AppBoardOptions boardOptions_;
    std::optional<QRect> normalGeometry_;
    bool pointScored_ = false;
    std::pair<std::int32_t, std::int32_t> recordWritten_;
    AppSettingsStore settingsStore_;
    // Runs the store's saves while the program runs, one after another; the store is used
    // there alone until the end's save.
    AppWriteQueue writes_;
};
