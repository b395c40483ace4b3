// The settings file shared by copies of the game that run at the same time.
#include "AppSettingsStore.h"

#include "AppDurableFile.h"
#include "AppSettingsReport.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

// An exclusive advisory lock on a lock file, held while the object lives.
// Without a lock file (a folder that cannot be written) the save goes on
// unlocked: it would fail there anyway or has no one to race with.
class FileLock {
public:
    FileLock(const std::string& path, int waitMs)
        : fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0644)) {
        if (fd < 0) {
            problem = std::strerror(errno);
            return;
        }
        constexpr int sliceMs = 10;
        for (int waited = 0; waited < waitMs; waited += sliceMs) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
                return;
            if (errno != EWOULDBLOCK && errno != EINTR) {
                problem = std::strerror(errno);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(sliceMs));
        }
        problem = "another copy held it for " + std::to_string(waitMs) + " ms";
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    virtual ~FileLock() {
        if (fd >= 0)
            ::close(fd);
    }

    // Why the lock is not held; empty when it is.
    const std::string& Problem() const { return problem; }

private:
    int fd;
    std::string problem;
};

bool NotSaved(const std::string& path, const std::string& why) {
    AppSettingsReport::Say("Settings not saved to " + path + ": " + why);
    return false;
}

} // namespace

void AppSettingsStore::Load(const std::string& path, AppSettingsValues& working) {
    std::string text;
    AppDurableFile file(path);
    if (file.Read(text) == AppDurableFile::ReadResult::NotReadWhole)
        AppSettingsReport::Say("Settings file " + path +
                               " left as it is, not read whole: " + file.Failure());
    ReadSettingsValues(AppIniFile::FromText(std::move(text)), working);
    loadedScore_ = working.recordScore;
    loadedPhase_ = working.recordPhase;
}

bool AppSettingsStore::Save(const std::string& readPath, const std::string& writePath,
                            AppSettingsValues values) {
    const std::string lockPath = writePath + ".lock";
    const FileLock lock(lockPath, lockWaitMs_);
    std::string text;
    AppDurableFile source(readPath);
    if (source.Read(text) == AppDurableFile::ReadResult::NotReadWhole)
        return NotSaved(writePath, readPath + " not read whole: " + source.Failure());
    AppIniFile ini = AppIniFile::FromText(std::move(text));
    AppSettingsValues stored;
    ReadSettingsValues(ini, stored);
    const bool changedElsewhere =
        stored.recordScore != loadedScore_ || stored.recordPhase != loadedPhase_;
    if (changedElsewhere && !recordCleared_) {
        values.recordScore = std::max(values.recordScore, stored.recordScore);
        values.recordPhase = std::max(values.recordPhase, stored.recordPhase);
    }
    WriteSettingsValues(ini, values);
    AppDurableFile target(writePath);
    if (!target.Replace(ini.Text()))
        return NotSaved(writePath, target.Failure());
    if (!lock.Problem().empty())
        AppSettingsReport::Say("Settings saved to " + writePath + " without the lock " + lockPath +
                               ": " + lock.Problem());
    loadedScore_ = values.recordScore;
    loadedPhase_ = values.recordPhase;
    recordCleared_ = false;
    return true;
}
