// Uploads allowed per address: a bucket per address refilled over a minute, kept in memory only.
#include "AppRateLimit.h"

#include <algorithm>
#include <iterator>

bool AppRateLimit::Take(const std::string& address, std::chrono::steady_clock::time_point now) {
    if (perMinute_ <= 0)
        return true;
    const std::lock_guard lock(mutex_);
    const double full = perMinute_;
    const auto refill = [&](Bucket& bucket) {
        const double minutes = std::chrono::duration<double>(now - bucket.filled).count() / 60;
        bucket.tokens = std::min(full, bucket.tokens + minutes * full);
        bucket.filled = now;
    };
    if (buckets_.size() > pruneAbove_)
        for (auto entry = buckets_.begin(); entry != buckets_.end();) {
            refill(entry->second);
            entry = entry->second.tokens >= full ? buckets_.erase(entry) : std::next(entry);
        }
    auto [entry, fresh] = buckets_.try_emplace(address, Bucket{full, now});
    if (!fresh)
        refill(entry->second);
    if (entry->second.tokens < 1)
        return false;
    entry->second.tokens -= 1;
    return true;
}
