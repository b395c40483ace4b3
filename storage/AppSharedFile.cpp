// A file that running copies of the game all rewrite: each save merges what the file holds.
#include "AppSharedFile.h"

#include "AppDurableFile.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

// An exclusive advisory lock on a lock file, held while the object lives.
class FileLock {
public:
    FileLock(const std::string& path, int waitMs) : path_(path), fd_(Open(path)) {
        if (fd_ < 0) {
            problem_ = std::strerror(errno);
            return;
        }
        constexpr int sliceMs = 10;
        for (int waited = 0; waited < waitMs; waited += sliceMs) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
                return;
            if (errno != EWOULDBLOCK && errno != EINTR) {
                problem_ = std::strerror(errno);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(sliceMs));
        }
        problem_ = "another copy held it for " + std::to_string(waitMs) + " ms";
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }

    const std::string& Path() const { return path_; }
    // Why the lock is not held; empty when it is.
    const std::string& Problem() const { return problem_; }

private:
    // flock needs no write access: a lock file left by another user, or a
    // folder in its place, still locks when opened for reading. A link is
    // not followed, so a lock never creates a file somewhere else.
    static int Open(const std::string& path) {
        constexpr int flags = O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK;
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | flags, 0644);
        if (fd >= 0)
            return fd;
        // The first failure says more: a lock that cannot be created is missing.
        const int writeError = errno;
        const int readOnly = ::open(path.c_str(), O_RDONLY | flags);
        if (readOnly < 0)
            errno = writeError;
        return readOnly;
    }

    std::string path_;
    int fd_;
    std::string problem_;
};

std::string Times(int count) {
    return count == 1 ? "once" : std::to_string(count) + " times";
}

// What went unusually in a save that succeeded at its `attempt`th read.
std::string Notes(const FileLock& lock, int attempt) {
    std::string notes;
    if (!lock.Problem().empty())
        notes = " without the lock " + lock.Path() + " (" + lock.Problem() + ")";
    if (attempt == AppSharedFile::attempts)
        notes += " after merging again " + Times(attempt - 1) +
                 ": another copy kept changing it, so the last merge was saved unchecked";
    else if (attempt > 1)
        notes +=
            " after merging again " + Times(attempt - 1) + ": another copy changed it meanwhile";
    return notes;
}

} // namespace

AppSharedFile::AppSharedFile(std::string path, Report report, int lockWaitMs)
    : path_(std::move(path)), report_(std::move(report)), lockWaitMs_(lockWaitMs) {}

void AppSharedFile::Say(const std::string& line) const {
    if (report_)
        report_(line);
}

bool AppSharedFile::Save(const Merge& merge, const std::string& missingFrom) const {
    AppDurableFile file(path_);
    if (!file.Replaceable()) {
        Say("Not saved to " + path_ + ": " + file.Failure());
        return false;
    }
    const FileLock lock(path_ + ".lock", lockWaitMs_);
    for (int attempt = 1;; ++attempt) {
        std::string text;
        const AppDurableFile::ReadResult read = file.Read(text);
        if (read == AppDurableFile::ReadResult::NotReadWhole) {
            Say("Not saved to " + path_ + ": not read whole: " + file.Failure());
            return false;
        }
        AppDurableFile source(missingFrom);
        if (read == AppDurableFile::ReadResult::Missing && !missingFrom.empty() &&
            source.Read(text) == AppDurableFile::ReadResult::NotReadWhole) {
            Say("Not saved to " + path_ + ": " + missingFrom +
                " not read whole: " + source.Failure());
            return false;
        }
        // The last attempt replaces the file unchecked: a fresh object has read nothing.
        AppDurableFile target = attempt < attempts ? file : AppDurableFile(path_);
        if (target.Replace(merge(text))) {
            if (const std::string notes = Notes(lock, attempt); !notes.empty())
                Say("Saved " + path_ + notes);
            return true;
        }
        if (!target.ChangedSinceRead()) {
            Say("Not saved to " + path_ + ": " + target.Failure());
            return false;
        }
    }
}
