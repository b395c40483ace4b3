// When the outbox may next try the board: a minute after the first failure, doubling to an hour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Kept in the outbox as "FAILURES NOT-BEFORE" (the count of failures in a row, and the time
// before which nothing is sent, in seconds since 1970-01-01 UTC), so a restart honours it.
struct AppRetrySchedule {
    static constexpr std::int64_t firstDelay = 60;
    static constexpr std::int64_t longestDelay = 3600;

    std::int32_t failures = 0;
    std::int64_t notBefore = 0;

    // The wait after `failures` failures in a row: 60 s, 120 s, 240 s … at most an hour.
    static std::int64_t Delay(std::int32_t failures);
    // One more failure at `now`.
    void Failed(std::int64_t now);
    // A schedule from a later run than `now` allows (a clock set back) waits no longer than
    // the longest delay from now.
    std::int64_t WaitFrom(std::int64_t now) const;

    std::string Format() const;
    // Nothing for a text that is not a schedule: the outbox then sends at once.
    static std::optional<AppRetrySchedule> Parse(std::string_view text);
};
