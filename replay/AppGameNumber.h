// The number that deals a game: fresh from the clock, or typed in by the player.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

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
};
