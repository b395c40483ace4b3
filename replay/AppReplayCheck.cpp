// Checks replay files without a window: each one played through the rules to its recorded end.
#include "AppReplayCheck.h"

#include "AppGameFile.h"
#include "AppReplay.h"

#include "AppOptionFields.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What the file claims: its game, options and ending.
std::string Claim(const AppGameRecord& record) {
    const AppGameEnding& end = *record.end;
    return "game " + std::to_string(record.number) + ", options " + OptionList(record.options) +
           ", score " + std::to_string(end.score) + ", phase " + std::to_string(end.phase) +
           ", steps " + std::to_string(end.step) + ", " +
           (end.how == AppGameEnd::gameOver ? "game over" : "abandoned");
}

// Why a record that reads well did not verify; empty when it did.
std::string Failure(const AppGameRecord& record, const AppReplayOutcome& outcome) {
    if (record.rulesVersion != appRulesVersion)
        return "other rules version (" + std::to_string(record.rulesVersion) +
               "; this program plays " + std::to_string(appRulesVersion) + ")";
    if (outcome.finished)
        return {};
    const std::optional<AppGameEnding>& played = outcome.record.end;
    const AppGameEnding& claimed = *record.end;
    if (played) {
        AppGameEnding onPlayedField = claimed;
        onPlayedField.fieldChecksum = played->fieldChecksum;
        if (onPlayedField == *played)
            return "checksum does not match: the field at the end differs";
    }
    // Stopped before the recorded end: an input could not act where it was recorded.
    if (!played && outcome.steps < claimed.step)
        return "does not play back: " + outcome.reason;
    return "ending does not match: " + outcome.reason;
}

// The length of the UTF-8 character at the start of `text` that a line may print as it is;
// 0 for a control character (C0, DEL, C1), the backslash and a byte that starts no whole
// UTF-8 character.
std::size_t PrintableLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return lead >= 0x20 && lead != 0x7f && lead != '\\' ? 1 : 0;
    const std::size_t length = lead >= 0xc2 && lead <= 0xdf   ? 2
                               : lead >= 0xe0 && lead <= 0xef ? 3
                               : lead >= 0xf0 && lead <= 0xf4 ? 4
                                                              : 0;
    if (length == 0 || text.size() < length)
        return 0;
    std::uint32_t point = lead & (0x7f >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80)
            return 0;
        point = point << 6 | (byte(i) & 0x3f);
    }
    const std::uint32_t lowest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid = point >= lowest[length] && point <= 0x10ffff &&
                       (point < 0xd800 || point > 0xdfff) && (point < 0x80 || point >= 0xa0);
    return valid ? length : 0;
}

// The name as a line prints it: what PrintableLength refuses is written as \xHH, so that a
// name cannot end the line, forge another or move a terminal's cursor, and two names never
// print alike.
std::string Printable(std::string_view name) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string shown;
    while (!name.empty()) {
        std::size_t length = PrintableLength(name);
        if (length == 0) {
            const auto byte = static_cast<unsigned char>(name.front());
            shown += "\\x";
            shown += digits[byte >> 4];
            shown += digits[byte & 0xf];
            length = 1;
        } else {
            shown += name.substr(0, length);
        }
        name.remove_prefix(length);
    }
    return shown;
}

std::string SystemError(int error) {
    return std::strerror(error);
}

} // namespace

std::optional<std::string> AppReplayCheck::ReadFile(const std::string& path, std::string& reason) {
    // Opened without blocking, so that a FIFO named by mistake cannot hold the check.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        reason = SystemError(errno);
        return std::nullopt;
    }
    std::string text;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        reason = S_ISDIR(status.st_mode) ? folder : notRegularFile;
    } else {
        char buffer[1 << 16];
        ssize_t got = 0;
        while (text.size() <= AppGameFile::maxBytes &&
               (got = ::read(fd, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        if (got < 0)
            reason = SystemError(errno);
        else if (text.size() > AppGameFile::maxBytes)
            text.resize(AppGameFile::maxBytes + 1);
    }
    ::close(fd);
    if (!reason.empty())
        return std::nullopt;
    return text;
}

AppReplayVerdict AppReplayCheck::Check(std::string_view name, std::string_view text) {
    const std::string head = Printable(name) + ": ";
    if (text.empty())
        return {false, head + "empty"};
    std::string reason;
    const std::optional<AppGameRecord> record = AppGameFile::ReadRecord(text, reason);
    if (!record)
        return {false, head + "damaged: " + reason};
    const std::string failure = Failure(*record, AppReplay::Play(*record));
    return {failure.empty(), head + Claim(*record) + ": " + (failure.empty() ? "ok" : failure)};
}

AppReplayVerdict AppReplayCheck::CheckFile(const std::string& path) {
    std::string reason;
    const std::optional<std::string> text = ReadFile(path, reason);
    if (!text)
        return {false, Printable(path) + ": unreadable: " + reason};
    return Check(path, *text);
}
