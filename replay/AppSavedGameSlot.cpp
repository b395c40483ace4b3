// The saved game's place on disk: claimed by the copy that resumes it, kept while it plays.
#include "AppSavedGameSlot.h"

#include "AppDurableFile.h"
#include "AppGameFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view claimedMark = "game.claimed-";

// A move is durable once the folder is flushed; file systems that cannot flush a
// folder say so with EINVAL.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// This slot's file name: each slot of this process has one of its own.
std::string OwnName() {
    static std::atomic<int> made = 0;
    const int slot = ++made;
    return std::string(claimedMark) + std::to_string(::getpid()) +
           (slot == 1 ? std::string() : '-' + std::to_string(slot));
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A folder we may not change: the game can be read where it waits, but not claimed.
bool ReadOnly(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

} // namespace

bool AppSavedGameSlot::MoveWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A link, too, is made only where there is nothing.
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

AppSavedGameSlot::AppSavedGameSlot(std::string folder, Report report, CopyRunning copyRunning,
                                   Move move)
    : folder_(std::move(folder)), own_(folder_ + "/" + OwnName()), report_(std::move(report)),
      copyRunning_(std::move(copyRunning)), move_(std::move(move)) {}

std::string AppSavedGameSlot::PlacePath(int place) const {
    return folder_ + "/game" + (place == 1 ? std::string() : '.' + std::to_string(place));
}

void AppSavedGameSlot::Say(const std::string& line) const {
    if (report_)
        report_(line);
}

bool AppSavedGameSlot::OwnerGone(const std::string& name) const {
    if (!name.starts_with(claimedMark))
        return false;
    // "<process>", or "<process>-<n>" for a further slot of that process.
    const std::string_view rest = std::string_view(name).substr(claimedMark.size());
    const std::string_view process = rest.substr(0, rest.find('-'));
    const std::string_view slot = rest.substr(std::min(process.size() + 1, rest.size()));
    pid_t owner = 0;
    const auto [end, error] =
        std::from_chars(process.data(), process.data() + process.size(), owner);
    return error == std::errc() && end == process.data() + process.size() &&
           (process.size() == rest.size() || AllDigits(slot)) && owner > 0 && owner != ::getpid() &&
           !copyRunning_(owner);
}

std::optional<AppSavedGameSlot::Claimed> AppSavedGameSlot::Claim() {
    const std::lock_guard lock(mutex_);
    AppDurableFile::RemoveStaleTemporaries(PlacePath(1));
    // This slot's own name first: a file there was left by a gone copy of the same number.
    std::vector<std::string> candidates = {own_};
    for (int place = 1; place <= places; ++place)
        candidates.push_back(PlacePath(place));
    std::vector<std::string> orphans;
    if (DIR* entries = ::opendir(folder_.c_str())) {
        while (const dirent* entry = ::readdir(entries))
            if (OwnerGone(entry->d_name))
                orphans.push_back(folder_ + "/" + entry->d_name);
        ::closedir(entries);
    }
    std::sort(orphans.begin(), orphans.end());
    candidates.insert(candidates.end(), orphans.begin(), orphans.end());

    for (const std::string& path : candidates) {
        if (path == own_ || move_(path, own_)) {
            if (std::optional<Claimed> claimed = ReadClaimed(own_, true))
                return claimed;
            continue;
        }
        const int error = errno;
        if (!ReadOnly(error) || ::access(path.c_str(), F_OK) != 0)
            continue;
        if (std::optional<Claimed> claimed = ReadClaimed(path, false)) {
            Say("The saved game in " + path + " is resumed but could not be claimed (" +
                std::strerror(error) + "); this run will not keep it");
            return claimed;
        }
    }
    return std::nullopt;
}

std::optional<AppSavedGameSlot::Claimed> AppSavedGameSlot::ReadClaimed(const std::string& path,
                                                                       bool kept) {
    AppDurableFile file(path);
    std::string text;
    const AppDurableFile::ReadResult read = file.Read(text);
    if (read == AppDurableFile::ReadResult::Missing)
        return std::nullopt;
    claimed_ = path;
    if (read != AppDurableFile::ReadResult::Read) {
        SetAside(file.Failure().empty() ? "it could not be read" : file.Failure());
        return std::nullopt;
    }
    std::string reason;
    std::optional<AppSavedGame> saved = AppGameFile::ReadSaved(text, reason);
    if (!saved) {
        SetAside(reason);
        return std::nullopt;
    }
    return Claimed{std::move(*saved), kept};
}

bool AppSavedGameSlot::SetAside(const std::string& reason) {
    if (claimed_.empty())
        return false;
    // The seconds and the process alone repeat when one start sets several files aside, so
    // the count of files this slot set aside goes on from the last, and a name taken by then
    // (by a copy of a reused process number) moves it on again: every file gets a name of
    // its own and none is left where this copy's game would be written over it.
    const std::string aside = folder_ + "/game.damaged-" + std::to_string(std::time(nullptr)) +
                              '-' + std::to_string(::getpid());
    std::string keptAs = claimed_;
    for (int tries = 0; tries < maxAsideTries && keptAs == claimed_; ++tries) {
        const int n = ++setAside_;
        const std::string name = n == 1 ? aside : aside + '-' + std::to_string(n);
        if (move_(claimed_, name))
            keptAs = name;
        else if (errno != EEXIST)
            break;
    }
    Say("The saved game was not resumed (" + reason + "); it is kept as " + keptAs);
    const bool moved = keptAs != claimed_;
    claimed_.clear();
    return moved;
}

bool AppSavedGameSlot::Reject(const std::string& reason) {
    const std::lock_guard lock(mutex_);
    return SetAside(reason);
}

void AppSavedGameSlot::Resumed() {
    const std::lock_guard lock(mutex_);
    claimed_.clear();
}

bool AppSavedGameSlot::Write(const AppSavedGame& saved) {
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    AppDurableFile file(own_);
    if (file.Replace(AppGameFile::Text(saved))) {
        keepFailed_ = false;
        return true;
    }
    if (!std::exchange(keepFailed_, true))
        Say("The game in play could not be kept in " + own_ + ": " + file.Failure());
    return false;
}

bool AppSavedGameSlot::Keep(const AppSavedGame& saved) {
    const std::lock_guard lock(mutex_);
    return Write(saved);
}

void AppSavedGameSlot::Discard() {
    const std::lock_guard lock(mutex_);
    ::unlink(own_.c_str());
    claimed_.clear();
    keepFailed_ = false;
}

bool AppSavedGameSlot::Put(const AppSavedGame& saved) {
    const std::lock_guard lock(mutex_);
    // A write that failed while the game was kept was told then; the same fault at the end
    // adds no line.
    if (!Write(saved))
        return false;
    for (int place = 1; place <= places; ++place) {
        const std::string path = PlacePath(place);
        if (move_(own_, path)) {
            SyncFolder(folder_);
            if (place > 1)
                Say("Another saved game waits in " + PlacePath(1) + "; this one is kept as " +
                    path + " and resumed at a later start");
            return true;
        }
        if (errno != EEXIST) {
            Say("The game in play was not moved to " + path + " (" + std::strerror(errno) +
                "); it waits in " + own_ + " for a later start");
            return false;
        }
    }
    Say("The game in play waits in " + own_ + " for a later start: " + std::to_string(places) +
        " saved games already wait in " + folder_);
    return false;
}
