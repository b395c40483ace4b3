// Checks replay files without a window: each one played through the rules to its recorded end.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// What checking one file came to, as the line printed for it:
//
//   NAME: game 48213377, options 24,18,6,6,60,160,1, score 17, phase 3, steps 412, game over: ok
//
// or the same with the reason in place of "ok" ("ending does not match: …", "checksum does
// not match", "other rules version …", "does not play back: …"), or, when not even the head
// of the file could be read, "NAME: damaged: …", "NAME: empty" or "NAME: unreadable: …".
// The number, options, score, phase and steps are the ones the file claims. In the name,
// control characters, bytes that are no UTF-8 and the backslash are written as \xHH.
struct AppReplayVerdict {
    bool ok = false;
    std::string line;
};

class AppReplayCheck {
public:
    // The fixed words of ReadFile's reason, which a window puts in the player's language; any
    // other reason is the system's own message.
    static constexpr std::string_view folder = "a folder";
    static constexpr std::string_view notRegularFile = "not a regular file";

    // The whole text of a regular file, read up to one byte past the largest game file so
    // that the reader can refuse a larger one; nothing, with why, when it cannot be read.
    static std::optional<std::string> ReadFile(const std::string& path, std::string& reason);

    // Reads the text as a recorded game and plays it to its recorded end.
    static AppReplayVerdict Check(std::string_view name, std::string_view text);
    static AppReplayVerdict CheckFile(const std::string& path);
};
