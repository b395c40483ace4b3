// The player's settings: read into the session and the window at start, written back at the end.
#include "AppSettingsKeeper.h"

#include "AppLog.h"
#include "AppPlaySession.h"
#include "AppProgramFolders.h"
#include "AppSettingsLocation.h"
#include "AppSound.h"
#include "AppWindowStacking.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

const std::string changeKind = "settings";

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

AppSettingsKeeper::AppSettingsKeeper(QWidget& window, AppPlaySession& session, AppSound& sound,
                                     std::function<bool()> confirmClear)
    : window_(window), session_(session), sound_(sound), confirmClear_(std::move(confirmClear)),
      settingsStore_(AppSharedFile::defaultLockWaitMs, AppLog::Writer(settingsLog)) {}

void AppSettingsKeeper::Load() {
    // Without a stored position the window manager places the window, so the
    // working position is one no file gives.
    constexpr std::int32_t noPosition = std::numeric_limits<std::int32_t>::min();
    AppSettingsValues working;
    working.left = noPosition;
    working.top = noPosition;
    const QString path = AppSettingsLocation::ReadPath(ProgramFolders().exeFolder);
    settingsStore_.Load(LocalPath(path), working);
    session_.ApplyOptions(working.play, working.view);
    ApplySystemOptions(working.system);
    displayOptions_ = working.display;
    keyOptions_ = working.keys;
    pointScored_ = working.pointScored;
    boardOptions_ = working.board;
    if (systemOptions_.RestoreRecord)
        session_.RestoreRecord(working.recordScore, working.recordPhase);
    recordWritten_ = {working.recordScore, working.recordPhase};
    if (!systemOptions_.RestoreWindowPosition)
        return;
    if (working.left != noPosition && working.top != noPosition)
        RestorePosition(QPoint(working.left, working.top));
    RestoreSize(QSize(working.width, working.height), working.maximized == 1);
}

AppSettingsValues AppSettingsKeeper::Values() const {
    const AppGame& game = session_.Game();
    AppSettingsValues values;
    values.play = session_.PlayerOptions();
    values.view = game.ViewOptions();
    values.system = systemOptions_;
    values.recordScore = game.RecordScore();
    values.recordPhase = game.RecordPhase();
    values.display = displayOptions_;
    values.keys = keyOptions_;
    values.pointScored = pointScored_;
    values.board = boardOptions_;
    const QRect place = normalGeometry_.value_or(QRect(window_.pos(), window_.size()));
    values.left = place.x();
    values.top = place.y();
    values.width = std::min(place.width(), windowSizeMost);
    values.height = std::min(place.height(), windowSizeMost);
    values.maximized = window_.isMaximized() ? 1 : 0;
    return values;
}

void AppSettingsKeeper::Save() {
    // A change still waiting is written by this save, which holds it too.
    writes_.Withdraw(changeKind);
    writes_.Finish();
    // Starting from the file that was read keeps every other line of it, also
    // when the settings move from beside the program to the config folder.
    // A failed write leaves the previous file whole and is not reported.
    const QString& exeFolder = ProgramFolders().exeFolder;
    settingsStore_.Save(LocalPath(AppSettingsLocation::ReadPath(exeFolder)),
                        LocalPath(AppSettingsLocation::WritePath(exeFolder)), Values());
}

void AppSettingsKeeper::Changed() {
    const AppSettingsValues values = Values();
    recordWritten_ = {values.recordScore, values.recordPhase};
    const QString& exeFolder = ProgramFolders().exeFolder;
    writes_.Post([this, values, readPath = LocalPath(AppSettingsLocation::ReadPath(exeFolder)),
                  writePath = LocalPath(AppSettingsLocation::WritePath(exeFolder))](
                     int) { settingsStore_.Save(readPath, writePath, values); },
                 changeKind);
}

void AppSettingsKeeper::RecordMayHaveChanged() {
    const AppGame& game = session_.Game();
    if (recordWritten_ != std::pair(game.RecordScore(), game.RecordPhase()))
        Changed();
}

void AppSettingsKeeper::ApplySystemOptions(const AppSystemOptions& options) {
    systemOptions_ = options;
    sound_.SetEnabled(options.PlaySound);
    if (systemOptions_.ClearRecordNow) {
        if (confirmClear_()) {
            session_.ClearRecord();
            // In turn with the saves, which the store runs on the writing thread.
            writes_.Post([this](int) { settingsStore_.RecordCleared(); });
        }
        systemOptions_.ClearRecordNow = false;
    }
    SetStayOnTop(systemOptions_.StayOnTop);
}

void AppSettingsKeeper::SetStayOnTop(bool onTop) {
    // Set on every call, so that a stacking something else changed is put
    // back. The flag goes to the existing native window: changing the
    // widget's window flags would hide the window and make a new one.
    Qt::WindowFlags flags = window_.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    window_.overrideWindowFlags(flags);
    if (QWindow* window = window_.windowHandle()) {
        window->setFlags(flags);
        AppWindowStacking::SetAbove(window, onTop);
    }
}

void AppSettingsKeeper::RestorePosition(const QPoint& topLeft) {
    // A position from another screen layout could put the window out of
    // reach; it is used only when the title bar's start is on a present screen.
    if (QGuiApplication::screenAt(topLeft + QPoint(titleBarProbe, titleBarProbe)) == nullptr)
        return;
    window_.move(topLeft);
}

void AppSettingsKeeper::RestoreSize(const QSize& size, bool maximized) {
    // A size from a larger screen is brought within the screen the window opens on; the window
    // never goes below the size its layout needs.
    const QScreen* screen =
        QGuiApplication::screenAt(window_.pos() + QPoint(titleBarProbe, titleBarProbe));
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (!size.isEmpty() && screen != nullptr)
        window_.resize(size.boundedTo(screen->availableGeometry().size()));
    if (maximized)
        window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
}
