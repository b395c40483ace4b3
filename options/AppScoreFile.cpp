// The scores file on disk: one line appended per finished game, rewrites that lose no other copy's
// game.
#include "AppScoreFile.h"

#include "AppIniFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a write goes to: the path, or the regular file a link leads to.
// Nothing for a link to nothing or to anything else, or a read-only file.
std::optional<std::string> WriteTarget(const std::string& path) {
    std::string target = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr)
            return std::nullopt;
        target = resolved;
    }
    if (::stat(target.c_str(), &info) != 0)
        return errno == ENOENT ? std::optional(target) : std::nullopt;
    const bool writable = (info.st_mode & 0222) != 0 && ::access(target.c_str(), W_OK) == 0;
    if (!S_ISREG(info.st_mode) || !writable)
        return std::nullopt;
    return target;
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

// What goes before the game's line: the version line in an empty file, a
// line feed after a line a failed write left unended.
std::optional<std::string> Lead(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    if (info.st_size == 0)
        return AppScoreGame::VersionLine() + '\n';
    char last = 0;
    if (::pread(fd, &last, 1, info.st_size - 1) != 1)
        return std::nullopt;
    return last == '\n' ? std::string() : std::string("\n");
}

} // namespace

AppScoreBook AppScoreFile::Load(bool* readWhole) const {
    const AppIniFile file = AppIniFile::Load(path_);
    if (readWhole)
        *readWhole = file.ReadWhole();
    return AppScoreBook::FromText(file.Text());
}

AppScoreFile::Outcome AppScoreFile::Append(const AppScoreGame& game, AppScoreBook& book) const {
    bool whole = true;
    book = Load(&whole);
    if (!whole)
        return Outcome::notReadWhole;
    if (!book.Writable())
        return Outcome::laterVersion;
    const std::optional<std::string> target = WriteTarget(path_);
    if (!target)
        return Outcome::notWritable;
    const int fd = ::open(target->c_str(),
                          O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0644);
    if (fd < 0)
        return Outcome::notWritable;
    const std::optional<std::string> lead = Lead(fd);
    // One write, so that no other copy's line can come between its parts.
    const bool ok = lead && WriteAll(fd, *lead + game.Format() + '\n') && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok)
        return Outcome::failed;
    book.Add(game);
    return Outcome::written;
}

AppScoreFile::Outcome AppScoreFile::Rewrite(const std::function<void(AppScoreBook&)>& change,
                                            AppScoreBook& book) const {
    bool whole = true;
    book = Load(&whole);
    if (!whole)
        return Outcome::notReadWhole;
    if (!book.Writable())
        return Outcome::laterVersion;
    if (!WriteTarget(path_))
        return Outcome::notWritable;
    AppScoreBook changed = book;
    change(changed);
    changed.Bound();
    if (!AppIniFile::FromText(changed.Text()).SaveAs(path_))
        return Outcome::failed;
    book = std::move(changed);
    return Outcome::written;
}
