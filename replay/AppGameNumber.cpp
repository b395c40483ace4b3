// The number that deals a game: fresh from the clock, or typed in by the player.
#include "AppGameNumber.h"

#include <charconv>
#include <chrono>

std::uint32_t AppGameNumber::FromClock() {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    auto z = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(sinceEpoch).count());
    // The splitmix64 finaliser: every bit of the time moves about half the bits.
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return low + static_cast<std::uint32_t>(z % (high - low + 1));
}

std::optional<std::uint32_t> AppGameNumber::Parse(std::string_view typed) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!typed.empty() && blank(typed.front()))
        typed.remove_prefix(1);
    while (!typed.empty() && blank(typed.back()))
        typed.remove_suffix(1);
    // Ten digits at most keeps the reading clear of overflow.
    if (typed.empty() || typed.size() > 10 || typed.front() < '0' || typed.front() > '9')
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
    if (error != std::errc() || end != typed.data() + typed.size() || value < low || value > high)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}
