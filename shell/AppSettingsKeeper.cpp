// The player's settings: read into the game and the window at start, written back at the end.
#include "AppSettingsKeeper.h"

#include "AppGame.h"
#include "AppLog.h"
#include "AppProgramFolders.h"
#include "AppSettingsLocation.h"
#include "AppSound.h"
#include "AppWindowStacking.h"

#include <QFile>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <limits>
#include <utility>

namespace {

// The settings not saved yet. When the display goes away, Qt's X11
// connection ends the process with exit(), which destroys no window: an exit
// handler saves the settings then. It only reads the game's values and
// writes the file, and the step loop is never mid-step when the connection
// is checked.
AppSettingsKeeper* unsaved = nullptr;

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

AppSettingsKeeper::AppSettingsKeeper(QWidget& window, AppGame& game, AppSound& sound,
                                     std::function<bool()> confirmClear)
    : window_(window), game_(game), sound_(sound), confirmClear_(std::move(confirmClear)),
      settingsStore_(AppSharedFile::defaultLockWaitMs, AppLog::Writer(settingsLog)) {}

AppSettingsKeeper::~AppSettingsKeeper() {
    if (unsaved == this)
        unsaved = nullptr;
}

void AppSettingsKeeper::Load() {
    // Without a stored position the window manager places the window, so the
    // working position is one no file gives.
    constexpr std::int32_t noPosition = std::numeric_limits<std::int32_t>::min();
    AppSettingsValues working;
    working.left = noPosition;
    working.top = noPosition;
    const QString path = AppSettingsLocation::ReadPath(ProgramFolders().exeFolder);
    settingsStore_.Load(LocalPath(path), working);
    game_.SetPlayOptions(working.play);
    // Bounded to their ranges as the game bounds them.
    playOptions_ = game_.PlayOptions();
    game_.SetViewOptions(working.view);
    ApplySystemOptions(working.system);
    displayOptions_ = working.display;
    keyOptions_ = working.keys;
    if (systemOptions_.RestoreRecord)
        game_.SetRecord(working.recordScore, working.recordPhase);
    if (systemOptions_.RestoreWindowPosition && working.left != noPosition &&
        working.top != noPosition)
        RestorePosition(QPoint(working.left, working.top));
    static const bool saveAtExit = std::atexit([] {
                                       if (unsaved != nullptr)
                                           std::exchange(unsaved, nullptr)->Save();
                                   }) == 0;
    if (saveAtExit)
        unsaved = this;
}

void AppSettingsKeeper::Save() {
    if (unsaved == this)
        unsaved = nullptr;
    if (alsoSave_)
        alsoSave_();
    AppSettingsValues values;
    values.play = playOptions_;
    values.view = game_.ViewOptions();
    values.system = systemOptions_;
    values.recordScore = game_.RecordScore();
    values.recordPhase = game_.RecordPhase();
    values.display = displayOptions_;
    values.keys = keyOptions_;
    const QPoint place = normalPlace_.value_or(window_.pos());
    values.left = place.x();
    values.top = place.y();
    // Starting from the file that was read keeps every other line of it, also
    // when the settings move from beside the program to the config folder.
    // A failed write leaves the previous file whole and is not reported.
    const QString& exeFolder = ProgramFolders().exeFolder;
    settingsStore_.Save(LocalPath(AppSettingsLocation::ReadPath(exeFolder)),
                        LocalPath(AppSettingsLocation::WritePath(exeFolder)), values);
}

void AppSettingsKeeper::ApplySystemOptions(const AppSystemOptions& options) {
    systemOptions_ = options;
    sound_.SetEnabled(options.PlaySound);
    if (systemOptions_.ClearRecordNow) {
        if (confirmClear_()) {
            game_.SetRecord(0, 0);
            settingsStore_.RecordCleared();
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
