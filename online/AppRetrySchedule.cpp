// When the outbox may next try the board: a minute after the first failure, doubling to an hour.
#include "AppRetrySchedule.h"

#include <algorithm>
#include <charconv>

std::int64_t AppRetrySchedule::Delay(std::int32_t failures) {
    if (failures <= 0)
        return 0;
    std::int64_t delay = firstDelay;
    for (std::int32_t i = 1; i < failures && delay < longestDelay; ++i)
        delay *= 2;
    return std::min(delay, longestDelay);
}

void AppRetrySchedule::Failed(std::int64_t now) {
    failures = failures < 1000 ? failures + 1 : failures;
    notBefore = now + Delay(failures);
}

std::int64_t AppRetrySchedule::WaitFrom(std::int64_t now) const {
    return std::clamp<std::int64_t>(notBefore - now, 0, longestDelay);
}

std::string AppRetrySchedule::Format() const {
    return std::to_string(failures) + ' ' + std::to_string(notBefore) + '\n';
}

std::optional<AppRetrySchedule> AppRetrySchedule::Parse(std::string_view text) {
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    AppRetrySchedule schedule;
    const char* end = text.data() + text.size();
    const auto failures = std::from_chars(text.data(), text.data() + blank, schedule.failures);
    const auto notBefore = std::from_chars(text.data() + blank + 1, end, schedule.notBefore);
    if (failures.ec != std::errc() || failures.ptr != text.data() + blank ||
        notBefore.ec != std::errc() || notBefore.ptr != end || schedule.failures < 0 ||
        schedule.notBefore < 0)
        return std::nullopt;
    return schedule;
}
