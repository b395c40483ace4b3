// An INI text file held in memory, read and edited by section and key.
#include "AppIniFile.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <new>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

enum class LineKind { Blank, Section, Key, Other };

// One line of the text: [start, end) is its content, [end, next) its ending.
struct IniLine {
    std::size_t start = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    LineKind kind = LineKind::Blank;
    std::string_view name;
    std::string_view value;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

void Classify(std::string_view content, IniLine& line) {
    content = Trim(content);
    if (content.empty()) {
        line.kind = LineKind::Blank;
    } else if (content.front() == '[') {
        const std::size_t close = content.rfind(']');
        if (close == 0 || close == std::string_view::npos) {
            line.kind = LineKind::Other;
        } else {
            line.kind = LineKind::Section;
            line.name = Trim(content.substr(1, close - 1));
        }
    } else {
        line.kind = LineKind::Key;
        const std::size_t equals = content.find('=');
        line.name = Trim(content.substr(0, equals));
        if (equals != std::string_view::npos)
            line.value = Trim(content.substr(equals + 1));
    }
}

// Walks the text line by line without copying it.
class LineScanner {
public:
    explicit LineScanner(std::string_view text)
        : text(text),
          pos(text.substr(0, byteOrderMark.size()) == byteOrderMark ? byteOrderMark.size() : 0) {}

    bool Next(IniLine& line) {
        if (pos >= text.size())
            return false;
        line = IniLine();
        line.start = pos;
        const std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            line.end = line.next = text.size();
        } else {
            line.end = end;
            const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            line.next = end + (crlf ? 2 : 1);
        }
        Classify(text.substr(line.start, line.end - line.start), line);
        pos = line.next;
        return true;
    }

private:
    std::string_view text;
    std::size_t pos;
};

// Where a key sits: the section's header line, the key's line if it has one,
// and the line a new key would follow.
struct KeyPlace {
    bool hasSection = false;
    bool hasKey = false;
    IniLine key;
    IniLine lastKeyLine; // the header when the section has no key lines
    bool hasLines = false;
    IniLine lastLine; // of the whole text
};

KeyPlace FindKey(std::string_view text, std::string_view section, std::string_view key) {
    KeyPlace place;
    LineScanner scanner(text);
    IniLine line;
    bool inSection = false;
    while (scanner.Next(line)) {
        place.hasLines = true;
        place.lastLine = line;
        if (place.hasKey || (place.hasSection && !inSection))
            continue;
        if (line.kind == LineKind::Section) {
            inSection = !place.hasSection && SameName(line.name, section);
            if (inSection) {
                place.hasSection = true;
                place.lastKeyLine = line;
            }
            continue;
        }
        if (!inSection || line.kind != LineKind::Key)
            continue;
        if (SameName(line.name, key)) {
            place.hasKey = true;
            place.key = line;
        } else {
            place.lastKeyLine = line;
        }
    }
    return place;
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string LineEnding(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos || text[end] == '\n')
        return "\n";
    return text.substr(end + 1, 1) == "\n" ? "\r\n" : "\r";
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool CanStore(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty() || key.empty())
        return false;
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value))
        return false;
    return key.find('=') == std::string_view::npos && key.front() != '[';
}

enum class ReadResult { Missing, Read, NotReadWhole };

