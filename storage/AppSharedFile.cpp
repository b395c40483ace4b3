// A file that running copies of the game all rewrite: each save merges what the file holds.
#include "AppSharedFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
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
    bool Held() const { return problem_.empty(); }
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

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

constexpr std::string_view pendingMark = ".pending-";

// "<time>-<process>-<count>": 20 digits of nanoseconds since 1970, so that
// names sort oldest first, then two numbers.
bool IsPendingSuffix(std::string_view suffix) {
    if (suffix.size() < 24 || suffix.find_first_not_of("0123456789") != 20 || suffix[20] != '-')
        return false;
    suffix.remove_prefix(21);
    const std::size_t dash = suffix.find('-');
    return dash != 0 && dash != std::string_view::npos && dash + 1 < suffix.size() &&
           suffix.find_first_not_of("0123456789") == dash &&
           suffix.find_first_not_of("0123456789", dash + 1) == std::string_view::npos;
}

std::string NewPendingPath(const std::string& path) {
    static std::atomic<unsigned> counter = 0;
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    std::string time = std::to_string(std::max<long long>(now, 0));
    time.insert(0, 20 - std::min<std::size_t>(time.size(), 20), '0');
    return path + std::string(pendingMark) + time + "-" + std::to_string(::getpid()) + "-" +
           std::to_string(++counter);
}

// This process's number in a change's name "<file>.pending-<time>-<process>-<count>".
std::string OwnPendingMark() {
    // Appended piece by piece: GCC 12 at -O3 takes "-" + number for an overlapping copy.
    std::string mark(1, '-');
    mark += std::to_string(::getpid());
    mark += '-';
    return mark;
}

} // namespace

AppSharedFile::AppSharedFile(std::string path, Fold fold, Report report, int lockWaitMs, Join join)
    : path_(std::move(path)), fold_(std::move(fold)), report_(std::move(report)),
      lockWaitMs_(lockWaitMs), join_(std::move(join)) {}

std::string AppSharedFile::NotReadWhole(const std::string& path, const std::string& failure) {
    return "Left as it is: " + path + ", not read whole: " + failure;
}

void AppSharedFile::Say(const std::string& line) const {
    if (report_)
        report_(line);
}

std::vector<std::string> AppSharedFile::PendingPaths() const {
    std::vector<std::string> paths;
    const std::string folder = FolderOf(path_);
    const std::string prefix = NameOf(path_) + std::string(pendingMark);
    DIR* entries = ::opendir(folder.c_str());
    if (entries == nullptr)
        return paths;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view name = entry->d_name;
        struct stat info {};
        if (name.substr(0, prefix.size()) == prefix &&
            IsPendingSuffix(name.substr(prefix.size())) &&
            ::fstatat(::dirfd(entries), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode))
            paths.push_back(folder + "/" + std::string(name));
    }
    ::closedir(entries);
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::vector<AppSharedFile::Pending> AppSharedFile::PendingChanges() const {
    std::vector<Pending> changes;
    for (std::string& path : PendingPaths()) {
        AppDurableFile file(path);
        std::string change;
        // One removed meanwhile was applied by the copy that removed it.
        const AppDurableFile::ReadResult read = file.Read(change);
        // One that cannot be read whole (larger than any change) never will be: set aside
        // once, it is not read and told of again at every start and save.
        if (read == AppDurableFile::ReadResult::NotReadWhole)
            SetAside({path, {}}, "not read whole: " + file.Failure());
        if (read == AppDurableFile::ReadResult::Read)
            changes.push_back({std::move(path), std::move(change)});
    }
    return changes;
}

AppDurableFile::ReadResult AppSharedFile::Read(std::string& text, std::string& failure) const {
    // The changes first: one removed after this look was applied to the file
    // before its removal, so the file read next holds it.
    const std::vector<Pending> changes = PendingChanges();
    AppDurableFile file(path_);
    const AppDurableFile::ReadResult read = file.Read(text);
    failure = file.Failure();
    for (const Pending& pending : changes)
        if (Folded folded = fold_(text, pending.change); folded.text)
            text = std::move(*folded.text);
    return read;
}

std::vector<std::string> AppSharedFile::OwnPendingPaths() const {
    std::vector<std::string> own = PendingPaths();
    const std::string mark = OwnPendingMark();
    const std::size_t lead = NameOf(path_).size() + pendingMark.size() + 20;
    std::erase_if(own, [&](const std::string& path) {
        return path.compare(path.rfind('/') + 1 + lead, mark.size(), mark) != 0;
    });
    return own;
}

void AppSharedFile::SetAside(const Pending& pending, const std::string& why) const {
    const std::string aside = pending.path + ".damaged";
    if (::rename(pending.path.c_str(), aside.c_str()) == 0)
        Say("Set aside " + pending.path + " as " + aside + ": " + why);
    else if (errno != ENOENT)
        Say("Left out of the save: " + pending.path + ", " + why +
            " (it could not be set aside: " + std::strerror(errno) + ")");
}

