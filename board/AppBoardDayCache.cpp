// The days' pages and JSON as last written out, so that the readers of a busy day do not each
// query and render it again.
#include "AppBoardDayCache.h"

std::shared_ptr<const AppBoardResponse> AppBoardDayCache::Find(const std::string& key,
                                                               Clock::time_point now) {
    const std::lock_guard lock(mutex_);
    const auto found = entries_.find(key);
    if (found == entries_.end() || found->second.changes != changes_ ||
        now - found->second.made >= maxAge)
        return nullptr;
    return found->second.response;
}

void AppBoardDayCache::Keep(const std::string& key,
                            std::shared_ptr<const AppBoardResponse> response, std::uint64_t changes,
                            Clock::time_point now) {
    const std::lock_guard lock(mutex_);
    if (changes != changes_)
        return;
    if (entries_.size() >= maxEntries && !entries_.contains(key)) {
        std::erase_if(entries_, [&](const auto& entry) {
            return entry.second.changes != changes || now - entry.second.made >= maxAge;
        });
        // Many days read within a second: the ones kept make way rather than memory grow.
        if (entries_.size() >= maxEntries)
            entries_.clear();
    }
    entries_[key] = {std::move(response), changes, now};
}
