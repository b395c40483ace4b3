// A file read whole and replaced whole, so that a crash leaves either its old or its new text.
#include "AppDurableFile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string LastError() {
    return std::strerror(errno);
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t put = ::write(fd, data.data(), data.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a save replaces: the path itself, or for a symbolic link the file
// it points to (not the link). Empty, with the reason in `why`, when the
// target is anything but a missing or a regular file we may write: a link to
// nothing or to a device turned into a regular file, or a read-only file
// replaced behind its owner's back, would lose what it was.
std::string SaveTarget(const std::string& path, std::string& why) {
    std::string target = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr) {
            why = std::string(AppDurableFile::linkToNothing) + " (" + LastError() + ")";
            return {};
        }
        target = resolved;
    }
    if (::stat(target.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return target;
        why = LastError();
        return {};
    }
    if (!S_ISREG(info.st_mode)) {
        why = AppDurableFile::notRegularFile;
        return {};
    }
    if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
        why = AppDurableFile::readOnly;
        return {};
    }
    return target;
}

// The process number in a temporary file's name "<target>[.<more>].tmp<pid>-<n>", where
// <more> names a file kept beside the target (a change left there, another place of a saved
// game: lower-case letters, digits, dots and dashes); 0 for any other name.
pid_t TemporaryWriter(std::string_view name, std::string_view targetName) {
    if (name.substr(0, targetName.size()) != targetName)
        return 0;
    std::string_view rest = name.substr(targetName.size());
    const std::size_t tmp = rest.rfind(".tmp");
    if (tmp == std::string_view::npos)
        return 0;
    const std::string_view more = rest.substr(0, tmp);
    if (!more.empty() &&
        (more[0] != '.' || more.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789.-") !=
                               std::string_view::npos))
        return 0;
    rest.remove_prefix(tmp + 4);
    pid_t writer = 0;
    const auto [stop, error] = std::from_chars(rest.data(), rest.data() + rest.size(), writer);
    if (error != std::errc() || stop == rest.data() + rest.size() || *stop != '-' || writer <= 0)
        return 0;
    return writer;
}

std::string FirstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

} // namespace

bool AppDurableFile::RunningCopy(pid_t process) {
    if (::kill(process, 0) != 0 && errno == ESRCH)
        return false;
    const std::string theirs = FirstLine("/proc/" + std::to_string(process) + "/comm");
    const std::string ours = FirstLine("/proc/self/comm");
    return theirs.empty() || ours.empty() || theirs == ours;
}

void AppDurableFile::RemoveStaleTemporaries(const std::string& target) {
    const std::string targetName = target.substr(target.rfind('/') + 1);
    DIR* folder = ::opendir(FolderOf(target).c_str());
    if (folder == nullptr)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        const pid_t writer = TemporaryWriter(entry->d_name, targetName);
        if (writer == 0 || writer == ::getpid())
            continue;
        struct stat info {};
        if (!RunningCopy(writer) &&
            ::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

namespace {

// Creates a new, empty file beside `target` that no one else is using.
int CreateTemporary(const std::string& target, std::string& name) {
    static std::atomic<unsigned> counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes a finished rename durable. File systems that cannot flush folders say
// so with EINVAL; the rename itself is then as safe as they make it.
bool SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return ok;
}

} // namespace

bool AppDurableFile::Identity::operator==(const Identity& other) const {
    return exists == other.exists &&
           (!exists || (device == other.device && inode == other.inode && size == other.size &&
                        modified.tv_sec == other.modified.tv_sec &&
                        modified.tv_nsec == other.modified.tv_nsec));
}

AppDurableFile::Identity AppDurableFile::IdentityOf(const std::string& path) {
    Identity identity;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        identity = {true, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    return identity;
}

bool AppDurableFile::Fail(std::string why) {
    failure_ = std::move(why);
    return false;
}

AppDurableFile::ReadResult AppDurableFile::Read(std::string& text) {
    text.clear();
    failure_.clear();
    readWhole_ = false;
    read_.reset();
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0) {
        const bool noEntry = errno == ENOENT || errno == ENOTDIR;
        Fail(LastError());
        // A link that leads nowhere is something, not a missing file.
        struct stat link {};
        if (!noEntry || ::lstat(path_.c_str(), &link) == 0)
            return ReadResult::NotReadWhole;
        failure_.clear();
        readWhole_ = true;
        read_ = Identity();
        return ReadResult::Missing;
    }
    if (!S_ISREG(info.st_mode)) {
        Fail(std::string(notRegularFile));
        return ReadResult::NotReadWhole;
    }
    if (static_cast<unsigned long long>(info.st_size) > MaxFileSize) {
        Fail("larger than " + std::to_string(MaxFileSize) + " bytes");
        return ReadResult::NotReadWhole;
    }
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        Fail(LastError());
        return ReadResult::NotReadWhole;
    }
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    try {
        text.reserve(ok ? static_cast<std::size_t>(info.st_size) : 0);
        std::string buffer(std::size_t{1} << 20, '\0');
        while (ok) {
            const ssize_t got = ::read(fd, buffer.data(), buffer.size());
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                ok = got == 0 || Fail(LastError());
                break;
            }
            // The file may grow while it is read; more than the limit is not read.
            ok = text.size() + static_cast<std::size_t>(got) <= MaxFileSize ||
                 Fail("grew larger than " + std::to_string(MaxFileSize) + " bytes");
            if (ok)
                text.append(buffer.data(), static_cast<std::size_t>(got));
        }
    } catch (const std::bad_alloc&) {
        ok = Fail("out of memory");
    }
    // What was read is identified as the file stands once it is read.
    ok = ok && (::fstat(fd, &info) == 0 || Fail(LastError()));
    ::close(fd);
    if (!ok) {
        text.clear();
        return ReadResult::NotReadWhole;
    }
    readWhole_ = true;
    read_ = Identity{true, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    return ReadResult::Read;
}

bool AppDurableFile::Replaceable() {
    failure_.clear();
    if (path_.empty())
        return Fail("no file");
    return !SaveTarget(path_, failure_).empty();
}

bool AppDurableFile::Replace(std::string_view text) {
    failure_.clear();
    changedSinceRead_ = false;
    if (path_.empty())
        return Fail("no file");
    if (!readWhole_)
        return Fail("the file could not be read whole");
    const std::string target = SaveTarget(path_, failure_);
    if (target.empty())
        return false;
    RemoveStaleTemporaries(target);
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return Fail(LastError());

    struct stat old {};
    bool ok = true;
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ok = ::fchmod(fd, old.st_mode & 07777) == 0 || Fail(LastError());
    ok = ok && ((WriteAll(fd, text) && ::fsync(fd) == 0) || Fail(LastError()));
    const bool closed = ::close(fd) == 0;
    ok = ok && (closed || Fail(LastError()));
    if (ok)
        PassStage(SaveStage::TemporaryWritten);
    if (ok && read_ && !(IdentityOf(target) == *read_)) {
        changedSinceRead_ = true;
        ok = Fail("changed since it was read");
    }
    if (ok) {
        PassStage(SaveStage::StillTheFileRead);
        PassStage(SaveStage::Renaming);
    }
    ok = ok && (::rename(temporary.c_str(), target.c_str()) == 0 || Fail(LastError()));
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    return SyncFolder(FolderOf(target)) || Fail(LastError());
}

void AppDurableFile::PassStage(SaveStage stage) {
    if (AppWatchSaveStage != nullptr)
        AppWatchSaveStage(stage);
}
