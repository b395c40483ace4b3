// Checks replay files without a window: each one played through the rules to its recorded end.
#include "AppReplayCheck.h"

#include "AppGameFile.h"
#include "AppReplay.h"

#include "AppOptionFields.h"

#include <cerrno>
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
    const std::string head = std::string(name) + ": ";
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
        return {false, path + ": unreadable: " + reason};
    return Check(path, *text);
}
