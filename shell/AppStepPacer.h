// Paces the game step: periods measured on a wrapping 32-bit millisecond tick counter.
#pragma once

#include <cstdint>

class AppStepPacer {
public:
    // The longest single sleep between two looks at the queue, in milliseconds.
    static constexpr std::uint32_t maxSleep = 10;

    // True when speed milliseconds have passed since the previous period
    // ended; the difference is taken modulo 2^32, so the counter may wrap.
    // A speed of 0 or less is always reached.
    bool PeriodOver(std::uint32_t now, std::int32_t speed) const;

    // How long to sleep before looking again: at most maxSleep and never past
    // the end of the period.
    std::uint32_t SleepFor(std::uint32_t now, std::int32_t speed) const;

    void EndPeriod(std::uint32_t now) { previous_ = now; }
    std::uint32_t Previous() const { return previous_; }

private:
    std::uint32_t previous_ = 0;
};
