// The settings file shared by copies of the game that run at the same time.
#include "AppSettingsStore.h"

#include "AppDurableFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
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
    explicit FileLock(const std::string& path)
        : fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0644)) {
        constexpr int sliceMs = 10;
        for (int waited = 0; fd >= 0 && waited < AppSettingsStore::lockWaitMs; waited += sliceMs) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(sliceMs));
        }
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    virtual ~FileLock() {
        if (fd >= 0)
            ::close(fd);
    }

private:
    int fd;
};

} // namespace

void AppSettingsStore::Load(const std::string& path, AppSettingsValues& working) {
    std::string text;
    AppDurableFile(path).Read(text);
    ReadSettingsValues(AppIniFile::FromText(std::move(text)), working);
    loadedScore_ = working.recordScore;
    loadedPhase_ = working.recordPhase;
}

bool AppSettingsStore::Save(const std::string& readPath, const std::string& writePath,
                            AppSettingsValues values) {
    const FileLock lock(writePath + ".lock");
    std::string text;
    if (AppDurableFile(readPath).Read(text) == AppDurableFile::ReadResult::NotReadWhole)
        return false;
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
    if (!AppDurableFile(writePath).Replace(ini.Text()))
        return false;
    loadedScore_ = values.recordScore;
    loadedPhase_ = values.recordPhase;
    recordCleared_ = false;
    return true;
}
