// The days' pages and JSON as last written out, so that the readers of a busy day do not each
// query and render it again.
#pragma once

#include "AppBoardResponse.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

// Every commit makes all the answers kept before it stale: an upload answered 2xx is on the
// next page read. An answer is also kept a second at most, so that what other servers sharing
// the database commit shows here within that time. At most maxEntries answers are kept.
class AppBoardDayCache {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds maxAge{1000};
    static constexpr std::size_t maxEntries = 64;

    // Taken before the store is read, and handed to Keep with what was made from that read.
    std::uint64_t Changes() const { return changes_.load(); }
    // The answer kept under `key`, while no commit has come since it was read and it is young.
    std::shared_ptr<const AppBoardResponse> Find(const std::string& key, Clock::time_point now);
    // Keeps the answer made from a read begun at `changes`, unless a commit came since.
    void Keep(const std::string& key, std::shared_ptr<const AppBoardResponse> response,
              std::uint64_t changes, Clock::time_point now);
    // A commit changed the board.
    void Changed() { ++changes_; }

private:
    struct Entry {
        std::shared_ptr<const AppBoardResponse> response;
        std::uint64_t changes = 0;
        Clock::time_point made;
    };

    std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
    std::atomic<std::uint64_t> changes_ = 0;
};
