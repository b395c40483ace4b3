// Paces the game step: periods measured on a wrapping 32-bit millisecond tick counter.
#include "AppStepPacer.h"

#include <algorithm>

bool AppStepPacer::PeriodOver(std::uint32_t now, std::int32_t speed) const {
    if (speed <= 0)
        return true;
    return now - previous_ >= static_cast<std::uint32_t>(speed);
}

std::uint32_t AppStepPacer::SleepFor(std::uint32_t now, std::int32_t speed) const {
    if (PeriodOver(now, speed))
        return 0;
    const std::uint32_t left = static_cast<std::uint32_t>(speed) - (now - previous_);
    return std::min(left, maxSleep);
}