AppSharedFile::Outcome AppSharedFile::LeaveBeside(const std::string& change,
                                                  const std::string& why) const {
    // This copy's older change is taken into the new one, which replaces it.
    const std::vector<std::string> older = OwnPendingPaths();
    std::string joined = change;
    for (auto path = older.rbegin(); join_ && path != older.rend(); ++path) {
        std::string text;
        if (AppDurableFile(*path).Read(text) == AppDurableFile::ReadResult::Read)
            joined = join_(text, joined);
    }
    AppDurableFile pending(NewPendingPath(path_));
    if (!pending.Replace(joined)) {
        Say("Not saved to " + path_ + ": " + why +
            ", and the change could not be left beside it: " + pending.Failure());
        return Outcome::NotSaved;
    }
    for (const std::string& path : older)
        ::unlink(path.c_str());
    Say("Not saved to " + path_ + " yet: " + why + "; the change waits in " + pending.Path() +
        " for the next save");
    return Outcome::LeftBeside;
}

AppSharedFile::Outcome AppSharedFile::Save(const std::string& change,
                                           const std::string& missingFrom) const {
    AppDurableFile file(path_);
    if (!file.Replaceable()) {
        Say("Not saved to " + path_ + ": " + file.Failure());
        return Outcome::NotSaved;
    }
    const FileLock lock(path_ + ".lock", lockWaitMs_);
    if (!lock.Held())
        return LeaveBeside(change, "without the lock " + lock.Path() + " (" + lock.Problem() + ")");
    AppDurableFile::PassStage(AppDurableFile::SaveStage::LockTaken);
    bool delivered = false;
    int mergedAgain = 0;
    // Changes of a later version, told once.
    std::set<std::string> waiting;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        std::string text;
        const AppDurableFile::ReadResult read = file.Read(text);
        if (read == AppDurableFile::ReadResult::NotReadWhole) {
            Say(NotReadWhole(path_, file.Failure()));
            return delivered ? Outcome::Saved : Outcome::NotSaved;
        }
        AppDurableFile source(missingFrom);
        if (read == AppDurableFile::ReadResult::Missing && !missingFrom.empty() &&
            source.Read(text) == AppDurableFile::ReadResult::NotReadWhole) {
            Say("Not saved to " + path_ + ": " + missingFrom +
                " not read whole: " + source.Failure());
            return Outcome::NotSaved;
        }
        std::vector<Pending> pending = PendingChanges();
        bool laterFile = false;
        for (auto other = pending.begin(); other != pending.end();) {
            Folded next = other->change.empty() ? Folded(Folded::Refused::Unreadable, "empty")
                                                : fold_(text, other->change);
            laterFile = laterFile || next.refused == Folded::Refused::LaterFile;
            if (next.text)
                text = std::move(*next.text);
            else if (next.refused == Folded::Refused::Unreadable)
                SetAside(*other, next.reason);
            else if (next.refused == Folded::Refused::LaterChange &&
                     waiting.insert(other->path).second)
                Say("Left beside " + path_ + ": " + other->path +
                    ", a change of a later version of the format");
            other = next.text ? other + 1 : pending.erase(other);
        }
        if (delivered && pending.empty())
            break;
        Folded folded = laterFile ? Folded(std::nullopt) : Folded(std::move(text));
        if (!laterFile && !delivered)
            folded = fold_(*folded.text, change);
        // A later version's text: ours waits beside it for a program that knows both.
        if (folded.refused == Folded::Refused::LaterFile)
            return delivered ? Outcome::Saved
                             : LeaveBeside(change, "a later version of the format is in the way");
        if (!folded.text) {
            Say("Not saved to " + path_ + ": this copy's own change was refused");
            return delivered ? Outcome::Saved : Outcome::NotSaved;
        }
        if (folded.text->size() > AppDurableFile::MaxFileSize) {
            Say("Not saved to " + path_ + ": it would grow past " +
                std::to_string(AppDurableFile::MaxFileSize) + " bytes; it is left as it is");
            return delivered ? Outcome::Saved : Outcome::NotSaved;
        }
        if (file.Replace(*folded.text)) {
            delivered = true;
            for (const Pending& other : pending)
                ::unlink(other.path.c_str());
            continue;
        }
        if (!file.ChangedSinceRead()) {
            Say("Not saved to " + path_ + ": " + file.Failure());
            return delivered ? Outcome::Saved : Outcome::NotSaved;
        }
        ++mergedAgain;
    }
    if (!delivered)
        return LeaveBeside(change, "another copy kept changing it without the lock");
    if (mergedAgain > 0)
        Say("Saved " + path_ + " after merging again " + Times(mergedAgain) +
            ": another copy changed it meanwhile");
    return Outcome::Saved;
}