// Reads a regular file whole. Nothing else is even opened: opening a device
// can have effects of its own.
ReadResult ReadRegularFile(const std::string& path, std::size_t limit, std::string& text) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const bool noEntry = errno == ENOENT || errno == ENOTDIR;
        // A link that leads nowhere is something, not a missing file.
        struct stat link {};
        return noEntry && ::lstat(path.c_str(), &link) != 0 ? ReadResult::Missing
                                                            : ReadResult::NotReadWhole;
    }
    if (!S_ISREG(info.st_mode) || static_cast<unsigned long long>(info.st_size) > limit)
        return ReadResult::NotReadWhole;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return ReadResult::NotReadWhole;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    try {
        text.reserve(ok ? static_cast<std::size_t>(info.st_size) : 0);
        std::string buffer(std::size_t{1} << 20, '\0');
        while (ok) {
            const ssize_t got = ::read(fd, buffer.data(), buffer.size());
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                ok = got == 0;
                break;
            }
            // The file may grow while it is read; more than the limit is not read.
            ok = text.size() + static_cast<std::size_t>(got) <= limit;
            if (ok)
                text.append(buffer.data(), static_cast<std::size_t>(got));
        }
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    ::close(fd);
    if (!ok) {
        text.clear();
        return ReadResult::NotReadWhole;
    }
    return ReadResult::Read;
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
// it points to (not the link). Nothing when the target is anything but a
// missing or a regular file we may write: a link to nothing or to a device
// turned into a regular file, or a read-only file replaced behind its
// owner's back, would lose what it was.
std::optional<std::string> SaveTarget(const std::string& path) {
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

std::string TemporaryPrefix(const std::string& target) {
    return target + ".tmp";
}

// Removes the temporary files that saves killed before their rename left
// beside `target`. Each name carries its writer's process number; a file of a
// process still running is its save in progress and stays.
void RemoveStaleTemporaries(const std::string& target) {
    const std::string prefix = TemporaryPrefix(target.substr(target.rfind('/') + 1));
    DIR* folder = ::opendir(FolderOf(target).c_str());
    if (folder == nullptr)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, prefix.size()) != prefix)
            continue;
        const std::string_view rest = name.substr(prefix.size());
        pid_t writer = 0;
        const auto [stop, error] = std::from_chars(rest.data(), rest.data() + rest.size(), writer);
        if (error != std::errc() || stop == rest.data() + rest.size() || *stop != '-' ||
            writer <= 0 || writer == ::getpid())
            continue;
        struct stat info {};
        if (::kill(writer, 0) != 0 && errno == ESRCH &&
            ::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

// Creates a new, empty file beside `target` that no one else is using.
int CreateTemporary(const std::string& target, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name =
            TemporaryPrefix(target) + std::to_string(::getpid()) + "-" + std::to_string(++counter);
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

AppIniFile AppIniFile::Load(const std::string& path) {
    AppIniFile file;
    file.path_ = path;
    file.readWhole_ = ReadRegularFile(path, MaxFileSize, file.text_) != ReadResult::NotReadWhole;
    return file;
}

AppIniFile AppIniFile::FromText(std::string text) {
    AppIniFile file;
    file.text_ = std::move(text);
    return file;
}

std::string AppIniFile::ReadString(std::string_view section, std::string_view key) const {
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty())
        return {};
    const KeyPlace place = FindKey(text_, section, key);
    if (!place.hasKey)
        return {};
    return std::string(StripQuotes(place.key.value));
}

bool AppIniFile::WriteString(std::string_view section, std::string_view key,
                             std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (!CanStore(section, key, value))
        return false;
    const std::string eol = LineEnding(text_);
    std::string keyLine = std::string(key) + "=" + std::string(value);
    const KeyPlace place = FindKey(text_, section, key);

    if (place.hasKey) {
        // Everything up to the value stays: the name as spelled there, the
        // blanks around it and the '='.
        const IniLine& line = place.key;
        const std::size_t nameEnd =
            static_cast<std::size_t>(line.name.data() + line.name.size() - text_.data());
        const std::size_t equals = text_.find('=', nameEnd);
        if (equals < line.end) {
            std::size_t valueStart = equals + 1;
            while (valueStart < line.end && IsBlank(text_[valueStart]))
                ++valueStart;
            text_.replace(valueStart, line.end - valueStart, value);
        } else {
            text_.replace(nameEnd, line.end - nameEnd, "=" + std::string(value));
        }
    } else if (place.hasSection) {
        const IniLine& after = place.lastKeyLine;
        if (after.next == after.end)
            text_.insert(after.next, eol + keyLine + eol);
        else
            text_.insert(after.next, keyLine + eol);
    } else {
        if (place.hasLines && place.lastLine.next == place.lastLine.end)
            text_ += eol;
        if (place.hasLines && place.lastLine.kind != LineKind::Blank)
            text_ += eol;
        // Appended piece by piece: GCC 12 sees a false overlap in "[" + string.
        text_.append("[").append(section).append("]").append(eol).append(keyLine).append(eol);
    }
    return true;
}

bool AppIniFile::SaveAs(const std::string& path) const {
    if (path.empty() || !readWhole_)
        return false;
    const std::optional<std::string> found = SaveTarget(path);
    if (!found)
        return false;
    const std::string& target = *found;
    RemoveStaleTemporaries(target);
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return false;

    struct stat old {};
    bool ok = true;
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, text_) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    return SyncFolder(FolderOf(target));
}
