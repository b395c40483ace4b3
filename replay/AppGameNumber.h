// The number that deals a game: fresh from the clock, the day's, typed or pasted in by the player.
#pragma once

#include "AppPlayOptions.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A game as players pass it on: its number, and the play options when they were given.
struct AppSharedGame {
    std::uint32_t number = 0;
    std::optional<AppPlayOptions> options;

    friend bool operator==(const AppSharedGame&, const AppSharedGame&) = default;
};

// The random source is seeded from the number at New, so the number alone deals the whole
// game; the player's inputs decide the rest.
class AppGameNumber {
public:
    static constexpr std::uint32_t low = 1;
    static constexpr std::uint32_t high = 999'999'999;

    // A number from the clock's microseconds, scrambled so that games started a moment
    // apart get unrelated numbers.
    static std::uint32_t FromClock();
    // Decimal digits between low and high, with blanks around them allowed; anything else,
    // signs and separators included, is no number.
    static std::optional<std::uint32_t> Parse(std::string_view typed);

    // The day's game, the same for every player on that UTC date: the days since
    // 1970-01-01 scrambled by the splitmix64 finaliser, then low + that modulo the range.
    static std::uint32_t ForDay(std::chrono::sys_days day);
    // The game of the current UTC date.
    static std::uint32_t Today();
    // The play options the day's game is dealt with, whatever the player's own: Default.
    static const AppPlayOptions& DayOptions();
    // The day whose game this is, for a game that ended (or stands) at `around`: the UTC
    // date then, or the day before for a game that crossed midnight. Nothing for a game with
    // other options or a number that is neither day's.
    static std::optional<std::chrono::sys_days>
    DayOf(std::uint32_t number, const AppPlayOptions& options, std::chrono::sys_seconds around);

    // "Zingaroo game 48213377 (options 24,18,6,6,60,160,1)": the text a player passes on.
    static std::string ShareText(std::uint32_t number, const AppPlayOptions& options);
    // A typed number as Parse takes it, or a text as ShareText writes it, pasted whole:
    // blanks and line ends around it are allowed, "Zingaroo" in any letter case, and the
    // options part may be left out. Anything else, options out of range included, is nothing.
    static std::optional<AppSharedGame> ParseShared(std::string_view text);
};
