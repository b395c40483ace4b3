// The texts the board reads and writes: names from headers, days in URLs, JSON and HTML.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class AppBoardText {
public:
    static constexpr std::size_t maxNameChars = 24;

    // A player's name from its header: percent-decoded, valid UTF-8, trimmed of blanks, 1 to
    // maxNameChars characters, none a control character or one that overrides the text's
    // direction. Nothing, with why, for anything else.
    static std::optional<std::string> Name(std::string_view header, std::string& reason);
    // A player key: exactly 32 hex digits.
    static bool PlayerKey(std::string_view header);

    // "YYYY-MM-DD" of a real date, and back.
    static std::optional<std::chrono::sys_days> ParseDay(std::string_view text);
    static std::string Day(std::chrono::sys_days day);
    // "YYYY-MM-DDTHH:MM:SSZ" of Unix milliseconds.
    static std::string Time(std::int64_t unixMs);
    // "YYYY-MM-DDTHH:MM:SSZ" to a time; nothing for anything else.
    static std::optional<std::chrono::sys_seconds> ParseTime(std::string_view text);
    // Decimal digits within [low, high]; nothing for anything else.
    static std::optional<std::int64_t> Number(std::string_view text, std::int64_t low,
                                              std::int64_t high);

    // The text as a JSON string, quotes included.
    static std::string Json(std::string_view text);
    // The text safe between HTML tags and inside quoted attributes.
    static std::string Html(std::string_view text);
};
